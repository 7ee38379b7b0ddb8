#include "align/AccessCodes.h"

namespace align {
namespace {

struct CodeRow {
    CodeButton button;
    const char* prefix;
    const char* word;
    CodeAction action;
};

constexpr CodeRow kCodes[] = {
    {CodeButton::cmdPc4, codes::kAlignment, "", CodeAction::ShowAdjMode},
    {CodeButton::cmdAdjDevSql, codes::kAlignment, "", CodeAction::ShowAdjMore},
    {CodeButton::cmdKey, codes::kAlignment, codes::kKeypadWord, CodeAction::ShowVitualKey},
    {CodeButton::cmdSoft, codes::kAlignment, codes::kSoftWord, CodeAction::ShowFlashSoft},
    {CodeButton::cmdFlash, codes::kAlignment, codes::kFlashWord, CodeAction::ShowFlashTool},
    {CodeButton::cmdAutoTest, codes::kAlignment, "", CodeAction::None},
    {CodeButton::cmdMenuAdjust, codes::kAlignment, codes::kMenuWord, CodeAction::ShowMenuPanel},
    {CodeButton::cmdSqlPara, codes::kSqlPara, "", CodeAction::ShowSqlPara},
    {CodeButton::cmdRespDevSql, codes::kRespDevSql, "", CodeAction::ShowRespDevPanels},
};

const CodeRow& rowOf(CodeButton button) {
    for (const CodeRow& r : kCodes)
        if (r.button == button) return r;
    return kCodes[0];
}

} // namespace

std::string CodeOf(CodeButton button) {
    const CodeRow& r = rowOf(button);
    return std::string(r.prefix) + r.word;
}

bool CodeMatches(CodeButton button, const std::string& inputCode) {
    return inputCode == CodeOf(button);
}

CodeAction ActionOf(CodeButton button) {
    return rowOf(button).action;
}

CodeAction ActionFor(CodeButton button, const std::string& inputCode) {
    return CodeMatches(button, inputCode) ? ActionOf(button) : CodeAction::None;
}

std::string UpperCased(const std::string& text) {
    std::string out = text;
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

void frmInputCode_Load(AlignState& a) {
    a.InputCode.clear();
    InputCodeDialog& d = a.frmInputCode.emplace();
    d.tmrAutoExit.Interval = 2500;
    d.tmrAutoExit.Enabled = true;
}

void txtInputCode_Change(AlignState& a, const std::string& text) {
    if (!a.frmInputCode) return;
    InputCodeDialog& d = *a.frmInputCode;
    d.txtInputCode = text;
    a.InputCode = UpperCased(d.txtInputCode);
    d.tmrAutoExit.Enabled = false;
    d.tmrAutoExit.Interval = 1000;
    d.tmrAutoExit.Enabled = true;
}

void tmrAutoExit_Timer(AlignState& a) {
    a.frmInputCode.reset();
}

} // namespace align
