// Page 3: DTMF encode and decode with the stun frame, the auto-dial list and
// the phone book.
#include "channels/ui/SettingsControls.h"
#include "channels/ui/SettingsLayout.h"
#include "channels/ui/SettingsPages.h"

#include "platform/ui/Grid.h"
#include "platform/ui/Twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace channels {

using layout::pair;

namespace {

// The characters the auto-dial memories take, the same in every language.
const char* const AutoDialChars = "0--9, A--D, *, #";

} // namespace

DtmfPage::DtmfPage(QWidget* frame, SettingsControls& c) : SettingsPage(frame, c) {
    auto* page = new QHBoxLayout(frame);
    layout::tight(page);
    auto* left = new QVBoxLayout;
    page->addLayout(left, 3);

    // DTMF encode.
    QGroupBox* encode = c.frame(12, frame);
    QGridLayout* g = layout::grid(encode);
    int row = 0;
    for (int i : {45, 46, 47}) pair(g, row++, 0, c.comboLabel(i, encode), c.combo(i, encode));
    for (int i : {4, 5}) {
        QLineEdit* box = c.text(i, encode);
        pair(g, row++, 0, c.lblPcTxt[static_cast<std::size_t>(i)], box);
    }
    g->addWidget(c.check(26, encode), row, 0);
    g->addWidget(c.check(29, encode), row, 1);
    left->addWidget(encode);

    // DTMF decode, with the stun frame inside it.
    QGroupBox* decode = c.frame(13, frame);
    g = layout::grid(decode);
    row = 0;
    QLineEdit* id = c.text(6, decode);
    pair(g, row++, 0, c.lblPcTxt[6], id);
    pair(g, row++, 0, c.comboLabel(49, decode), c.combo(49, decode));
    auto* groupRow = new QHBoxLayout;
    groupRow->setSpacing(8);
    groupRow->addWidget(c.comboLabel(50, decode));
    groupRow->addWidget(c.combo(50, decode));
    groupRow->addWidget(c.comboLabel(51, decode));
    groupRow->addWidget(c.combo(51, decode), 1);
    g->addLayout(groupRow, row++, 0, 1, 2);
    for (int i : {27, 30, 31}) g->addWidget(c.check(i, decode), row++, 0, 1, 2);
    QGroupBox* stun = c.frame(14, decode);
    QGridLayout* s = layout::grid(stun);
    QLineEdit* stunCode = c.text(7, stun);
    pair(s, 0, 0, c.lblPcTxt[7], stunCode);
    pair(s, 1, 0, c.comboLabel(52, stun), c.combo(52, stun));
    pair(s, 2, 0, c.comboLabel(53, stun), c.combo(53, stun));
    s->setColumnStretch(1, 1);
    g->addWidget(stun, row, 0, 1, 2);
    left->addWidget(decode);
    left->addStretch(1);

    // The auto-dial list: sixteen numbered memories.
    QGroupBox* autoDial = c.frame(15, frame);
    g = layout::grid(autoDial);
    g->addWidget(new QLabel(QString::fromLatin1(AutoDialChars), autoDial), 0, 1, Qt::AlignRight);
    for (int j = 0; j < AutoMemCount; ++j) {
        QLineEdit* box = c.autoMem(j, autoDial);
        box->setMinimumWidth(platform::twips(2200));
        g->addWidget(c.lblAutoMem[static_cast<std::size_t>(j)], j + 1, 0, Qt::AlignRight);
        g->addWidget(box, j + 1, 1);
    }
    g->setRowStretch(AutoMemCount + 1, 1);
    page->addWidget(autoDial, 2);

    // The phone book.
    QGroupBox* phoneBook = c.frame(16, frame);
    auto* book = new QVBoxLayout(phoneBook);
    layout::tight(book);
    book->addWidget(c.phoneBookGrid(phoneBook));
    page->addWidget(phoneBook);
}

} // namespace channels
