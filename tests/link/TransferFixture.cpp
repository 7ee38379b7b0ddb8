#include "tests/link/TransferFixture.h"

namespace linktest {

TransferFixture::TransferFixture() {
    auto& t = app::shell().FaceText;
    t[125] = "Writing...";
    t[126] = "Reading...";
    t[165] = "Read Successful";
    t[166] = "Read Failed";
    t[168] = "Try To Write...";
    t[169] = "Write Successful";
    t[173] = "Write Fail";
    t[174] = "Try To Read.....";
    radiolink::InitWireTables(s);
    hooks.markGridCells = [this](int mode, int grid, int start, int count) {
        gridCalls.push_back({"mark", mode, grid, start, count});
    };
    hooks.showInRamGrid = [this](int f, int l) { gridCalls.push_back({"showIn", f, l, 0, 0}); };
    hooks.showExtRamGrid = [this](int f, int l) { gridCalls.push_back({"showExt", f, l, 0, 0}); };
    // Pages of the radio and of the image start out different.
    radio.setFlash(0, randomBytes(65536, 1));
    const Bytes mine = randomBytes(65536, 2);
    std::copy(mine.begin(), mine.end(), image.begin());
}

void TransferFixture::tick(std::initializer_list<int> pages) {
    for (int p : pages) s.frmMain.chkFlashPage[p].Value = 1;
}

void TransferFixture::tickRange(int first, int last) {
    for (int p = first; p <= last; ++p) s.frmMain.chkFlashPage[p].Value = 1;
}

Bytes TransferFixture::randomBytes(std::size_t n, unsigned seed) {
    std::mt19937 g(seed);
    Bytes b(n);
    for (auto& x : b) x = static_cast<std::uint8_t>(g());
    return b;
}

std::vector<int> TransferFixture::pagesOf(std::uint8_t command) const {
    std::vector<int> pages;
    for (const auto& r : radio.requests()) {
        if (r.command != command) continue;
        pages.push_back(command == 0x33 || command == 0x39 ? r.bytes[6]
                                                           : (r.bytes[6] << 8 | r.bytes[7]) / 1024);
    }
    return pages;
}

} // namespace linktest
