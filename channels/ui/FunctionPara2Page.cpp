// Page 2: the key functions, the FM radio, the messages with the serial-number
// list, the alarm, the first and second channel and the power-on frames.
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
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace channels {

using layout::pair;

FunctionPara2Page::FunctionPara2Page(QWidget* frame, SettingsControls& c) : SettingsPage(frame, c) {
    auto* page = new QVBoxLayout(frame);
    layout::tight(page);

    // Key assignment: a caption above each key's function list.
    QGroupBox* keys = c.frame(6, frame);
    auto* keyColumns = new QHBoxLayout(keys);
    layout::tight(keyColumns);
    for (int key = 0; key < KeyCount; ++key) {
        auto* column = new QVBoxLayout;
        QListWidget* list = c.keyList(key, keys); // with its caption lblKeySk
        column->addWidget(c.lblKeySk[static_cast<std::size_t>(key)]);
        column->addWidget(list);
        keyColumns->addLayout(column, 1);
    }
    page->addWidget(keys);

    // Below, two rows of frames side by side: the FM radio beside the alarm,
    // the messages beside the channels and the power-on settings.
    auto* upper = new QHBoxLayout;
    auto* lower = new QHBoxLayout;
    page->addLayout(upper);
    page->addLayout(lower, 1);

    // FM radio: its settings beside the station list.
    QGroupBox* radio = c.frame(7, frame);
    auto* radioRow = new QHBoxLayout(radio);
    layout::tight(radioRow);
    auto* radioSettings = new QGridLayout;
    radioSettings->setSpacing(3);
    radioSettings->addWidget(c.check(24, radio), 0, 0, 1, 2);
    int row = 1;
    for (int i : {28, 29, 30, 31}) pair(radioSettings, row++, 0, c.comboLabel(i, radio), c.combo(i, radio));
    radioSettings->setRowStretch(row, 1);
    radioRow->addLayout(radioSettings);
    radioRow->addWidget(c.radioGrid(radio));
    radioRow->addStretch(1);
    upper->addWidget(radio, 1);

    // Alarm: two columns of lists.
    QGroupBox* alarm = c.frame(10, frame);
    QGridLayout* g = layout::grid(alarm);
    row = 0;
    for (int i : {33, 34, 35, 36}) pair(g, row++, 0, c.comboLabel(i, alarm), c.combo(i, alarm));
    pair(g, 0, 1, c.comboLabel(37, alarm), c.combo(37, alarm));
    pair(g, 1, 1, c.comboLabel(39, alarm), c.combo(39, alarm));
    // The alarm channel is labelled by lblPc(58).
    pair(g, 2, 1, c.comboLabel(58, alarm), c.combo(56, alarm, 58));
    g->setRowStretch(4, 1);
    upper->addWidget(alarm, 1);

    // Embedded messages and the serial-number list; the example at the right.
    QGroupBox* messages = c.frame(8, frame);
    g = layout::grid(messages);
    for (int i : {2, 3}) {
        g->addWidget(c.text(i, messages), i - 2, 1, 1, 5);
        g->addWidget(c.lblPcTxt[static_cast<std::size_t>(i)], i - 2, 0);
    }
    c.serialControls(messages);
    g->addWidget(c.cmdImportSeq, 2, 0);
    g->addWidget(c.cboImportSeq, 2, 1);
    g->addWidget(c.cmdSeqSwitch[0], 2, 2);
    g->addWidget(c.cmdSeqSwitch[1], 2, 3);
    g->addWidget(c.chkAutoNextSn, 2, 4);
    g->addWidget(c.txtSeqExample, 0, 6, 3, 1);
    for (QPushButton* b : c.cmdSeqSwitch) b->setFixedWidth(platform::twips(450));
    layout::fitText(c.txtSeqExample);
    g->setColumnStretch(1, 1);
    g->setRowStretch(3, 1);
    lower->addWidget(messages, 1);

    auto* right = new QVBoxLayout;
    lower->addLayout(right, 1);

    // First and second channel.
    QGroupBox* channelsFrame = c.frame(19, frame);
    g = layout::grid(channelsFrame);
    pair(g, 0, 0, c.comboLabel(69, channelsFrame), c.combo(69, channelsFrame));
    pair(g, 0, 1, c.comboLabel(65, channelsFrame), c.combo(65, channelsFrame));
    pair(g, 1, 0, c.comboLabel(68, channelsFrame), c.combo(68, channelsFrame));
    right->addWidget(channelsFrame);

    // Power-on settings.
    QGroupBox* powerOn = c.frame(9, frame);
    g = layout::grid(powerOn);
    pair(g, 0, 0, c.comboLabel(32, powerOn), c.combo(32, powerOn));
    QLineEdit* message = c.text(9, powerOn);
    pair(g, 0, 1, c.lblPcTxt[9], message);
    QLineEdit* code = c.text(10, powerOn);
    pair(g, 1, 0, c.lblPcTxt[10], code);
    QLineEdit* reset = c.text(11, powerOn);
    pair(g, 1, 1, c.lblPcTxt[11], reset);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);
    right->addWidget(powerOn);
    right->addStretch(1);
}

// The key lists are filled now: each shows whole items, as wide as its
// longest function.
void FunctionPara2Page::SetOptList() {
    SettingsPage::SetOptList();
    for (QListWidget* list : c_.listSkKey) layout::wholeItems(list, KeyListRows);
}

} // namespace channels
