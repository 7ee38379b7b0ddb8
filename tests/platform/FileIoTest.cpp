#include "platform/FileIo.h"
#include "tests/support/TempHome.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace platform;
using testsupport::TempHome;

TEST(FileIo, AtomicWriteReplacesAndLeavesNoTemporaryFile) {
    TempHome home;
    home.write("f.bin", "old content that is longer");
    ASSERT_TRUE(writeFileAtomic(home.file("f.bin"), std::string("new")));
    EXPECT_EQ(home.read("f.bin"), "new");
    int entries = 0;
    for (auto& e : std::filesystem::directory_iterator(home.path())) (void)e, ++entries;
    EXPECT_EQ(entries, 1);
}

TEST(FileIo, ReadRefusesFoldersAndNeverCreates) {
    TempHome home;
    Bytes b;
    EXPECT_FALSE(readFile(home.file("missing"), b));
    EXPECT_FALSE(fileExists(home.file("missing")));
    ::mkdir(home.file("dir").c_str(), 0755);
    EXPECT_FALSE(readFile(home.file("dir"), b));
}

TEST(FileIo, ReadStopsAtTheLimit) {
    TempHome home;
    home.write("f.bin", "0123456789");
    Bytes b;
    ASSERT_TRUE(readFile(home.file("f.bin"), b, 4));
    EXPECT_EQ(std::string(b.begin(), b.end()), "0123");
}

TEST(FileIo, MakeFolderCreatesParents) {
    TempHome home;
    ASSERT_TRUE(makeFolder(home.file("a/b/c")));
    EXPECT_TRUE(isDirectory(home.file("a/b/c")));
    EXPECT_TRUE(makeFolder(home.file("a/b/c")));
}

TEST(FileIo, MakeFolderRefusesAFileOfThatNameAndAReadOnlyParent) {
    TempHome home;
    home.write("taken", "x");
    EXPECT_FALSE(makeFolder(home.file("taken")));
    ::mkdir(home.file("locked").c_str(), 0555);
    EXPECT_FALSE(makeFolder(home.file("locked/sub")));
    EXPECT_FALSE(isDirectory(home.file("locked/sub")));
}

namespace {

namespace fs = std::filesystem;

std::set<std::string> namesIn(const std::string& folder) {
    std::set<std::string> names;
    for (auto& e : fs::directory_iterator(folder)) names.insert(e.path().filename().string());
    return names;
}

std::set<std::string> temporariesIn(const std::string& folder) {
    std::set<std::string> names;
    for (const std::string& n : namesIn(folder))
        if (n.rfind(".tavorin-", 0) == 0) names.insert(n);
    return names;
}

// A save of 12,800 bytes in a child process that the file-size limit halts
// a third of the way into its temporary file: killed there (the signal's
// own action, as by a kill at that moment), or with `stayAlive` stopped
// there, a live writer holding its temporary. Gives the stopped child's id.
pid_t halfSave(const std::string& path, bool stayAlive) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        const rlimit noCore{0, 0}, small{4096, 4096};
        ::setrlimit(RLIMIT_CORE, &noCore);
        ::setrlimit(RLIMIT_FSIZE, &small);
        if (stayAlive) ::signal(SIGXFSZ, [](int) { ::raise(SIGSTOP); });
        writeFileAtomic(path, std::string(12800, 'n'));
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(pid, &status, WUNTRACED);
    if (stayAlive) {
        EXPECT_TRUE(WIFSTOPPED(status)) << "status " << status;
        return WIFSTOPPED(status) ? pid : 0;
    }
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << "status " << status;
    return 0;
}

// Ends the stopped writer, also when an assertion leaves the test early.
struct StoppedWriter {
    pid_t pid;
    ~StoppedWriter() { end(); }
    void end() {
        if (pid <= 0) return;
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        pid = 0;
    }
};

} // namespace

TEST(FileIo, WriteThroughALinkReplacesTheFileItLeadsToAndKeepsTheLink) {
    struct Case {
        const char* name;
        std::vector<std::pair<std::string, std::string>> links; // link, what it holds ("@" the folder)
        const char* target;                                     // the file that must hold the bytes
        bool targetExists;
    } cases[] = {
        {"absolute", {{"f.LDat", "@/real/f.LDat"}}, "real/f.LDat", true},
        {"relative", {{"f.LDat", "real/f.LDat"}}, "real/f.LDat", true},
        {"relative from the link's folder", {{"sub/f.LDat", "../real/f.LDat"}}, "real/f.LDat", true},
        {"chain",
         {{"f.LDat", "sub/g"}, {"sub/g", "@/sub/h"}, {"sub/h", "../real/f.LDat"}},
         "real/f.LDat",
         true},
        {"to nothing yet", {{"f.LDat", "real/new.LDat"}}, "real/new.LDat", false},
    };
    for (const Case& c : cases) {
        TempHome home;
        fs::create_directories(home.file("real"));
        fs::create_directories(home.file("sub"));
        if (c.targetExists) home.write(c.target, "old bytes");
        for (const auto& [link, to] : c.links) {
            std::string held = to;
            if (held[0] == '@') held = home.path() + held.substr(1);
            fs::create_symlink(held, home.file(link));
        }
        const std::string first = c.links.front().first;
        ASSERT_TRUE(writeFileAtomic(home.file(first), std::string("new bytes"))) << c.name;
        EXPECT_EQ(home.read(c.target), "new bytes") << c.name;
        for (const auto& [link, to] : c.links) {
            ASSERT_TRUE(fs::is_symlink(home.file(link))) << c.name << ": " << link;
            EXPECT_EQ(fs::read_symlink(home.file(link)).string()[0] == '/', to[0] == '@') << c.name;
        }
        for (const char* folder : {"", "real", "sub"}) EXPECT_EQ(temporariesIn(home.file(folder)).size(), 0u);
    }
}

