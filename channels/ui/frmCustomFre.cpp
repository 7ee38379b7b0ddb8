#include "channels/ui/frmCustomFre.h"

#include "channels/BandPresets.h"
#include "channels/ChannelTexts.h"
#include "model/Bands.h"

#include "app/ErrorReporter.h"
#include "app/Shell.h"
#include "app/ui/Face.h"
#include "platform/Dialogs.h"
#include "shell/FileCommands.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace channels {
frmCustomFre::frmCustomFre(model::ChannelWindow& chMem, QWidget* parent)
    : QDialog(parent), lblFreMin(new QLabel(this)), lblFreMax(new QLabel(this)),
      txtFreMin(new QLineEdit(this)), txtFreMax(new QLineEdit(this)), cmdOk(new QPushButton(this)),
      cmdCancel(new QPushButton(this)), chMem_(chMem) {
    setObjectName(QStringLiteral("frmCustomFre"));
    setModal(true);
    auto* grid = new QGridLayout(this);
    grid->addWidget(lblFreMin, 0, 0);
    grid->addWidget(txtFreMin, 0, 1);
    grid->addWidget(lblFreMax, 1, 0);
    grid->addWidget(txtFreMax, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdCancel);
    grid->addLayout(buttons, 2, 0, 1, 2);
    cmdOk->setDefault(true);
    connect(cmdOk, &QPushButton::clicked, this, &frmCustomFre::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmCustomFre::cmdCancel_Click);
    // The dialog's load is its captions, which have the guard.
    InitFace();
}

void frmCustomFre::InitFace() {
    app::Guarded("frmCustomFre->InitFace", [&] {
        setWindowTitle(app::face(kTextCustomTitle));
        lblFreMin->setText(app::face(kTextCustomMin));
        lblFreMax->setText(app::face(kTextCustomMax));
        cmdOk->setText(app::face(kTextCustomOk));
        cmdCancel->setText(app::face(kTextCustomCancel));
        txtFreMin->setText(QString::fromStdString(WholeMhzText(chMem_.FreBandText(2))));
        txtFreMax->setText(QString::fromStdString(WholeMhzText(chMem_.FreBandText(3))));
    });
}

void frmCustomFre::cmdOk_Click() {
    // After a failure the dialog closes, and the band list shows the band the window holds.
    const auto closed = [this](const app::Caught&) { reject(); };
    app::Guarded("frmCustomFre->cmdOk_Click", closed, [&] {
        auto& s = app::shell();
        const std::string low = txtFreMin->text().toStdString(), high = txtFreMax->text().toStdString();
        const CustomBandCheck check = CheckCustomBand(low, high);
        if (check != CustomBandCheck::Ok) {
            platform::dialogs().message(CustomBandRefusal(check, s.LangIndex), app::text(app::kTextNotice),
                                        platform::Buttons::Ok, platform::Icon::Exclamation);
            return;
        }
        s.MsgAnswer = platform::AnswerYes;
        shell::SetCurrentFile(s.DefFilePath);
        chMem_.SetFreBandText(2, low);
        chMem_.SetFreBandText(3, high);
        model::FreBandSol(model::state(), 2);
        model::FreBandSol(model::state(), 3);
        accept();
    });
}

void frmCustomFre::cmdCancel_Click() {
    reject();
}

} // namespace channels
