#pragma once
// A link ready for flash and RAM transfers: the page-scrambling tables, the
// transfers' status texts, a memory image, and a record of what the link
// asked of the tool window's grids.
#include "link/FlashTransfer.h"
#include "link/RamTransfer.h"
#include "tests/link/LinkFixture.h"

#include <random>

namespace linktest {

struct GridCall {
    std::string what;
    int a, b, c, d;
    bool operator==(const GridCall&) const = default;
};

class TransferFixture : public LinkFixture {
  protected:
    TransferFixture();

    void tick(std::initializer_list<int> pages);
    void tickRange(int first, int last);
    // Random bytes, different for every seed.
    static Bytes randomBytes(std::size_t n, unsigned seed);
    std::vector<int> pagesOf(std::uint8_t command) const;

    std::unique_ptr<model::Image> imagePtr = std::make_unique<model::Image>();
    model::Image& image = *imagePtr;
    std::vector<GridCall> gridCalls;
};

} // namespace linktest