TEST(FileIo, LinksInACircleAreRefusedAndNothingIsWritten) {
    TempHome home;
    fs::create_symlink("b", home.file("a"));
    fs::create_symlink("a", home.file("b"));
    IoResult r = writeFileAtomic(home.file("a"), std::string("x"));
    EXPECT_FALSE(r);
    EXPECT_EQ(r.sysError, ELOOP);
    EXPECT_EQ(namesIn(home.path()), (std::set<std::string>{"a", "b"}));
}

TEST(FileIo, EveryNameTheFileSystemTakesIsWrittenNewAndOver) {
    for (std::size_t length : {6u, 200u, 248u, 249u, 254u, 255u}) {
        TempHome home;
        const std::string name = std::string(length - 5, 'n') + ".LDat";
        ASSERT_TRUE(writeFileAtomic(home.file(name), std::string("first"))) << length;
        ASSERT_TRUE(writeFileAtomic(home.file(name), std::string("second"))) << length;
        EXPECT_EQ(home.read(name), "second") << length;
        EXPECT_EQ(namesIn(home.path()), std::set<std::string>{name}) << length;
    }
    TempHome home;
    IoResult tooLong = writeFileAtomic(home.file(std::string(256, 'n')), std::string("x"));
    EXPECT_FALSE(tooLong);
    EXPECT_EQ(tooLong.sysError, ENAMETOOLONG);
}

TEST(FileIo, TheNextWriteRemovesWhatAKilledWriteLeftAndKeepsOthersFiles) {
    TempHome home;
    const std::string path = home.file("f.LDat");
    home.write("f.LDat", "old");
    halfSave(home.file("other.LDat"), false);
    const std::set<std::string> strayOfOther = temporariesIn(home.path());
    ASSERT_EQ(strayOfOther.size(), 1u);
    halfSave(path, false);
    halfSave(path, false); // a killed write too removes the stray before it
    EXPECT_EQ(home.read("f.LDat"), "old");
    ASSERT_EQ(temporariesIn(home.path()).size(), 2u);
    for (const std::string& stray : temporariesIn(home.path()))
        EXPECT_EQ(fs::file_size(home.file(stray)), 4096u);
    // Named as the program named its temporaries once, or as it names them
    // now but without their check: the user's, whatever they hold.
    const std::set<std::string> users = {"f.LDat.a1B2c3", "f.LDat.tmp", ".tavorin-abcdefgh-00000000.tmp",
                                         ".tavorin-abcdefgh-0000000.tmp"};
    for (const std::string& n : users) home.write(n, "the user's");

    ASSERT_TRUE(writeFileAtomic(path, std::string("new")));
    EXPECT_EQ(home.read("f.LDat"), "new");
    std::set<std::string> expected = users;
    expected.insert("f.LDat");
    expected.insert(*strayOfOther.begin()); // another file's, until that file is written
    EXPECT_EQ(namesIn(home.path()), expected);
    for (const std::string& n : users) EXPECT_EQ(home.read(n), "the user's") << n;

    removeStrayTemporaries(home.file("other.LDat"));
    expected.erase(*strayOfOther.begin());
    EXPECT_EQ(namesIn(home.path()), expected);
}

TEST(FileIo, ATemporaryALiveWriterHoldsIsKeptUntilItsWriterIsGone) {
    TempHome home;
    const std::string path = home.file("f.LDat");
    StoppedWriter writer{halfSave(path, true)};
    const std::set<std::string> live = temporariesIn(home.path());
    ASSERT_EQ(live.size(), 1u);

    ASSERT_TRUE(writeFileAtomic(path, std::string("ours")));
    removeStrayTemporaries(path);
    EXPECT_EQ(temporariesIn(home.path()), live);
    EXPECT_EQ(home.read("f.LDat"), "ours");

    writer.end();
    removeStrayTemporaries(path);
    EXPECT_EQ(namesIn(home.path()), std::set<std::string>{"f.LDat"});
}
