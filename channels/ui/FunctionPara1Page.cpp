// Page 1: the optional features, VOX, scan and battery frames.
#include "channels/ui/SettingsControls.h"
#include "channels/ui/SettingsLayout.h"
#include "channels/ui/SettingsPages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace channels {

using layout::pair;

FunctionPara1Page::FunctionPara1Page(QWidget* frame, SettingsControls& c) : SettingsPage(frame, c) {
    auto* page = new QVBoxLayout(frame);
    layout::tight(page);

    // Optional features: two columns of lists, then the check boxes. The key
    // lock boxes stand under the second column's lists, so that the long
    // captions of the tail tones leave room for the rest.
    QGroupBox* features = c.frame(2, frame);
    QGridLayout* g = layout::grid(features);
    int row = 0;
    for (int i : {4, 5, 6, 7, 8, 9}) pair(g, row++, 0, c.comboLabel(i, features), c.combo(i, features));
    row = 0;
    for (int i : {12, 13, 72, 41}) pair(g, row++, 1, c.comboLabel(i, features), c.combo(i, features));
    for (int i : {33, 34}) g->addWidget(c.check(i, features), row++, 2, 1, 2);
    row = 0;
    for (int i : {2, 3, 4, 5, 6, 7}) g->addWidget(c.check(i, features), row++, 4);
    g->setColumnStretch(5, 1);
    page->addWidget(features);

    // VOX: gain and delay, then the ten comparison levels under their heads.
    QGroupBox* vox = c.frame(3, frame);
    auto* voxRows = new QVBoxLayout(vox);
    layout::tight(voxRows);
    auto* top = new QGridLayout;
    top->setSpacing(3);
    top->setHorizontalSpacing(8);
    pair(top, 0, 0, c.comboLabel(15, vox), c.combo(15, vox));
    top->addWidget(c.check(9, vox), 0, 2);
    pair(top, 1, 0, c.comboLabel(16, vox), c.combo(16, vox));
    top->addWidget(c.check(35, vox), 1, 2);
    top->setColumnStretch(3, 1);
    voxRows->addLayout(top);
    auto* levels = new QGridLayout;
    levels->setSpacing(3);
    levels->addWidget(c.comboLabel(56, vox), 1, 0);
    for (int level = 1; level <= VoxLevelCount; ++level) {
        QComboBox* box = c.voxLevel(level, vox);
        levels->addWidget(c.lblVoxCmpLevel[static_cast<std::size_t>(level - 1)], 0, level, Qt::AlignHCenter);
        levels->addWidget(box, 1, level);
    }
    levels->addWidget(c.button(2, vox), 1, VoxLevelCount + 1);
    levels->setColumnStretch(VoxLevelCount + 2, 1);
    voxRows->addLayout(levels);
    page->addWidget(vox);

    // Scan.
    QGroupBox* scan = c.frame(4, frame);
    g = layout::grid(scan);
    pair(g, 0, 0, c.comboLabel(21, scan), c.combo(21, scan));
    pair(g, 0, 1, c.comboLabel(20, scan), c.combo(20, scan));
    g->addWidget(c.check(11, scan), 0, 4);
    g->addWidget(c.check(13, scan), 0, 5);
    pair(g, 1, 0, c.comboLabel(22, scan), c.combo(22, scan));
    g->addWidget(c.check(12, scan), 1, 4);
    g->setColumnStretch(6, 1);
    page->addWidget(scan);

    // Battery: the two long captions of the power-off boxes each take the
    // width of both check-box columns.
    QGroupBox* battery = c.frame(5, frame);
    g = layout::grid(battery);
    pair(g, 0, 0, c.comboLabel(23, battery), c.combo(23, battery));
    pair(g, 0, 1, c.comboLabel(14, battery), c.combo(14, battery));
    g->addWidget(c.check(18, battery), 0, 4);
    g->addWidget(c.check(15, battery), 0, 5);
    pair(g, 1, 0, c.comboLabel(24, battery), c.combo(24, battery));
    g->addWidget(c.check(17, battery), 1, 2, 1, 2);
    g->addWidget(c.check(21, battery), 1, 4, 1, 2);
    pair(g, 2, 0, c.comboLabel(25, battery), c.combo(25, battery));
    g->addWidget(c.check(22, battery), 2, 4, 1, 2);
    g->setColumnStretch(6, 1);
    page->addWidget(battery);
    page->addStretch(1);
}

} // namespace channels
