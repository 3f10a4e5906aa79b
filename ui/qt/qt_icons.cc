#include "ui/qt/qt_icons.h"

#include <QPainter>
#include <QSvgRenderer>

#include "resources/icons.h"

namespace airvane {

QPixmap ImagePixmap(int image, int size) {
    const char* svg = IconSvg(image);
    if (svg == nullptr) {
        return QPixmap();
    }
    QSvgRenderer renderer{QByteArray(svg)};
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

QIcon ImageIcon(int image) {
    QIcon icon;
    for (int size : {16, 22, 32, 48}) {
        QPixmap pixmap = ImagePixmap(image, size);
        if (!pixmap.isNull()) {
            icon.addPixmap(pixmap);
        }
    }
    return icon;
}

}  // namespace airvane
