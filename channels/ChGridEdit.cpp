#include "channels/ChGridEdit.h"

#include "model/Bands.h"
#include "model/ChTable.h"
#include "model/ImageMap.h"
#include "model/NameFields.h"

#include "app/ErrorReporter.h"
#include "platform/Failure.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace channels {
namespace {

using model::NoFre;

constexpr std::int32_t LowestFre = 10000000;  // 100.00000 MHz
constexpr std::int32_t HighestFre = 99900000; // 999.00000 MHz

int columnCount(const model::ModelState& m) {
    return std::clamp<int>(m.ChColCount, 0, model::ChFieldLast);
}

void checkRow(const model::ModelState& m, int row) {
    if (row < 1 || row > m.ChCount) throw platform::Failure("No channel row " + std::to_string(row));
}

std::int32_t bandColour(const model::ModelState& m, const app::ShellState& shell, std::int32_t f) {
    return ColourNumber(model::InBand1ValidRange(m, f) ? shell.Band1Color : shell.OtherBandColor);
}

// The text of option value v of column c; an item outside the list fails.
const std::string& optionText(const model::ModelState& m, int c, std::int32_t v) {
    if (v + 3 < 0 || v + 3 >= model::ChColListItems)
        throw platform::Failure("Column " + std::to_string(c) + " has no text for value " +
                                std::to_string(v));
    return m.ChColList[c][static_cast<std::size_t>(v + 3)];
}

std::string defaultName(int row) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "CH-%03d", row);
    return buf;
}

// The position of text among the items of a drop-down list, -1 for none. A
// leading "|" only lets the user type a text of his own.
std::int32_t listPosition(const std::string& list, const std::string& text) {
    std::int32_t position = 0;
    std::size_t start = list.starts_with('|') ? 1 : 0;
    while (true) {
        std::size_t bar = list.find('|', start);
        if (list.compare(start, bar == std::string::npos ? std::string::npos : bar - start, text) == 0)
            return position;
        if (bar == std::string::npos) return -1;
        start = bar + 1;
        ++position;
    }
}

void ChParaShow(model::ModelState& m, ChGridView& view, int ch) {
    for (int c = FirstOptionCol; c <= columnCount(m); ++c) {
        if (c == ColName)
            model::ChNameCharShow(m, ch);
        else
            view.SetChGridText(ch, c, optionText(m, c, m.ChInfo[ch][c]));
    }
}

void storeFrequency(model::ModelState& m, const app::ShellState& shell, ChGridView& view, int row, int col,
                    const std::string& text) {
    const std::int32_t f = EnteredFre(m, text);
    const bool transmitWasOff = m.ChInfo[row][ColTxFre] == NoFre;
    m.ChInfo[row][col] = f;
    view.SetChGridText(row, col, FreCellText(f));
    const std::int32_t colour = bandColour(m, shell, f);
    view.SetChGridTextColor(row, col, colour);

    if (col == ColRxFre) {
        // A receive frequency in a row without tones starts a new channel.
        if (view.ChGridText(row, ColRxTone).empty()) {
            view.SetChGridText(row, ColRxTone, m.CtdcsNoneText);
            m.ChCtdcs[row][0] = m.CtdcsNoneText;
            if (view.ChGridText(row, ColTxFre).empty()) {
                view.SetChGridText(row, ColTxFre, view.ChGridText(row, ColRxFre));
                view.SetChGridTextColor(row, ColTxFre, colour);
                view.SetChGridText(row, ColTxTone, view.ChGridText(row, ColRxTone));
                m.ChCtdcs[row][1] = view.ChGridText(row, ColTxTone);
                m.ChInfo[row][ColTxFre] = m.ChInfo[row][ColRxFre];
            }
            for (int c = FirstOptionCol; c <= columnCount(m); ++c) {
                if (c == ColName) {
                    if (view.ChGridText(row, c).empty()) {
                        view.SetChGridText(row, c, defaultName(row));
                        ChNameEdit(m, view, row);
                    }
                } else {
                    m.ChInfo[row][c] = platform::toInt16(m.ChColList[c][2]);
                    view.SetChGridText(row, c, optionText(m, c, m.ChInfo[row][c]));
                }
            }
        }
        view.SetChGridCurrent(row, ColTxFre);
    } else {
        // A transmit frequency for a channel whose transmit was off takes
        // the receive tone, whatever tone text the off side still held.
        if (transmitWasOff || m.ChCtdcs[row][1].empty())
            view.SetChGridText(row, ColTxTone, view.ChGridText(row, ColRxTone));
        m.ChCtdcs[row][1] = view.ChGridText(row, ColTxTone);
        view.SetChGridCurrent(row, ColRxTone);
    }
}

} // namespace

std::string FreCellText(std::int32_t f) {
    const long long v = std::llabs(static_cast<long long>(f));
    std::string fraction = std::to_string(v % 100000 + 100000).substr(1);
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    return (f < 0 ? "-" : "") + std::to_string(v / 100000) + (fraction.empty() ? "" : "." + fraction);
}

