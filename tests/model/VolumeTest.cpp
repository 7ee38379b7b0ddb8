#include "tests/model/ModelFixture.h"

#include "model/Volume.h"

#include <set>

using namespace model;
using modeltest::ModelTest;

namespace {

class VolumeTest : public ModelTest {
  protected:
    VolumeTest() { InitVolumeTbl(m); }
};

TEST_F(VolumeTest, TheTableIsAPermutationWithThePartsValues) {
    EXPECT_EQ(std::set<int>(m.VolumeTbl.begin(), m.VolumeTbl.end()).size(), 256u);
    struct Case {
        int step, byte;
    } cases[] = {{0, 0x00},   {9, 0x09},   {10, 0x10},  {11, 0x0A},  {16, 0x13},
                 {48, 0x50},  {115, 0xD1}, {116, 0x67}, {117, 0xD0}, {127, 0x3E},
                 {128, 0xD2}, {191, 0xB9}, {240, 0xFA}, {254, 0xFE}, {255, 0xFF}};
    for (const auto& c : cases) EXPECT_EQ(m.VolumeTbl[c.step], c.byte) << c.step;
}

TEST_F(VolumeTest, StepOfAByte) {
    struct Case {
        std::int16_t value, step;
    } cases[] = {{0, 0}, {255, 255}, {0xD0, 117}, {0xD1, 115}, {0x45, 63}, {0x80, 67}, {256, 0}, {-1, 0}};
    for (const auto& c : cases) EXPECT_EQ(GetVolumeSeq(m, c.value), c.step) << c.value;
    for (int s = 0; s < 256; ++s) ASSERT_EQ(GetVolumeSeq(m, m.VolumeTbl[s]), s);
}

TEST_F(VolumeTest, DefaultBytesOfBothVolumeModes) {
    // Volume mode 1 stores table entries: the defaults are those of these steps.
    const int steps[11] = {0, 63, 111, 143, 159, 175, 191, 207, 223, 239, 252};
    for (int level = 0; level <= 10; ++level) {
        EXPECT_EQ(VolumeDefaultBytes[0][level], m.VolumeTbl[steps[level]]) << level;
        EXPECT_EQ(GetVolumeSeq(m, VolumeDefaultBytes[0][level]), steps[level]);
    }
    // Volume mode 2 stores the register byte itself: 0x6C down to 0x00.
    EXPECT_EQ(VolumeDefaultBytes[1].front(), 0x6C);
    EXPECT_EQ(VolumeDefaultBytes[1].back(), 0x00);
}

} // namespace
