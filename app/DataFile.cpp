#include "app/DataFile.h"

#include "app/ErrorReporter.h"
#include "app/FaceText.h"
#include "app/ImageViews.h"
#include "app/Reasons.h"
#include "platform/Failure.h"
#include "platform/Host.h"
#include "platform/System.h"

#include <filesystem>

namespace app {
namespace {

constexpr std::size_t BlockCount = 1024;
constexpr std::size_t BlockPayload = 11;
constexpr std::size_t BlockSize = 12;
constexpr std::size_t KeyOffset = BlockCount * BlockSize; // 12288: the (A2, B2) pairs
constexpr std::size_t Area1Size = DataArea1Last - DataArea1First + 1;

// Image address of payload byte j.
std::size_t imageAddress(std::size_t j) {
    return j < Area1Size ? DataArea1First + j : DataArea2First + (j - Area1Size);
}

// File offset of payload byte k: eleven of them to a block.
std::size_t fileOffset(std::size_t k) {
    return (k / BlockPayload) * BlockSize + k % BlockPayload;
}

bool isPermutation(const std::array<std::uint8_t, 256>& t) {
    std::array<bool, 256> seen{};
    for (std::uint8_t v : t) {
        if (seen[v]) return false;
        seen[v] = true;
    }
    return true;
}

} // namespace

SubstitutionTable DrawSubstitutionTable() {
    auto& rng = platform::Random::instance();
    SubstitutionTable t;
    std::array<bool, 256> used{};
    for (int d = 0; d < 256; ++d) {
        int e;
        do e = rng.between(0, 255);
        while (used[e]);
        used[e] = true;
        t.A[e] = static_cast<std::uint8_t>(d);
        t.B[d] = static_cast<std::uint8_t>(e);
    }
    return t;
}

platform::Bytes EncodeDataFile(ConstImageSpan image, const std::array<SubstitutionTable, 3>& t) {
    platform::Bytes file(DataFileSize);
    for (std::size_t k = 0; k < DataPayloadSize; k += 2) {
        const std::size_t n = (k / 2) % 256;
        file[fileOffset(k)] = static_cast<std::uint8_t>(t[2].A[n] + t[0].A[image[imageAddress(k)]]);
        file[fileOffset(k + 1)] = static_cast<std::uint8_t>(t[2].B[n] + t[1].A[image[imageAddress(k + 1)]]);
    }
    for (std::size_t m = 0; m < BlockCount; ++m) {
        const auto& table = m < 512 ? (m < 256 ? t[0].A : t[1].A) : (m < 768 ? t[0].B : t[1].B);
        file[m * BlockSize + BlockPayload] = table[m % 256];
    }
    for (std::size_t n = 0; n < 256; ++n) {
        file[KeyOffset + 2 * n] = t[2].A[n];
        file[KeyOffset + 2 * n + 1] = t[2].B[n];
    }
    return file;
}

void DecodeDataFile(std::span<const std::uint8_t> file, ImageSpan image) {
    if (file.size() < DataFileSize)
        throw platform::Failure(text(TextKey::DataFileShort, std::to_string(file.size())));
    std::array<std::uint8_t, 256> b0, b1, a2, b2;
    for (std::size_t n = 0; n < 256; ++n) {
        b0[n] = file[(512 + n) * BlockSize + BlockPayload];
        b1[n] = file[(768 + n) * BlockSize + BlockPayload];
        a2[n] = file[KeyOffset + 2 * n];
        b2[n] = file[KeyOffset + 2 * n + 1];
    }
    if (!isPermutation(b0) || !isPermutation(b1)) throw platform::Failure(text(TextKey::DataFileDamaged));

    std::array<std::uint8_t, DataPayloadSize> plain;
    for (std::size_t k = 0; k < DataPayloadSize; k += 2) {
        const std::size_t n = (k / 2) % 256;
        plain[k] = b0[static_cast<std::uint8_t>(file[fileOffset(k)] - a2[n])];
        plain[k + 1] = b1[static_cast<std::uint8_t>(file[fileOffset(k + 1)] - b2[n])];
    }
    // Nothing in the image changes before the whole file has been decoded.
    for (std::size_t j = 0; j < DataPayloadSize; ++j) image[imageAddress(j)] = plain[j];
}

void ReadDataFile(const std::string& path, ImageSpan image, const ImageAdjust& adjust) {
    // Only a plain file: opening a device or a pipe could block.
    if (!platform::fileExists(path)) {
        using platform::IoProblem;
        std::error_code ec;
        const IoProblem problem = platform::isDirectory(path)         ? IoProblem::IsFolder
                                  : std::filesystem::exists(path, ec) ? IoProblem::NotAFile
                                                                      : IoProblem::NoSuchFile;
        throw platform::Failure(IoText(platform::IoResult::failure(problem, path)));
    }
    platform::Bytes file;
    if (platform::IoResult r = platform::readFile(path, file, DataFileSize); !r)
        throw platform::Failure(IoText(r));
    try {
        DecodeDataFile(file, image);
    } catch (const platform::Failure& e) {
        throw platform::Failure(WithCause(path, e.what()));
    }
    if (adjust) adjust(image);
    platform::host<FlashGridHost>().RefreshFlashRange(DataArea1First, DataArea2Last);
    platform::host<AlignmentDisplayHost>().AdjParaShow();
}

void WriteDataFile(const std::string& path, ConstImageSpan image) {
    const std::array<SubstitutionTable, 3> tables{DrawSubstitutionTable(), DrawSubstitutionTable(),
                                                  DrawSubstitutionTable()};
    if (platform::IoResult r = platform::writeFileAtomic(path, EncodeDataFile(image, tables)); !r)
        throw platform::Failure(IoText(r));
}

std::string DefaultImagePath() {
    return platform::joinPath(platform::programFolder(), "zezirev.def");
}

platform::IoResult InitTempArray(ImageSpan image) {
    platform::IoResult read;
    const auto failed = [&](const Caught& c) { read = platform::IoResult::failure(c.reason()); };
    Guarded("mdifrmMain->InitTempArray", failed, [&] { ReadDataFile(DefaultImagePath(), image); });
    return read;
}

} // namespace app
