// Every dialog template built as Qt widgets: kind, pixel geometry and text per control.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTreeWidget>
#include <QtTest>

#include "resources/dialog_template.h"
#include "ui/qt/dialog_units.h"
#include "ui/qt/qt_dialog_host.h"

namespace airvane {
namespace {

bool KindMatches(ControlKind kind, QWidget* w) {
    switch (kind) {
        case ControlKind::kLabel:
        case ControlKind::kIcon:
            return qobject_cast<QLabel*>(w) != nullptr;
        case ControlKind::kGroupBox:
            return qobject_cast<QGroupBox*>(w) != nullptr;
        case ControlKind::kPushButton:
            return qobject_cast<QPushButton*>(w) != nullptr &&
                   !static_cast<QPushButton*>(w)->isDefault();
        case ControlKind::kDefPushButton:
            return qobject_cast<QPushButton*>(w) != nullptr &&
                   static_cast<QPushButton*>(w)->isDefault();
        case ControlKind::kCheckBox:
            return qobject_cast<QCheckBox*>(w) != nullptr;
        case ControlKind::kRadioButton:
            return qobject_cast<QRadioButton*>(w) != nullptr;
        case ControlKind::kEdit:
            return qobject_cast<QLineEdit*>(w) != nullptr;
        case ControlKind::kDropDownList:
            return qobject_cast<QComboBox*>(w) != nullptr &&
                   !static_cast<QComboBox*>(w)->isEditable();
        case ControlKind::kDropDownCombo:
            return qobject_cast<QComboBox*>(w) != nullptr &&
                   static_cast<QComboBox*>(w)->isEditable();
        case ControlKind::kListView:
            return qobject_cast<QTreeWidget*>(w) != nullptr;
        case ControlKind::kSlider:
            return qobject_cast<QSlider*>(w) != nullptr;
        case ControlKind::kProgressBar:
            return qobject_cast<QProgressBar*>(w) != nullptr;
    }
    return false;
}

}  // namespace
}  // namespace airvane

class TemplatesGuiTest : public QObject {
    Q_OBJECT

private slots:
    void baseUnitsOfTheDialogFont() {
        airvane::BaseUnits units =
            airvane::ComputeBaseUnits(airvane::DialogFont(airvane::kMainPageTemplate));
        // DejaVu Sans 8 pt at 96 dpi, the font every machine of ours has.
        QCOMPARE(units.cx, 7);
        QCOMPARE(units.cy, 13);
        QCOMPARE(airvane::UnitsToPixels(units, 6, 49, 99, 80), QRect(11, 80, 173, 130));
    }

    void everyTemplateBuildsAsItsTableSays() {
        for (const airvane::DialogTemplate* t : airvane::AllDialogTemplates()) {
            airvane::Dialog dialog(t->resource_id, -1);
            airvane::QtDialogHost host(dialog, nullptr);
            QVERIFY(host.Build());
            const airvane::BaseUnits& u = host.Units();
            QCOMPARE(host.Window()->size(), QSize(airvane::UnitsToPixelsX(u, t->width),
                                                  airvane::UnitsToPixelsY(u, t->height)));
            QCOMPARE(host.Widgets().size(), t->controls.size());
            for (const auto& [c, w] : host.Widgets()) {
                QString where = QString("dialog %1 control %2").arg(t->resource_id).arg(c->id);
                QVERIFY2(airvane::KindMatches(c->kind, w), qPrintable(where));
                QRect expected = airvane::UnitsToPixels(u, c->x, c->y, c->w, c->h);
                if (c->kind == airvane::ControlKind::kDropDownList ||
                    c->kind == airvane::ControlKind::kDropDownCombo) {
                    expected.setHeight(u.cy + 8);
                }
                if (c->kind == airvane::ControlKind::kIcon) {
                    expected.setSize(QSize(32, 32));
                }
                QVERIFY2(w->geometry() == expected, qPrintable(where));
                QVERIFY2(w->isHidden() == ((c->style & airvane::kStyleHidden) != 0),
                         qPrintable(where));
                QVERIFY2(w->isEnabled() == ((c->style & airvane::kStyleDisabled) == 0),
                         qPrintable(where));
                if (c->id != airvane::kStaticId) {
                    QVERIFY2(host.GetText(c->id) == c->text, qPrintable(where));
                }
            }
        }
    }

    void radioGroupsExcludeOnlyTheirOwnMembers() {
        airvane::Dialog dialog(airvane::kWepSettingTemplate.resource_id, -1);
        airvane::QtDialogHost host(dialog, nullptr);
        QVERIFY(host.Build());
        host.SetCheck(1208, 1);  // key length group
        host.SetCheck(1094, 1);  // key format group
        QCOMPARE(host.GetCheck(1208), 1);
        host.SetCheck(1207, 1);
        QCOMPARE(host.GetCheck(1208), 0);
        QCOMPARE(host.GetCheck(1094), 1);
        host.SetCheck(1094, 0);
        QCOMPARE(host.GetCheck(1094), 0);
    }

    void listColumnsAndCells() {
        airvane::Dialog dialog(airvane::kMainPageTemplate.resource_id, -1);
        airvane::QtDialogHost host(dialog, nullptr);
        QVERIFY(host.Build());
        host.ListInsertColumn(1243, 0, "SSID", 105, airvane::Align::kLeft);
        host.ListInsertColumn(1243, 1, "Strength", 64, airvane::Align::kLeft);
        QCOMPARE(host.ListInsertRow(1243, 0, "net"), 0);
        host.ListSetCell(1243, 0, 1, "80%");
        QCOMPARE(host.ListCell(1243, 0, 1), std::string("80%"));
        host.ListDeleteColumn(1243, 0);
        QCOMPARE(host.ListColumnCount(1243), 1);
        QCOMPARE(host.ListCell(1243, 0, 0), std::string("80%"));
        QCOMPARE(host.ListSelectionMark(1243), -1);
    }
};

QTEST_MAIN(TemplatesGuiTest)
#include "templates_gui_test.moc"
