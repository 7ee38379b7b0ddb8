#include "platform/System.h"
#include "tests/support/TempHome.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(System, LocaleIds) {
    EXPECT_EQ(localeIdOf("zh_CN.UTF-8"), 2052);
    EXPECT_EQ(localeIdOf("zh_TW.UTF-8"), 1028);
    EXPECT_EQ(localeIdOf("zh_HK"), 3076);
    EXPECT_EQ(localeIdOf("zh_SG.GB2312"), 4100);
    EXPECT_EQ(localeIdOf("en_US.UTF-8"), 1033);
    EXPECT_EQ(localeIdOf("ja_JP.UTF-8"), 1033);
    EXPECT_EQ(localeIdOf("C"), 1033);
}

TEST(System, LocaleVariablesInOrder) {
    ::setenv("LC_ALL", "", 1);
    ::setenv("LC_MESSAGES", "zh_TW.UTF-8", 1);
    ::setenv("LANG", "zh_CN.UTF-8", 1);
    EXPECT_EQ(systemLocaleId(), 1028);
    ::setenv("LC_ALL", "zh_CN.UTF-8", 1);
    EXPECT_EQ(systemLocaleId(), 2052);
    ::unsetenv("LC_ALL");
    ::unsetenv("LC_MESSAGES");
    EXPECT_EQ(systemLocaleId(), 2052);
}

TEST(System, ProgramFolderFollowsTavorinHome) {
    testsupport::TempHome home;
    EXPECT_EQ(programFolder(), home.path());
    EXPECT_EQ(joinPath(programFolder(), "tavorin.def"), home.path() + "/tavorin.def");
    EXPECT_EQ(joinPath("/a/", "\\b"), "/a/b");
}

TEST(System, SeededRandomRepeats) {
    Random& r = Random::instance();
    r.seed(7);
    int a = r.between(0, 1000);
    r.seed(7);
    EXPECT_EQ(r.between(0, 1000), a);
}
