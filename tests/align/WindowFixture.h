#pragma once
// The factory windows' tests: a fresh start (its program folder is also the
// home of the production folders), the program's link as a run starts it,
// dialogs that answer from a script, the flash tools' windows as a double,
// and the access-code dialog answered by typing.
#include "align/AccessCodes.h"
#include "align/AlignState.h"
#include "align/ui/AlignWindows.h"
#include "align/ui/frmAdjMode.h"
#include "align/ui/frmAdjMore.h"
#include "align/ui/frmInputCode.h"
#include "align/ui/frmVitualKey.h"
#include "model/Model.h"
#include "tests/linkui/LinkUiSupport.h"
#include "tests/support/ErrorLog.h"
#include "tests/support/FreshStart.h"
#include "tests/support/ScriptedDialogs.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace aligntest {

// The memory tool window and the firmware window as the alignment window
// calls them.
struct FlashTools : align::ui::FlashToolsHost {
    void ShowToolWindow(QWidget*) override { calls.push_back("ShowToolWindow"); }
    void ShowFirmwareWindow(QWidget*) override { calls.push_back("ShowFirmwareWindow"); }
    void RefreshGridFlash() override { calls.push_back("RefreshGridFlash"); }
    std::vector<std::string> calls;
};

struct WindowFixture : testsupport::FreshStart {
    testsupport::ScriptedDialogs dialogs;
    testsupport::ErrorLog errors;
    FlashTools flashTools;
    platform::Host<align::ui::FlashToolsHost>::Scoped flashToolsRegistered{flashTools};

    WindowFixture() {
        linkui::WriteSettings(home, {});
        linkui::StartProgramLink(home);
        align::ui::InstallAlignWindows();
    }
    ~WindowFixture() {
        for (QWidget* w : {static_cast<QWidget*>(align::ui::frmVitualKey::existing()),
                           static_cast<QWidget*>(align::ui::frmAdjMore::existing()),
                           static_cast<QWidget*>(align::ui::frmAdjMode::existing())})
            delete w;
    }

    // Once the access-code dialog asks, types `text` into its box and lets
    // its closing timer fire (the test does not wait out the second).
    static void answerNextCode(const QString& text) {
        QTimer::singleShot(0, [text] {
            align::ui::frmInputCode* d = align::ui::frmInputCode::existing();
            QVERIFY(d && d->isVisible());
            QTest::keyClicks(d->txtInputCode, text);
            d->tmrAutoExit_Timer();
        });
    }
    static std::string code(align::CodeButton button) { return align::CodeOf(button); }
};

// Chooses the entry shown as `text` as a keyboard user does: opens the
// list, moves to the entry and presses Return.
inline void choose(QComboBox* list, const QString& text) {
    const int index = list->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    list->showPopup();
    QAbstractItemView* view = list->view();
    view->setCurrentIndex(view->model()->index(index, 0));
    QTest::keyClick(view, Qt::Key_Return);
    QCOMPARE(list->currentText(), text);
}

} // namespace aligntest
