#include "align/AlignFiles.h"

#include "align/AdjMode.h"
#include "app/DataFile.h"
#include "app/ErrorReporter.h"
#include "app/FaceText.h"
#include "app/Reasons.h"
#include "platform/Failure.h"
#include "platform/ProductionFolder.h"
#include "platform/System.h"
#include "shell/FileCommands.h"
#include "shell/ShellTexts.h"

namespace align {
namespace {

// The folders first, then the dialog; false when the folders cannot be made
// (the user has been told).
bool foldersReady(const char* tag) {
    const platform::IoResult made = MakeAlignmentFolders();
    if (made) return true;
    app::VbErrNumDes(tag, platform::Failure(made.error));
    platform::dialogs().message(app::IoText(made), app::text(app::kTextNotice), platform::Buttons::Ok,
                                platform::Icon::Critical);
    return false;
}

} // namespace

platform::IoResult MakeAlignmentFolders() {
    using namespace platform;
    return makeProductionFolders({Series1846SFolder, Series1846Folder, Series1845Folder});
}

platform::FileRequest AlignmentFileRequest(int m) {
    const char* folder = nullptr;
    std::string ext;
    const std::string number = std::to_string(m + 1);
    if ((m == 31 || m <= 21) && m != 18) {
        folder = platform::Series1845Folder;
        ext = "Dat5i" + number;
    } else if ((m > 21 && m < 100) || m == 18) {
        folder = platform::Series1846Folder;
        ext = "Dat6i" + number;
    } else if (m >= 100 && m < 150) {
        folder = platform::Series1846SFolder;
        ext = "Dat6s" + number;
    }
    platform::FileRequest r;
    if (folder) r.initialDir = platform::productionPath({folder});
    if (!ext.empty()) r.filter = ext + "(*." + ext + ")|*." + ext;
    r.defaultExt = ext;
    return r;
}

std::optional<std::string> cmdReadDat_Click(int m, model::ModelState& state) {
    const char* tag = "frmAdjMode->cmdReadDat_Click";
    if (!foldersReady(tag)) return std::nullopt;
    const std::optional<std::string> chosen = platform::dialogs().openFile(AlignmentFileRequest(m));
    if (!chosen || chosen->empty()) return std::nullopt;
    const auto tell = [](const app::Caught& c) { shell::ShowFileFailure(shell::kTextWrongFile, c.reason()); };
    if (!app::Guarded(tag, tell, [&] { AdjReadDataFile(*chosen, state); })) return std::nullopt;
    return chosen;
}

std::optional<std::string> cmdSaveDat_Click(int m, const model::Image& image) {
    const char* tag = "frmAdjMode->cmdSaveDat_Click";
    if (!foldersReady(tag)) return std::nullopt;
    const std::optional<std::string> chosen = platform::dialogs().saveFile(AlignmentFileRequest(m));
    if (!chosen || chosen->empty()) return std::nullopt;
    const auto tell = [](const app::Caught& c) {
        shell::ShowFileFailure(shell::kTextWriteFailed, c.reason());
    };
    if (!app::Guarded(tag, tell, [&] { app::WriteDataFile(*chosen, image); })) return std::nullopt;
    return chosen;
}

} // namespace align
