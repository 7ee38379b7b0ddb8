// The access codes: what each right code opens, that nothing else opens
// anything, letters in either case, the dialog that collects the answer, and
// the register window's panels.
#include "align/AccessCodes.h"
#include "align/AdjMore.h"
#include "tests/align/AlignFixture.h"

#include <cctype>
#include <set>

using namespace align;

namespace {

using B = CodeButton;
using A = CodeAction;

const std::pair<B, A> kButtons[] = {
    {B::cmdPc4, A::ShowAdjMode},
    {B::cmdAdjDevSql, A::ShowAdjMore},
    {B::cmdKey, A::ShowVitualKey},
    {B::cmdSoft, A::ShowFlashSoft},
    {B::cmdFlash, A::ShowFlashTool},
    {B::cmdAutoTest, A::None},
    {B::cmdMenuAdjust, A::ShowMenuPanel},
    {B::cmdSqlPara, A::ShowSqlPara},
    {B::cmdRespDevSql, A::ShowRespDevPanels},
};

class AccessCodesTest : public aligntest::AlignTest {
  protected:
    // The answer as the dialog gives it for a text typed in one go.
    std::string typed(const std::string& text) {
        frmInputCode_Load(a);
        txtInputCode_Change(a, text);
        tmrAutoExit_Timer(a);
        return a.InputCode;
    }
};

bool allDigits(const std::string& s) {
    for (char c : s)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    return true;
}
bool allUpperLetters(const std::string& s) {
    for (char c : s)
        if (c < 'A' || c > 'Z') return false;
    return true;
}

TEST_F(AccessCodesTest, CodesHaveTheirForm) {
    const std::string alignment = codes::kAlignment;
    EXPECT_EQ(alignment.size(), 8u);
    EXPECT_TRUE(allDigits(alignment));
    const std::pair<const char*, std::size_t> words[] = {
        {codes::kKeypadWord, 3}, {codes::kSoftWord, 4}, {codes::kFlashWord, 5}, {codes::kMenuWord, 4}};
    std::set<std::string> distinct;
    for (auto [word, size] : words) {
        EXPECT_EQ(std::string(word).size(), size) << word;
        EXPECT_TRUE(allUpperLetters(word)) << word;
        distinct.insert(word);
    }
    EXPECT_EQ(distinct.size(), 4u);
    EXPECT_EQ(CodeOf(B::cmdSqlPara), "517460328");
    EXPECT_EQ(CodeOf(B::cmdRespDevSql), "84302716");
    EXPECT_EQ(CodeOf(B::cmdKey), alignment + codes::kKeypadWord);
}

TEST_F(AccessCodesTest, EachRightCodeOpensItsActionAndNothingElse) {
    for (auto [button, action] : kButtons) {
        const std::string code = CodeOf(button);
        EXPECT_EQ(ActionFor(button, typed(code)), action) << code;
        // The same code at any other button opens that button's action only
        // when the two share it (the alignment code).
        for (auto [other, otherAction] : kButtons) {
            if (CodeOf(other) == code) continue;
            EXPECT_EQ(ActionFor(other, typed(code)), A::None) << code;
        }
        for (const std::string& wrong : {std::string(), code + " ", " " + code, code.substr(1), code + "1"})
            EXPECT_EQ(ActionFor(button, typed(wrong)), A::None) << "'" << wrong << "'";
    }
}

TEST_F(AccessCodesTest, LettersMatchInEitherCase) {
    const std::string alignment = codes::kAlignment;
    EXPECT_EQ(ActionFor(B::cmdKey, typed(alignment + "key")), A::ShowVitualKey);
    EXPECT_EQ(ActionFor(B::cmdSoft, typed(alignment + "SoFt")), A::ShowFlashSoft);
    EXPECT_EQ(ActionFor(B::cmdFlash, typed(alignment + "flash")), A::ShowFlashTool);
    EXPECT_EQ(ActionFor(B::cmdMenuAdjust, typed(alignment + "menu")), A::ShowMenuPanel);
    // The comparison itself is exact: only the dialog upper-cases.
    EXPECT_FALSE(CodeMatches(B::cmdKey, alignment + "key"));
}

TEST_F(AccessCodesTest, DialogCollectsTheAnswerAndClosesByItsTimer) {
    a.InputCode = "OLD";
    frmInputCode_Load(a);
    ASSERT_TRUE(a.frmInputCode);
    EXPECT_EQ(a.InputCode, "");
    EXPECT_TRUE(a.frmInputCode->tmrAutoExit.Enabled);
    EXPECT_EQ(a.frmInputCode->tmrAutoExit.Interval, 2500);
    txtInputCode_Change(a, "12ab");
    EXPECT_EQ(a.InputCode, "12AB");
    EXPECT_EQ(a.frmInputCode->txtInputCode, "12ab");
    EXPECT_EQ(a.frmInputCode->tmrAutoExit.Interval, 1000);
    EXPECT_TRUE(a.frmInputCode->tmrAutoExit.Enabled);
    tmrAutoExit_Timer(a);
    EXPECT_FALSE(a.frmInputCode);
    EXPECT_EQ(a.InputCode, "12AB"); // kept for the asking button
}

TEST_F(AccessCodesTest, PanelButtonsShowOnTheRightCodeAndHideOnAnyOther) {
    AdjMorePanels& p = AdjMore(a).panels;
    EXPECT_FALSE(p.fraSqlPara || p.fraRxRespDev || p.fraReg34H || p.fraReg65H);
    EXPECT_TRUE(p.fraAdjMenu);

    PanelCodeAnswered(a, B::cmdRespDevSql, typed("84302716"));
    EXPECT_TRUE(p.fraRxRespDev && p.fraReg34H && p.fraReg65H && p.fraAdjMenu);
    PanelCodeAnswered(a, B::cmdRespDevSql, typed("84302717"));
    EXPECT_FALSE(p.fraRxRespDev || p.fraReg34H || p.fraReg65H || p.fraAdjMenu);
    PanelCodeAnswered(a, B::cmdSqlPara, typed("517460328"));
    EXPECT_TRUE(p.fraSqlPara);
    EXPECT_FALSE(p.fraRxRespDev || p.fraReg34H || p.fraReg65H || p.fraAdjMenu);

    PanelCodeAnswered(a, B::cmdMenuAdjust, typed(std::string(codes::kAlignment) + "menu"));
    EXPECT_TRUE(p.fraAdjMenu);
    PanelCodeAnswered(a, B::cmdMenuAdjust, typed(""));
    EXPECT_FALSE(p.fraAdjMenu);
    PanelCodeAnswered(a, B::cmdSqlPara, typed(""));
    EXPECT_FALSE(p.fraSqlPara);
}

} // namespace
