// The channel codec on any image: the channel records and name slots come
// from the input.
// - Decoding, encoding and decoding again gives the same channel table, and
//   a second encode changes no byte.
// - Encoding touches nothing outside the channel records and name slots,
//   nor records beyond the grid's rows.
// - A channel that decodes as present is written back to the same bytes
//   where its record holds what it means (frequencies that read, tones that
//   are tones, option bits, the name); an empty one loses only its
//   frequencies.
#include "model/ChTable.h"
#include "model/Frequency.h"
#include "model/ImageMap.h"
#include "model/Model.h"
#include "tests/fuzz/FuzzSupport.h"

#include <algorithm>
#include <memory>

namespace {

namespace map = model::map;

constexpr map::Addr kFirst = map::ChRecordBase;
constexpr map::Addr kEnd = map::ChNameBase + map::ChannelCount * map::ChNameSlotSize;

bool isTone(std::uint8_t low, std::uint8_t high) {
    const unsigned code = 256u * high + low;
    return (code >= 600 && code <= 2650) || (code >= 0x2800 && code <= 0x29FF) ||
           (code >= 0xA800 && code <= 0xA9FF);
}

void setUp(model::ModelState& m, fuzz::Input& in) {
    m.ChCount = static_cast<std::int16_t>(in.between(1, map::ChannelCount));
    m.ChColCount = 18;
    m.CtdcsNoneText = "None";
    static const char* const defaults[] = {"", "0", "1", "2", "x"};
    for (int c = 5; c <= m.ChColCount; ++c) m.ChColList[c][2] = defaults[in.byte() % 5];
    // Band 1 the placeholder, band 2 from the input (in MHz).
    const std::int32_t low = in.between(100, 520) * 100000, high = low + in.between(1, 120) * 100000;
    m.ValidFreRange = {460000, 470000 - 500, 460000, 470000, low, high - 500, low, high};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::quiet();
    fuzz::Input in(data, size);
    auto m = std::make_unique<model::ModelState>();
    setUp(*m, in);
    for (std::size_t a = 0; a < m->IicDat.size(); ++a) m->IicDat[a] = static_cast<std::uint8_t>(a * 13 + 5);
    const std::vector<std::uint8_t> area = in.rest();
    std::copy(area.begin(), area.begin() + std::min<std::size_t>(area.size(), kEnd - kFirst),
              m->IicDat.begin() + kFirst);
    std::fill(m->IicDat.begin() + kFirst + std::min<std::size_t>(area.size(), kEnd - kFirst),
              m->IicDat.begin() + kEnd, map::Erased);

    model::IicDatToChInfo(*m);
    const auto decoded = std::make_unique<model::ModelState>(*m); // the image as the decode left it
    model::ChInfoToIicDat(*m);
    const auto encoded = std::make_unique<model::ModelState>(*m);
    model::IicDatToChInfo(*m);
    const int count = m->ChCount;
    for (int ch = 1; ch <= count; ++ch) {
        FUZZ_CHECK(m->ChInfo[ch] == decoded->ChInfo[ch]);
        FUZZ_CHECK(m->ChCtdcs[ch] == decoded->ChCtdcs[ch]);
        FUZZ_CHECK(m->ChNameDat[ch] == decoded->ChNameDat[ch]);
    }
    model::ChInfoToIicDat(*m);
    FUZZ_CHECK(m->IicDat == encoded->IicDat);

    const model::Image& was = decoded->IicDat;
    const model::Image& now = encoded->IicDat;
    for (std::size_t a = 0; a < now.size(); ++a) {
        const bool channelArea = a >= kFirst && a < kEnd;
        const int ch = a < map::ChNameBase ? static_cast<int>(a - kFirst) / 16 + 1
                                           : static_cast<int>(a - map::ChNameBase) / 8 + 1;
        if (!channelArea || ch > count) FUZZ_CHECK(now[a] == was[a]);
    }
    for (int ch = 1; ch <= count; ++ch) {
        const std::uint8_t* r0 = was.data() + map::ChRecordAddr(ch);
        const std::uint8_t* r1 = now.data() + map::ChRecordAddr(ch);
        const std::uint8_t* n0 = was.data() + map::ChNameAddr(ch);
        const std::uint8_t* n1 = now.data() + map::ChNameAddr(ch);
        const bool present = decoded->ChInfo[ch][1] != model::NoFre;
        for (int i = 0; i < 4; ++i)
            FUZZ_CHECK(r1[map::RecRxFre + i] == (present ? r0[map::RecRxFre + i] : map::Erased));
        const bool txReads =
            r0[7] >= 0x01 && r0[7] <= 0x99 && model::ReadBcdFre(was, map::ChRecordAddr(ch) + 4);
        for (int i = 0; i < 4; ++i)
            FUZZ_CHECK(r1[map::RecTxFre + i] == (present && txReads ? r0[map::RecTxFre + i] : map::Erased));
        for (map::Addr t : {map::RecRxTone, map::RecTxTone}) {
            const bool kept = !present || isTone(r0[t], r0[t + 1]);
            FUZZ_CHECK(r1[t] == (kept ? r0[t] : map::Erased) &&
                       r1[t + 1] == (kept ? r0[t + 1] : map::Erased));
        }
        for (int i = 12; i < 16; ++i) FUZZ_CHECK(r1[i] == r0[i]);
        for (int i = 0; i < static_cast<int>(map::ChNameSlotSize); ++i) FUZZ_CHECK(n1[i] == n0[i]);
    }
    return 0;
}
