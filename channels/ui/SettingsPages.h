#pragma once
// The settings pages of the channel window, one class each, and the hidden
// holder SSTab1. Their controls, option lists and byte maps are still to be
// built: each page adds its controls in its constructor, its captions in
// InitFace, its lists in SetOptList and its load in Load, with its byte map
// as a data table in channels/ (GUI-free, tested without a window). Until
// then the channel window keeps what the model shows in their boxes
// (frmChMem's settings stand-ins).
#include "channels/ui/ChMemPage.h"

#include <array>
#include <string>

namespace channels {

// Page 1, "Function Para1": fraPc 2-5 (options, VOX, scan, battery).
class FunctionPara1Page : public ChMemPage {
  public:
    using ChMemPage::ChMemPage;
};

// Page 2, "Function Para2": fraPc 6-10 and 19 (keys, FM radio, messages and
// serial numbers, power-on, alarm, first and second channel).
class FunctionPara2Page : public ChMemPage {
  public:
    using ChMemPage::ChMemPage;
};

// Page 3, "DTMF": fraPc 12-16 (encode, decode, stun, auto-dial list, phone book).
class DtmfPage : public ChMemPage {
  public:
    using ChMemPage::ChMemPage;
};

// Page 4, "2-TONE": fraPc 17 (the two-tone list and its options).
class TwoTonePage : public ChMemPage {
  public:
    using ChMemPage::ChMemPage;
};

// SSTab1, never shown: the settings controls the user never sees, the
// read/write code boxes and the band-limit boxes txtFreBand 0-3. Its frame
// is not a page of sstabSetMode and stays hidden; the lock leaves it alone.
class HiddenHolder : public ChMemPage {
  public:
    using ChMemPage::ChMemPage;
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
