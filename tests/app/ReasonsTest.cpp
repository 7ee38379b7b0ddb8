#include "app/Reasons.h"
#include "app/FaceText.h"
#include "platform/FileIo.h"
#include "tests/support/FreshStart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

using namespace app;

namespace {

// The reasons in the running language, read from the program's shell state.
class ReasonsTest : public ::testing::Test, public testsupport::FreshStart {
  protected:
    static std::string causeIn(int lang, int error) {
        shell().LangIndex = static_cast<std::int16_t>(lang);
        return SystemCause(error);
    }
};

bool speaksChinese(const std::string& s) {
    return std::any_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

// What open, read, write, fsync, rename, link, mkdir, flock and a serial
// port's open and set-up can give on Linux.
TEST_F(ReasonsTest, EveryErrorTheProgramCanMeetIsWordedInEachLanguage) {
    const int errors[] = {
        ENAMETOOLONG, EEXIST, ENOSPC,      EDQUOT, EROFS,  EACCES,    EPERM,   ENOENT,    ENOTDIR,
        EISDIR,       ELOOP,  EMFILE,      ENFILE, EIO,    EBUSY,     ETXTBSY, EXDEV,     EFBIG,
        EINVAL,       EAGAIN, EWOULDBLOCK, EINTR,  ENXIO,  ENODEV,    ENOTTY,  ENOTEMPTY, EMLINK,
        ENOMEM,       ENOLCK, EOPNOTSUPP,  ENOSYS, ESTALE, ETIMEDOUT, EBADF,   EOVERFLOW, ENOMEDIUM};
    for (int e : errors) {
        const std::string english = causeIn(3, e);
        EXPECT_NE(english, "") << e;
        EXPECT_NE(english, causeIn(3, 9999)) << e << " has no wording of its own";
        for (int lang : {1, 2}) {
            const std::string chinese = causeIn(lang, e);
            EXPECT_TRUE(speaksChinese(chinese))
                << std::strerror(e) << ", language " << lang << ": " << chinese;
            EXPECT_NE(chinese, english) << e;
            const std::string other = text(TextKey::CauseOther, lang);
            EXPECT_NE(chinese.rfind(other.substr(0, other.find("%1")), 0), 0u)
                << e << " has no wording of its own";
        }
    }
}

TEST_F(ReasonsTest, AnyOtherErrorIsWordedInTheLanguageWithItsNumber) {
    EXPECT_EQ(causeIn(1, 9999), "系统错误 9999");
    EXPECT_EQ(causeIn(2, 9999), "系統錯誤 9999");
    EXPECT_EQ(causeIn(3, 9999), "system error 9999");
    EXPECT_EQ(causeIn(1, 0), "");
}

// The reasons a user met in English: a folder where a file is, a name
// longer than the file system takes.
TEST_F(ReasonsTest, ReasonsOfRealFailuresSpeakTheLanguage) {
    home.write("Data", "a file, not a folder");
    const platform::IoResult exists = platform::makeFolder(home.file("Data"));
    const platform::IoResult tooLong = platform::writeFileAtomic(home.file(std::string(256, 'n')), "x", 1);
    ASSERT_EQ(exists.sysError, EEXIST);
    ASSERT_EQ(tooLong.sysError, ENAMETOOLONG);
    shell().LangIndex = 1;
    EXPECT_EQ(IoText(exists), "无法创建文件夹 " + home.file("Data") + "：已经有同名的文件或文件夹");
    EXPECT_EQ(IoText(tooLong).find(std::strerror(ENAMETOOLONG)), std::string::npos);
    EXPECT_NE(IoText(tooLong).find("：文件名太长"), std::string::npos) << IoText(tooLong);
}

} // namespace
