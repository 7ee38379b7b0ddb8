#pragma once
// For the settings window's tests: whether every settings control shows the
// pages' logic, and an image that holds something in every settings field.
#include "channels/SettingsState.h"
#include "channels/ui/SettingsControls.h"
#include "model/ImageMap.h"
#include "model/Model.h"

#include "platform/ui/Grid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QStringList>

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace settingswindowtest {

using Bytes = std::vector<std::uint8_t>;

// The settings controls that do not show what the pages' logic holds: the
// lists (items, choice, enabling, tip), boxes, key lists, auto-dial
// memories, every data cell of the side grids and the read/write codes.
inline QStringList notShown(const channels::SettingsControls& c) {
    const channels::SettingsPages& s = channels::settingsPages();
    QStringList wrong;
    auto q = [](const std::string& t) { return QString::fromStdString(t); };
    auto combo = [&](const QComboBox* box, const channels::ComboBox& state, const QString& name) {
        if (box->count() != static_cast<int>(state.items.size()) || box->currentIndex() != state.ListIndex ||
            box->isEnabled() != state.Enabled || box->toolTip() != q(state.ToolTip) ||
            (box->count() > 0 && box->itemText(box->count() - 1) != q(state.items.back())))
            wrong << name;
    };
    for (std::size_t i = 0; i < c.cboPc.size(); ++i)
        combo(c.cboPc[i], s.cboPc[i], QString("cboPc(%1)").arg(i));
    for (std::size_t level = 1; level < c.cboVoxCmpDat.size(); ++level)
        combo(c.cboVoxCmpDat[level], s.cboVoxCmpDat[level], QString("cboVoxCmpDat(%1)").arg(level));
    for (std::size_t i = 0; i < c.chkPc.size(); ++i)
        if (c.chkPc[i]->isChecked() != (s.chkPc[i].Value != 0) ||
            c.chkPc[i]->isEnabled() != s.chkPc[i].Enabled)
            wrong << QString("chkPc(%1)").arg(i);
    for (std::size_t i = 0; i < c.txtPc.size(); ++i)
        if (c.txtPc[i]->text() != q(s.txtPc[i].Text)) wrong << QString("txtPc(%1)").arg(i);
    for (std::size_t j = 0; j < c.txtAutoMem.size(); ++j)
        if (c.txtAutoMem[j]->text() != q(s.txtAutoMem[j].Text)) wrong << QString("txtAutoMem(%1)").arg(j);
    for (std::size_t k = 0; k < c.listSkKey.size(); ++k)
        if (c.listSkKey[k]->count() != static_cast<int>(s.listSkKey[k].items.size()) ||
            c.listSkKey[k]->currentRow() != s.listSkKey[k].ListIndex)
            wrong << QString("listSkKey(%1)").arg(k);
    const std::pair<const platform::Grid*, const channels::SideGrid*> grids[] = {
        {c.vsfgGridTwoTone[0], &s.grids.TwoTone},
        {c.vsfgGridRadio, &s.grids.Radio},
        {c.vsfgGridPhoneBook, &s.grids.PhoneBook}};
    for (const auto& [grid, state] : grids)
        for (int r = 1; r <= state->Rows; ++r)
            for (int col = 1; col < state->Cols; ++col)
                if (grid->textMatrix(r, col) != q(state->Text(r, col)))
                    wrong << QString("%1 (%2, %3)").arg(grid->objectName()).arg(r).arg(col);
    if (c.txtRdWrCode->text() != q(s.rdWr.RdWrCodeText)) wrong << "txtRdWrCode";
    if (c.txtNewRdWrCode->text() != q(s.rdWr.NewRdWrCodeText)) wrong << "txtNewRdWrCode";
    return wrong;
}

// An image whose settings hold something in every kind of field: DTMF codes
// in the auto-dial memories, the code boxes and the phone book, names, used
// two-tone entries, FM stations, message lines, codes and the VOX levels.
inline model::Image patterned(model::Image image) {
    const std::uint8_t dtmf[] = {'1', '2', 'A', '*', '#', '9', ' ', 'D', '0'};
    for (model::map::Addr a = 0xE000; a < 0xE2F0; ++a) image[a] = dtmf[(a * 7) % sizeof dtmf];
    for (model::map::Addr a = 0xE2F0; a < 0xE3B8; ++a) image[a] = static_cast<std::uint8_t>(a % 30);
    for (int n = 1; n <= 32; ++n) {
        const model::map::Addr a = 0xE400 + 8 * static_cast<model::map::Addr>(n - 1);
        const int tenths = 10000 + 100 * n;
        const Bytes entry{static_cast<std::uint8_t>(tenths & 0xFF),
                          static_cast<std::uint8_t>(tenths >> 8),
                          5,
                          0x20,
                          0x4E,
                          7,
                          3,
                          0x5A};
        std::copy(entry.begin(), entry.end(), image.begin() + static_cast<std::ptrdiff_t>(a));
    }
    for (model::map::Addr a = 0xE610; a < 0xE650; a += 2) {
        image[a] = static_cast<std::uint8_t>('A' + a % 26);
        image[a + 1] = 0x00;
    }
    for (int n = 1; n <= 25; ++n) {
        int units = (87 + n) * 100000;
        for (model::map::Addr i = 0; i < 4; ++i, units /= 100)
            image[0xE650 + 4 * static_cast<model::map::Addr>(n - 1) + i] =
                static_cast<std::uint8_t>((units % 100 / 10) << 4 | units % 10);
    }
    const Bytes codes{1, 2, 3, 0xFF, 0xFF, 0xFF};
    std::copy(codes.begin(), codes.end(), image.begin() + 0xE6E0);
    for (int level = 1; level <= 10; ++level)
        image[0xE720 + static_cast<model::map::Addr>(level)] = 20 * level;
    const Bytes rdWr{'X', 0x00, 'Y', 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    std::copy(rdWr.begin(), rdWr.end(), image.begin() + 0xE780);
    return image;
}

} // namespace settingswindowtest
