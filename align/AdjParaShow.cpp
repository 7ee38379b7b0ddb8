#include "align/AdjParaShow.h"

#include "align/AdjMode.h"
#include "platform/ScopedFlag.h"

namespace align {
namespace {

using C = Control;
namespace map = model::map;

// The register window's controls in the order the display fills them.
constexpr C kDeviations[] = {C::hscWideDev134174,   C::hscNarrowDev134174, C::hscWideDev200260,
                             C::hscNarrowDev200260, C::hscWideDev400520,   C::hscNarrowDev400520};
constexpr C kResponse[] = {C::cboCdVoiSub,  C::cboRxResp42L,      C::cboRxResp42H, C::cboRxResp43L,
                           C::cboRxResp43H, C::cboVoiceGainTx41H, C::cboGainTx44H, C::cboPgaGain0AH};
constexpr C kRegisters[] = {
    C::chkOffMindBaseCry,   C::chkOffAfcFunc,         C::chkReg34_Interval_Dr, C::chkReg34_Tone_Step_Dr,
    C::chkReg34_Limit_Sel,  C::cboReg34_Over_Th_Sel,  C::cboReg34_Dig_Gain,    C::cboReg34_Agc_Thd,
    C::cboReg65H_Weak_Wide, C::cboReg65H_Strong_Wide, C::cboReg65H_Weak_Narr,  C::cboReg65H_Strong_Narr,
    C::chkSoftMute,         C::cboMuteTime,           C::cboSoftMuteGain,      C::cboReg5A,
    C::cboSqlThreshold,     C::chkEnableSqlCacl};

class Display {
  public:
    Display(AlignState& a, radiolink::LinkState& link, model::Image& image)
        : a_(a), link_(link), im_(image), mode_(AdjMode(a)), more_(AdjMore(a)) {}

    void run() {
        company();
        highSpeed();
        for (int i = 0; i < map::PowerTableSize; ++i) select(C::cboPwrAdj, i);
        showAll(C::cboSqlWide);
        showAll(C::cboSqlNarrow);
        for (C c : kDeviations) showAll(c);
        for (C c : kResponse) showAll(c);
        if (im_[map::RxVoiceGain] < 0x80) im_[map::RxVoiceGain] = kRxVoiceGainRepair;
        showAll(C::cboVoiceGainRx41H);
        for (C c : kRegisters) showAll(c);
        tick(C::chkRadioFre);
        for (int g = 0; g < 3; ++g) select(C::cboFreBand, g);
        select(C::cboCryFre, 0);
        showAll(C::cboBatVoltPara);
        for (int i = 0; i < 3; ++i)
            if (im_[map::PowerOutput + i] > kPwrOutputLimit) im_[map::PowerOutput + i] = kPwrOutputLimit;
        showAll(C::cboRda1846SPwrOutput);
        showAll(C::cboTimeTone);
        menu();
    }

  private:
    int valueOf(C c, int i) const { return FieldValue(im_, *FieldOf(c, i)); }

    // The alignment window: a list selected runs its handler.
    void select(C c, int i) { AdjModeFieldChanged(a_, link_, im_, c, i, valueOf(c, i)); }
    // The alignment window: a box runs its handler only when its tick changes.
    void tick(C c) {
        const int v = valueOf(c, 0);
        if (mode_.fields.at(c, 0).Value != v) AdjModeFieldChanged(a_, link_, im_, c, 0, v);
    }

    void company() {
        const int v = valueOf(C::cboCompanName, 0);
        if (v < mode_.fields.at(C::cboCompanName, 0).ListCount) select(C::cboCompanName, 0);
    }

    void highSpeed() {
        im_[map::HighSpeedPara] = kHighSpeedOff;
        if (mode_.chkBps.Value == 1) chkBps_Click(a_, link_, 0);
        mode_.chkBps.Value = 0;
        if (mode_.fields.at(C::chkBpsHlPara, 0).Value != 0)
            AdjModeFieldChanged(a_, link_, im_, C::chkBpsHlPara, 0, 0);
    }

    // The register window: its handlers store nothing while the display runs.
    void showAll(C c) {
        const int first = FirstElement(c);
        for (int i = first; i < first + ElementCount(c); ++i) show(c, i);
    }
    void show(C c, int i) {
        const FieldRow& r = RowOf(c, i);
        FieldControl& f = more_.fields.at(c, i);
        const int v = valueOf(c, i);
        switch (r.kind) {
        case Kind::List:
            if (r.shownCount > 0) {
                f.ListCount = r.shownCount;
                f.FirstNumber = 0;
            }
            f.Value = v < f.ListCount ? v : -1;
            break;
        case Kind::Scroll:
            f.Value = v;
            f.Text = std::to_string(v);
            break;
        case Kind::Box:
        case Kind::GridRow:
            f.Value = v;
            break;
        }
    }

    // Only while menu names are known: a row names its item, or none (and
    // its byte becomes 255).
    void menu() {
        if (a_.MenuNameCnt <= 0) return;
        for (int row = 1; row <= kMenuRows; ++row) {
            std::uint8_t& b = im_[kMenuRowBase + row];
            FieldControl& cell = more_.fields.at(C::vsfgGridMenu, row);
            if (b < a_.MenuNameCnt) {
                cell.Text = a_.MenuNameTbl[b + 1];
            } else {
                cell.Text = a_.MenuNameTbl[0];
                b = 0xFF;
            }
        }
    }

    AlignState& a_;
    radiolink::LinkState& link_;
    model::Image& im_;
    AdjModeWindow& mode_;
    AdjMoreWindow& more_;
};

} // namespace

bool AdjParaShow(AlignState& a, radiolink::LinkState& link, model::Image& image) {
    if (link.TmFlag == 0) return false;
    Display display(a, link, image);
    // A display run inside another (while the outer one's sends wait) leaves
    // the outer one guarded.
    const platform::ScopedFlag showing(a.AdjParaShowing);
    display.run();
    // Still under the guard: the register window may show its state with
    // its change handlers live, they store nothing now.
    windows().AdjModeChanged();
    windows().AdjMoreChanged();
    return true;
}

void AlignmentDisplay::AdjParaShow() {
    align::AdjParaShow(state(), radiolink::linkState(), model::IicDat());
}

void InstallAlignmentDisplay() {
    static AlignmentDisplay display;
    platform::Host<app::AlignmentDisplayHost>::set(&display);
}

} // namespace align
