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

// ---- Captions of the settings pages ----
inline constexpr int kTextVoxLevel = 430;         // lblVoxCmpLevel(i): i + 1 and this
inline constexpr int kTextFirstKeyLabel = 431;    // lblKeySk 0-4
inline constexpr int kTextFirstPcLabel = 450;     // lblPc 0-72
inline constexpr int kTextFirstPcCheck = 550;     // chkPc 0-35
inline constexpr int kTextAutoNextSn = 615;       // chkAutoNextSn
inline constexpr int kTextImportSeq = 616;        // cmdImportSeq
inline constexpr int kTextFirstPcTextLabel = 650; // lblPcTxt 0-11
inline constexpr int kTextFirstKeyFunction = 811; // function p of a key list

// ---- Items of the option lists ----
inline constexpr int kTextTimeOff = 260;         // "Off" of the time-out and menu times
inline constexpr int kTextSeconds = 261;         // "s" after a number of seconds
inline constexpr int kTextPreAlertOff = 262;     // "Off" of the pre-alert
inline constexpr int kTextFirstVoice = 263;      // Off, Chinese, English
inline constexpr int kTextPowerOnToneOff = 266;  // "Off" of the power-on tone
inline constexpr int kTextPowerOnTone = 267;     // "Tone-" before the number
inline constexpr int kTextFirstStep = 269;       // 2.50K ... 100.0K (to 279)
inline constexpr int kTextFirstTailDel = 285;    // 1--Off ... 8--240 + Freq (to 292)
inline constexpr int kTextIntervalOff = 293;     // "Off" of save mode and the intervals
inline constexpr int kTextIntervalSeconds = 294; // "s" of the intervals
inline constexpr int kTextResetOff = 295;        // "Off" of the reset and first-digit times
inline constexpr int kTextFirstVoxDelay = 296;   // 0.5s ... 3.0s (to 301)
inline constexpr int kTextDropoutSeconds = 312;  // "s" of the scan times
inline constexpr int kTextFirstGroupCode = 313;  // Off, A-F (to 319); also "Off" of the scan times
inline constexpr int kTextChannelOff = 320;      // "Off" of the channel lists and the call alert
inline constexpr int kTextGlint = 321;           // "Glint" before the seconds of a call alert
inline constexpr int kTextGlintSeconds = 322;    // and "s" after them
inline constexpr int kTextFirstStunType = 323;   // Tx Inhibit, Tx/Rx Inhibit
inline constexpr int kTextFirstAlarmType = 331;  // Local, Local And Distance
inline constexpr int kTextLowBatTone1 = 347;     // Tone 1
inline constexpr int kTextLowBatTone2 = 348;     // Tone 2
inline constexpr int kTextLowBatToneOff = 353;   // Off
inline constexpr int kTextContinuous = 366;      // the call alert's second item
inline constexpr int kTextHoldSeconds = 395;     // "s" of the key hold times
inline constexpr int kTextFirstTxSelect = 437;   // Edit Ch ... Auto Select (to 441)
inline constexpr int kTextKeyLockManual = 710;   // Manual
inline constexpr int kTextKeyLockAuto = 711;     // "Auto" before the seconds
inline constexpr int kTextKeyLockAutoSave = 712; // "Auto+Save" before the seconds
inline constexpr int kTextFirstWorkMode = 713;   // CH, Frequency, CH+Frequency
inline constexpr int kTextPowerOffOff = 716;     // "Off" of the auto power off
inline constexpr int kTextHours = 717;           // "Hour" after the hours
inline constexpr int kTextGroupAChannel = 718;   // "A Grp " before an A group channel
inline constexpr int kTextChannelPrefix = 719;   // before a channel number (empty)
inline constexpr int kTextFirstScanMode = 720;   // TO, CO, SE
inline constexpr int kTextFirstRadioMode = 723;  // VFO, CH
inline constexpr int kTextFirstShowMode =
    725; // Off, Voltage, Power On Message; also "Off" of the alarm times
inline constexpr int kTextAlarmContinue = 728;   // "Continue" of the alarm times
inline constexpr int kTextAlarmSeconds = 729;    // "s" of the alarm times
inline constexpr int kTextFirstNoYes = 730;      // No, Yes
inline constexpr int kTextFirstChannelSel = 732; // Fixed CH, Select CH
inline constexpr int kTextFirstLed = 734;        // Off, On
inline constexpr int kTextLedAuto = 736;         // "Auto" before the seconds
inline constexpr int kTextFirstColour = 737;     // Color1-3
inline constexpr int kTextBacklightOff = 740;    // "Off" of the back lights and the radio volume
inline constexpr int kTextPriorityNone = 741;    // "None" of the priority channels

// ---- The volume dialog (frmSetVolume) ----
inline constexpr int kTextVolumeTitle = 879;
inline constexpr int kTextVolume = 880;      // "Volume", then the level's number
inline constexpr int kTextVolumeLevel = 881; // and "Level"
inline constexpr int kTextVolumeDefault = 882;
inline constexpr int kTextVolumeUse = 883; // chkVolumeIic
inline constexpr int kTextVolumeOk = 884;
inline constexpr int kTextVolumeMode = 885; // chkVolMode

} // namespace channels
