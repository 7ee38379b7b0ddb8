// Page 4: the two-tone list and its options.
#include "channels/ui/SettingsControls.h"
#include "channels/ui/SettingsLayout.h"
#include "channels/ui/SettingsPages.h"

#include "platform/ui/Grid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

namespace channels {

using layout::pair;

TwoTonePage::TwoTonePage(QWidget* frame, SettingsControls& c) : SettingsPage(frame, c) {
    auto* page = new QHBoxLayout(frame);
    layout::tight(page);

    QGroupBox* list = c.frame(17, frame);
    auto* listLayout = new QVBoxLayout(list);
    layout::tight(listLayout);
    listLayout->addWidget(c.twoToneGrid(0, list));
    page->addWidget(list);

    auto* options = new QGridLayout;
    options->setSpacing(3);
    options->setHorizontalSpacing(8);
    int row = 0;
    for (int i : {55, 57, 54}) pair(options, row++, 0, c.comboLabel(i, frame), c.combo(i, frame));
    options->addWidget(c.check(28, frame), row++, 0, 1, 2);
    options->setRowStretch(row, 1);
    options->setColumnStretch(2, 1);
    auto* column = new QVBoxLayout;
    column->addLayout(options);
    page->addLayout(column, 1);
}

} // namespace channels
