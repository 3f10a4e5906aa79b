#include "ui/qt/dialog_units.h"

#include <QFontMetrics>
#include <QStringList>

namespace airvane {
namespace {

// a * b / c rounded half away from zero, as the platform's MulDiv.
int MulDiv(int a, int b, int c) {
    long long p = static_cast<long long>(a) * b;
    long long q = p >= 0 ? (p + c / 2) / c : (p - c / 2) / c;
    return static_cast<int>(q);
}

}  // namespace

QFont DialogFont(const DialogTemplate& dialog_template) {
    QFont font(QString::fromUtf8(dialog_template.font));
    font.setFamilies({QString::fromUtf8(dialog_template.font), QStringLiteral("DejaVu Sans")});
    font.setPointSize(dialog_template.point_size);
    return font;
}

BaseUnits ComputeBaseUnits(const QFont& font) {
    QFontMetrics metrics(font);
    int letters = metrics.horizontalAdvance(
        QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"));
    return BaseUnits{(letters / 26 + 1) / 2, metrics.height()};
}

int UnitsToPixelsX(const BaseUnits& units, int x) {
    return MulDiv(x, units.cx, 4);
}
int UnitsToPixelsY(const BaseUnits& units, int y) {
    return MulDiv(y, units.cy, 8);
}

QRect UnitsToPixels(const BaseUnits& units, int x, int y, int w, int h) {
    int left = UnitsToPixelsX(units, x);
    int top = UnitsToPixelsY(units, y);
    return QRect(left, top, UnitsToPixelsX(units, x + w) - left,
                 UnitsToPixelsY(units, y + h) - top);
}

}  // namespace airvane
