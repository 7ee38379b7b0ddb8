#include "channels/ToneBox.h"

#include "channels/ChGridEdit.h"
#include "model/ChTable.h"

#include "app/ErrorReporter.h"
#include "platform/Failure.h"
#include "platform/Numbers.h"

namespace channels {
namespace {

bool octal(char c) {
    return c >= '0' && c <= '7';
}

char at(std::string_view text, std::size_t i) {
    return i < text.size() ? text[i] : '\0';
}

std::optional<std::string> dcs(char d1, char d2, char d3, char suffix) {
    if (!octal(d1) || !octal(d2) || !octal(d3)) return std::nullopt;
    char kind = suffix == 'I' || suffix == 'i' ? 'I' : 'N';
    return std::string{'D', d1, d2, d3, kind};
}

} // namespace

std::optional<std::string> NormalizeTone(std::string_view text) {
    if (std::optional<double> number = platform::parseNumber(text)) {
        const double d = platform::roundHalfEven(*number * 10);
        if (d >= 600 && d <= 2650) {
            const int tenths = static_cast<int>(d);
            return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
        }
        return dcs(at(text, 0), at(text, 1), at(text, 2), 'N');
    }
    // Only an upper-case "D" leads a DCS code.
    const std::size_t first = at(text, 0) == 'D' ? 1 : 0;
    return dcs(at(text, first), at(text, first + 1), at(text, first + 2), at(text, first + 3));
}

void OpenToneBox(model::ModelState& m, ChMemState& s, ChGridView& view, int row, int col) {
    if (row < 1 || row > m.ChCount || (col != ColRxTone && col != ColTxTone))
        throw platform::Failure("No tone cell at row " + std::to_string(row) + ", column " +
                                std::to_string(col));
    view.SetChGridCurrent(row, col);
    view.SetCtdcsText(m.ChCtdcs[row][col == ColRxTone ? 0 : 1]);
    s.CtdcsEditRow = row;
    s.CtdcsEditCol = col;
}

void CommitTone(model::ModelState& m, ChMemState& s, const app::ShellState& shell, ChGridView& view,
                const std::string& text) {
    const int row = s.CtdcsEditRow, col = s.CtdcsEditCol;
    if (col != ColRxTone && col != ColTxTone) return;
    // Forgotten first: a later commit (Save, Write, the next focus change)
    // must not carry this text into other data.
    s.CtdcsEditRow = 0;
    s.CtdcsEditCol = 0;
    app::Guarded("frmChMem->cboGridChCtdcs_LostFocus", [&] {
        if (FaceLocked(shell)) {
            view.HideCtdcs();
            return;
        }
        if (row < 1 || row > m.ChCount) throw platform::Failure("No channel row " + std::to_string(row));
        std::optional<std::string> tone = NormalizeTone(text);
        if (tone) view.SetCtdcsText(*tone);
        const std::string stored = tone.value_or(m.CtdcsNoneText);
        if (col == ColRxTone) {
            m.ChCtdcs[row][0] = stored;
            view.SetChGridText(row, ColRxTone, stored);
            m.ChCtdcs[row][1] = m.ChCtdcs[row][0];
            view.SetChGridText(row, ColTxTone, view.ChGridText(row, ColRxTone));
        } else {
            m.ChCtdcs[row][1] = stored;
            view.SetChGridText(row, ColTxTone, stored);
        }
        // A tone alone makes no channel, and no transmit side either.
        if (view.ChGridText(row, ColRxFre).empty())
            ClearChannelRow(m, shell, view, row);
        else if (view.ChGridText(row, ColTxFre).empty())
            TransmitOff(m, shell, view, row);
        view.HideCtdcs();
        model::ChInfoToIicDat(m);
    });
}

void EnterTone(model::ModelState& m, ChMemState& s, const app::ShellState& shell, ChGridView& view,
               const std::string& text) {
    const int row = s.CtdcsEditRow, col = s.CtdcsEditCol;
    CommitTone(m, s, shell, view, text);
    if (col != ColRxTone || FaceLocked(shell) || row < 1 || row > m.ChCount) return;
    if (ClickAction(m, row, ColTxTone) == ClickTarget::OpenTxTone) view.SetChGridCurrent(row, ColTxTone);
}

void CancelTone(ChMemState& s, ChGridView& view) {
    s.CtdcsEditRow = 0;
    s.CtdcsEditCol = 0;
    view.HideCtdcs();
}

} // namespace channels
