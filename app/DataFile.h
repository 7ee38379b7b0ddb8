#pragma once
// The program's data file: image pages 50-59 and 62 (0xC800-0xEFFF, then
// 0xF800-0xFBFF) under three substitution tables drawn afresh for every
// write and stored in the same 12,800 bytes.
//
// Layout: block m (0-1023) is 12 bytes at 12m, eleven scrambled payload
// bytes followed by one table byte (A0, A1, B0, B1 for blocks 0-255, 256-511,
// 512-767, 768-1023); offsets 12288-12799 hold the pairs (A2[n], B2[n]).
// Payload pair n mod 256 is scrambled as
//   S[k] = A2[n] + A0[P[k]],  S[k+1] = B2[n] + A1[P[k+1]]  (mod 256).
//
// A file that is missing, shorter than 12,800 bytes or whose B0 and B1 are
// not permutations is refused before any image byte changes; bytes past
// 12,800 are ignored. Writes go to a temporary file renamed over the old one.
#include "platform/FileIo.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace app {

using ImageSpan = std::span<std::uint8_t, 65536>;
using ConstImageSpan = std::span<const std::uint8_t, 65536>;
// A change a reader makes to the image once a file's bytes are in, before
// anything shows them (the restore of the defaults keeps the alignment area).
using ImageAdjust = std::function<void(ImageSpan)>;

inline constexpr std::size_t DataFileSize = 12800;
inline constexpr std::size_t DataPayloadSize = 11264;
// The two image areas the file carries.
inline constexpr std::uint32_t DataArea1First = 0xC800, DataArea1Last = 0xEFFF;
inline constexpr std::uint32_t DataArea2First = 0xF800, DataArea2Last = 0xFBFF;

// A permutation of 0-255 (A) and its inverse (B): B[A[x]] == x.
struct SubstitutionTable {
    std::array<std::uint8_t, 256> A{};
    std::array<std::uint8_t, 256> B{};
};

// Draws a table from the program's generator (platform::Random).
SubstitutionTable DrawSubstitutionTable();

// The 12,800 bytes of a file carrying the image's two areas under the given
// tables (t[0] even bytes, t[1] odd bytes, t[2] the key streams).
platform::Bytes EncodeDataFile(ConstImageSpan image, const std::array<SubstitutionTable, 3>& t);

// Puts the payload of a data file into the image's two areas; throws
// platform::Failure, changing nothing, when the bytes are no data file.
void DecodeDataFile(std::span<const std::uint8_t> file, ImageSpan image);

// Reads a data file into the image, then refreshes the flash grid and the
// alignment display (app/ImageViews.h). Throws platform::Failure (the
// reason for the user, in the interface language) and leaves the image
// untouched when the file cannot be read or is no data file. `adjust`, when
// given, runs on the image once the file's bytes are in, before the flash
// grid and the alignment display show them.
void ReadDataFile(const std::string& path, ImageSpan image, const ImageAdjust& adjust = {});

// Writes the image's two areas as they stand, with freshly drawn tables.
// Throws platform::Failure (the reason, in the interface language) when the
// file cannot be written; the old file is then intact.
void WriteDataFile(const std::string& path, ConstImageSpan image);

// Path of the default image zezirev.def in the program folder.
std::string DefaultImagePath();

// Reads the default image into the image. Reports a failure under
// "mdifrmMain->InitTempArray" and returns it; the image is then unchanged.
platform::IoResult InitTempArray(ImageSpan image);

} // namespace app
