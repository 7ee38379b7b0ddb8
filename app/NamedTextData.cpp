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
    {TextKey::StartFailed, {"程序无法启动：", "程式無法啟動：", "The program could not start:"}},
    {TextKey::ReasonJoin, {"：", "：", ": "}},
    {TextKey::DataFileShort, {"该文件只有 %1 字节，数据文件有 12800 字节。", "該檔案只有 %1 位元組，資料檔有 12800 位元組。",
                              "the file holds %1 bytes; a data file holds 12800."}},
    {TextKey::DataFileDamaged, {"其中的替换表已损坏，不是数据文件。", "其中的替換表已損壞，不是資料檔。",
                                "its substitution tables are damaged; it is no data file."}},
    {TextKey::IoNoSuchFile, {"找不到文件：%1", "找不到檔案：%1", "No such file: %1"}},
    {TextKey::IoNotAFile, {"不是普通文件：%1", "不是一般檔案：%1", "Not a file: %1"}},
    {TextKey::IoIsFolder, {"这是文件夹，不是文件：%1", "這是資料夾，不是檔案：%1", "Is a folder, not a file: %1"}},
    {TextKey::IoNoSuchFolder, {"找不到文件夹：%1", "找不到資料夾：%1", "No such folder: %1"}},
    {TextKey::IoReadOnlyFile, {"文件为只读：%1", "檔案為唯讀：%1", "The file is read-only: %1"}},
    {TextKey::IoReadOnlyFolder, {"文件夹为只读：%1", "資料夾為唯讀：%1", "The folder is read-only: %1"}},
    {TextKey::IoCannotOpen, {"无法打开 %1", "無法開啟 %1", "Cannot open %1"}},
    {TextKey::IoCannotRead, {"无法读取 %1", "無法讀取 %1", "Cannot read %1"}},
    {TextKey::IoCannotCreateIn, {"无法在 %1 中创建文件", "無法在 %1 中建立檔案", "Cannot create a file in %1"}},
    {TextKey::IoCannotWrite, {"无法写入 %1", "無法寫入 %1", "Cannot write %1"}},
    {TextKey::IoCannotReplace, {"无法替换 %1", "無法取代 %1", "Cannot replace %1"}},
    {TextKey::IoCannotMakeFolder, {"无法创建文件夹 %1", "無法建立資料夾 %1", "Cannot create the folder %1"}},
    {TextKey::CauseNoEntry, {"没有这个文件或文件夹", "沒有這個檔案或資料夾", "no such file or folder"}},
    {TextKey::CausePermission, {"没有权限", "沒有權限", "permission denied"}},
    {TextKey::CauseDiskFull, {"磁盘已满", "磁碟已滿", "the disk is full"}},
    {TextKey::CauseReadOnlySystem, {"文件系统为只读", "檔案系統為唯讀", "the file system is read-only"}},
    {TextKey::CauseInputOutput, {"输入/输出错误", "輸入/輸出錯誤", "input/output error"}},
    {TextKey::PortNoDevice, {"没有这个设备：%1", "沒有這個裝置：%1", "No such device: %1"}},
    {TextKey::PortNoDeviceForPort, {"这个端口没有对应的设备。", "這個連接埠沒有對應的裝置。",
                                    "No device for this port."}},
    // The command stands on a line of its own, whole, to be copied.
    {TextKey::PortNoPermission, {"没有打开 %1 的权限：请用下面的命令把您的用户加入 dialout 组，然后重新登录：\nsudo usermod -a -G dialout $USER",
                                 "沒有開啟 %1 的權限：請用下面的命令把您的使用者加入 dialout 群組，然後重新登入：\nsudo usermod -a -G dialout $USER",
                                 "No permission to open %1: add your user to the group dialout with the command below, then log in again:\nsudo usermod -a -G dialout $USER"}},
    {TextKey::PortInUse, {"%1 正被另一个程序使用。", "%1 正被另一個程式使用。", "%1 is in use by another program."}},
    {TextKey::PortNotSerial, {"%1 不是串口设备。", "%1 不是序列埠裝置。", "%1 is not a serial device."}},
    {TextKey::PortCannotOpen, {"无法打开 %1", "無法開啟 %1", "Cannot open %1"}},
    {TextKey::PortFailed, {"COM%1 无法打开：", "COM%1 無法開啟：", "COM%1 cannot be opened:"}},
    {TextKey::TwoToneHeaders, {"序号|A音频率|A音时间|B音频率|B音时间|间隔时间",
                               "序號|A音頻率|A音時間|B音頻率|B音時間|間隔時間",
                               "No.|A Fre|A Time|B Fre|B Time|Interval"}},
    {TextKey::RadioHeaders, {"序号|频率(MHz)", "序號|頻率(MHz)", "No.|Freq.(MHz)"}},
    {TextKey::PhoneBookHeaders, {"序号|CALL ID|名称", "序號|CALL ID|名稱", "No.|CALL ID|Name"}},
    {TextKey::SerialListUsedUp, {"序列号已用完：下一台对讲机不会得到序列号。请导入新的序列号列表。",
                                 "序號已用完：下一台對講機不會得到序號。請匯入新的序號清單。",
                                 "Serial number list used up: the next radio gets no serial number. Import a new list."}},
    {TextKey::LinkNoAnswer, {"电台无应答", "電台無應答", "no answer"}},
    {TextKey::LinkWrongAnswer, {"电台应答有误", "電台應答有誤", "wrong answer"}},
    {TextKey::LinkLineClosed, {"线路已断开", "線路已斷開", "line closed"}},
    {TextKey::LinkStopped, {"已停止", "已停止", "stopped"}},
    {TextKey::LinkPortNotOpened, {"COM%1 无法打开", "COM%1 無法開啟", "COM%1 cannot be opened"}},
    {TextKey::LinkUnknownModel, {"未知机型 %1", "未知機型 %1", "unknown model %1"}},
    {TextKey::LinkPartWritten, {"电台现在可能只存有部分新数据：再写入一次即可补全。",
                                "電台現在可能只存有部分新資料：再寫入一次即可補全。",
                                "The radio may now hold part of the new data: writing again completes it."}},
    {TextKey::LinkPartWrittenShort, {"，请重新写入以补全", "，請重新寫入以補全", " - write again to complete"}},
};
// clang-format on

} // namespace

std::span<const NamedTextRow> NamedTextRows() {
    return kNamedTextRows;
}

} // namespace app
