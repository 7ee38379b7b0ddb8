// The tool window's HEX loader: any bytes as the file chosen with its read
// button, the show-in-grid and colour boxes from the input.
// - The loader takes a file exactly when the file holds an image by the HEX
//   rules (decoded apart from the loader).
// - A refused file leaves the image, the three grids (colours, current
//   cells, shown cells), the change scan's shadow, the tip box, the file
//   label and the Write button as they were, and tells the window of no
//   grid change; the status names what is wrong.
// - A taken file leaves the image as the decode of its records (0xA5 where
//   none puts a byte), the flash grid showing all of it, the display step
//   run only with the show-in-grid box ticked (marking every cell in its
//   column colour only with the colour box ticked), the RAM grids, the
//   shadow and the tip box untouched, the file named and Write enabled.
#include "app/ImageViews.h"
#include "flashtool/FlashTexts.h"
#include "flashtool/MemoryGrids.h"
#include "flashtool/ToolState.h"
#include "flashtool/ToolWindowLogic.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tests/fuzz/HexDecode.h"

#include <fstream>
#include <memory>

namespace {

using namespace flashtool;

struct Watch : ToolWindowView, app::AlignmentDisplayHost {
    void GridChanged(int grid, std::uint32_t first, std::uint32_t last) override {
        ++gridChanges;
        wholeFlash = wholeFlash || (grid == radiolink::GridFlash && first == 0 && last == 0xFFFF);
    }
    void GridScrolled(int, Cell) override { ++gridChanges; }
    void AdjParaShow() override { ++displays; }
    int gridChanges = 0, displays = 0;
    bool wholeFlash = false;
};

bool sameGrid(const GridState& a, const GridState& b) {
    return a.fore == b.fore && a.shown == b.shown && a.current == b.current;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::quiet();
    fuzz::Input in(data, size);
    const std::uint8_t boxes = in.byte();
    const std::string text = in.text(in.left());
    const std::string path = fuzz::workFolder() + "/input.hex";
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;

    auto image = std::make_unique<model::Image>();
    auto link = std::make_unique<radiolink::LinkState>();
    auto t = std::make_unique<ToolState>(*image, *link);
    for (std::size_t a = 0; a < image->size(); ++a) {
        (*image)[a] = static_cast<std::uint8_t>(a * 31 + (a >> 9));
        t->FlashShadow[a] = static_cast<std::uint8_t>(a >> 3);
        if (a % 7 == 0) t->flash.fore[a] = ChangedColour;
    }
    t->flash.current = {17, 3};
    t->inRam.shown[0x40] = true;
    t->extRam.fore[0x100] = GroupColour(0x100);
    t->lblFileName = "earlier.hex";
    t->txtAddrNote = "0x123 earlier tip";
    link->frmMain.cmdWriteFlash.Enabled = false;
    link->frmMain.chkSoftShowGrid.Value = boxes & 1;
    link->frmMain.chkGridFlashColor.Value = boxes >> 1 & 1;
    const model::Image before = *image;
    const GridState flash = t->flash, inRam = t->inRam, extRam = t->extRam;
    const auto shadow = t->FlashShadow;

    Watch watch;
    bool loaded;
    {
        platform::Host<ToolWindowView>::Scoped view(watch);
        platform::Host<app::AlignmentDisplayHost>::Scoped display(watch);
        loaded = LoadHexFile(*t, path);
    }
    const auto decoded = std::make_unique<fuzz::HexDecode>(fuzz::decodeHex(text));
    FUZZ_CHECK(loaded == decoded->accepted);
    FUZZ_CHECK(sameGrid(t->inRam, inRam) && sameGrid(t->extRam, extRam));
    FUZZ_CHECK(t->FlashShadow == shadow);
    FUZZ_CHECK(t->txtAddrNote == "0x123 earlier tip");

    if (!loaded) {
        FUZZ_CHECK(*image == before);
        FUZZ_CHECK(sameGrid(t->flash, flash));
        FUZZ_CHECK(t->lblFileName == "earlier.hex");
        FUZZ_CHECK(!link->frmMain.cmdWriteFlash.Enabled);
        FUZZ_CHECK(watch.gridChanges == 0 && watch.displays == 0);
        FUZZ_CHECK(link->frmMain.lblComStatus.rfind("HEX文件", 0) == 0);
        return 0;
    }
    FUZZ_CHECK(std::equal(image->begin(), image->end(), decoded->image.begin()));
    FUZZ_CHECK(watch.wholeFlash);
    FUZZ_CHECK(t->lblFileName == texts::FileNameLabel + path);
    FUZZ_CHECK(link->frmMain.cmdWriteFlash.Enabled);
    FUZZ_CHECK(link->frmMain.lblComStatus == texts::HexLoaded);
    const bool display = (boxes & 1) != 0, marked = display && (boxes & 2) != 0;
    FUZZ_CHECK(watch.displays == (display ? 1 : 0));
    if (!marked) {
        FUZZ_CHECK(sameGrid(t->flash, flash));
        return 0;
    }
    for (std::uint32_t a = 0; a < 0x10000; ++a) FUZZ_CHECK(t->flash.fore[a] == GroupColour(a));
    FUZZ_CHECK(t->flash.current == CellOf(0xFFFF));
    return 0;
}
