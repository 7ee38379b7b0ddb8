#include "platform/System.h"
#include "tests/support/Environment.h"
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
    testsupport::setEnv("LC_ALL", "");
    testsupport::setEnv("LC_MESSAGES", "zh_TW.UTF-8");
    testsupport::setEnv("LANG", "zh_CN.UTF-8");
    EXPECT_EQ(systemLocaleId(), 1028);
    testsupport::setEnv("LC_ALL", "zh_CN.UTF-8");
    EXPECT_EQ(systemLocaleId(), 2052);
    testsupport::unsetEnv("LC_ALL");
    testsupport::unsetEnv("LC_MESSAGES");
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
