#include "channels/SideTexts.h"

namespace channels {
namespace {

struct Row {
    SideTextId id;
    const char* text[3]; // by language 1, 2, 3
};

// clang-format off
const Row kTexts[] = {
    {SideTextId::TwoToneHeaders,
     {"序号|A音频率|A音时间|B音频率|B音时间|间隔时间",
      "序號|A音頻率|A音時間|B音頻率|B音時間|間隔時間",
      "No.|A Fre|A Time|B Fre|B Time|Interval"}},
    {SideTextId::RadioHeaders, {"序号|频率(MHz)", "序號|頻率(MHz)", "No.|Freq.(MHz)"}},
    {SideTextId::PhoneBookHeaders, {"序号|CALL ID|名称", "序號|CALL ID|名稱", "No.|CALL ID|Name"}},
    {SideTextId::SerialListUsedUp,
     {"序列号已用完：下一台对讲机不会得到序列号。请导入新的序列号列表。",
      "序號已用完：下一台對講機不會得到序號。請匯入新的序號清單。",
      "Serial number list used up: the next radio gets no serial number. Import a new list."}},
};
// clang-format on

} // namespace

std::string SideText(SideTextId id, int lang) {
    const int column = lang >= 1 && lang <= 3 ? lang - 1 : 2;
    for (const Row& row : kTexts)
        if (row.id == id) return row.text[column];
    return {};
}

int SideGridLang(int langIndex) {
    return langIndex == 2 || langIndex == 3 ? langIndex : 1;
}

} // namespace channels
