#include "tests/support/ChannelStandIn.h"

#include "model/Bands.h"
#include "model/ChGridLayout.h"
#include "model/ChTable.h"
#include "model/Tones.h"
#include "shell/FileCommands.h"

namespace testsupport {

ChannelStandIn::ChannelStandIn(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmChMem"));
}

void ChannelStandIn::InitChMem() {
    model::ModelState& m = model::state();
    model::GenCtdcsList(m);
    model::ReadChInfo(m);
    model::InitChTable(m, -1, -1);
    // Band preset 7 as the band list applies it, then the default image.
    const model::BandPreset& preset = model::BandPresets[model::DefaultPresetIndex];
    presetIndex = model::DefaultPresetIndex;
    bandBoxes = {"69", "70", preset.low, preset.high};
    model::FreBandSol(m, 2);
    model::FreBandSol(m, 3);
    shell::NewFileSol(m);
}

// Without a grid the table still follows the image, so a save or write
// encodes what was loaded.
void ChannelStandIn::ShowChTblGrid() {
    model::IicDatToChInfo(model::state());
}

void ChannelStandIn::SetCaption(const std::string& text) {
    setWindowTitle(QString::fromStdString(text));
}

} // namespace testsupport
