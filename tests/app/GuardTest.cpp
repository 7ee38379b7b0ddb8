// The guard every handler runs its work in: whatever the work throws ends
// there, reported under the handler's tag, and the handler hears why.
#include "app/ErrorReporter.h"
#include "app/FaceText.h"
#include "app/Shell.h"
#include "platform/Failure.h"
#include "tests/support/ErrorLog.h"
#include "tests/support/FreshStart.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>
#include <vector>

using namespace app;

namespace {

struct Thrown {
    const char* what;
    std::function<void()> raise;
    // The reason the user is given, by language, or empty: the failure's own text.
    TextKey worded;
};

std::vector<Thrown> everyKind() {
    return {
        {"a worded failure", [] { throw platform::Failure("The file cannot be read."); }, TextKey::KeyCount},
        {"a library's failure", [] { throw std::out_of_range("vector::_M_range_check: __n (which is 9)"); },
         TextKey::InternalFault},
        {"no memory", [] { throw std::bad_alloc(); }, TextKey::CauseNoMemory},
        {"no exception at all", [] { throw 42; }, TextKey::InternalFault},
    };
}

// The reasons are worded in the running language, read from the program's
// shell state.
class GuardTest : public ::testing::Test, public testsupport::FreshStart {};

TEST_F(GuardTest, EveryKindOfFailureIsReportedUnderTheTagAndWordedForTheUser) {
    for (int lang : {1, 2, 3}) {
        shell().LangIndex = static_cast<std::int16_t>(lang);
        for (const Thrown& t : everyKind()) {
            testsupport::ErrorLog errors;
            bool after = false;
            std::vector<std::string> reasons;
            const bool ran = Guarded(
                "frmMain->cmdReadFlash_Click", [&](const Caught& c) { reasons.push_back(c.reason()); },
                [&] {
                    t.raise();
                    after = true;
                });
            EXPECT_FALSE(ran) << t.what;
            EXPECT_FALSE(after) << t.what << ": the rest of the work is abandoned";
            EXPECT_EQ(errors.tags, std::vector<std::string>{"frmMain->cmdReadFlash_Click"}) << t.what;
            ASSERT_EQ(reasons.size(), 1u) << t.what;
            const std::string expected =
                t.worded == TextKey::KeyCount ? "The file cannot be read." : text(t.worded, lang);
            EXPECT_EQ(reasons[0], expected) << t.what << " in language " << lang;
            EXPECT_EQ(reasons[0].find("vector"), std::string::npos)
                << "the library's English reached the user";
        }
    }
}

TEST_F(GuardTest, ABodyThatRunsThroughIsNeitherReportedNorAnswered) {
    testsupport::ErrorLog errors;
    int ran = 0, answered = 0;
    EXPECT_TRUE(Guarded(
        "frmAdjMode->cmdRead_Click", [&](const Caught&) { ++answered; }, [&] { ++ran; }));
    EXPECT_TRUE(Guarded("frmAdjMode->cmdWrite_Click", [&] { ++ran; }));
    EXPECT_EQ(ran, 2);
    EXPECT_EQ(answered, 0);
    EXPECT_TRUE(errors.tags.empty());
}

// The answer to a failure may fail too (a message box without memory): it
// is reported as well, and still nothing leaves the guard.
TEST_F(GuardTest, AFailingAnswerIsReportedAndGoesNoFurther) {
    testsupport::ErrorLog errors;
    bool answered = false;
    const auto tell = [&](const Caught& c) {
        answered = true;
        EXPECT_EQ(c.reason(), "Wrong file type!");
        throw std::runtime_error("no message box");
    };
    EXPECT_FALSE(Guarded("mdifrmMain->OpenFile", tell, [] { throw platform::Failure("Wrong file type!"); }));
    EXPECT_TRUE(answered);
    EXPECT_EQ(errors.tags, (std::vector<std::string>{"mdifrmMain->OpenFile", "mdifrmMain->OpenFile"}));
}

// The settings handlers end silently: their failures are answered but not reported.
TEST_F(GuardTest, AnUnreportedOperationIsAnsweredButNotReported) {
    testsupport::ErrorLog errors;
    bool answered = false;
    EXPECT_FALSE(Guarded(
        Unreported, [&](const Caught&) { answered = true; }, [] { throw std::logic_error("x"); }));
    EXPECT_FALSE(Guarded(Unreported, [] { throw 1; }));
    EXPECT_TRUE(answered);
    EXPECT_TRUE(errors.tags.empty());
}

} // namespace
