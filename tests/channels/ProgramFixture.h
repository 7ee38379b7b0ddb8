#pragma once
// The program started as a user starts it, in a fresh program folder, with
// the channel window in the main window: the shipped files, the first start
// done, the language given, and the default image as `image` leaves it.
#include "channels/ChMem.h"
#include "channels/ui/frmChMem.h"
#include "model/Model.h"

#include "app/DataFile.h"
#include "app/Shell.h"
#include "platform/IniFile.h"
#include "shell/ui/frmSplash.h"
#include "shell/ui/mdifrmMain.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempHome.h"

#include <QtTest>

#include <cstdlib>
#include <functional>
#include <stdexcept>
#include <string>

namespace chmemtest {

struct Program {
    testsupport::TempHome home;
    testsupport::ScriptedDialogs dialogs;
    shell::mdifrmMain* main = nullptr;
    channels::frmChMem* chMem = nullptr;

    // settings: changes the settings file before the start.
    explicit Program(int lang, const std::function<void(model::Image&)>& image = {},
                     const std::function<void(const std::string& file)>& settings = {}) {
        ::setenv("TAVORIN_QUIET", "1", 1);
        app::ResetShell();
        model::ResetModel();
        channels::ResetChMem();
        for (const char* f : {"tavorin.def", "zezirev.def", "DefRadioSet.def"}) home.copyShipped(f);
        platform::IniFile::write(home.file("tavorin.def"), "Setting", "FirRun", "0");
        platform::IniFile::write(home.file("tavorin.def"), "Setting", "Language", std::to_string(lang));
        if (settings) settings(home.file("tavorin.def"));
        if (image) {
            model::Image defaults{};
            app::ReadDataFile(home.file("zezirev.def"), defaults);
            image(defaults);
            app::WriteDataFile(home.file("zezirev.def"), defaults);
        }
        channels::InstallChannelWindow();
        // A start that fails ends the test with its reason: a QVERIFY here
        // would only leave the constructor, and the test would go on to use
        // the windows that are not there. The waits are bounds a busy
        // machine may need, not pauses.
        if (!shell::StartProgram()) throw std::runtime_error("the program did not start");
        if (!QTest::qWaitFor([] { return !shell::frmSplash::existing(); }, 30000))
            throw std::runtime_error("the splash stayed");
        main = &shell::mdifrmMain::instance();
        if (!QTest::qWaitForWindowExposed(main, 30000)) throw std::runtime_error("the main window is not shown");
        chMem = dynamic_cast<channels::frmChMem*>(main->channelWindow());
        if (!chMem) throw std::runtime_error("no channel window");
    }
    ~Program() {
        shell::mdifrmMain::destroyInstance();
        platform::Host<shell::ChannelWindowHost>::set(nullptr);
    }
};

} // namespace chmemtest
