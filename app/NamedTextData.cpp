// The program's own interface texts, by name: Simplified Chinese,
// Traditional Chinese, English.
#include "app/FaceText.h"

namespace app {
namespace {

// clang-format off
const NamedTextRow kNamedTextRows[] = {
    {TextKey::SettingsRefused, {"无法写入设置文件，本次运行中更改的设置将不会保存：",
                                "無法寫入設定檔，本次執行中變更的設定將不會儲存：",
                                "The settings file cannot be written, so settings changed in this session will not be kept:"}},
    {TextKey::RestartFailed, {"无法重新启动程序。请手动再次启动程序以使用新的语言。",
                              "無法重新啟動程式。請手動再次啟動程式以使用新的語言。",
                              "The program could not be restarted. Start it again to use the new language."}},
    {TextKey::LanguageNoticeTitle, {"Message", "Message", "Message"}},
    {TextKey::ComPanel, {"COM", "COM", "COM"}},
    {TextKey::NoticeWindow, {"Notice", "Notice", "Notice"}},
    {TextKey::StartFailedTitle, {"tavorin", "tavorin", "tavorin"}},
    {TextKey::AboutCaption, {"关于", "關於", "About"}},
    {TextKey::AboutOk, {"确定", "確定", "OK"}},
    {TextKey::AboutVersion, {"版本 1.0", "版本 1.0", "Version 1.0"}},
    {TextKey::AboutRights, {"© tavorin 开发者", "© tavorin 開發者", "© The tavorin developers"}},
    {TextKey::AboutCompany, {"tavorin 项目：对讲机写频软件", "tavorin 專案：對講機寫頻軟體",
                             "The tavorin project: radio programming software"}},
    {TextKey::StopCommunication, {"停止通信", "停止通信", "Stop Communication"}},
    {TextKey::UpdateFirmware, {"自动升级软件", "自動升級軟體", "Update Firmware"}},
    {TextKey::NoBuiltInFirmware, {"机型 %1 没有内置软件，软件未升级", "機型 %1 沒有內建軟體，軟體未升級",
                                  "No built-in firmware for model %1, firmware not updated"}},
    {TextKey::PortButton, {"端口 ", "端口 ", "端口 "}},
    {TextKey::ToneOff, {"无", "無", "None"}},
    {TextKey::CustomBandNotNumbers, {"请以 MHz 为单位输入两个数字。", "請以 MHz 為單位輸入兩個數字。",
                                     "Type both limits as numbers in MHz."}},
    {TextKey::CustomBandOutOfRange, {"频段必须在 120 到 520 MHz 之间。", "頻段必須在 120 到 520 MHz 之間。",
                                     "The band must lie within 120 to 520 MHz."}},
    {TextKey::CustomBandNoRoom, {"最大值必须比最小值至少高 1 MHz。", "最大值必須比最小值至少高 1 MHz。",
                                 "The maximum must lie at least 1 MHz above the minimum."}},
    {TextKey::TwoToneHeaders, {"序号|A音频率|A音时间|B音频率|B音时间|间隔时间",
                               "序號|A音頻率|A音時間|B音頻率|B音時間|間隔時間",
                               "No.|A Fre|A Time|B Fre|B Time|Interval"}},
    {TextKey::RadioHeaders, {"序号|频率(MHz)", "序號|頻率(MHz)", "No.|Freq.(MHz)"}},
    {TextKey::PhoneBookHeaders, {"序号|CALL ID|名称", "序號|CALL ID|名稱", "No.|CALL ID|Name"}},
    {TextKey::SerialListUsedUp, {"序列号已用完：下一台对讲机不会得到序列号。请导入新的序列号列表。",
                                 "序號已用完：下一台對講機不會得到序號。請匯入新的序號清單。",
                                 "Serial number list used up: the next radio gets no serial number. Import a new list."}},
};
// clang-format on

} // namespace

std::span<const NamedTextRow> NamedTextRows() {
    return kNamedTextRows;
}

} // namespace app
