#include "app/commands/FileCommands.h"

#include "app/DataFile.h"
#include "app/ErrorReporter.h"
#include "app/Shell.h"
#include "model/Bands.h"
#include "model/ChTable.h"
#include "model/ChannelWindow.h"
#include "model/ImageMap.h"
#include "platform/Dialogs.h"
#include "platform/Failure.h"
#include "platform/FileIo.h"
#include "platform/System.h"

#include <algorithm>
#include <array>

namespace app {
namespace {

constexpr int TextNotice = 70;
constexpr int TextNewQuestion = 74;
constexpr int TextSaveQuestion = 82;
constexpr int TextWrongFile = 83;
constexpr int TextSaveFailed = 84;
constexpr int TextFileName = 85;
constexpr int TextWriteFailed = 86;

FileCommandHooks& hooks() {
    static FileCommandHooks h;
    return h;
}

const std::string& text(int n) {
    return shell().FaceText[n];
}

bool askYes(int question) {
    shell().MsgAnswer = static_cast<std::int16_t>(platform::dialogs().message(
        text(question), text(TextNotice), platform::Buttons::YesNo, platform::Icon::Question));
    return shell().MsgAnswer == platform::AnswerYes;
}

// The table's text, then why, so the user can tell a missing file from a
// damaged one.
void showFailure(int message, const std::string& why) {
    std::string t = text(message);
    if (!why.empty()) t += (t.empty() ? "" : "\n\n") + why;
    platform::dialogs().message(t, text(TextNotice), platform::Buttons::Ok, platform::Icon::Critical);
}

std::string folderOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

platform::FileRequest dataFileRequest() {
    platform::FileRequest r;
    r.filter = DataFileFilter;
    r.initialDir = folderOf(shell().CurFilePath);
    return r;
}

} // namespace

void SetFileCommandHooks(FileCommandHooks h) {
    hooks() = std::move(h);
}

std::string FilePanelText() {
    return text(TextFileName) + shell().CurFilePath;
}

void SetCurrentFile(const std::string& path) {
    shell().CurFilePath = path;
    if (hooks().ShowFilePanel) hooks().ShowFilePanel(FilePanelText());
}

void GenerateDatFolder() {
    const std::string folder = platform::joinPath(platform::programFolder(), "Data");
    if (platform::IoResult r = platform::makeFolder(folder); !r)
        VbErrNumDes("mdifrmMain->GenerateDatFolder", platform::Failure(r.error));
    // The names stand even without the folder: a save there then fails
    // visibly, and any other folder can be chosen.
    shell().DefFilePath = platform::joinPath(folder, "Untitled.LDat");
    SetCurrentFile(shell().DefFilePath);
}

bool NewFileSol(model::ModelState& m) {
    namespace map = model::map;
    std::array<std::uint8_t, map::BandAndModelSize> kept;
    const auto keptAt = m.IicDat.begin() + map::FreRangeBlock;
    std::copy(keptAt, keptAt + kept.size(), kept.begin());
    const platform::IoResult loaded = InitTempArray(m.IicDat);
    std::copy(kept.begin(), kept.end(), keptAt);
    if (!loaded) showFailure(TextWrongFile, loaded.error);

    model::frmChMem().HideCtdcs();
    model::SoftDisplay(m);
    return bool(loaded);
}

void NewFile(model::ModelState& m) {
    try {
        if (!askYes(TextNewQuestion)) return;
        if (NewFileSol(m)) SetCurrentFile(shell().DefFilePath);
    } catch (const std::exception& e) {
        VbErrNumDes("mdifrmMain->NewFile", e);
    }
}

void OpenFile(const std::string& path, model::ModelState& m,
              const std::function<void(std::span<std::uint8_t, 65536>)>& adjust) {
    try {
        std::string file = path;
        if (file.empty()) {
            std::optional<std::string> chosen = platform::dialogs().openFile(dataFileRequest());
            if (!chosen || chosen->empty()) return;
            file = *chosen;
        }
        ReadDataFile(file, m.IicDat, adjust);
        // The image now is the file's, whatever the refresh does.
        SetCurrentFile(file);
        model::SoftDisplay(m);
    } catch (const std::exception& e) {
        VbErrNumDes("mdifrmMain->OpenFile", e);
        showFailure(TextWrongFile, e.what());
    }
}

void SaveFile(model::ModelState& m) {
    try {
        if (hooks().TakeFocus) hooks().TakeFocus();
        if (askYes(TextSaveQuestion)) SaveAsFile(m);
    } catch (const std::exception& e) {
        VbErrNumDes("mdifrmMain->SaveFile", e);
        showFailure(TextSaveFailed, e.what());
    }
}

void SaveAsFile(model::ModelState& m) {
    try {
        platform::FileRequest request = dataFileRequest();
        request.defaultExt = DataFileExtension;
        std::optional<std::string> chosen = platform::dialogs().saveFile(request);
        if (!chosen || chosen->empty()) return;
        SaveDatFile(*chosen, m);
    } catch (const std::exception& e) {
        VbErrNumDes("mdifrmMain->SaveAsFile", e);
        showFailure(TextWriteFailed, e.what());
    }
}

bool SaveDatFile(const std::string& path, model::ModelState& m) {
    try {
        model::ChInfoToIicDat(m);
        WriteDataFile(path, m.IicDat);
        SetCurrentFile(path);
        return true;
    } catch (const std::exception& e) {
        VbErrNumDes("mdifrmMain->SaveDatFile", e);
        showFailure(TextWriteFailed, e.what());
        return false;
    }
}

} // namespace app
