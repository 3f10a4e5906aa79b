// Renders every dialog template, with its template texts, and the tray menu with its
// default item to <folder>/<resource id>.png.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QTimer>
#include <cstdio>

#include "resources/dialog_template.h"
#include "resources/icons.h"
#include "resources/menu_template.h"
#include "resources/resource_ids.h"
#include "ui/qt/qt_dialog_host.h"
#include "ui/qt/qt_icons.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(folder);
    int failures = 0;
    for (const airvane::DialogTemplate* t : airvane::AllDialogTemplates()) {
        airvane::Dialog dialog(t->resource_id, -1);
        airvane::QtDialogHost host(dialog, nullptr);
        if (!host.Build()) {
            ++failures;
            continue;
        }
        // Lists get a sample row so that their columns show.
        for (const airvane::ControlTemplate& c : t->controls) {
            if (c.kind == airvane::ControlKind::kListView) {
                host.ListInsertColumn(c.id, 0, "SSID", 105, airvane::Align::kLeft);
                host.ListInsertColumn(c.id, 1, "Strength", 64, airvane::Align::kLeft);
                host.ListInsertRow(c.id, 0, "Sample network");
                host.ListSetCell(c.id, 0, 1, "80%");
            }
        }
        host.Window()->show();
        QApplication::processEvents();
        QString path = QStringLiteral("%1/%2.png").arg(folder).arg(t->resource_id);
        if (!host.Window()->grab().save(path)) {
            ++failures;
        }
        host.Window()->hide();
    }
    // The tray menu 173.
    const airvane::MenuTemplate* tray = airvane::FindMenuTemplate(airvane::kMenuTray);
    QMenu menu;
    for (const airvane::MenuItemTemplate& item : tray->items) {
        QAction* action = menu.addAction(QString::fromUtf8(item.text));
        if (item.command == airvane::kIdmTrayOpen) {
            QFont bold = action->font();
            bold.setBold(true);
            action->setFont(bold);
            menu.setDefaultAction(action);
        }
    }
    menu.popup(QPoint(40, 40));
    QApplication::processEvents();
    if (!menu.grab().save(QStringLiteral("%1/%2.png").arg(folder).arg(airvane::kMenuTray))) {
        ++failures;
    }
    menu.hide();
    // The images at 16 and 22 pixels, and large for a look.
    const int* ids = airvane::AllIconIds();
    for (int i = 0; ids[i] != 0; ++i) {
        for (int size : {16, 22, 64}) {
            QString path = QStringLiteral("%1/icon-%2-%3.png").arg(folder).arg(ids[i]).arg(size);
            if (!airvane::ImagePixmap(ids[i], size).save(path)) {
                ++failures;
            }
        }
    }
    std::printf("screenshots in %s, %d failure(s)\n", qPrintable(folder), failures);
    return failures == 0 ? 0 : 1;
}
