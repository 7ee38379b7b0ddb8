// The flash grid of the real memory tool window, timed: the 65,536-cell
// grid brought up in the open window and painted, scrolled from top to
// bottom, shown again after every byte changed, and one change scan with
// the window open (every byte changed, and none); and, for comparison, the
// opening of the whole window. Run by hand (under xvfb-run for a real X
// server, or offscreen) or by ./build.sh bench, whose table takes its lines;
// prints the median of several runs beside its bound.
#include "flashtool/MemoryGrids.h"
#include "flashtool/ui/FlashTools.h"
#include "flashtool/ui/MemoryGrid.h"
#include "flashtool/ui/frmMain.h"
#include "link/SerialHost.h"
#include "model/Model.h"
#include "tests/bench/Bench.h"
#include "tests/flashtool/WindowFixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTableView>

#include <cstdio>
#include <vector>

namespace {

constexpr double BoundMs = bench::kFlashGridBoundMs;
constexpr int Runs = 7;

double ms(const QElapsedTimer& t) {
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

// Paints what is due at once, as the event loop would.
void paint(flashtool::ui::frmMain& w) {
    w.vsfgGridFlash->view()->viewport()->repaint();
}

void changeEveryByte(int salt) {
    model::Image& image = model::IicDat();
    for (std::size_t a = 0; a < image.size(); ++a)
        image[a] = static_cast<std::uint8_t>(a * 7 + (a >> 8) + salt);
}

struct Figures {
    double opened, shown, scrolled, refreshed, scanAll, scanNone;
};

Figures measure(int run) {
    Figures f{};
    flashtest::ProgramFlashTools program;
    // Start-up has run the serial host's start-up long before.
    radiolink::EnsureSerialHost(radiolink::linkState(), radiolink::firmware());
    changeEveryByte(run);
    // The window opens on the internal-RAM grid, then shows the flash grid
    // (the control tab stays on Flash, so only the grid is shown anew).
    flashtool::tool().sstabData = 1;
    QElapsedTimer t;
    t.start();
    auto& w = static_cast<flashtool::ui::frmMain&>(*flashtool::ui::ShowToolWindow());
    QApplication::processEvents(); // lays out and paints
    f.opened = ms(t);

    t.restart();
    w.sstabData->setCurrentIndex(0);
    QApplication::processEvents();
    paint(w);
    f.shown = ms(t);

    QScrollBar* bar = w.vsfgGridFlash->view()->verticalScrollBar();
    t.restart();
    bar->setValue(bar->maximum());
    paint(w);
    f.scrolled = ms(t);

    // Every byte changed (a HEX load, a radio read): the grid shown again.
    changeEveryByte(run + 1);
    t.restart();
    flashtool::RefreshFlashRange(flashtool::tool(), 0, 0xFFFF);
    paint(w);
    f.refreshed = ms(t);

    flashtool::RefreshGridFlash(flashtool::tool()); // the shadow catches up
    changeEveryByte(run + 2);
    t.restart();
    flashtool::RefreshGridFlash(flashtool::tool());
    paint(w);
    f.scanAll = ms(t);

    t.restart();
    flashtool::RefreshGridFlash(flashtool::tool());
    paint(w);
    f.scanNone = ms(t);
    return f;
}

} // namespace

int main(int argc, char** argv) {
    bench::onXServerOrOffscreen();
    QApplication app(argc, argv);
    {
        // The program has shown windows before: style and fonts are loaded.
        flashtest::ProgramFlashTools warm;
        flashtool::ui::ShowToolWindow();
        QApplication::processEvents();
    }
    std::vector<Figures> runs;
    for (int i = 0; i < Runs; ++i) runs.push_back(measure(i));

    using bench::bounded;
    using bench::figure;
    using bench::median;
    std::printf("Memory tool window, flash grid of 4,096 x 16 byte cells; median of %d runs\n", Runs);
    figure("open the window (every control built, shown, painted)", median(runs, &Figures::opened));
    const double shown = median(runs, &Figures::shown), scrolled = median(runs, &Figures::scrolled);
    figure("bring the flash grid's tab up, grid shown and painted", shown);
    figure("scroll the grid from top to bottom and paint", scrolled);
    bool ok = bounded(bench::kFlashGridShownLine, shown + scrolled, BoundMs);
    ok &= bounded("show the grid again after every byte changed", median(runs, &Figures::refreshed), BoundMs);
    ok &= bounded(bench::kChangeScanAllLine, median(runs, &Figures::scanAll), BoundMs);
    ok &= bounded(bench::kChangeScanNoneLine, median(runs, &Figures::scanNone), BoundMs);
    return ok ? 0 : 1;
}
