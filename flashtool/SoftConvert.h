#pragma once
// The firmware converter: turns an Intel HEX firmware file into the program
// text of a built-in image, two procedures that store each line in
// gstrFlashSoft under the model code and version stamped into the file,
// written as section SoftConvert of an INI-syntax output file.
#include "link/FirmwareTable.h"

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace flashtool {

// The converter's three input files, in the production folder.
inline constexpr int SoftFileCount = 3;
std::string SoftFilePath(int index); // index 0-2
// The output the converter proposes: <production folder>/其它/SoftConvert.txt
std::string DefaultSaveAddr();

inline constexpr const char* SoftConvertSection = "SoftConvert";
// Lines 0-2000 go into the first procedure, the rest into the second.
inline constexpr int FirstProcedureLast = 2000;

// The fields a conversion shows: model code, version, day, identity.
struct SoftFields {
    std::string code;
    std::string version;
    std::string day;
    std::string identity;
};

struct ConvertOutcome {
    bool ok = false;
    std::string message;              // what is wrong, when not ok
    std::optional<SoftFields> fields; // known once the file passed its checks
};

// The entries of the output section for the lines 0..end record.
std::vector<std::pair<std::string, std::string>> SoftConvertEntries(const std::vector<std::string>& lines,
                                                                    const std::string& code,
                                                                    const std::string& version,
                                                                    const std::string& name);

// Reads the input, checks it as the HEX loader does (and that it carries an
// identity record among its first 5,001 lines, a model code 100-125 at
// 0x1C24 and a version of two BCD digits 0-30 at 0x1C20), then rewrites
// section SoftConvert of the output whole, creating the output's folder
// when missing. Nothing is written for a file that fails.
ConvertOutcome SoftConvert(const std::string& input, const std::string& output,
                           const radiolink::FirmwareState& fw);

} // namespace flashtool
