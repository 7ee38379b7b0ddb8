#include "app/ui/ChannelStandIn.h"

#include "model/Bands.h"
#include "model/ChGridLayout.h"
#include "model/ChTable.h"
#include "model/Tones.h"

namespace app {

ChannelStandIn::ChannelStandIn(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("frmChMem"));
}

void ChannelStandIn::InitChMem() {
    model::ModelState& m = model::state();
    model::GenCtdcsList(m);
    model::ReadChInfo(m);
    model::InitChTable(m, -1, -1);
    presetIndex = model::DefaultPresetIndex;
}

// Without a grid the table still follows the image, so a save or write
// encodes what was loaded.
void ChannelStandIn::ShowChTblGrid() {
    model::IicDatToChInfo(model::state());
}

void ChannelStandIn::SetCaption(const std::string& text) {
    setWindowTitle(QString::fromStdString(text));
}

} // namespace app
