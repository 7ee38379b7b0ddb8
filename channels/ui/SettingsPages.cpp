// What every settings page does over its controls, and the hidden holder.
#include "channels/ui/SettingsPages.h"

#include "channels/ui/SettingsControls.h"
#include "channels/ui/SettingsLayout.h"

#include "app/ErrorReporter.h"
#include "app/ui/FaceFont.h"
#include "platform/Numbers.h"
#include "platform/ui/Grid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace channels {

SettingsPage::SettingsPage(QWidget* frame, SettingsControls& controls) : ChMemPage(frame), c_(controls) {
    // The controls built after this take the face font as they are made: set
    // on the page once they stand, it makes each of them lay itself out anew.
    app::UseFaceFont({frame});
}

void SettingsPage::InitFace() {
    c_.InitFace(frame());
}

void SettingsPage::SetOptList() {
    c_.ShowAll(frame());
}

void SettingsPage::Store() {
    c_.CommitEdits(frame());
}

// ---- The hidden holder ----

HiddenHolder::HiddenHolder(QWidget* frame, SettingsControls& c) : SettingsPage(frame, c) {
    auto* holder = new QVBoxLayout(frame);

    auto* fraNoVisiable = new QGroupBox(frame);
    fraNoVisiable->setObjectName(QStringLiteral("fraNoVisiable"));
    QGridLayout* g = layout::grid(fraNoVisiable);
    int row = 0;
    for (int i : {0, 1, 2, 3, 10, 17, 18, 19, 38, 48, 60, 63, 64, 67})
        layout::pair(g, row++, 0, c.comboLabel(i, fraNoVisiable), c.combo(i, fraNoVisiable));
    // cboPc(58) has no label of its own: lblPc(58) labels the alarm channel.
    layout::pair(g, row++, 0, nullptr, c.combo(58, fraNoVisiable, -1));
    row = 0;
    for (int i : {0, 1, 8, 10, 14, 16, 19, 20, 23, 25}) g->addWidget(c.check(i, fraNoVisiable), row++, 2);
    for (int i : {0, 1}) {
        QLineEdit* box = c.text(i, fraNoVisiable);
        layout::pair(g, row++, 1, c.lblPcTxt[static_cast<std::size_t>(i)], box);
    }
    c.rdWrCodeControls(fraNoVisiable);
    for (QWidget* w :
         std::initializer_list<QWidget*>{c.lblRdWrCode, c.txtRdWrCode, c.lblRdWrCodeHint[0], c.chkNewRdWrCode,
                                         c.lblNewRdWrCode, c.txtNewRdWrCode, c.lblRdWrCodeHint[1]})
        g->addWidget(w, row++, 2);
    auto* fraModelInfo = new QGroupBox(fraNoVisiable);
    fraModelInfo->setObjectName(QStringLiteral("fraModelInfo"));
    g->addWidget(fraModelInfo, row++, 2);
    QGroupBox* secondTwoTone = c.frame(18, fraNoVisiable);
    auto* second = new QVBoxLayout(secondTwoTone);
    second->addWidget(c.twoToneGrid(1, secondTwoTone));
    g->addWidget(secondTwoTone, row++, 2);
    holder->addWidget(fraNoVisiable);

    QGroupBox* backLight = c.frame(11, frame);
    g = layout::grid(backLight);
    row = 0;
    for (int i : {42, 43, 44}) layout::pair(g, row++, 0, c.comboLabel(i, backLight), c.combo(i, backLight));
    holder->addWidget(backLight);

    auto* rest = new QGridLayout;
    row = 0;
    for (int i : {11, 26, 27, 40, 59, 61, 62, 66, 70, 71})
        layout::pair(rest, row++, 0, c.comboLabel(i, frame), c.combo(i, frame));
    rest->addWidget(c.check(32, frame), row++, 1);
    QLineEdit* message = c.text(8, frame);
    layout::pair(rest, row++, 0, c.lblPcTxt[8], message);
    rest->addWidget(c.button(3, frame), row++, 1);
    holder->addLayout(rest);
}

void HiddenHolder::SetFreBandText(int box, const std::string& text) {
    std::string& shown = txtFreBand_.at(static_cast<std::size_t>(box));
    if (shown == text) return;
    shown = text;
    txtFreBand_Change(box);
}

void HiddenHolder::txtFreBand_Change(int index) {
    static const char* const defaults[4] = {"134.00000", "174.00000", "400.00000", "470.00000"};
    app::Guarded("frmChMem->txtFreBand_Change", [&] {
        if (!platform::isNumeric(txtFreBand_.at(static_cast<std::size_t>(index))))
            SetFreBandText(index, defaults[index]);
    });
}

} // namespace channels
