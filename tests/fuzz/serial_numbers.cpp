// The channel window's serial-number list: any bytes as the list file the
// user imports, over a list chosen before or none, then a few steps from
// the input ("<<", ">>", the step after a good write, choosing an entry).
// - The entries read are exactly the values of keys 1, 2, 3 ... of section
//   SerialNo as the settings reader gives them one key at a time (at most
//   99 characters), up to the first empty or missing key.
// - A file without entries, with an entry longer than the 16 characters of
//   message line 1, or with two entries whose 16 codes in message line 1
//   are alike, is refused: no byte of the image, message line 1 and the
//   list chosen before stay, and a message says so; only a file without
//   entries shows the example, when no list was chosen before.
// - A list taken puts its chosen number into message line 1 (its box and
//   its 16 codes) as the radio keeps it, after every step; when a write used
//   the last number it is empty and Auto is off. Nothing else of the image
//   changes.
#include "channels/SerialList.h"
#include "channels/SettingsPages.h"
#include "channels/SettingsState.h"
#include "charcode/HanZi.h"
#include "charcode/Utf16.h"
#include "model/ChannelWindow.h"
#include "model/CodeFields.h"
#include "model/ImageMap.h"
#include "model/NameFields.h"
#include "platform/Dialogs.h"
#include "platform/IniFile.h"
#include "tests/fuzz/FuzzSupport.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <memory>
#include <set>

namespace {

using namespace channels;
namespace map = model::map;
constexpr int kLine = model::MessageLineBox;

// The channel window as far as message lines go: it hands the text boxes to
// the pages, as the real one does.
class TextBoxes : public model::ChannelWindow {
  public:
    TextBoxes(SettingsPages& p, model::ModelState& m) : p_(p), m_(m) {}
    std::string PcText(int index) override { return p_.txtPc.at(static_cast<std::size_t>(index)).Text; }
    void SetPcText(int index, const std::string& t) override { channels::SetPcText(p_, m_, index, t); }

  private:
    SettingsPages& p_;
    model::ModelState& m_;
};

std::vector<std::uint8_t> codesOf(const std::string& text) {
    return charcode::TextToHanZi(charcode::HanZiTbl(), text, map::MessageLineChars);
}

// What message line 1 shows once a number went in: its first 16 UTF-16
// units as the radio stores and shows them.
std::string shownOf(const std::string& value) {
    return charcode::HanZiToText(charcode::HanZiTbl(), codesOf(value), map::MessageLineChars);
}

// A number of letters, digits, '-' and '_' shows as it stands.
bool plain(const std::string& value) {
    return std::all_of(value.begin(), value.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_';
    });
}

struct Run {
    SettingsPages& p;
    model::ModelState& m;
    const model::Image& before;
    const std::vector<SerialEntry>& expected;

    std::vector<std::uint8_t> line1() const {
        const auto at = m.IicDat.begin() + map::MessageLine1;
        return {at, at + 2 * map::MessageLineChars};
    }
    void checkOutsideLine1() const {
        for (std::size_t a = 0; a < before.size(); ++a)
            if (a < map::MessageLine1 || a >= map::MessageLine1 + 2u * map::MessageLineChars)
                FUZZ_CHECK(m.IicDat[a] == before[a]);
    }
    // Message line 1 holds the chosen number, or nothing once used up.
    void checkLine1() const {
        const SerialListState& s = p.serial;
        FUZZ_CHECK(s.Entries.size() == expected.size());
        FUZZ_CHECK(s.ListIndex >= 0 && s.ListIndex < static_cast<int>(expected.size()));
        checkOutsideLine1();
        if (s.UsedUp) {
            FUZZ_CHECK(s.AutoNextSn == 0);
            FUZZ_CHECK(p.txtPc[kLine].Text.empty() && line1() == codesOf(""));
            return;
        }
        const std::string& value = expected[static_cast<std::size_t>(s.ListIndex)].value;
        const std::string shown = shownOf(value);
        FUZZ_CHECK(p.txtPc[kLine].Text == shown);
        FUZZ_CHECK(line1() == codesOf(shown));
        if (plain(value)) FUZZ_CHECK(shown == value);
    }
};

// Counts the messages the import shows.
class Told : public platform::Dialogs {
  public:
    int message(const std::string&, const std::string&, platform::Buttons, platform::Icon) override {
        ++told;
        return platform::AnswerOk;
    }
    std::size_t told = 0;
};

