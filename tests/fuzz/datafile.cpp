// The data-file reader: any bytes as a file opened with File > Open.
// - A refused file leaves the image and the current file as they were.
// - A file that is read becomes the current file and changes the image in
//   its two areas only (the band-1 placeholder aside, which the refresh
//   writes); encoding what it decoded to with the file's own tables gives the
//   file's bytes back, all but the table bytes no reader uses.
// - What was read, written and read again is the same image.
#include "app/DataFile.h"
#include "app/ErrorReporter.h"
#include "app/Shell.h"
#include "model/ImageMap.h"
#include "model/Model.h"
#include "platform/Failure.h"
#include "shell/FileCommands.h"
#include "tests/fuzz/FuzzSupport.h"

#include <algorithm>
#include <fstream>
#include <memory>

namespace {

namespace map = model::map;

struct OpenFailures : app::ErrorReportHost {
    int count = 0;
    void Reported(const std::string& tag) override { count += tag == "mdifrmMain->OpenFile"; }
};

bool inAreas(std::size_t a) {
    return (a >= app::DataArea1First && a <= app::DataArea1Last) ||
           (a >= app::DataArea2First && a <= app::DataArea2Last);
}

// Every byte a value of its own, so that a byte moved to the wrong place shows.
model::Image pattern(unsigned seed) {
    model::Image image;
    for (std::size_t a = 0; a < image.size(); ++a)
        image[a] = static_cast<std::uint8_t>(a * 7 + a / 251 + seed);
    return image;
}

// The tables a file was written with, as far as it holds them: the
// substitutions from their inverses, the two key streams as stored.
std::array<app::SubstitutionTable, 3> tablesOf(const std::uint8_t* file) {
    std::array<app::SubstitutionTable, 3> t;
    for (int n = 0; n < 256; ++n) {
        t[0].B[n] = file[(512 + n) * 12 + 11];
        t[1].B[n] = file[(768 + n) * 12 + 11];
        t[2].A[n] = file[12288 + 2 * n];
        t[2].B[n] = file[12288 + 2 * n + 1];
    }
    for (int c = 0; c < 2; ++c)
        for (int x = 0; x < 256; ++x) t[c].A[t[c].B[x]] = static_cast<std::uint8_t>(x);
    return t;
}

void writeFile(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::quiet();
    const std::string path = fuzz::workFolder() + "/input.LDat";
    const std::string again = fuzz::workFolder() + "/again.LDat";
    const std::string previous = fuzz::workFolder() + "/previous.LDat";
    app::shell().SettingsFile = fuzz::workFolder() + "/tavorin.def";
    app::shell().CurFilePath = previous;
    writeFile(path, data, size);

    auto m = std::make_unique<model::ModelState>();
    const model::Image before = pattern(0);
    m->IicDat = before;
    OpenFailures failures;
    {
        platform::Host<app::ErrorReportHost>::Scoped watching(failures);
        shell::OpenFile(path, *m);
    }

    auto decoded = std::make_unique<model::Image>(before);
    bool decodes = true;
    try {
        app::DecodeDataFile({data, size}, *decoded);
    } catch (const platform::Failure&) {
        decodes = false;
        FUZZ_CHECK(*decoded == before);
    }
    FUZZ_CHECK((failures.count == 0) == decodes);
    if (!decodes) {
        FUZZ_CHECK(m->IicDat == before);
        FUZZ_CHECK(app::shell().CurFilePath == previous);
        return 0;
    }
    FUZZ_CHECK(app::shell().CurFilePath == path);
    model::Image shown = *decoded;
    std::copy(map::Band1Placeholder.begin(), map::Band1Placeholder.end(), shown.begin() + map::FreRangeBlock);
    FUZZ_CHECK(m->IicDat == shown);
    for (std::size_t a = 0; a < before.size(); ++a)
        if (!inAreas(a)) FUZZ_CHECK((*decoded)[a] == before[a]);

    // The same bytes back with the file's own tables.
    const platform::Bytes encoded = app::EncodeDataFile(*decoded, tablesOf(data));
    for (std::size_t i = 0; i < app::DataFileSize; ++i) {
        const bool unusedTableByte = i % 12 == 11 && i / 12 < 512;
        if (!unusedTableByte) FUZZ_CHECK(encoded[i] == data[i]);
    }

    // Written with fresh tables and read again: the same image.
    app::WriteDataFile(again, *decoded);
    auto reread = std::make_unique<model::Image>(pattern(1));
    app::ReadDataFile(again, *reread);
    const model::Image other = pattern(1);
    for (std::size_t a = 0; a < before.size(); ++a)
        FUZZ_CHECK((*reread)[a] == (inAreas(a) ? (*decoded)[a] : other[a]));
    return 0;
}
