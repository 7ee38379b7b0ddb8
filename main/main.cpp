#include "app/FaceText.h"
#include "main/ProgramAssembly.h"
#include "shell/ui/frmSplash.h"
#include "shell/ui/mdifrmMain.h"

#include <QApplication>
#include <QEvent>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

// The launch benchmark's hook, on when TAVORIN_SHOWN_STAMP is set: once
// start-up has closed the splash and the main window has painted, the
// program prints "shown" and the steady clock in nanoseconds, and ends
// at once.
class ShownStamp : public QObject {
  protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Close && qobject_cast<shell::frmSplash*>(object)) splashClosed_ = true;
        if (splashClosed_ && event->type() == QEvent::Paint && qobject_cast<shell::mdifrmMain*>(object)) {
            const auto now = std::chrono::steady_clock::now().time_since_epoch();
            std::printf("shown %lld\n", static_cast<long long>(std::chrono::nanoseconds(now).count()));
            std::fflush(stdout);
            std::_Exit(0);
        }
        return false;
    }

  private:
    bool splashClosed_ = false;
};

// The usage is told in English, with About's name and version. Qt is not
// started for it, so it needs no display, and the settings file is not read.
constexpr int English = 3;
constexpr const char* Usage =
    "Usage: tavorin [--help | -h | --version] [Qt's own options, such as -platform offscreen]\n";

bool asksForUsage(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h" || arg == "--version") return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (asksForUsage(argc, argv)) {
        std::printf("%s%s, %s\n", Usage, app::text(app::TextKey::AboutCompany, English).c_str(),
                    app::text(app::TextKey::AboutVersion, English).c_str());
        return 0;
    }
    // Qt takes its own options out of the command line; whatever is left
    // the program does not take.
    QApplication application(argc, argv);
    if (argc > 1) {
        for (int i = 1; i < argc; ++i) std::fprintf(stderr, "tavorin: unknown argument: %s\n", argv[i]);
        std::fputs(Usage, stderr);
        return 2;
    }
    ShownStamp stamp;
    if (std::getenv("TAVORIN_SHOWN_STAMP")) application.installEventFilter(&stamp);
    program::AssembleProgram();
    // The run after installation prepares the settings and hands over to a
    // new run of the program.
    if (!shell::StartProgram()) return 0;
    return application.exec();
}
