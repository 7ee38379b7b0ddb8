// The channel window showing an image of 256 channels as a user waits for it
// after a radio read or File > Open (the image decoded into the 256 rows of
// the grid and the settings pages loaded: SoftDisplay), the grid's part of
// it alone, and a data file read into the image and saved from the channel
// table, in a program folder of the shipped settings (the median of several
// runs).
// A save ends with the disk's sync, which the program does not control: it
// is timed once in the folder of the program (on disk) and once on a memory
// file system, where the sync costs nothing and the program's own work
// remains.
#include "app/DataFile.h"
#include "app/FaceText.h"
#include "app/Settings.h"
#include "app/Shell.h"
#include "channels/ChMem.h"
#include "channels/ui/frmChMem.h"
#include "model/Bands.h"
#include "model/ImageMap.h"
#include "model/Model.h"
#include "model/NameFields.h"
#include "shell/FileCommands.h"
#include "tests/bench/Bench.h"
#include "tests/support/FreshStart.h"
#include "tests/support/TempHome.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <unistd.h>

namespace bench {
namespace {

constexpr int kRuns = 9;

// Packed BCD, lowest digit pair first.
void putFre(model::Image& image, std::size_t at, std::int32_t f) {
    for (int i = 0; i < 4; ++i, f /= 100)
        image[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>((f % 100 / 10) << 4 | (f % 10));
}

// Every channel in use: frequencies in 400-470 MHz, tones, a name.
void fillChannels(model::Image& image) {
    for (int ch = 1; ch <= model::map::ChannelCount; ++ch) {
        const std::size_t r = model::map::ChRecordAddr(ch);
        std::fill_n(image.begin() + static_cast<std::ptrdiff_t>(r), 16, 0x00);
        const std::int32_t rx = 40000000 + 25000 * ch;
        putFre(image, r, rx);
        putFre(image, r + 4, rx + (ch % 2) * 500000);
        const std::uint16_t tone = ch % 3 == 0 ? 0x2813 : static_cast<std::uint16_t>(670 + ch);
        for (std::size_t at : {r + 8, r + 10}) {
            image[at] = static_cast<std::uint8_t>(tone & 0xFF);
            image[at + 1] = static_cast<std::uint8_t>(tone >> 8);
        }
        const std::uint8_t name[6] = {12,
                                      17,
                                      43,
                                      static_cast<std::uint8_t>(ch / 100),
                                      static_cast<std::uint8_t>(ch / 10 % 10),
                                      static_cast<std::uint8_t>(ch % 10)};
        std::copy(name, name + 6, image.begin() + static_cast<std::ptrdiff_t>(model::map::ChNameAddr(ch)));
    }
}

double msOf(const QElapsedTimer& t) {
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

} // namespace

std::vector<Row> WindowAndFileRows() {
    testsupport::FreshStart fresh;
    const testsupport::TempHome& home = fresh.home;
    auto& s = app::shell();
    s.SettingsFile = home.file("tavorin.def");
    s.LangIndex = 1;
    app::InitFaceText(s);
    for (const char* f : {"tavorin.def", "zezirev.def", "DefRadioSet.def"}) home.copyShipped(f);
    shell::GenerateDatFolder();
    s.EmptyCellColor = app::ReadSetting(app::keys::DefColor);
    model::GetValidCharTbl(model::state());
    auto w = std::make_unique<channels::frmChMem>();
    s.Band1Color = std::to_string(w->bandBoxForeColor(0));
    s.OtherBandColor = std::to_string(w->bandBoxForeColor(2));
    w->InitChMem();
    w->resize(1400, 800);
    w->show();
    QApplication::processEvents();

    model::ModelState& m = model::state();
    fillChannels(m.IicDat);
    const model::Image full = m.IicDat;
    std::vector<double> shown, fill, read, save, saveInMemory;
    const std::string file = home.file("Data/bench.LDat");
    const bool memory = std::filesystem::is_directory("/dev/shm");
    const std::string inMemory = "/dev/shm/tavorin-bench-" + std::to_string(::getpid()) + ".LDat";
    for (int run = 0; run < kRuns; ++run) {
        m.IicDat = full;
        QElapsedTimer t;
        t.start();
        model::SoftDisplay(m);
        shown.push_back(msOf(t));
        QApplication::processEvents();

        m.IicDat = full;
        t.restart();
        w->ShowChTblGrid();
        fill.push_back(msOf(t));
        QApplication::processEvents();

        t.restart();
        shell::SaveDatFile(file, m);
        save.push_back(msOf(t));
        if (memory) {
            t.restart();
            shell::SaveDatFile(inMemory, m);
            saveInMemory.push_back(msOf(t));
        }

        t.restart();
        app::ReadDataFile(file, m.IicDat);
        read.push_back(msOf(t));
    }
    std::filesystem::remove(inMemory);
    const int rows = m.ChCount;
    w.reset();
    return {{"image shown: " + std::to_string(rows) + " channel rows and the settings pages", median(shown),
             "ms", 10, "the channel window after a read or Open"},
            {"image decoded into " + std::to_string(rows) + " channel rows, the grid alone", median(fill),
             "ms", 10, ""},
            {"data file read into the image", median(read), "ms", 5, ""},
            {"data file saved from the channel table, on disk", median(save), "ms", 5,
             "the disk's sync included"},
            {"data file saved, on a memory file system", memory ? median(saveInMemory) : -1, "ms", 5,
             memory ? "the program's own work" : "no /dev/shm"}};
}

} // namespace bench
