// Times the 65,536-cell flash grid: showing it whole (model and view built
// over the image, sized, shown and painted, then scrolled from top to
// bottom) and refreshing it after a change. Run by hand; prints the median
// of several runs beside its bound.
#include "platform/ui/Grid.h"
#include "platform/ui/GridSource.h"
#include "tests/bench/Bench.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTableView>

#include <array>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr double BoundMs = bench::kFlashGridBoundMs;
constexpr int Runs = 7;

std::array<std::uint8_t, 0x10000> image;

double ms(const QElapsedTimer& t) {
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

// Paints the cells at once, as the event loop would.
void paint(platform::Grid& grid) {
    grid.view()->viewport()->repaint();
}

struct Figures {
    double built, scrolled, oneRow, allRows, paged, marked, heights;
    int pages;
};

Figures measure() {
    Figures f{};
    QElapsedTimer t;
    t.start();
    platform::Grid grid;
    grid.setFormatString("Addr|0|1|2|3|4|5|6|7|8|9|A|B|C|D|E|F");
    grid.setSource(std::make_unique<platform::ByteGridSource>(image));
    grid.setColWidth(0, 900);
    for (int col = 1; col < grid.cols(); ++col) grid.setColWidth(col, 420);
    grid.resize(900, 600);
    grid.show();
    QApplication::processEvents(); // lays out and paints
    f.built = ms(t);

    t.restart();
    QScrollBar* bar = grid.view()->verticalScrollBar();
    bar->setValue(bar->maximum());
    paint(grid);
    f.scrolled = ms(t);

    t.restart();
    for (int value = 0;; value += bar->pageStep()) {
        bar->setValue(value);
        paint(grid);
        ++f.pages;
        if (bar->value() >= bar->maximum()) break;
    }
    f.paged = ms(t);

    // One byte on screen changes.
    bar->setValue(0);
    paint(grid);
    image[0x25] ^= 0xFF;
    t.restart();
    grid.refreshRows(3, 3);
    paint(grid);
    f.oneRow = ms(t);

    // Every byte changes, as after a radio read or a HEX load.
    for (std::uint8_t& b : image) b = static_cast<std::uint8_t>(~b);
    t.restart();
    grid.refreshRows(1, grid.rows() - 1);
    paint(grid);
    f.allRows = ms(t);

    // A whole-image mark and its reset.
    t.restart();
    grid.setCellForeColor(1, 1, grid.rows() - 1, grid.cols() - 1, QColor(255, 0, 0));
    grid.setCellForeColor(1, 1, grid.rows() - 1, grid.cols() - 1, QColor());
    paint(grid);
    f.marked = ms(t);

    t.restart();
    for (int row = 1; row < grid.rows(); ++row) grid.setRowHeight(row, 240);
    paint(grid);
    f.heights = ms(t);
    return f;
}

} // namespace

int main(int argc, char** argv) {
    bench::onXServerOrOffscreen();
    QApplication app(argc, argv);
    for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 7 + (i >> 8));
    {
        // The program has shown windows before: style and fonts are loaded.
        platform::Grid warm;
        warm.setFormatString("A|B");
        warm.addItem("1\t2", 1);
        warm.show();
        QApplication::processEvents();
    }
    std::vector<Figures> runs;
    for (int i = 0; i < Runs; ++i) runs.push_back(measure());
    using bench::bounded;
    using bench::figure;
    using bench::median;

    std::printf("Flash grid of 4,096 x 16 byte cells; median of %d runs\n", Runs);
    const double built = median(runs, &Figures::built), scrolled = median(runs, &Figures::scrolled);
    figure("build over the image, size, show and paint", built);
    figure("scroll from top to bottom and paint", scrolled);
    bounded("show the whole grid (the two above)", built + scrolled, BoundMs);
    bounded("refresh one changed row and repaint", median(runs, &Figures::oneRow), BoundMs);
    bounded("refresh all 4,096 rows and repaint", median(runs, &Figures::allRows), BoundMs);
    const double paged = median(runs, &Figures::paged);
    std::printf("%-62s %8.2f ms  (%d pages, %.2f ms a page)\n", "scroll page by page, painting each page",
                paged, runs[0].pages, paged / runs[0].pages);
    figure("colour all 65,536 cells, reset them and repaint", median(runs, &Figures::marked));
    figure("set the height of each of the 4,096 rows", median(runs, &Figures::heights));
    return 0;
}
