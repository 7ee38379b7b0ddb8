#pragma once
// The main window's file commands: New, Open, Save and Save As of the
// user's data files, the reload of the default image and the current file.
//
// Each command owns its operation: it catches every failure, reports it
// under its tag ("mdifrmMain->OpenFile") and tells the user in a message box
// (title text 70). A file that cannot be read or written changes nothing:
// not the image, not the channel window, not CurFilePath. Questions and file
// dialogs go through platform::dialogs(). Every command takes the model it
// works on; the main window passes none and gets the program's.
//
// What the commands need of the main window goes through MainWindowHost;
// the commands never touch a window of their own.
//
// Before SaveFile and SaveAsFile the main window commits a pending tone edit
// of the channel grid (frmChMem.cboGridChCtdcs_LostFocus).
#include "app/DataFile.h"
#include "model/Model.h"

#include <string>

namespace shell {

// Tells the user that a file could not be read or written: the text table's
// entry `message`, then why.
void ShowFileFailure(int message, const std::string& why);

// Both file dialogs; the program saves its files as .LDat.
inline constexpr const char* DataFileFilter = "DudData File(*.DudDat;*.LDat)|*.DudDat;*.LDat";
inline constexpr const char* DataFileExtension = "LDat";

// Text 85 "File Name:" followed directly by CurFilePath.
std::string FilePanelText();

// Makes path the current file and shows it in status panel 3. The custom
// band dialog uses it with DefFilePath.
void SetCurrentFile(const std::string& path);

// Start-up: creates the folder Data in the program folder when missing and
// makes Data/Untitled.LDat the default and the current file.
void GenerateDatFolder();

// File > New: asks text 74; on Yes reloads the default image and makes the
// default file current. When the default image cannot be read the user is
// told and the image and the current file stay as they were.
void NewFile(model::ModelState& m = model::state());

// Reloads the default image keeping the band block and the model byte
// (0xE700-0xE710), hides the tone drop-down and refreshes the channel window.
// The current file stays. Tells the user when the default image cannot be
// read (the image is then unchanged) and returns false. A failure of the
// refresh passes to the caller.
bool NewFileSol(model::ModelState& m = model::state());

// Reads a data file (an empty path asks with the Open dialog; cancelling
// changes nothing), refreshes the channel window and makes the file current.
// A file that cannot be read or is no data file shows text 83 with the
// reason and changes nothing. `adjust` runs on the image once the file's
// bytes are in, before anything shows them (see ReadDataFile).
void OpenFile(const std::string& path, model::ModelState& m = model::state(),
              const app::ImageAdjust& adjust = {});

// What Save came to.
enum class SaveOutcome {
    Declined, // the user answered No
    Saved,
    NotSaved, // the Save dialog was cancelled, or the file was not written (the user was told)
};
// File > Save: asks text 82 and on Yes saves as.
SaveOutcome SaveFile(model::ModelState& m = model::state());

// File > Save As: asks for a name with the Save dialog (cancelling changes
// nothing) and saves there; true when the file was written.
bool SaveAsFile(model::ModelState& m = model::state());

// Encodes the channel table into the image and writes the data file; on
// success the file becomes current. A failed write shows text 86 with the
// reason, leaves any old file at that path intact and the image and the
// current file as they were, and returns false.
bool SaveDatFile(const std::string& path, model::ModelState& m = model::state());

} // namespace shell
