#pragma once
// The interface texts: every text the user reads in a translated window, a
// message box or a link status, in one of two tables.
//
// 1. The text table FaceText, by entry number: the texts of the specified
//    numbers, copied once at start-up for the language (InitFaceText). Code
//    names the numbers it uses as constants that keep the number in sight,
//    one header per subsystem (shell/ShellTexts.h, link/LinkTexts.h,
//    channels/ChannelTexts.h): kTextWrongFile = 83. A row of captions is a
//    first entry plus the control's index (kTextFirstTab = 410).
// 2. The named table, by TextKey: the program's own texts that have no
//    number (notices the program adds, the About lines, fixed captions).
//
// Both tables hold Simplified Chinese, Traditional Chinese and English
// (LangIndex 1, 2, 3; any other index counts as 3). Windows take QStrings
// through app::face() (app/ui/Face.h).
#include "app/Shell.h"

#include <span>
#include <string>

namespace app {

struct FaceTextRow {
    int entry;
    const char* text[3]; // by LangIndex 1, 2, 3
};

// Rows in ascending entry order; entries not listed stay empty.
std::span<const FaceTextRow> FaceTextRows();

// Fills FaceText from the column of LangIndex; a LangIndex outside 1-3 is
// made 3 first and stays 3.
void InitFaceText(ShellState& s = shell());

// Entry `entry` of FaceText.
const std::string& text(int entry);

// Entries that more than one subsystem uses.
inline constexpr int kTextNotice = 70;        // "Notice": the title of every message box
inline constexpr int kTextCommunicating = 76; // "Communicating,wait a minute"

// The named table.
enum class TextKey {
    SettingsRefused, // the settings file refuses writes (the reason follows)
    RestartFailed,   // the restart after a language change failed
    LanguageNoticeTitle,
    ComPanel,         // status panel 2: "COM" and the port number
    NoticeWindow,     // caption of the notice window
    StartFailedTitle, // title of the message when the program cannot start
    AboutCaption,
    AboutOk,
    AboutVersion,
    AboutRights,
    AboutCompany,
    StopCommunication, // the read/write dialog's stop box
    UpdateFirmware,    // the read/write dialog's automatic update box
    NoBuiltInFirmware, // after a write that could not update model %1
    PortButton,        // the memory tool window's port button: the prefix of the number
    // The hidden holder's read/write code boxes keep the captions they were
    // designed with, in every language.
    RdWrCodeCaption,
    RdWrCodeHint,
    NewRdWrCodeTick,
    NewRdWrCodeCaption,
    ToneOff, // the tone text of "no tone"
    CustomBandNotNumbers,
    CustomBandOutOfRange,
    CustomBandNoRoom,
    StartFailed,   // the program cannot start (the reason follows)
    ReasonJoin,    // between a reason and its cause
    DataFileShort, // %1 the file's length
    DataFileDamaged,
    // A file or folder (%1) that could not be used, by platform::IoProblem.
    IoNoSuchFile,
    IoNotAFile,
    IoIsFolder,
    IoNoSuchFolder,
    IoReadOnlyFile,
    IoReadOnlyFolder,
    IoCannotOpen,
    IoCannotRead,
    IoCannotCreateIn,
    IoCannotWrite,
    IoCannotReplace,
    IoCannotMakeFolder,
    // The system's causes the user can act on.
    CauseNoEntry,
    CausePermission,
    CauseDiskFull,
    CauseReadOnlySystem,
    CauseInputOutput,
    // A serial port that would not open (%1 the device), by platform::PortProblem.
    PortNoDevice,
    PortNoDeviceForPort,
    PortNoPermission,
    PortInUse,
    PortNotSerial,
    PortCannotOpen,
    PortFailed,       // the port dialog's line: %1 the port number, the reason follows
    TwoToneHeaders,   // the two-tone grid's column headers, separated by "|"
    RadioHeaders,     // the FM station grid's
    PhoneBookHeaders, // the phone-book grid's
    SerialListUsedUp, // after the write that gave the last number of the serial-number list
    // The help window.
    HelpBack,
    HelpForward,
    HelpContents,
    HelpPageMissing, // %1 the page's path
    // A serial-number list file refused at import; the entries named follow.
    SerialListNotImported,
    SerialListNoEntries, // %1 the file
    SerialListSameLine,  // %1 message line 1 as both entries would write it
    SerialListTooLong,   // %1 how many entries are longer than message line 1
    SerialListKept,      // the list in use stays
    // The system's other causes (app::SystemCause), and the one for any cause
    // not named (%1 the error number).
    CauseNameTooLong,
    CauseExists,
    CauseQuota,
    CauseNotAFolder,
    CauseIsAFolder,
    CauseLinkLoop,
    CauseProgramFiles, // the program has too many files open
    CauseSystemFiles,  // the system has too many files open
    CauseBusy,
    CauseTextBusy,
    CauseCrossDevice,
    CauseTooLarge,
    CauseInvalid,
    CauseTryAgain,
    CauseInterrupted,
    CauseNoDeviceOrAddress,
    CauseNoDevice,
    CauseNotTerminal,
    CauseNotEmpty,
    CauseTooManyLinks,
    CauseNoMemory,
    CauseNoLocks,
    CauseNotSupported,
    CauseStale,
    CauseTimedOut,
    CauseBadHandle,
    CauseOverflow,
    CauseNoMedium,
    CauseNotPermitted,
    CauseOther,
    // Why a read or write of the read/write dialog failed, after its text
    // ("Read Failed", "Write Fail"), by radiolink::FailWhy.
    LinkNoAnswer,
    LinkWrongAnswer,
    LinkLineClosed,
    LinkStopped,
    LinkPortNotOpened,    // %1 the port number; the port's own reason may follow
    LinkUnknownModel,     // %1 the model code the radio reported
    LinkPartWritten,      // after a write that sent pages: the radio may hold part of them
    LinkPartWrittenShort, // the same in the main window's status panel, with its lead
    InternalFault,        // why an operation failed when the program itself is at fault
    // The settings file (%1) a start found without the channel grid's layout;
    // a line per section given back follows.
    SettingsRestored,
    SettingsRestoredLayout, // what [ChInfo] holds: %1 the number of keys given back
    SettingsRestoredKeys,   // %1 the number of keys given back to any other section
    KeyCount                // not a text: how many keys there are; new keys go above it
};

struct NamedTextRow {
    TextKey key;
    const char* text[3]; // by LangIndex 1, 2, 3
};

// Rows in the order of TextKey.
std::span<const NamedTextRow> NamedTextRows();

// The text of key in the language given, or in LangIndex; "%1" in it stands
// for arg.
std::string text(TextKey key, int langIndex);
std::string text(TextKey key);
std::string text(TextKey key, const std::string& arg);
std::string text(TextKey key, const std::string& arg, int langIndex);

} // namespace app
