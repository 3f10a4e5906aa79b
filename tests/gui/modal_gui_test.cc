// Modal runs on Qt: timers, message boxes, nested runs, posted commands and the frame.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "resources/resource_ids.h"
#include "ui/dialog.h"
#include "ui/qt/qt_dialog_host.h"
#include "ui/qt/qt_window_system.h"

namespace {

// Presses the given button of the next message box that appears.
void AnswerNextMessageBox(QMessageBox::StandardButton button) {
    QTimer::singleShot(20, [button] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            AnswerNextMessageBox(button);
            return;
        }
        box->button(button)->click();
    });
}

class InfoDialog : public airvane::Dialog {
public:
    InfoDialog() : Dialog(airvane::kIddInformation, airvane::kDialogInformation) {}
    void OnInitDialog() override { Host().SetTimer(5, 10); }
    void OnTimer(int id) override {
        Host().KillTimer(id);
        ++ticks;
        Host().EndDialog(42);
    }
    int ticks = 0;
};

// Asks a question, runs the information dialog, then posts itself the end.
class BasicDialog : public airvane::Dialog {
public:
    BasicDialog() : Dialog(airvane::kIddBasicSetting, airvane::kDialogBasicSetting) {}
    void OnInitDialog() override { Host().SetTimer(1, 10); }
    void OnTimer(int) override {
        Host().KillTimer(1);
        answer =
            Host().MessageBox("Use Previous WPA2 Setting", "Title", airvane::MessageButtons::kYesNo,
                              airvane::MessageIcon::kQuestion);
        InfoDialog info;
        child_result = RunChild(info);
        child_ticks = info.ticks;
        Host().PostCommand(777);
    }
    void OnMenuCommand(int command) override { Host().EndDialog(command); }
    int answer = -1;
    int child_result = -1;
    int child_ticks = 0;
};

class MainDialog : public airvane::Dialog {
public:
    MainDialog() : Dialog(airvane::kIddMainPage, airvane::kDialogMainPage) { UseMainWindowFrame(); }
    void OnInitDialog() override { Host().SetTimer(1, 10); }
    void OnTimer(int) override { ++ticks; }
    int ticks = 0;
};

}  // namespace

class ModalGuiTest : public QObject {
    Q_OBJECT

private slots:
    void timersMessageBoxesAndNestedRuns() {
        BasicDialog dialog;
        AnswerNextMessageBox(QMessageBox::No);
        airvane::QtWindowSystem ws;
        QCOMPARE(ws.RunModal(dialog), 777);
        QCOMPARE(dialog.answer, int(airvane::kIdNo));
        QCOMPARE(dialog.child_result, 42);
        QCOMPARE(dialog.child_ticks, 1);
    }

    void mainWindowFrameHidesInsteadOfClosing() {
        MainDialog dialog;
        airvane::QtDialogHost host(dialog, nullptr);
        QVERIFY(host.Build());
        QDialog* window = host.Window();
        QTimer::singleShot(50, [&] {
            QVERIFY(window->isVisible());
            QTest::keyClick(window, Qt::Key_Escape);
            QTest::keyClick(window, Qt::Key_Return);
            QVERIFY(window->isVisible());
            window->close();  // the close box
            QVERIFY(!window->isVisible());
            host.EndDialog(3);
        });
        QCOMPARE(host.Run(), 3);
    }

    void plainDialogEndsOnEscape() {
        airvane::Dialog dialog(airvane::kIddWepInfo, airvane::kDialogWepInfo);
        airvane::QtDialogHost host(dialog, nullptr);
        QVERIFY(host.Build());
        QDialog* window = host.Window();
        QTimer::singleShot(30, [window] { QTest::keyClick(window, Qt::Key_Escape); });
        QCOMPARE(host.Run(), int(airvane::kIdCancel));
    }

    void enterPressesTheDefaultButton() {
        airvane::Dialog dialog(airvane::kIddInformation, airvane::kDialogInformation);
        airvane::QtDialogHost host(dialog, nullptr);
        QVERIFY(host.Build());
        QDialog* window = host.Window();
        QTimer::singleShot(30, [window] { QTest::keyClick(window, Qt::Key_Return); });
        QCOMPARE(host.Run(), int(airvane::kIdOk));
    }
};

QTEST_MAIN(ModalGuiTest)
#include "modal_gui_test.moc"