std::int32_t EnteredFre(const model::ModelState& m, const std::string& typed) {
    const double mhz = platform::toDouble(typed);
    // Too large for a count of 10 Hz: beyond that end of the range.
    std::int32_t f = platform::roundedNumber(mhz * 100000, INT32_MIN, INT32_MAX)
                         .value_or(mhz > 0 ? HighestFre : LowestFre);
    f = model::ModifyTxRxFre(std::to_string(f)).value_or(0);
    f = std::clamp(f, LowestFre, HighestFre);
    const auto& v = m.ValidFreRange;
    if (model::InValidRange(m, f)) return f;
    if (f <= v[3]) {
        if (f >= v[1]) return v[1];
        if (f < v[0]) return v[0];
    } else {
        if (f > v[5]) return v[5];
        if (f < v[4]) return v[4];
    }
    return f;
}

void ClearChannelRow(model::ModelState& m, const app::ShellState& shell, ChGridView& view, int row) {
    const std::int32_t empty = ColourNumber(shell.EmptyCellColor);
    for (int c = 1; c <= columnCount(m); ++c) {
        m.ChInfo[row][c] = NoFre;
        view.SetChGridText(row, c, "");
        view.SetChGridTextColor(row, c, empty);
    }
    m.ChCtdcs[row][0].clear();
    m.ChCtdcs[row][1].clear();
    m.ChCleared[row] = true;
}

void TransmitOff(model::ModelState& m, const app::ShellState& shell, ChGridView& view, int row) {
    const std::int32_t empty = ColourNumber(shell.EmptyCellColor);
    m.ChInfo[row][ColTxFre] = NoFre;
    for (int c : {ColTxFre, ColTxTone}) {
        view.SetChGridText(row, c, "");
        view.SetChGridTextColor(row, c, empty);
    }
    m.ChCtdcs[row][1].clear();
}

bool IsFixedColumnKey(const std::string& key) {
    for (const char* fixed : {"RxFre", "TxFre", "OFFSET", "CHNAME", "CtcssDcsDec", "CtcssDcsEnc"})
        if (key == fixed) return true;
    return false;
}

void ShowChTblGrid(model::ModelState& m, ChMemState& s, const app::ShellState& shell, ChGridView& view) {
    app::Guarded("modChMem->ShowChTblGrid", [&] {
        s.CtdcsEditRow = 0;
        s.CtdcsEditCol = 0;
        view.HideCtdcs();
        model::IicDatToChInfo(m);
        const int count = std::clamp<int>(m.ChCount, 0, model::map::ChannelCount);
        // A layout of fewer columns shows the fields it has; the channel
        // table and the image keep the others.
        const int cols = columnCount(m);
        for (int ch = 1; ch <= count; ++ch) {
            const auto& f = m.ChInfo[ch];
            if (f[ColRxFre] == NoFre) {
                for (int c = 1; c <= cols; ++c) view.SetChGridText(ch, c, "");
                continue;
            }
            // Each show procedure's failure ends only that procedure.
            app::Guarded("modChMem->ChParaShow", [&] { ChParaShow(m, view, ch); });
            if (cols >= ColRxFre)
                app::Guarded("modChMem->RxFreShow", [&] {
                    view.SetChGridText(ch, ColRxFre, FreCellText(f[ColRxFre]));
                    view.SetChGridTextColor(ch, ColRxFre, bandColour(m, shell, f[ColRxFre]));
                });
            if (cols >= ColTxFre)
                app::Guarded("modChMem->TxFreShow", [&] {
                    const bool off = f[ColTxFre] == NoFre;
                    view.SetChGridText(ch, ColTxFre, off ? "" : FreCellText(f[ColTxFre]));
                    if (!off) view.SetChGridTextColor(ch, ColTxFre, bandColour(m, shell, f[ColTxFre]));
                });
            if (cols >= ColRxTone)
                app::Guarded("modChMem->CtdcsDecShow",
                             [&] { view.SetChGridText(ch, ColRxTone, m.ChCtdcs[ch][0]); });
            if (cols >= ColTxTone)
                app::Guarded("modChMem->CtdcsEncShow", [&] {
                    view.SetChGridText(ch, ColTxTone, f[ColTxFre] == NoFre ? "" : m.ChCtdcs[ch][1]);
                });
        }
    });
}

BeforeEditResult BeforeEdit(const model::ModelState& m, const app::ShellState& shell, int row, int col) {
    BeforeEditResult r;
    // A locked grid opens no cell: nothing typed could be stored.
    r.cancel = FaceLocked(shell);
    if (r.cancel || row < 1 || col < 1 || row > m.ChCount || col > columnCount(m)) return r;
    r.setMode = true;
    r.mode = EditModeFor(GridEvent::BeforeEdit, col);
    const auto& f = m.ChInfo[row];
    // An empty channel takes only a receive frequency.
    if (f[ColRxFre] == NoFre) {
        r.cancel = col != ColRxFre;
    } else if (col == ColTxTone && f[ColTxFre] == NoFre) {
        r.cancel = true;
    } else if (!IsFixedColumnKey(m.ChColList[col][0])) {
        r.hasComboList = true;
        r.comboList = m.ChColList[col][0];
    }
    return r;
}

