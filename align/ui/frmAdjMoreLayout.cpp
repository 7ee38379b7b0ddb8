// The register window's three tabs and their panels, with their fixed
// captions.
#include "align/ui/FieldWidgets.h"
#include "align/ui/frmAdjMore.h"
#include "platform/ui/Grid.h"
#include "platform/ui/Twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace align::ui {
namespace {

using C = Control;
using platform::twips;

QLabel* label(const QString& text, QWidget* parent) {
    return new QLabel(text, parent);
}

QGroupBox* frame(const char* caption, const char* name, QWidget* parent) {
    auto* f = new QGroupBox(QString::fromUtf8(caption), parent);
    if (name) f->setObjectName(QString::fromLatin1(name));
    return f;
}

QGridLayout* tightGrid(QWidget* w) {
    auto* g = new QGridLayout(w);
    g->setContentsMargins(4, 2, 4, 4);
    g->setHorizontalSpacing(3);
    g->setVerticalSpacing(2);
    return g;
}

// A widget of the map moved into its panel.
template <class W> W* in(W* w, QWidget* parent, int width = 0) {
    w->setParent(parent);
    if (width > 0) w->setFixedWidth(width);
    return w;
}

constexpr int kNumberList = 50; // a list of "0"-"255"

// Squelch frame of one band: columns "步进" and "差值", then one per
// frequency point; rows "宽带" and "窄带".
struct SquelchBand {
    const char* caption;
    const char* name;
    int step;       // entry of the band's step; its difference follows
    int firstPoint; // entry of the first frequency point
    int firstMhz;
    int points;
};
constexpr SquelchBand kSquelchBands[] = {
    {"静噪 134--174MHz", nullptr, 25, 0, 134, 5},
    {"静噪 200--260MHz", nullptr, 27, 5, 200, 7},
    {"静噪 400--520MHz", "fraAdjPwr400520", 29, 12, 400, 13},
};

// Deviation frame of one band: element 0 tone, element 1 CD/VOI, wide then narrow.
struct DeviationBand {
    const char* caption;
    const char* name;
    C wide;
    C narrow;
    int difference; // cboCdVoiSub of the wide channels; the narrow one follows
};
constexpr DeviationBand kDeviationBands[] = {
    {"VHF-- 134-174MHz", "fraWideDev134174", C::hscWideDev134174, C::hscNarrowDev134174, 0},
    {"VHF-- 200-260MHz", nullptr, C::hscWideDev200260, C::hscNarrowDev200260, 2},
    {"UHF-- 400-520MHz", "fraWideDev400520", C::hscWideDev400520, C::hscNarrowDev400520, 4},
};

// Threshold rows: the register's caption and its thresholds' names.
struct ThresholdRow {
    const char* caption;
    const char* name; // of the thresholds in their tips
    int first;
    int count;
};
constexpr ThresholdRow kThresholdRows[] = {{"3CH", "PkDet", 0, 4},
                                           {"3FH", "RSSI3", 4, 4},
                                           {"62H", "ModSig", 8, 4},
                                           {"48H", "NOISE1", 12, 4},
                                           {"NOISE2阈值60H", "NOISE2", 16, 2}};

QString thresholdTip(const ThresholdRow& r, int n) {
    const QString level = (n % 2 == 0) ? QStringLiteral("低阈值") : QStringLiteral("高阈值");
    if (r.count == 2) return QStringLiteral("%1阈值_%2").arg(QString::fromLatin1(r.name), level);
    const QString width = ((n - r.first) / 2 == 0) ? QStringLiteral("宽带") : QStringLiteral("窄带");
    return QStringLiteral("%1阈值_%2_%3").arg(QString::fromLatin1(r.name), width, level);
}

constexpr const char* kReg5ACaptions[] = {"NOISE次数5AH_2_0", "SIF次数5AH_5_3", "MODU次数5AH_8_6",
                                          "RSSI次数5AH_11_9", "PkDet次数5AH_14_12"};
constexpr const char* kEnableCaptions[] = {"窄带:启动FM MOD计算3AH_6", "宽带:启动FM MOD计算3AH_6",
                                           "窄带:启动NOISE计算3AH_7",  "宽带:启动NOISE计算3AH_7",
                                           "窄带:启动RSSI计算3AH_10",  "宽带:启动RSSI计算3AH_10",
                                           "窄带:启动PkDet计算40H_5",  "宽带:启动PkDet计算40H_5"};
constexpr const char* kBatteryCaptions[] = {"电压伏数", nullptr,   nullptr,   nullptr,   nullptr,   "电池0_L",
                                            "电池0_H",  "电池1_L", "电池1_H", "电池2_L", "电池2_H", "电池3_L",
                                            "电池3_H",  "电池4_L", "电池4_H", "电池5_L", "电池5_H"};
constexpr const char* kDelayCaptions[] = {"提示音前延时", "提示音后延时", "报号前延时", "报号后延时"};

} // namespace

