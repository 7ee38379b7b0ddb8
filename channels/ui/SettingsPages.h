#pragma once
// The settings pages of the channel window, one class each, and the hidden
// holder SSTab1. Each page makes its controls into its frame, in the frames
// (fraPc) and rows the window was designed with, through the shared control
// arrays (SettingsControls); the pages' logic is channels/SettingsPages.h.
// On every page: InitFace sets the captions, SetOptList shows the logic's
// whole state once; from then on the logic names each control it changes
// (a load of the image included) and only that control is shown again.
#include "channels/ui/ChMemPage.h"

#include <array>
#include <string>

namespace channels {

class SettingsControls;

class SettingsPage : public ChMemPage {
  public:
    SettingsPage(QWidget* frame, SettingsControls& controls);
    void InitFace() override;
    void SetOptList() override;
    void Store() override;

  protected:
    SettingsControls& c_;
};

// Page 1, "Function Para1": fraPc 2-5 (options, VOX, scan, battery).
class FunctionPara1Page : public SettingsPage {
  public:
    FunctionPara1Page(QWidget* frame, SettingsControls& controls);
};

// Page 2, "Function Para2": fraPc 6-10 and 19 (keys, FM radio, messages and
// serial numbers, power-on, alarm, first and second channel).
class FunctionPara2Page : public SettingsPage {
  public:
    FunctionPara2Page(QWidget* frame, SettingsControls& controls);
    void SetOptList() override;

    // The items a key list shows at once.
    static constexpr int KeyListRows = 9;
};

// Page 3, "DTMF": fraPc 12-16 (encode, decode, stun, auto-dial list, phone book).
class DtmfPage : public SettingsPage {
  public:
    DtmfPage(QWidget* frame, SettingsControls& controls);
};

// Page 4, "2-TONE": fraPc 17 (the two-tone list and its options).
class TwoTonePage : public SettingsPage {
  public:
    TwoTonePage(QWidget* frame, SettingsControls& controls);
};

// SSTab1, never shown: the settings controls the user never sees, the
// read/write code boxes, the volume dialog's button cmdPc(3) and the
// band-limit boxes txtFreBand 0-3. Its frame is not a page of sstabSetMode
// and stays hidden; the lock leaves it alone.
class HiddenHolder : public SettingsPage {
  public:
    HiddenHolder(QWidget* frame, SettingsControls& controls);
    void SetLocked(bool) override {}

    // txtFreBand(box): the band limits as "000.00000" MHz texts. Setting a
    // text that differs raises txtFreBand_Change.
    std::string FreBandText(int box) const { return txtFreBand_.at(static_cast<std::size_t>(box)); }
    void SetFreBandText(int box, const std::string& text);
    void txtFreBand_Change(int index);

  private:
    std::array<std::string, 4> txtFreBand_{"136.00000", "174.00000", "400.00000", "470.00000"};
};

} // namespace channels
