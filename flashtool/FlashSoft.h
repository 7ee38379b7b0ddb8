#pragma once
// The image store gstrFlashSoft: the built-in firmware images by model code
// (100-125) and version number (0-30), and what the firmware window and the
// converter read of an image.
#include "link/FirmwareTable.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace flashtool {

// Version numbers 0-30: the two BCD digits of an image's version byte.
inline constexpr int LastVersionNumber = 30;

// The lines stored for (model, version), the end record last; empty when
// the program carries no image for them.
std::span<const char* const> gstrFlashSoft(int model, int version);

// GetFlashSoftHex: a fresh copy of those lines.
std::vector<std::string> GetFlashSoftHex(int model, int version);

// The identity (characters 10-19 of the first line that begins
// ":101C2000") among lines 0..lastLine; nullopt without such a line.
std::optional<std::string> FindIdentity(std::span<const std::string> lines, int lastLine);
inline constexpr const char* IdentityRecordStart = ":101C2000";

// The version names of a model (columns 2, 3, ... up to the first empty).
std::vector<std::string> VersionNames(const radiolink::FirmwareState& fw, int model);

// The write-selected-version box: the model's versions after list position
// `position` are dropped from the table, so the selected one is its newest.
void TrimVersionsAfter(radiolink::FirmwareState& fw, int model, int position);

} // namespace flashtool
