#pragma once
#include <QFont>
#include <QRect>

#include "resources/dialog_template.h"

namespace airvane {

// The dialog base units of a font: the average character width and the height in
// pixels. A dialog unit is a quarter of the width horizontally and an eighth of the
// height vertically.
struct BaseUnits {
    int cx = 0;
    int cy = 0;
};

// The dialog font of a template; "Verdana" falls back to DejaVu Sans, whose metrics are
// close to it and which every machine of ours has.
QFont DialogFont(const DialogTemplate& dialog_template);
// Base units as the original window system computes them: the width of the 52 letters
// a-z A-Z, divided by 26, plus 1, halved; the height is the font's height.
BaseUnits ComputeBaseUnits(const QFont& font);
// Dialog units to pixels, rounded to the nearest pixel as MulDiv does.
int UnitsToPixelsX(const BaseUnits& units, int x);
int UnitsToPixelsY(const BaseUnits& units, int y);
QRect UnitsToPixels(const BaseUnits& units, int x, int y, int w, int h);

}  // namespace airvane
