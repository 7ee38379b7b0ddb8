#include "model/Tones.h"

#include "model/ChannelWindow.h"

#include "app/ErrorReporter.h"
#include "app/FaceText.h"
#include "app/Shell.h"
#include "charcode/Utf16.h"
#include "platform/Failure.h"
#include "platform/Numbers.h"

#include <cstdio>

namespace model {
namespace {

constexpr const char* Ctcss[50] = {
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
    "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
    "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};

constexpr const char* Dcs[105] = {
    "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065", "071", "072", "073",
    "074", "114", "115", "116", "122", "125", "131", "132", "134", "143", "145", "152", "155", "156", "162",
    "165", "172", "174", "205", "212", "223", "225", "226", "243", "244", "245", "246", "251", "252", "255",
    "261", "263", "265", "266", "271", "274", "306", "311", "315", "325", "331", "332", "343", "346", "351",
    "356", "364", "365", "371", "411", "412", "413", "423", "431", "432", "445", "446", "452", "454", "455",
    "462", "464", "465", "466", "503", "506", "516", "523", "526", "532", "546", "565", "606", "612", "624",
    "627", "631", "632", "645", "654", "662", "664", "703", "712", "723", "731", "732", "734", "743", "754"};

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

} // namespace

std::string QtDqtIicToChar(const ModelState& m, std::uint8_t high, std::uint8_t low) {
    unsigned code = 256u * high + low;
    char buf[16];
    if (code >= 600 && code <= 2650) {
        std::snprintf(buf, sizeof buf, "%u.%u", code / 10, code % 10);
        return buf;
    }
    bool normal = code >= 0x2800 && code <= 0x29FF;
    bool inverted = code >= 0xA800 && code <= 0xA9FF;
    if (normal || inverted) {
        std::snprintf(buf, sizeof buf, "D%03o%c", code & 0x1FF, normal ? 'N' : 'I');
        return buf;
    }
    return m.CtdcsNoneText;
}

bool QtDqtCharToIic(ModelState& m, const std::string& text) {
    return app::Guarded("modChMem->QtDqtCharToIic", [&] {
        unsigned code;
        if (text.empty() || text == m.CtdcsNoneText) {
            code = ToneOff;
        } else if (auto x = platform::parseNumber(text)) {
            double v = platform::roundHalfEven(*x * 10);
            if (!(v >= 0 && v <= 65535)) throw platform::Failure("Overflow");
            code = static_cast<unsigned>(v);
        } else {
            std::u16string t = charcode::toUtf16(text);
            if (t.size() > 5) throw platform::Failure("Type mismatch: \"" + text + "\"");
            if (t.size() < 4 || !isDigit(t[1]) || !isDigit(t[2]) || !isDigit(t[3]))
                throw platform::Failure("Type mismatch: \"" + text + "\"");
            unsigned v = 0x800 + 64u * (t[1] - u'0') + 8u * (t[2] - u'0') + (t[3] - u'0');
            bool normal = t.size() == 5 && t[4] == u'N';
            code = (v & 0xFF) | (((v >> 8) + (normal ? 0x20u : 0xA0u)) << 8);
        }
        m.SepDat[0] = static_cast<std::uint8_t>(code & 0xFF);
        m.SepDat[1] = static_cast<std::uint8_t>(code >> 8);
    });
}

void GetCtdcsArray(ModelState& m) {
    for (std::size_t i = 0; i < m.CtcssArray.size(); ++i) m.CtcssArray[i] = Ctcss[i];
    for (std::size_t i = 0; i < m.DcsNArray.size(); ++i) m.DcsNArray[i] = std::string("D") + Dcs[i] + "N";
    for (std::size_t i = 0; i < m.DcsIArray.size(); ++i) m.DcsIArray[i] = std::string("D") + Dcs[i] + "I";
}

void GenCtdcsList(ModelState& m) {
    app::Guarded("modCtdcs->GenCtdcsList", [&] {
        m.CtdcsNoneText = app::text(app::TextKey::ToneOff, app::CheckedLangIndex());
        GetCtdcsArray(m);
        ChannelWindow& w = frmChMem();
        w.ClearCtdcsItems();
        int position = 0;
        w.AddCtdcsItem(m.CtdcsNoneText, position++);
        for (const auto& t : m.CtcssArray) w.AddCtdcsItem(t, position++);
        for (const auto& t : m.DcsNArray) w.AddCtdcsItem(t, position++);
        for (const auto& t : m.DcsIArray) w.AddCtdcsItem(t, position++);
    });
}

} // namespace model