void AfterEdit(model::ModelState& m, const app::ShellState& shell, ChGridView& view, int row, int col,
               const std::string& text) {
    if (FaceLocked(shell)) return;
    app::Guarded("frmChMem->vsfgGridCh_AfterEdit:", [&] {
        checkRow(m, row);
        // The tone cells are set through the tone drop-down only.
        if (col < 1 || col > columnCount(m) || col == ColRxTone || col == ColTxTone) return;
        m.ChInfo[row][0] = 1;
        const bool number = platform::isNumeric(text);
        if (col == ColName) {
            ChNameEdit(m, view, row);
            return;
        }
        if ((col == ColRxFre || col == ColTxFre) && number) {
            storeFrequency(m, shell, view, row, col, text);
        } else if (col == ColRxFre) {
            ClearChannelRow(m, shell, view, row);
            view.SetChGridCurrent(row, ColRxFre);
        } else if (col == ColTxFre) {
            TransmitOff(m, shell, view, row);
        } else {
            m.ChInfo[row][col] = listPosition(m.ChColList[col][0], text);
        }
        model::ChInfoToIicDat(m);
    });
}

void ChNameEdit(model::ModelState& m, ChGridView& view, int row) {
    app::Guarded("frmChMem->ChNameEdit", [&] {
        checkRow(m, row);
        std::string name = view.ChGridText(row, ColName);
        // The alphabet is ASCII; other characters are dropped whatever their case.
        for (char& ch : name)
            if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
        model::ChNameCharSol(m, name, model::map::NameLength);
        for (int i = 0; i < model::map::NameLength; ++i) {
            const auto code = static_cast<std::uint8_t>(m.ChNameCode[static_cast<std::size_t>(i)]);
            m.IicDat[model::map::ChNameAddr(row) + static_cast<std::size_t>(i)] = code;
            m.ChNameDat[row][static_cast<std::size_t>(i)] = code;
        }
        model::ChNameCharShow(m, row);
    });
}

ClickTarget ClickAction(const model::ModelState& m, int row, int col) {
    const auto& f = m.ChInfo[static_cast<std::size_t>(std::clamp(row, 0, model::ChTableLast))];
    if (f[ColRxFre] == NoFre) return ClickTarget::EditRxFre;
    if (col == ColRxTone) return ClickTarget::OpenRxTone;
    if (col == ColTxTone) return f[ColTxFre] == NoFre ? ClickTarget::MoveToTxFre : ClickTarget::OpenTxTone;
    return ClickTarget::EditCell;
}

void DblClick(model::ModelState& m, const app::ShellState& shell, ChGridView& view, int row, int col) {
    if (FaceLocked(shell) || row < 1 || col < 1) return;
    app::Guarded("frmChMem->vsfgGridCh_DblClick:", [&] {
        checkRow(m, row);
        auto& f = m.ChInfo[row];
        if (f[ColRxFre] == NoFre || col == ColRxFre || col > columnCount(m)) return;
        f[0] = 1;
        const bool txOff = f[ColTxFre] < 100;
        if (col == ColTxFre) {
            if (!txOff) return;
            f[ColTxFre] = f[ColRxFre];
            view.SetChGridText(row, ColTxFre, view.ChGridText(row, ColRxFre));
            view.SetChGridCurrent(row, ColTxFre);
            view.SetChGridTextColor(row, ColTxFre, bandColour(m, shell, f[ColTxFre]));
            view.SetChGridText(row, ColTxTone, view.ChGridText(row, ColRxTone));
            m.ChCtdcs[row][1] = view.ChGridText(row, ColTxTone);
        } else if (col == ColRxTone) {
            if (txOff) return;
            view.SetChGridText(row, ColRxTone, view.ChGridText(row, ColTxTone));
            m.ChCtdcs[row][0] = view.ChGridText(row, ColRxTone);
        } else if (col == ColTxTone) {
            if (txOff) return;
            view.SetChGridText(row, ColTxTone, view.ChGridText(row, ColRxTone));
            m.ChCtdcs[row][1] = view.ChGridText(row, ColTxTone);
        } else if (col == ColName) {
            if (view.ChGridText(row, ColName).empty()) {
                view.SetChGridText(row, ColName, defaultName(row));
                ChNameEdit(m, view, row);
            }
        } else if (f[col] != -1) {
            const std::int32_t n = platform::toInt16(m.ChColList[col][1]);
            f[col] = f[col] >= n - 1 ? 0 : f[col] + 1;
            view.SetChGridText(row, col, optionText(m, col, f[col]));
        }
        // As every other edit: the image holds the row at once, for whoever
        // sends or saves the image as it stands.
        model::ChInfoToIicDat(m);
    });
}

} // namespace channels
