#pragma once
// The fixed texts of the flash tools. The memory tool window and the
// firmware window are factory windows: they speak Simplified Chinese
// whatever the interface language.
namespace flashtool::texts {

// The language of these windows, for the reasons they give (app/Reasons.h).
inline constexpr int Language = 1;

// Memory tool window
inline constexpr const char* SelectAll = "全选";
inline constexpr const char* SelectNone = "全否";
inline constexpr const char* FileNameLabel = "文件名: ";
// Qt's own file dialog matches a pattern in either case: *.hex shows .HEX too.
inline constexpr const char* HexFilter = "HEX File(*.hex)|*.hex";
inline constexpr const char* HexLoaded = "HEX文件已载入";
inline constexpr const char* NoticeTitle = "提示";
inline constexpr const char* BadInterval = "间隔必须是1到32767之间的整数(毫秒), 自动写入未启动";
inline constexpr const char* RamListsEmpty = "请先点击\"初始化内部/外部RAM的地址选择\"填充地址列表";
inline constexpr const char* CellTooBig = "输入的值大于FF, 一个单元只存一个字节, 未写入";
inline constexpr const char* CellNotEditable = "内部RAM只能修改30-FF的单元, 未写入";

// HEX files: what is wrong with a line or with the file
inline constexpr const char* HexLinePrefix = "HEX文件第";
inline constexpr const char* HexLineSuffix = "行: ";
inline constexpr const char* HexFilePrefix = "HEX文件: ";
inline constexpr const char* NoColon = "不以\":\"开头";
inline constexpr const char* NotHex = "含有非十六进制字符";
inline constexpr const char* WrongLength = "长度与字节数不符";
inline constexpr const char* BadChecksum = "校验和错误";
inline constexpr const char* PastEnd = "数据超出地址0xFFFF";
inline constexpr const char* UpperNotZero = "扩展地址不为0, 只支持64K的地址";
inline constexpr const char* BadAddressRecord = "扩展地址记录的字节数不是2";
inline constexpr const char* EndWithData = "结束记录带有数据";
inline constexpr const char* UnknownType = "不支持的记录类型 ";
inline constexpr const char* NoEndRecord = "没有结束记录 :00000001FF";
inline constexpr const char* TooManyLines = "超过4001行";
inline constexpr const char* FileTooLarge = "文件大于4MB, 不是本机的HEX文件";

// Part fill
inline constexpr const char* FillBadValue = "填充的数据不是所选进制的数";
inline constexpr const char* FillValueTooBig = "填充的数据超过32767";
inline constexpr const char* FillBadStart = "起始地址不是十六进制数或超出范围 0-";
inline constexpr const char* FillBadEnd = "终止地址不是十六进制数或超出范围 0-";

// Firmware window
inline constexpr const char* Unassigned = "--未分配";
inline constexpr const char* BootCheckCaption = "校验引导程序";
inline constexpr const char* BootCheckOnlyOne = "版本唯一,无法校验";
inline constexpr const char* BootCheckRunning = "校验中,请稍等...";
inline constexpr const char* BootCheckFailedAt = "校验失败 位置:";
inline constexpr const char* BootCheckVersions = "  版本";
inline constexpr const char* BootCheckNoImage = "校验失败 没有内置软件: 版本";
inline constexpr const char* BootCheckPassed = "校验成功";

// Firmware converter
inline constexpr const char* NoIdentity = "没有软件特征记录 :101C2000";
inline constexpr const char* BadModelCode = "软件代号不是100到125: ";
inline constexpr const char* BadVersion = "软件版本不是0到30的BCD数: ";
inline constexpr const char* NoInputChosen = "请先选择软件路径";

} // namespace flashtool::texts
