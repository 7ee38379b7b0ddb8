#include "channels/ui/frmSetVolume.h"

#include "app/ui/FaceFont.h"
#include "app/ui/GuardedThenShown.h"
#include "platform/ui/Twips.h"
#include "platform/ui/Widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace channels {
namespace {

constexpr int FirstLevel = 1, LastLevel = 10;

} // namespace

frmSetVolume::frmSetVolume(model::ModelState& m, QWidget* parent) : QDialog(parent), m_(m) {
    setObjectName(QStringLiteral("frmSetVolume"));
    setModal(true);
    fraMain = new QGroupBox(this);
    auto* grid = new QGridLayout(fraMain);
    for (int i = FirstLevel; i <= LastLevel; ++i) {
        const auto k = static_cast<std::size_t>(i);
        lblVolumeLevel[k] = new QLabel(fraMain);
        cboVolumeDat[k] = new QComboBox(fraMain);
        cboVolumeDat[k]->setObjectName(QString("cboVolumeDat_%1").arg(i));
        cboVolumeDat[k]->setMaxVisibleItems(20);
        cboVolumeDat[k]->setMinimumWidth(platform::twips(1365));
        grid->addWidget(lblVolumeLevel[k], i - 1, 0);
        grid->addWidget(cboVolumeDat[k], i - 1, 1);
        connect(cboVolumeDat[k], &QComboBox::activated, this, [this, i](int position) {
            app::GuardedThenShown("frmSetVolume->cboVolumeDat_Click", *this,
                                  [&] { SetVolumeListIndex(d_, m_, i, position); });
        });
    }
    cmdDefault = new QPushButton(fraMain);
    chkVolumeIic = new QCheckBox(fraMain);
    chkVolMode = new QCheckBox(fraMain);
    grid->addWidget(cmdDefault, LastLevel, 0);
    grid->addWidget(chkVolumeIic, LastLevel, 1);
    grid->addWidget(chkVolMode, LastLevel + 1, 1);
    cmdOk = new QPushButton(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fraMain);
    layout->addWidget(cmdOk, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(chkVolumeIic, &QCheckBox::clicked, this, [this](bool ticked) {
        app::GuardedThenShown("frmSetVolume->chkVolumeIic_Click", *this,
                              [&] { SetVolumeIic(d_, m_, ticked ? 1 : 0); });
    });
    connect(chkVolMode, &QCheckBox::clicked, this, [this](bool ticked) {
        app::GuardedThenShown("frmSetVolume->chkVolMode_Click", *this,
                              [&] { SetVolMode(d_, m_, ticked ? 1 : 0); });
    });
    connect(cmdDefault, &QPushButton::clicked, this, [this] {
        app::GuardedThenShown("frmSetVolume->cmdDefault_Click", *this, [&] { cmdDefault_Click(d_, m_); });
    });
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);

    InitFace();
    app::GuardedThenShown("frmSetVolume->Form_Load", *this, [&] { frmSetVolume_Load(d_, m_); });
}

frmSetVolume::~frmSetVolume() = default;

void frmSetVolume::InitFace() {
    const VolumeTexts t = VolumeDialogTexts();
    setWindowTitle(QString::fromStdString(t.Caption));
    for (int i = FirstLevel; i <= LastLevel; ++i)
        lblVolumeLevel[static_cast<std::size_t>(i)]->setText(
            QString::fromStdString(t.lblVolumeLevel[static_cast<std::size_t>(i)]));
    cmdDefault->setText(QString::fromStdString(t.cmdDefault));
    chkVolumeIic->setText(QString::fromStdString(t.chkVolumeIic));
    chkVolMode->setText(QString::fromStdString(t.chkVolMode));
    cmdOk->setText(QString::fromStdString(t.cmdOk));
    app::UseFaceFont({this});
}

void frmSetVolume::ShowState() {
    for (int i = FirstLevel; i <= LastLevel; ++i)
        platform::show(cboVolumeDat[static_cast<std::size_t>(i)],
                       d_.cboVolumeDat[static_cast<std::size_t>(i)]);
    platform::show(chkVolumeIic, d_.chkVolumeIic);
    platform::show(chkVolMode, d_.chkVolMode);
}

} // namespace channels
