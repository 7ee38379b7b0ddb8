#pragma once
// The entries of the text table (app/FaceText.h) that the channel window and
// its dialogs use. Rows of captions are a first entry plus the index of the
// control: tab i of sstabSetMode is kTextFirstTab + i.
namespace channels {

inline constexpr int kTextModelName = 356;      // the one entry of the model list
inline constexpr int kTextModelLabel = 371;     // lblModel
inline constexpr int kTextFrequencyLabel = 372; // lblFrequency
inline constexpr int kTextCustomBand = 373;     // the last band preset
inline constexpr int kTextCustomTitle = 374;    // the custom band dialog: caption,
inline constexpr int kTextCustomMin = 375;      // minimum,
inline constexpr int kTextCustomMax = 376;      // maximum,
inline constexpr int kTextCustomOk = 377;       // OK
inline constexpr int kTextCustomCancel = 378;   // and Cancel
inline constexpr int kTextChannelInfo = 382;    // the channel window's caption
inline constexpr int kTextFirstTab = 410;       // sstabSetMode pages 0-4
inline constexpr int kTextFirstButton = 620;    // cmdPc 0-4
inline constexpr int kTextFirstFrame = 680;     // fraPc 0-19

} // namespace channels