QWidget* frmAdjMore::buildSquelchTab() {
    auto* tab = new QWidget;
    auto* grid = new QGridLayout(tab);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setSpacing(4);

    // Squelch tables.
    for (int b = 0; b < 3; ++b) {
        const SquelchBand& band = kSquelchBands[b];
        QGroupBox* f = frame(band.caption, band.name, tab);
        QGridLayout* g = tightGrid(f);
        g->addWidget(label(QStringLiteral("宽带"), f), 1, 0);
        g->addWidget(label(QStringLiteral("窄带"), f), 2, 0);
        for (int k = 0; k < band.points + 2; ++k) {
            const int entry = k < 2 ? band.step + k : band.firstPoint + k - 2;
            const QString head = k == 0   ? QStringLiteral("步进")
                                 : k == 1 ? QStringLiteral("差值")
                                          : QString::number(band.firstMhz + 10 * (k - 2));
            QLabel* h = label(head, f);
            h->setAlignment(Qt::AlignCenter);
            g->addWidget(h, 0, k + 1);
            g->addWidget(in(list(C::cboSqlWide, entry), f, kNumberList), 1, k + 1);
            g->addWidget(in(list(C::cboSqlNarrow, entry), f, kNumberList), 2, k + 1);
        }
        if (b < 2)
            grid->addWidget(f, 0, b, Qt::AlignLeft);
        else
            grid->addWidget(f, 1, 0, 1, 2, Qt::AlignLeft);
    }

    // Deviations.
    QGroupBox* fra134174 = frame("频偏", "fra134174", tab);
    auto* deviations = new QHBoxLayout(fra134174);
    deviations->setContentsMargins(4, 2, 4, 4);
    for (const DeviationBand& band : kDeviationBands) {
        QGroupBox* f = frame(band.caption, band.name, fra134174);
        QGridLayout* g = tightGrid(f);
        const char* captions[] = {"亚音", "CD/VOI", "亚音S", "CD/VOIS"};
        for (int row = 0; row < 4; ++row) {
            const C array = row < 2 ? band.wide : band.narrow;
            const int e = row % 2;
            g->addWidget(label(QString::fromUtf8(captions[row]), f), row, 0);
            QScrollBar* bar = in(fields->scroll(array, e), f);
            bar->setMinimumWidth(twips(1500));
            g->addWidget(bar, row, 1);
            g->addWidget(in(fields->scrollText(array, e), f, 40), row, 2);
            if (e == 1) {
                QComboBox* difference = in(list(C::cboCdVoiSub, band.difference + row / 2), f, 40);
                difference->setToolTip(QStringLiteral("差值:默认2"));
                g->addWidget(difference, row, 3);
            }
        }
        deviations->addWidget(f);
    }
    grid->addWidget(fra134174, 2, 0, 1, 2, Qt::AlignLeft);

    // Receive response.
    fraRxRespDev = frame("接收响应和频偏", "fraRxRespDev", tab);
    QGridLayout* rx = tightGrid(fraRxRespDev);
    auto rxRow = [&](int row, const char* caption, std::initializer_list<C> lists) {
        rx->addWidget(label(QString::fromUtf8(caption), fraRxRespDev), row, 0);
        int col = 1;
        for (C c : lists) rx->addWidget(in(list(c, 0), fraRxRespDev, kNumberList), row, col++);
    };
    rxRow(0, "Voice_Gain_Rx41H", {C::cboVoiceGainRx41H});
    rxRow(1, "接收音频响应42H", {C::cboRxResp42L, C::cboRxResp42H});
    rxRow(2, "接收音频响应43H", {C::cboRxResp43L, C::cboRxResp43H});
    rxRow(3, "Pga_Gain0AH", {C::cboPgaGain0AH});
    rxRow(4, "Gain_Tx44H", {C::cboGainTx44H});
    rxRow(5, "Voice_Gain_Tx41H", {C::cboVoiceGainTx41H});
    grid->addWidget(fraRxRespDev, 3, 0, Qt::AlignLeft | Qt::AlignTop);

    // Squelch parameters.
    fraSqlPara = frame("SQL参数", "fraSqlPara", tab);
    QGridLayout* sql = tightGrid(fraSqlPara);
    int row = 0;
    for (const ThresholdRow& r : kThresholdRows) {
        sql->addWidget(label(QString::fromUtf8(r.caption), fraSqlPara), row, 0);
        for (int n = r.first; n < r.first + r.count; ++n) {
            QComboBox* threshold = in(list(C::cboSqlThreshold, n), fraSqlPara, kNumberList);
            threshold->setToolTip(thresholdTip(r, n));
            sql->addWidget(threshold, row, 1 + n - r.first);
        }
        ++row;
    }
    for (int k = 4; k >= 0; --k) {
        QComboBox* count = in(list(C::cboReg5A, k), fraSqlPara, kNumberList);
        count->setToolTip(QString::fromUtf8(kReg5ACaptions[k]));
        sql->addWidget(label(QString::fromUtf8(kReg5ACaptions[k]), fraSqlPara), 4 - k, 5);
        sql->addWidget(count, 4 - k, 6);
    }
    auto* enables = new QGridLayout;
    for (int n = 0; n < 8; ++n) {
        QCheckBox* enable = in(box(C::chkEnableSqlCacl, n), fraSqlPara);
        enable->setText(QString::fromUtf8(kEnableCaptions[n]));
        enables->addWidget(enable, n / 2, n % 2);
    }
    sql->addLayout(enables, 5, 0, 1, 7);
    grid->addWidget(fraSqlPara, 3, 1, Qt::AlignLeft | Qt::AlignTop);

    // The coded panel buttons.
    cmdSqlPara = new QPushButton(QStringLiteral("SQL参数"), tab);
    cmdRespDevSql = new QPushButton(QStringLiteral("接收响应和频偏"), tab);
    cmdMenuAdjust = new QPushButton(QStringLiteral("菜单"), tab);
    cmdSqlPara->setObjectName(QStringLiteral("cmdSqlPara"));
    cmdRespDevSql->setObjectName(QStringLiteral("cmdRespDevSql"));
    cmdMenuAdjust->setObjectName(QStringLiteral("cmdMenuAdjust"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdSqlPara);
    buttons->addWidget(cmdRespDevSql);
    buttons->addWidget(cmdMenuAdjust);
    buttons->addStretch();
    grid->addLayout(buttons, 4, 0, 1, 2);
    grid->setRowStretch(5, 1);
    grid->setColumnStretch(2, 1);
    connect(cmdSqlPara, &QPushButton::clicked, this, &frmAdjMore::cmdSqlPara_Click);
    connect(cmdRespDevSql, &QPushButton::clicked, this, &frmAdjMore::cmdRespDevSql_Click);
    connect(cmdMenuAdjust, &QPushButton::clicked, this, &frmAdjMore::cmdMenuAdjust_Click);
    return tab;
}

QWidget* frmAdjMore::buildOtherTab() {
    auto* tab = new QWidget;
    auto* grid = new QGridLayout(tab);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setSpacing(4);

    // Register 34H.
    fraReg34H = frame("REG:34H", "fraReg34H", tab);
    QGridLayout* r34 = tightGrid(fraReg34H);
    const std::pair<C, const char*> boxes34[] = {{C::chkReg34_Interval_Dr, "15_Interval_Dr"},
                                                 {C::chkReg34_Tone_Step_Dr, "14_Tone_Step_Dr"},
                                                 {C::chkReg34_Limit_Sel, "13_Limit_Sel"}};
    int row = 0;
    for (auto [c, caption] : boxes34) {
        QCheckBox* b = in(box(c, 0), fraReg34H);
        b->setText(QString::fromLatin1(caption));
        r34->addWidget(b, row++, 0, 1, 2);
    }
    const std::pair<C, const char*> lists34[] = {{C::cboReg34_Over_Th_Sel, "12_10_Over_Th_Sel"},
                                                 {C::cboReg34_Dig_Gain, "9_5_Dig_Gain"},
                                                 {C::cboReg34_Agc_Thd, "4_0_Agc_Thd"}};
    for (auto [c, caption] : lists34) {
        r34->addWidget(label(QString::fromLatin1(caption), fraReg34H), row, 0);
        r34->addWidget(in(list(c, 0), fraReg34H, kNumberList), row++, 1);
    }
    cmdReg34H_Def = new QPushButton(QStringLiteral("默认"), fraReg34H);
    cmdReg34H_Def->setObjectName(QStringLiteral("cmdReg34H_Def"));
    r34->addWidget(cmdReg34H_Def, row, 1);
    grid->addWidget(fraReg34H, 0, 0, Qt::AlignTop);

    // Register 65H.
    fraReg65H = frame("REG:65H", "fraReg65H", tab);
    QGridLayout* r65 = tightGrid(fraReg65H);
    const std::pair<const char*, std::pair<C, C>> widths[] = {
        {"宽带", {C::cboReg65H_Weak_Wide, C::cboReg65H_Strong_Wide}},
        {"窄带", {C::cboReg65H_Weak_Narr, C::cboReg65H_Strong_Narr}}};
    int col = 0;
    for (const auto& [caption, lists] : widths) {
        QGroupBox* f = frame(caption, nullptr, fraReg65H);
        QGridLayout* g = tightGrid(f);
        g->addWidget(label(QStringLiteral("Weak"), f), 0, 0);
        g->addWidget(in(list(lists.first, 0), f, kNumberList), 0, 1);
        g->addWidget(label(QStringLiteral("Strong"), f), 1, 0);
        g->addWidget(in(list(lists.second, 0), f, kNumberList), 1, 1);
        r65->addWidget(f, 0, col++);
    }
    cmdReg65H_Def = new QPushButton(QStringLiteral("默认"), fraReg65H);
    cmdReg65H_Def->setObjectName(QStringLiteral("cmdReg65H_Def"));
    r65->addWidget(cmdReg65H_Def, 1, 1);
    grid->addWidget(fraReg65H, 1, 0, Qt::AlignTop);

    // Battery values.
    fraBatPara[3] = frame("电池参数", "fraBatPara_3", tab);
    QGridLayout* bat = tightGrid(fraBatPara[3]);
    bat->addWidget(label(QString::fromUtf8(kBatteryCaptions[0]), fraBatPara[3]), 0, 0);
    bat->addWidget(in(list(C::cboBatVoltPara, 0), fraBatPara[3], kNumberList), 0, 1);
    for (int i = 1; i <= 4; ++i)
        bat->addWidget(in(list(C::cboBatVoltPara, i), fraBatPara[3], kNumberList), 1, i);
    for (int i = 5; i <= 16; ++i) {
        const int r = 2 + (i - 5) / 2, c = (i - 5) % 2 * 2;
        bat->addWidget(label(QString::fromUtf8(kBatteryCaptions[i]), fraBatPara[3]), r, c + (c ? 1 : 0));
        bat->addWidget(in(list(C::cboBatVoltPara, i), fraBatPara[3], kNumberList), r, c + 1 + (c ? 1 : 0));
    }
    grid->addWidget(fraBatPara[3], 0, 1, 2, 1, Qt::AlignTop);

    // Power output.
    fraBatPara[0] = frame("1846S功率输出", "fraBatPara_0", tab);
    QGridLayout* out = tightGrid(fraBatPara[0]);
    const char* outputLabels[] = {"低功输出", "", "高功输出"};
    const char* outputTips[] = {"RDA1846S的低功功率输出", "RDA1846S的中功功率输出", "RDA1846S的高功功率输出"};
    for (int i = 0; i < 3; ++i) {
        QComboBox* level = in(list(C::cboRda1846SPwrOutput, i), fraBatPara[0], twips(1300));
        level->setToolTip(QString::fromUtf8(outputTips[i]));
        out->addWidget(label(QString::fromUtf8(outputLabels[i]), fraBatPara[0]), i, 0);
        out->addWidget(level, i, 1);
    }
    grid->addWidget(fraBatPara[0], 0, 2, Qt::AlignTop);

    // Delays.
    fraBatPara[4] = frame("时间", "fraBatPara_4", tab);
    QGridLayout* delays = tightGrid(fraBatPara[4]);
    for (int i = 0; i < 4; ++i) {
        delays->addWidget(label(QString::fromUtf8(kDelayCaptions[i]), fraBatPara[4]), i, 0);
        delays->addWidget(in(list(C::cboTimeTone, i), fraBatPara[4], kNumberList), i, 1);
    }
    grid->addWidget(fraBatPara[4], 1, 2, Qt::AlignTop);

    // Frequency range: kept, never shown.
    fraBatPara[5] = frame("频率范围", "fraBatPara_5", tab);
    QGridLayout* range = tightGrid(fraBatPara[5]);
    const std::pair<const char*, const char*> ranges[] = {
        {"收音机低端范围", "87"}, {"收音机高端范围", "108"}, {"差频频率范围", "99.99500"}};
    for (int i = 0; i < 3; ++i) {
        auto* text = new QLineEdit(QString::fromLatin1(ranges[i].second), fraBatPara[5]);
        (i < 2 ? txtRadioRange[i] : txtOffsetFreRange) = text;
        range->addWidget(label(QString::fromUtf8(ranges[i].first), fraBatPara[5]), i, 0);
        range->addWidget(text, i, 1);
        range->addWidget(label(QStringLiteral("MHz"), fraBatPara[5]), i, 2);
    }
    fraBatPara[5]->hide();
    grid->addWidget(fraBatPara[5], 2, 2, Qt::AlignTop);

    // Other.
    fraBatPara[6] = frame("其它", "fraBatPara_6", tab);
    QGridLayout* other = tightGrid(fraBatPara[6]);
    const std::pair<C, const char*> otherBoxes[] = {{C::chkOffAfcFunc, "关闭AFC功能(默认不打勾)"},
                                                    {C::chkOffMindBaseCry, "关闭智能本振(默认不打勾)"},
                                                    {C::chkSoftMute, "功能1"}};
    row = 0;
    for (auto [c, caption] : otherBoxes) {
        QCheckBox* b = in(box(c, 0), fraBatPara[6]);
        b->setText(QString::fromUtf8(caption));
        other->addWidget(b, row++, 0, 1, 2);
    }
    QComboBox* muteTime = in(list(C::cboMuteTime, 0), fraBatPara[6], kNumberList);
    QComboBox* muteGain = in(list(C::cboSoftMuteGain, 0), fraBatPara[6], kNumberList);
    muteTime->setToolTip(QStringLiteral("功能1:设置1"));
    muteGain->setToolTip(QStringLiteral("功能1:设置2"));
    other->addWidget(muteTime, row - 1, 2);
    other->addWidget(muteGain, row - 1, 3);
    chkVirtualShow = new QCheckBox(QStringLiteral("VS(默认不打勾)"), fraBatPara[6]);
    chkVirtualShow->setObjectName(QStringLiteral("chkVirtualShow"));
    other->addWidget(chkVirtualShow, row, 0, 1, 2);
    grid->addWidget(fraBatPara[6], 2, 0, 1, 2, Qt::AlignTop | Qt::AlignLeft);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(3, 1);

    connect(cmdReg34H_Def, &QPushButton::clicked, this, &frmAdjMore::cmdReg34H_Def_Click);
    connect(cmdReg65H_Def, &QPushButton::clicked, this, &frmAdjMore::cmdReg65H_Def_Click);
    return tab;
}

QWidget* frmAdjMore::buildMenuTab() {
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    fraAdjMenu = frame("菜单", "fraAdjMenu", tab);
    auto* inner = new QVBoxLayout(fraAdjMenu);
    vsfgGridMenu = new platform::Grid(fraAdjMenu);
    vsfgGridMenu->setObjectName(QStringLiteral("vsfgGridMenu"));
    vsfgGridMenu->setRows(kMenuRows + 1);
    vsfgGridMenu->setCols(10);
    vsfgGridMenu->setFixedRows(1);
    vsfgGridMenu->setFixedCols(1);
    for (int r = 1; r <= kMenuRows; ++r) vsfgGridMenu->setTextMatrix(r, 0, QString::number(r));
    vsfgGridMenu->setColWidth(1, 2400);
    vsfgGridMenu->setEditMode(platform::Grid::EditMode::KeyboardMouse);
    vsfgGridMenu->setFixedHeight(170);
    inner->addWidget(vsfgGridMenu);
    fraAdjMenu->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    layout->addWidget(fraAdjMenu);
    layout->addStretch(1);
    connect(vsfgGridMenu, &platform::Grid::afterEdit, this, &frmAdjMore::vsfgGridMenu_AfterEdit);
    return tab;
}

} // namespace align::ui
