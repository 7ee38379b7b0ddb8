// The channel window's calls for its settings pages: what the model shows in
// their boxes and grids goes to the pages' logic, whose changes the settings
// controls show; the window's load lays the side grids out and fills the
// option lists; a load of the image shows each control it changes.
#include "channels/ui/frmChMem.h"

#include "channels/SettingsLists.h"
#include "channels/SettingsPages.h"
#include "channels/SettingsState.h"
#include "channels/ui/SettingsControls.h"

#include "app/Shell.h"

namespace channels {
namespace {

model::ModelState& m() {
    return model::state();
}

} // namespace

void frmChMem::InitSideGrids() {
    channels::InitSideGrids(settingsPages(), app::shell().LangIndex);
}

void frmChMem::SetOptList() {
    channels::SetOptList(settingsPages(), m());
    for (auto& page : pages_) page->SetOptList();
}

void frmChMem::InitOpt() {
    channels::InitOpt(settingsPages(), m());
}

std::string frmChMem::PcText(int index) {
    return settingsPages().txtPc.at(static_cast<std::size_t>(index)).Text;
}

void frmChMem::SetPcText(int index, const std::string& text) {
    channels::SetPcText(settingsPages(), m(), index, text);
}

void frmChMem::SetPhoneBookText(int row, int col, const std::string& text) {
    channels::SetPhoneBookText(settingsPages().grids, row, col, text);
}

void frmChMem::SetRdWrCodeText(const std::string& text) {
    channels::SetRdWrCodeText(settingsPages().rdWr, text);
}

void frmChMem::SetNewRdWrCodeText(const std::string& text) {
    channels::SetNewRdWrCodeText(settingsPages().rdWr, text);
}

} // namespace channels
