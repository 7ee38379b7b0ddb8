#include "shell/FileCommands.h"

#include "app/DataFile.h"
#include "app/ErrorReporter.h"
#include "app/FaceText.h"
#include "app/Shell.h"
#include "model/Bands.h"
#include "model/ChTable.h"
#include "model/ChannelWindow.h"
#include "model/ImageMap.h"
#include "platform/Dialogs.h"
#include "platform/Failure.h"
#include "platform/FileIo.h"
#include "platform/System.h"
#include "shell/MainWindowHost.h"
#include "shell/ShellTexts.h"

#include <algorithm>
#include <array>

namespace shell {
namespace {

using app::text;

bool askYes(int question) {
    app::shell().MsgAnswer = static_cast<std::int16_t>(platform::dialogs().message(
        text(question), text(app::kTextNotice), platform::Buttons::YesNo, platform::Icon::Question));
    return app::shell().MsgAnswer == platform::AnswerYes;
}

std::string folderOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

platform::FileRequest dataFileRequest() {
    platform::FileRequest r;
    r.filter = DataFileFilter;
    r.initialDir = folderOf(app::shell().CurFilePath);
    return r;
}

} // namespace

// The table's text, then why, so the user can tell a missing file from a
// damaged one.
void ShowFileFailure(int message, const std::string& why) {
    std::string t = text(message);
    if (!why.empty()) t += (t.empty() ? "" : "\n\n") + why;
    platform::dialogs().message(t, text(app::kTextNotice), platform::Buttons::Ok, platform::Icon::Critical);
}

std::string FilePanelText() {
    return text(kTextFileName) + app::shell().CurFilePath;
}

void SetCurrentFile(const std::string& path) {
    app::shell().CurFilePath = path;
    platform::host<MainWindowHost>().ShowFilePanel(FilePanelText());
}

void GenerateDatFolder() {
    const std::string folder = platform::joinPath(platform::programFolder(), "Data");
    if (platform::IoResult r = platform::makeFolder(folder); !r)
        app::VbErrNumDes("mdifrmMain->GenerateDatFolder", platform::Failure(r.error));
    // The names stand even without the folder: a save there then fails
    // visibly, and any other folder can be chosen.
    app::shell().DefFilePath = platform::joinPath(folder, "Untitled.LDat");
    SetCurrentFile(app::shell().DefFilePath);
}

bool NewFileSol(model::ModelState& m) {
    namespace map = model::map;
    std::array<std::uint8_t, map::BandAndModelSize> kept;
    const auto keptAt = m.IicDat.begin() + map::FreRangeBlock;
    std::copy(keptAt, keptAt + kept.size(), kept.begin());
    const platform::IoResult loaded = app::InitTempArray(m.IicDat);
    std::copy(kept.begin(), kept.end(), keptAt);
    if (!loaded) ShowFileFailure(kTextWrongFile, loaded.error);

    model::frmChMem().HideCtdcs();
    model::SoftDisplay(m);
    return bool(loaded);
}

void NewFile(model::ModelState& m) {
    app::Guarded("mdifrmMain->NewFile", [&] {
        if (!askYes(kTextNewQuestion)) return;
        if (NewFileSol(m)) SetCurrentFile(app::shell().DefFilePath);
    });
}

void OpenFile(const std::string& path, model::ModelState& m, const app::ImageAdjust& adjust) {
    const auto tell = [](const app::Caught& c) { ShowFileFailure(kTextWrongFile, c.reason()); };
    app::Guarded("mdifrmMain->OpenFile", tell, [&] {
        std::string file = path;
        if (file.empty()) {
            std::optional<std::string> chosen = platform::dialogs().openFile(dataFileRequest());
            if (!chosen || chosen->empty()) return;
            file = *chosen;
        }
        app::ReadDataFile(file, m.IicDat, adjust);
        // The image now is the file's, whatever the refresh does.
        SetCurrentFile(file);
        model::SoftDisplay(m);
    });
}

SaveOutcome SaveFile(model::ModelState& m) {
    SaveOutcome outcome = SaveOutcome::NotSaved;
    const auto tell = [](const app::Caught& c) { ShowFileFailure(kTextSaveFailed, c.reason()); };
    app::Guarded("mdifrmMain->SaveFile", tell, [&] {
        platform::host<MainWindowHost>().TakeFocus();
        if (!askYes(kTextSaveQuestion)) {
            outcome = SaveOutcome::Declined;
            return;
        }
        if (SaveAsFile(m)) outcome = SaveOutcome::Saved;
    });
    return outcome;
}

bool SaveAsFile(model::ModelState& m) {
    bool saved = false;
    const auto tell = [](const app::Caught& c) { ShowFileFailure(kTextWriteFailed, c.reason()); };
    app::Guarded("mdifrmMain->SaveAsFile", tell, [&] {
        platform::FileRequest request = dataFileRequest();
        request.defaultExt = DataFileExtension;
        std::optional<std::string> chosen = platform::dialogs().saveFile(request);
        if (chosen && !chosen->empty()) saved = SaveDatFile(*chosen, m);
    });
    return saved;
}

bool SaveDatFile(const std::string& path, model::ModelState& m) {
    // A save that fails leaves the image as it was; the table keeps the edits.
    const model::Image before = m.IicDat;
    const auto putBack = [&](const app::Caught& c) {
        m.IicDat = before;
        ShowFileFailure(kTextWriteFailed, c.reason());
    };
    return app::Guarded("mdifrmMain->SaveDatFile", putBack, [&] {
        model::ChInfoToIicDat(m);
        app::WriteDataFile(path, m.IicDat);
        SetCurrentFile(path);
    });
}

} // namespace shell
