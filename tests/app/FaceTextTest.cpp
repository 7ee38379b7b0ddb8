#include "app/FaceText.h"
#include "app/Settings.h"
#include "tests/support/FreshStart.h"

#include <gtest/gtest.h>

#include <set>

using namespace app;

namespace {

// The entries a window reads although they hold no text in any language.
const std::set<int> kEmptyEverywhere = {510, 513, 514, 517, 624, 719};

ShellState filled(int lang) {
    ShellState s;
    s.LangIndex = static_cast<std::int16_t>(lang);
    InitFaceText(s);
    return s;
}

TEST(FaceTextTest, EveryEntryThatIsReadHasATextInEachLanguage) {
    int previous = -1;
    for (const FaceTextRow& row : FaceTextRows()) {
        EXPECT_GT(row.entry, previous) << "rows out of order";
        previous = row.entry;
        EXPECT_LT(row.entry, 900);
        for (int lang = 0; lang < 3; ++lang) {
            std::string text = row.text[lang];
            if (kEmptyEverywhere.count(row.entry))
                EXPECT_EQ(text, "") << "entry " << row.entry;
            else
                EXPECT_NE(text, "") << "entry " << row.entry << " language " << lang + 1;
        }
    }
}

TEST(FaceTextTest, FillTakesTheColumnOfTheLanguage) {
    struct Case {
        int lang, expectedLang;
        const char* title;
        const char* english;
    } cases[] = {{1, 1, "VOLKAR对讲机写频软件", "English(&E)"}, {2, 2, "VOLKAR對講機寫頻軟體", "English(&E)"},
                 {3, 3, "VOLKAR Radio Software", "&English"},   {0, 3, "VOLKAR Radio Software", "&English"},
                 {9, 3, "VOLKAR Radio Software", "&English"},   {-1, 3, "VOLKAR Radio Software", "&English"}};
    for (const auto& c : cases) {
        ShellState s = filled(c.lang);
        EXPECT_EQ(s.LangIndex, c.expectedLang);
        EXPECT_EQ(s.FaceText[16], c.title);
        EXPECT_EQ(s.FaceText[35], c.english);
        for (int e = 900; e <= 1000; ++e) EXPECT_EQ(s.FaceText[e], "") << e;
        for (int e : {136, 137, 138, 139, 357, 358, 359}) EXPECT_EQ(s.FaceText[e], "") << e;
    }
}

TEST(FaceTextTest, TextsKeepTheirExactCharacters) {
    ShellState chs = filled(1), cht = filled(2), eng = filled(3);
    const std::string notice = "Language has changed, you need to restart the software.";
    EXPECT_EQ(chs.FaceText[68], notice);
    EXPECT_EQ(cht.FaceText[68], notice);
    EXPECT_EQ(eng.FaceText[68], notice);
    EXPECT_EQ(eng.FaceText[84], "Save file failed!");
    EXPECT_EQ(eng.FaceText[86], eng.FaceText[84]);
    EXPECT_NE(chs.FaceText[84], chs.FaceText[86]);
    EXPECT_NE(cht.FaceText[84], cht.FaceText[86]);
    EXPECT_EQ(chs.FaceText[74], "当前所有信道数据将被清除，是否继续?"); // full-width comma
    EXPECT_EQ(eng.FaceText[57], "Traditional Chinese");
    EXPECT_EQ(eng.FaceText[718], "A Grp ");
    EXPECT_EQ(eng.FaceText[813], "3--CALL         ");
    EXPECT_EQ(eng.FaceText[817], "7--Adjust Power Level   ");
    EXPECT_EQ(eng.FaceText[885], "Volume Mode 2");
    EXPECT_EQ(chs.FaceText[373], "自定义"); // the custom band preset
    EXPECT_EQ(cht.FaceText[373], "自定義");
    EXPECT_EQ(eng.FaceText[373], "Custom");
}

} // namespace

namespace {

// The running language is read from the program's shell state.
class NamedTextTest : public ::testing::Test, public testsupport::FreshStart {};

TEST_F(NamedTextTest, EveryKeyHasItsRowAndATextInEachLanguage) {
    const auto rows = NamedTextRows();
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(TextKey::KeyCount));
    for (std::size_t k = 0; k < rows.size(); ++k) {
        EXPECT_EQ(static_cast<std::size_t>(rows[k].key), k) << "row " << k << " out of order";
        for (int lang = 0; lang < 3; ++lang) EXPECT_NE(std::string(rows[k].text[lang]), "") << "row " << k;
    }
}

// Every text the program adds speaks the interface language: only the texts
// that are the same in every language by design read alike.
TEST_F(NamedTextTest, OurOwnTextsAreTranslated) {
    const std::set<TextKey> same = {
        TextKey::LanguageNoticeTitle, TextKey::ComPanel,        TextKey::NoticeWindow,
        TextKey::StartFailedTitle,    TextKey::PortButton,      TextKey::RdWrCodeCaption,
        TextKey::RdWrCodeHint,        TextKey::NewRdWrCodeTick, TextKey::NewRdWrCodeCaption};
    for (const NamedTextRow& row : NamedTextRows()) {
        if (same.count(row.key)) continue;
        const std::string english = row.text[2];
        EXPECT_NE(row.text[0], english) << static_cast<int>(row.key);
        EXPECT_NE(row.text[1], english) << static_cast<int>(row.key);
    }
}

TEST_F(NamedTextTest, LanguageOutsideTheThreeCountsAsEnglishAndTheArgumentFillsIn) {
    EXPECT_EQ(text(TextKey::ToneOff, 1), "无");
    EXPECT_EQ(text(TextKey::ToneOff, 2), "無");
    for (int lang : {0, 3, 4, -1}) EXPECT_EQ(text(TextKey::ToneOff, lang), "None");
    shell().LangIndex = 7;
    EXPECT_EQ(text(TextKey::NoBuiltInFirmware, "101"),
              "No built-in firmware for model 101, firmware not updated");
    EXPECT_EQ(ChInfoBase(7), 5000);
    EXPECT_EQ(ChInfoBase(2), 3000);
}

} // namespace
