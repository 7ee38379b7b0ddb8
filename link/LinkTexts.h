#pragma once
// The entries of the text table (app/FaceText.h) that the link and its
// dialogs use.
namespace radiolink {

inline constexpr int kTextPortTitle = 60;    // the port dialog: caption,
inline constexpr int kTextPortFrame = 61;    // frame,
inline constexpr int kTextPortLabel = 62;    // label,
inline constexpr int kTextOk = 63;           // OK
inline constexpr int kTextCancel = 64;       // and Cancel
inline constexpr int kTextComSuccess = 77;   // "Communication success"
inline constexpr int kTextComFailed = 78;    // "Communication failed"
inline constexpr int kTextReadButton = 100;  // the read/write dialog: Read,
inline constexpr int kTextWriteButton = 101; // Write,
inline constexpr int kTextCommunTitle = 102; // caption
inline constexpr int kTextCommunFrame = 156; // and frame
inline constexpr int kTextWriting = 125;     // "Writing..." and the percentage
inline constexpr int kTextReading = 126;     // "Reading..." and the percentage
inline constexpr int kTextReadSuccessful = 165;
inline constexpr int kTextReadFailed = 166;
inline constexpr int kTextTryToWrite = 168; // "Try To Write..." and the attempt
inline constexpr int kTextWriteSuccessful = 169;
inline constexpr int kTextWriteFailed = 173;
inline constexpr int kTextTryToRead = 174; // "Try To Read....." and the attempt
inline constexpr int kTextTryTimes = 177;  // "Try Times" and the attempt

} // namespace radiolink
