#include "tools/datagen/DefaultImage.h"

#include "app/DataFile.h"
#include "model/ImageMap.h"
#include "platform/System.h"

#include <algorithm>

namespace datagen {
namespace {

namespace map = model::map;

constexpr Field at(std::uint16_t address, std::uint8_t value, const char* name) {
    return {address, address, value, name};
}

// Where the channel editor has a repair value for a byte that holds no valid
// setting, that value is the setting's default; where it has none, the
// default is the first entry of the option's list, or the box unticked.

constexpr Field kEmptyAreas[] = {
    {0xC800, 0xD7FF, 0xFF, "channel records 1-256"},
    {0xD800, 0xDFFF, 0xFF, "channel name slots 1-256"},
    {0xE000, 0xE0FF, 0xFF, "auto-dial memories 1-16"},
    {0xE100, 0xE10F, 0xFF, "PTT-ID at the start of a transmission"},
    {0xE110, 0xE11F, 0xFF, "PTT-ID at the end of a transmission"},
    {0xE120, 0xE129, 0xFF, "ID code"},
    {0xE130, 0xE139, 0xFF, "stun code"},
    {0xE150, 0xE2DF, 0xFF, "phone-book CALL IDs"},
    {0xE2F0, 0xE3B7, 0xFF, "phone-book names"},
    {0xE400, 0xE4FF, 0xFF, "two-tone list, no entry in use"},
    {0xE610, 0xE64F, 0xFF, "message lines 1 and 2"},
    {0xE650, 0xE6B3, 0xFF, "FM broadcast stations"},
    {0xE6D0, 0xE6DD, 0xFF, "power-on message lines"},
    {0xE6E0, 0xE6E5, 0xFF, "power-on code"},
    {0xE717, 0xE71C, 0xFF, "full-reset code"},
    {0xE780, 0xE78D, 0xFF, "read/write code"},
};

// The 400-470 MHz preset, with band 1 at the placeholder every refresh
// writes.
constexpr BandLimit kBandLimits[] = {
    {0xE700, 460000, "band 1 low, 4.60000 MHz"},
    {0xE704, 470000, "band 1 high, 4.70000 MHz"},
    {0xE708, 40000000, "band 2 low, 400.00000 MHz"},
    {0xE70C, 47000000, "band 2 high, 470.00000 MHz"},
};

constexpr Field kSettingsDefaults[] = {
    // Page 57
    at(0xE710, 0, "model: the one entry of the model list"),
    at(0xE146, 0x00, "Stun Group Code: Off"),
    at(0xE149, 0, "Stun Type"),
    at(0xE602, 0x00, "2-Tone, Tail Tone, DTMF Volume: step 0"),
    at(0xE711, 0x00, "Tx Ani off (bit 2)"),
    at(0xE712, 0, "Local Alarm Time"),
    at(0xE713, 0, "Tx Time Distance Alarm: Continue"),
    at(0xE714, 0, "Rx Time Distance Alarm"),
    at(0xE715, 0, "Alarm Cycle"),
    at(0xE721, 170, "VOX level 1"),
    at(0xE722, 155, "VOX level 2"),
    at(0xE723, 140, "VOX level 3"),
    at(0xE724, 125, "VOX level 4"),
    at(0xE725, 110, "VOX level 5"),
    at(0xE726, 95, "VOX level 6"),
    at(0xE727, 80, "VOX level 7"),
    at(0xE728, 65, "VOX level 8"),
    at(0xE729, 50, "VOX level 9"),
    at(0xE72A, 35, "VOX level 10"),
    // The volume dialog's Default in volume mode 1 (the mode a new
    // installation starts in).
    at(0xE730, 0, "volume level 0"),
    at(0xE731, 69, "volume level 1 (step 63)"),
    at(0xE732, 148, "volume level 2 (step 111)"),
    at(0xE733, 120, "volume level 3 (step 143)"),
    at(0xE734, 227, "volume level 4 (step 159)"),
    at(0xE735, 79, "volume level 5 (step 175)"),
    at(0xE736, 185, "volume level 6 (step 191)"),
    at(0xE737, 156, "volume level 7 (step 207)"),
    at(0xE738, 173, "volume level 8 (step 223)"),
    at(0xE739, 175, "volume level 9 (step 239)"),
    at(0xE73A, 253, "volume level 10 (step 252)"),
    at(0xE73B, 0x5A, "volume levels in use"),
    // Page 59
    at(0xEC01, 4, "Tx Select"),
    at(0xEC03, 4, "VOX Gain Level"),
    at(0xEC05, 5, "Squelch Level"),
    at(0xEC07, 4, "LED"),
    at(0xEC08, 1, "Wait Back Light"),
    at(0xEC09, 0, "Tx Back Light"),
    at(0xEC0A, 0, "Rx Back Light"),
    at(0xEC0B, 0, "Beep"),
    at(0xEC0C, 2, "Time-out Timer"),
    at(0xEC0E, 0, "Tx End Tone"),
    at(0xEC0F, 0, "Enable Rx When Radio On"),
    at(0xEC13, 0, "Save Mode"),
    at(0xEC14, 0, "Scan Mode"),
    at(0xEC15, 0, "Key Lock Mode"),
    at(0xEC16, 0, "Voice Annunciation"),
    at(0xEC17, 0, "Show Mode"),
    at(0xEC1B, 0, "CH Name Show"),
    at(0xEC1D, 3, "Tx Dwell Time"),
    at(0xEC21, 7, "Step"),
    at(0xEC23, 0, "Auto Power Off"),
    at(0xEC24, 0, "PF1: Off"),
    at(0xEC25, 0, "PF2: Off"),
    at(0xEC26, 0, "KEY1: Off"),
    at(0xEC27, 0, "KEY2: Off"),
    at(0xEC29, 0, "Ani"),
    at(0xEC2B, 0, "Side Tone"),
    at(0xEC2C, 0, "DTMF Key Lock"),
    at(0xEC2D, 40, "First Digit Delay Time"),
    at(0xEC2E, 242, "Digit Last Time"),
    at(0xEC2F, 242, "Digit Interval Time"),
    at(0xEC31, 10, "Time Back First CH"),
    at(0xEC32, 0, "A Group First CH"),
    at(0xEC33, 0, "First Channel"),
    at(0xEC34, 0, "A Group Second CH"),
    at(0xEC35, 0, "Second Channel"),
    at(0xEC36, 0, "KEY3: Off"),
    at(0xEC37, 250, "Auto Reset Timer"),
    at(0xEC38, 0, "ID Group Code"),
    at(0xEC39, 0, "Call Alert"),
    at(0xEC3A, 0, "Call Alert Tone"),
    at(0xEC3D, 0, "Side Tone (DTMF page)"),
    at(0xEC3E, 250, "Auto Reset Timer (DTMF page)"),
    at(0xEC3F, 0, "Show Phone Book"),
    at(0xEC41, 4, "Tail Del Mode"),
    at(0xEC42, 0, "Power On Tone Sort"),
    at(0xEC43, 0, "TOT Pre-alert"),
    at(0xEC44, 17, "Radio Sql"),
    at(0xEC45, 15, "Radio Volume"),
    at(0xEC46, 2, "VOX Delay Time"),
    at(0xEC47, 0, "Transmit Inhibit while Receiving"),
    at(0xEC48, 0, "Low Battery Tone Sort"),
    at(0xEC49, 30, "Low Bat Alarm Interval"),
    at(0xEC4A, 0, "Low Bat Annunciation"),
    at(0xEC4B, 0, "Low Bat Can Tx"),
    at(0xEC4C, 0, "A Group Pri Ch"),
    at(0xEC4D, 0, "B Group Pri Ch"),
    at(0xEC4E, 3, "Dropout Delay Time"),
    at(0xEC50, 0, "Scan Light"),
    at(0xEC58, 10, "Menu Show Time"),
    at(0xEC59, 0, "Orange Light On Low"),
    at(0xEC5A, 0, "Alarm Channel"),
    at(0xEC5B, 0, "Double Work"),
    at(0xEC5C, 0, "A Group Alarm Ch"),
    at(0xEC5D, 1, "Alarm Type"),
    at(0xEC5E, 1, "Channel Select"),
    at(0xEC5F, 250, "First Digit Delay Time (two-tone)"),
    at(0xEC60, 0, "Up/Down Enable"),
    at(0xEC92, 0x0A, "A Group Mode and Channel Work Mode: CH"),
    at(0xEC93, 0, "Radio CH"),
    at(0xEC9A, 0x00, "Radio Work Mode, tail tones, beeps (bits)"),
    at(0xEC9B, 150, "SK1 Hold Time"),
    at(0xEC9C, 150, "SK2 Hold Time"),
    at(0xEC9D, 0x00, "key lock, battery power-off, radio enable (bits)"),
    at(0xEC9F, 10, "Two Way Radio Vol Level"),
};

constexpr Field kAlignmentDefaults[] = {
    // Page 58
    {0xE800, 0xE80B, 0, "deviation values of the three bands"},
    {0xE817, 0xE81A, 0, "receive audio response 42H, 43H"},
    at(0xE81B, 0, "TX voice gain 41H, PGA gain bit 4"),
    at(0xE81C, 0, "PGA gain bits 3-0, TX gain 44H"),
    at(0xE81E, 0, "squelch calculation enables"),
    {0xE820, 0xE831, 0, "squelch thresholds"},
    {0xE832, 0xE833, 0, "register 5AH counts"},
    at(0xE840, 0, "soft mute"),
    at(0xE841, 0x86, "register 34H 0x2986"),
    at(0xE842, 0x29, "register 34H"),
    at(0xE843, 0x28, "smart local oscillator on: 0x2A28"),
    at(0xE844, 0x2A, "smart local oscillator"),
    at(0xE845, 0x20, "AFC on: 0x5320"),
    at(0xE846, 0x53, "AFC"),
    at(0xE847, 0x8A, "register 65H wide 0x248A"),
    at(0xE848, 0x24, "register 65H wide"),
    at(0xE849, 0x94, "register 65H narrow 0x2494"),
    at(0xE84A, 0x24, "register 65H narrow"),
    at(0xE84B, 142, "RX voice gain 41H: gain 14"),
    at(0xE890, 150, "high-speed parameter off"),
    {0xE900, 0xE902, 0, "RDA1846S power output"},
    {0xE907, 0xE917, 0, "battery parameters"},
    {0xE92B, 0xE92E, 0, "prompt-tone and announcement delays"},
    at(0xE951, 0x8F, "fixed bytes of a frequency write"),
    at(0xE952, 0x90, "fixed bytes"),
    at(0xE953, 0x91, "fixed bytes"),
    at(0xE954, 0x92, "fixed bytes"),
    at(0xE955, 0x93, "fixed bytes"),
    at(0xE956, 0x94, "fixed bytes"),
    at(0xE957, 0x95, "fixed bytes"),
    at(0xE958, 0x96, "fixed bytes"),
    at(0xE959, 0x97, "fixed bytes"),
    at(0xE95A, 0x98, "fixed bytes"),
    at(0xE95D, 255, "band group 134-174: VHF"),
    at(0xE95E, 150, "band group 200-260: VHF"),
    at(0xE95F, 255, "band group 400-520: UHF"),
    at(0xEA0A, 0, "company name: none"),
    {0xEA80, 0xEA83, 255, "menu order: no item"},
    // Page 59
    at(0xECA2, 0x00, "crystal 12.8 MHz, no FM crystal, no VOX without microphone"),
    // Page 62
    {0xF800, 0xF832, 0, "frequency fine-tune and power table"},
    {0xF840, 0xF85E, 0, "squelch table, wide"},
    {0xF860, 0xF87E, 0, "squelch table, narrow"},
};

void apply(model::Image& image, std::span<const Field> fields) {
    for (const Field& f : fields) std::fill(image.begin() + f.first, image.begin() + f.last + 1, f.value);
}

// Eight BCD digits, lowest digit pair first.
void putFrequency(model::Image& image, const BandLimit& limit) {
    std::uint32_t v = limit.tenHz;
    for (int i = 0; i < 4; ++i, v /= 100)
        image[limit.address + i] = static_cast<std::uint8_t>((v % 100 / 10) << 4 | v % 10);
}

} // namespace

std::span<const Field> EmptyAreas() {
    return kEmptyAreas;
}
std::span<const BandLimit> BandLimits() {
    return kBandLimits;
}
std::span<const Field> SettingsDefaults() {
    return kSettingsDefaults;
}
std::span<const Field> AlignmentDefaults() {
    return kAlignmentDefaults;
}

model::Image BuildDefaultImage() {
    model::Image image{};
    std::fill(image.begin() + app::DataArea1First, image.begin() + app::DataArea1Last + 1, 0xFF);
    std::fill(image.begin() + app::DataArea2First, image.begin() + app::DataArea2Last + 1, 0xFF);
    for (auto table : {EmptyAreas(), SettingsDefaults(), AlignmentDefaults()}) apply(image, table);
    for (const BandLimit& limit : kBandLimits) putFrequency(image, limit);

    align::StorePowerTableSum(image);
    // Every radio write leaves a copy of the band block in the alignment page.
    const auto band = image.begin() + map::FreRangeBlock;
    std::copy(band, band + map::FreRangeBlockSize, image.begin() + map::FreRangeCopy);
    return image;
}

void WriteDefaultFiles(const std::string& folder) {
    platform::Random::instance().seed(0x7A5E11);
    const model::Image image = BuildDefaultImage();
    for (const char* name : {"zezirev.def", "DefRadioSet.def"})
        app::WriteDataFile(platform::joinPath(folder, name), image);
}

} // namespace datagen
