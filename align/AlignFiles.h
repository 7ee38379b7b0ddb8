#pragma once
// The alignment window's data files: they live in the factory's production
// folder, 生产文件 in the user's home, in one subfolder per radio series,
// with an extension that names the model.
#include "model/Model.h"
#include "platform/Dialogs.h"
#include "platform/FileIo.h"

#include <optional>
#include <string>

namespace align {

// Creates what is missing of 生产文件 and its subfolders 1846S系列, 1846系列
// and 1845系列, in that order.
platform::IoResult MakeAlignmentFolders();

// The data-file dialog for model list index m (-1 while none is chosen):
// 1845系列 with "Dat5i<m+1>" for m = 31 or m <= 21 (but not 18), 1846系列 with
// "Dat6i<m+1>" for 18 and 22-99, 1846S系列 with "Dat6s<m+1>" for 100-149;
// no folder and no extension otherwise. The file name starts empty.
platform::FileRequest AlignmentFileRequest(int m);

// cmdReadDat: creates the folders, asks with the Open dialog and reads the
// file into the image; the alignment display follows through the reader,
// and the channel window then shows the image. The path read, or nothing
// when the user cancelled or the read was refused: the user is then told
// why (text 83 and the reason, as File Open does) and the image is as it
// was.
std::optional<std::string> cmdReadDat_Click(int m, model::ModelState& state);

// cmdSaveDat: creates the folders, asks with the Save dialog and writes the
// image's data pages as they stand. The path written, or nothing when the
// user cancelled or the write failed (the user is told why; an old file
// stays intact).
std::optional<std::string> cmdSaveDat_Click(int m, const model::Image& image);

} // namespace align