struct Setup {
    Setup() {
        ::setenv("TAVORIN_QUIET", "1", 1);
        charcode::InitHanZiTbl(charcode::HanZiTbl());
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Setup setup;
    fuzz::Input in(data, size);
    const std::uint8_t flags = in.byte();
    const std::vector<std::uint8_t> steps = in.bytes(in.byte() % 8);
    const std::string path = fuzz::workFolder() + "/list.ini";
    std::ofstream(path, std::ios::binary | std::ios::trunc) << in.text(in.left());

    auto m = std::make_unique<model::ModelState>();
    auto p = std::make_unique<SettingsPages>();
    model::GetValidCharTbl(*m);
    m->IicDat.fill(0xFF);
    TextBoxes window(*p, *m);
    platform::Host<model::ChannelWindow>::Scoped registered(window);
    Told dialogs;
    platform::Host<platform::Dialogs>::Scoped asked(dialogs);
    SetPcText(*p, *m, kLine, "EARLIER");
    SerialListState& s = p->serial;
    if (flags & 1) {
        // A list chosen before, its second number in message line 1.
        s.Entries = {{1, "OLD-1"}, {2, "OLD-2"}};
        s.SwitchVisible = s.AutoVisible = true;
        ChooseSerialEntry(*p, *m, 1);
    } else {
        s.ExampleVisible = (flags & 4) != 0;
    }
    s.AutoNextSn = flags >> 1 & 1;
    const model::Image before = m->IicDat;
    const std::string shownBefore = p->txtPc[kLine].Text;
    const bool exampleBefore = s.ExampleVisible;

    std::vector<SerialEntry> expected;
    for (int key = 1; key <= SerialKeysLast; ++key) {
        std::string value = platform::IniFile::read(path, "SerialNo", std::to_string(key), "", 100);
        if (value.empty()) break;
        expected.push_back({key, value});
    }

    const std::vector<SerialEntry> read = ReadSerialList(path);
    FUZZ_CHECK(read.size() == expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        FUZZ_CHECK(read[i].key == expected[i].key && read[i].value == expected[i].value);
    bool apart = !expected.empty();
    std::set<std::vector<std::uint8_t>> lines;
    for (const SerialEntry& e : expected)
        apart = apart && charcode::toUtf16(e.value).size() <= map::MessageLineChars &&
                lines.insert(codesOf(e.value)).second;

    const SerialListState listBefore = s;
    const std::size_t told = dialogs.told;
    const SerialImport result = ImportSerialList(*p, *m, path);
    if (!apart) {
        FUZZ_CHECK(result == SerialImport::Refused && dialogs.told == told + 1);
        FUZZ_CHECK(m->IicDat == before);
        FUZZ_CHECK(p->txtPc[kLine].Text == shownBefore);
        FUZZ_CHECK(s.Entries.size() == listBefore.Entries.size() && s.ListIndex == listBefore.ListIndex);
        FUZZ_CHECK(s.SwitchVisible == listBefore.SwitchVisible && s.AutoVisible == listBefore.AutoVisible);
        FUZZ_CHECK(s.AutoNextSn == listBefore.AutoNextSn && s.UsedUp == listBefore.UsedUp);
        FUZZ_CHECK(s.ExampleVisible == (exampleBefore || (expected.empty() && !(flags & 1))));
        return 0;
    }
    FUZZ_CHECK(result == SerialImport::Imported && dialogs.told == told);
    FUZZ_CHECK(s.Entries.size() == expected.size());
    FUZZ_CHECK(s.SwitchVisible && s.AutoVisible);
    FUZZ_CHECK(!s.ExampleVisible && s.ListIndex == 0);
    const Run run{*p, *m, before, expected};
    run.checkLine1();

    const int count = static_cast<int>(expected.size());
    for (std::uint8_t step : steps) {
        const int was = s.ListIndex;
        switch (step % 4) {
        case 0:
            SeqSwitch(*p, *m, 0);
            FUZZ_CHECK(s.ListIndex == std::max(was - 1, 0));
            break;
        case 1:
            SeqSwitch(*p, *m, 1);
            FUZZ_CHECK(s.ListIndex == std::min(was + 1, count - 1));
            break;
        case 2: {
            const bool wasUsedUp = s.UsedUp, auto_ = s.AutoNextSn == 1;
            const radiolink::SerialStep result = AdvanceAfterWrite(*p, *m);
            FUZZ_CHECK(result == (!auto_            ? radiolink::SerialStep::None
                                  : was < count - 1 ? radiolink::SerialStep::Next
                                                    : radiolink::SerialStep::UsedUp));
            FUZZ_CHECK(s.UsedUp == (result == radiolink::SerialStep::UsedUp || (wasUsedUp && !auto_)));
            break;
        }
        default: {
            const int index = step / 4 % (count + 1);
            FUZZ_CHECK(ChooseSerialEntry(*p, *m, index) == (index < count));
            FUZZ_CHECK(s.ListIndex == (index < count ? index : was));
        }
        }
        run.checkLine1();
    }
    return 0;
}
