#include "main/ProgramAssembly.h"
#include "shell/ui/frmSplash.h"
#include "shell/ui/mdifrmMain.h"

#include <QApplication>
#include <QEvent>

#include <chrono>
#include <cstdio>
#include <cstdlib>

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

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    ShownStamp stamp;
    if (std::getenv("TAVORIN_SHOWN_STAMP")) application.installEventFilter(&stamp);
    program::AssembleProgram();
    // The run after installation prepares the settings and hands over to a
    // new run of the program.
    if (!shell::StartProgram()) return 0;
    return application.exec();
}
