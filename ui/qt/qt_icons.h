#pragma once
#include <QIcon>
#include <QPixmap>

namespace airvane {

// An image resource drawn at size x size pixels; a null pixmap for an unknown image.
QPixmap ImagePixmap(int image, int size);
// An image resource as an icon with its 16, 22, 32 and 48 pixel renderings.
QIcon ImageIcon(int image);

}  // namespace airvane
