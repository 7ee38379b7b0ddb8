#include "channels/ui/SettingsControls.h"

#include "channels/ChannelTexts.h"
#include "channels/SettingsPages.h"
#include "channels/ui/frmSetVolume.h"

#include "app/ErrorReporter.h"
#include "app/ui/Face.h"
#include "app/ui/FaceFont.h"
#include "platform/ui/Grid.h"
#include "platform/ui/Twips.h"
#include "platform/ui/Widgets.h"

#include <QAbstractItemDelegate>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>

#include <algorithm>

namespace channels {
namespace {

constexpr double GridTextPoints = 10;
constexpr int RdWrCodeChars = 6;

bool inside(QWidget* within, QWidget* w) {
    return w && (w == within || within->isAncestorOf(w));
}

// A grid laid out as its logic's layout says, every data cell empty.
void layOut(platform::Grid& g, const SideGrid& s) {
    g.setCols(1);
    g.setRows(1);
    // Headers centred like their columns.
    g.setFormatString("^" + QString::fromStdString(s.FormatString).split('|').join("|^"));
    g.setCols(s.Cols);
    g.setRowHeight(0, s.RowHeight);
    for (int r = 1; r <= s.Rows; ++r) {
        g.addItem(QString::number(r), r);
        g.setRowHeight(r, s.RowHeight);
    }
    for (int c = 0; c < s.Cols; ++c) {
        g.setColAlignment(c, Qt::AlignCenter);
        g.setColWidth(c, s.ColWidth[static_cast<std::size_t>(c)]);
        const std::string& format = s.ColFormat[static_cast<std::size_t>(c)];
        if (!format.empty()) {
            g.setColDataType(c, platform::Grid::DataType::Decimal);
            g.setColFormat(c, QString::fromStdString(format));
        }
        g.setColComboList(c, QString::fromStdString(s.ColComboList[static_cast<std::size_t>(c)]));
    }
    g.setCurrentCell(s.CurRow, s.CurCol);
    g.setTextSize(GridTextPoints);
    g.setEditMode(platform::Grid::EditMode::KeyboardMouse);
    // As wide as its columns and the scroll bar.
    int width = 0;
    for (int twips : s.ColWidth) width += platform::twips(twips);
    QTableView* view = g.view();
    g.setFixedWidth(width + view->verticalScrollBar()->sizeHint().width() + 2 * view->frameWidth() + 2);
}

void showRow(platform::Grid& g, const SideGrid& s, int row) {
    for (int c = 1; c < s.Cols; ++c) g.setTextMatrix(row, c, QString::fromStdString(s.Text(row, c)));
}

} // namespace

SettingsControls::SettingsControls(SettingsPages& p, model::ModelState& m) : p_(p), m_(m) {}

SettingsControls::~SettingsControls() = default;

// ---- Builders ----

QLabel* SettingsControls::comboLabel(int label, QWidget* parent) {
    QLabel*& l = lblPc.at(static_cast<std::size_t>(label));
    if (!l) l = new QLabel(parent);
    return l;
}

QComboBox* SettingsControls::combo(int index, QWidget* parent, int label) {
    if (label >= 0) comboLabel(label, parent);
    auto* box = new QComboBox(parent);
    box->setObjectName(QString("cboPc_%1").arg(index));
    box->setMaxVisibleItems(20);
    cboPc.at(static_cast<std::size_t>(index)) = box;
    connect(box, &QComboBox::activated, this, [this, index](int position) {
        app::Guarded("frmChMem->cboPc_Click",
                     [&] { refused(UserChoosePc(p_, m_, index, position), Ctl::Pc, index); });
    });
    return box;
}

QCheckBox* SettingsControls::check(int index, QWidget* parent) {
    auto* box = new QCheckBox(parent);
    box->setObjectName(QString("chkPc_%1").arg(index));
    chkPc.at(static_cast<std::size_t>(index)) = box;
    connect(box, &QCheckBox::clicked, this, [this, index](bool ticked) {
        app::Guarded("frmChMem->chkPc_Click",
                     [&] { refused(UserTickPc(p_, m_, index, ticked ? 1 : 0), Ctl::Chk, index); });
    });
    return box;
}

QLineEdit* SettingsControls::text(int index, QWidget* parent) {
    lblPcTxt.at(static_cast<std::size_t>(index)) = new QLabel(parent);
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString("txtPc_%1").arg(index));
    box->setMaxLength(p_.txtPc.at(static_cast<std::size_t>(index)).MaxLength);
    txtPc.at(static_cast<std::size_t>(index)) = box;
    connect(box, &QLineEdit::textEdited, this, [this, box, index](const QString& typed) {
        app::Guarded("frmChMem->txtPc_Change", [&] {
            // A text the handler corrects keeps the caret where the user typed.
            p_.txtPc[static_cast<std::size_t>(index)].SelStart = box->cursorPosition();
            const bool taken = UserTypePc(p_, m_, index, typed.toStdString());
            if (taken) showText(index, index >= 4 && index <= 7);
            refused(taken, Ctl::Txt, index);
        });
    });
    return box;
}

QGroupBox* SettingsControls::frame(int index, QWidget* parent) {
    auto* f = new QGroupBox(parent);
    f->setObjectName(QString("fraPc_%1").arg(index));
    fraPc.at(static_cast<std::size_t>(index)) = f;
    return f;
}

QPushButton* SettingsControls::button(int index, QWidget* parent) {
    auto* b = new QPushButton(parent);
    b->setObjectName(QString("cmdPc_%1").arg(index));
    cmdPc.at(static_cast<std::size_t>(index)) = b;
    connect(b, &QPushButton::clicked, this,
            [this, index] { UserPressPc(p_, m_, index); }); // the button's work guards itself
    return b;
}

QListWidget* SettingsControls::keyList(int key, QWidget* parent) {
    lblKeySk.at(static_cast<std::size_t>(key)) = new QLabel(parent);
    auto* list = new QListWidget(parent);
    list->setObjectName(QString("listSkKey_%1").arg(key));
    listSkKey.at(static_cast<std::size_t>(key)) = list;
    connect(list, &QListWidget::currentRowChanged, this, [this, key](int row) {
        if (row < 0) return;
        app::Guarded("frmChMem->listSkKey_Click",
                     [&] { refused(UserChooseKey(p_, m_, key, row), Ctl::Key, key); });
    });
    return list;
}

QComboBox* SettingsControls::voxLevel(int level, QWidget* parent) {
    lblVoxCmpLevel.at(static_cast<std::size_t>(level - 1)) = new QLabel(parent);
    auto* box = new QComboBox(parent);
    box->setObjectName(QString("cboVoxCmpDat_%1").arg(level));
    box->setMaxVisibleItems(20);
    cboVoxCmpDat.at(static_cast<std::size_t>(level)) = box;
    connect(box, &QComboBox::activated, this, [this, level](int position) {
        app::Guarded("frmChMem->cboVoxCmpDat_Click",
                     [&] { refused(UserChooseVox(p_, m_, level, position), Ctl::Vox, level); });
    });
    return box;
}

QLineEdit* SettingsControls::autoMem(int memory, QWidget* parent) {
    lblAutoMem.at(static_cast<std::size_t>(memory)) = new QLabel(QString::number(memory + 1), parent);
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString("txtAutoMem_%1").arg(memory));
    box->setMaxLength(p_.txtAutoMem.at(static_cast<std::size_t>(memory)).MaxLength);
    txtAutoMem.at(static_cast<std::size_t>(memory)) = box;
    connect(box, &QLineEdit::textEdited, this, [this, box, memory](const QString& typed) {
        app::Guarded("frmChMem->txtAutoMem_Change", [&] {
            p_.txtAutoMem[static_cast<std::size_t>(memory)].SelStart = box->cursorPosition();
            const bool taken = UserTypeAutoMem(p_, m_, memory, typed.toStdString());
            if (taken) showAutoMem(memory, true);
            refused(taken, Ctl::AutoMem, memory);
        });
    });
    return box;
}

platform::Grid* SettingsControls::twoToneGrid(int member, QWidget* parent) {
    auto* g = new platform::Grid(parent);
    g->setObjectName(QString("vsfgGridTwoTone_%1").arg(member));
    vsfgGridTwoTone.at(static_cast<std::size_t>(member)) = g;
    // Member 1 of the hidden holder is never laid out, filled or read.
    if (member != 0) return g;
    connect(g, &platform::Grid::afterEdit, this, [this, g](int row, int col) {
        app::Guarded("frmChMem->vsfgGridTwoTone_AfterEdit", [&] {
            refused(UserEditTwoTone(p_, m_, row, col, g->textMatrix(row, col).toStdString()), Ctl::TwoTone,
                    row);
        });
    });
    return g;
}

platform::Grid* SettingsControls::radioGrid(QWidget* parent) {
    auto* g = vsfgGridRadio = new platform::Grid(parent);
    g->setObjectName(QStringLiteral("vsfgGridRadio"));
    connect(g, &platform::Grid::afterEdit, this, [this, g](int row, int col) {
        app::Guarded("frmChMem->vsfgGridRadio_AfterEdit", [&] {
            refused(UserEditRadio(p_, m_, row, col, g->textMatrix(row, col).toStdString()), Ctl::Radio, row);
        });
    });
    return g;
}

platform::Grid* SettingsControls::phoneBookGrid(QWidget* parent) {
    auto* g = vsfgGridPhoneBook = new platform::Grid(parent);
    g->setObjectName(QStringLiteral("vsfgGridPhoneBook"));
    connect(g, &platform::Grid::afterEdit, this, [this, g](int row, int col) {
        app::Guarded("frmChMem->vsfgGridPhoneBook_AfterEdit", [&] {
            refused(UserEditPhoneBook(p_, m_, row, col, g->textMatrix(row, col).toStdString()),
                    Ctl::PhoneBook, row);
        });
    });
    return g;
}

void SettingsControls::serialControls(QWidget* parent) {
    cmdImportSeq = new QPushButton(parent);
    cmdImportSeq->setObjectName(QStringLiteral("cmdImportSeq"));
    cboImportSeq = new QComboBox(parent);
    cboImportSeq->setObjectName(QStringLiteral("cboImportSeq"));
    cboImportSeq->setMaxVisibleItems(20);
    cboImportSeq->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboImportSeq->setMinimumContentsLength(14);
    for (int i = 0; i < 2; ++i) {
        cmdSeqSwitch[static_cast<std::size_t>(i)] = new QPushButton(i == 0 ? "<<" : ">>", parent);
        connect(cmdSeqSwitch[static_cast<std::size_t>(i)], &QPushButton::clicked, this, [this, i] {
            app::Guarded("frmChMem->cmdSeqSwitch_Click",
                         [&] { refused(UserSeqSwitch(p_, m_, i), Ctl::Serial, 0); });
        });
    }
    chkAutoNextSn = new QCheckBox(parent);
    txtSeqExample = new QPlainTextEdit(QString::fromStdString(SerialExampleText()), parent);
    txtSeqExample->setReadOnly(true);
    connect(cmdImportSeq, &QPushButton::clicked, this, [this] {
        // A list that cannot be read is no list; what was shown stays.
        app::Guarded("frmChMem->cmdImportSeq_Click",
                     [&] { refused(UserImportSerialList(p_, m_), Ctl::Serial, 0); });
    });
    // The entry chosen ends silently on a failure.
    connect(cboImportSeq, &QComboBox::activated, this, [this](int index) {
        app::Guarded(app::Unreported, [&] { refused(UserChooseSerialEntry(p_, m_, index), Ctl::Serial, 0); });
    });
    connect(chkAutoNextSn, &QCheckBox::clicked, this, [this](bool ticked) {
        app::Guarded("frmChMem->chkAutoNextSn_Click",
                     [&] { refused(UserTickAutoNextSn(p_, ticked ? 1 : 0), Ctl::Serial, 0); });
    });
    showSerial();
}

void SettingsControls::rdWrCodeControls(QWidget* parent) {
    lblRdWrCode = new QLabel(app::face(app::TextKey::RdWrCodeCaption), parent);
    txtRdWrCode = new QLineEdit(parent);
    txtRdWrCode->setObjectName(QStringLiteral("txtRdWrCode"));
    txtRdWrCode->setMaxLength(RdWrCodeChars);
    for (QLabel*& hint : lblRdWrCodeHint) hint = new QLabel(app::face(app::TextKey::RdWrCodeHint), parent);
    chkNewRdWrCode = new QCheckBox(app::face(app::TextKey::NewRdWrCodeTick), parent);
    lblNewRdWrCode = new QLabel(app::face(app::TextKey::NewRdWrCodeCaption), parent);
    txtNewRdWrCode = new QLineEdit(parent);
    txtNewRdWrCode->setObjectName(QStringLiteral("txtNewRdWrCode"));
    txtNewRdWrCode->setMaxLength(RdWrCodeChars);
    // The boxes have no loading guard and no lock: nobody but code reaches them.
    // A text shown back in place of the typed one keeps the caret where the
    // user typed.
    auto typed = [this](QLineEdit* box, auto change, const char* tag) {
        connect(box, &QLineEdit::textEdited, this, [this, box, change, tag](const QString& t) {
            const int caret = box->cursorPosition();
            app::Guarded(tag, [&] { change(m_, p_.rdWr, t.toStdString()); });
            if (box->text() != t)
                box->setCursorPosition(std::min(caret, static_cast<int>(box->text().size())));
        });
    };
    typed(txtRdWrCode, RdWrCodeChange, "frmChMem->txtRdWrCode_Change");
    typed(txtNewRdWrCode, NewRdWrCodeChange, "frmChMem->txtNewRdWrCode_Change");
    connect(chkNewRdWrCode, &QCheckBox::clicked, this, [this](bool ticked) {
        app::Guarded("frmChMem->chkNewRdWrCode_Click", [&] { NewRdWrCodeClick(p_.rdWr, ticked ? 1 : 0); });
    });
    showRdWrCode();
}

// ---- Captions ----

void SettingsControls::InitFace(QWidget* within) {
    app::UseFaceFont({within});
    auto caption = [within](auto* w, int entry) {
        if (inside(within, w)) w->setText(app::face(entry));
    };
    for (int k = 0; k < PcComboCount; ++k) caption(lblPc[static_cast<std::size_t>(k)], kTextFirstPcLabel + k);
    for (int k = 0; k < PcCheckCount; ++k) caption(chkPc[static_cast<std::size_t>(k)], kTextFirstPcCheck + k);
    for (int k = 0; k < PcTextCount; ++k)
        caption(lblPcTxt[static_cast<std::size_t>(k)], kTextFirstPcTextLabel + k);
    for (int k = 0; k < PcButtonCount; ++k) caption(cmdPc[static_cast<std::size_t>(k)], kTextFirstButton + k);
    for (int k = 0; k < FrameCount; ++k)
        if (QGroupBox* f = fraPc[static_cast<std::size_t>(k)]; inside(within, f))
            f->setTitle(app::face(kTextFirstFrame + k));
    for (int j = 0; j < KeyCount; ++j) caption(lblKeySk[static_cast<std::size_t>(j)], kTextFirstKeyLabel + j);
    for (int i = 0; i < VoxLevelCount; ++i)
        if (QLabel* l = lblVoxCmpLevel[static_cast<std::size_t>(i)]; inside(within, l))
            l->setText(QString::number(i + 1) + app::face(kTextVoxLevel));
    caption(chkAutoNextSn, kTextAutoNextSn);
    caption(cmdImportSeq, kTextImportSeq);
    // The side grids' headers and widths are those of the language.
    for (Ctl grid : {Ctl::TwoTone, Ctl::Radio, Ctl::PhoneBook})
        if (platform::Grid* g = gridOf(grid); inside(within, g)) layOut(*g, sideGrid(grid));
}

// ---- Showing the logic's state ----

void SettingsControls::ShowAll(QWidget* within) {
    for (int i = 0; i < PcComboCount; ++i)
        if (inside(within, cboPc[static_cast<std::size_t>(i)])) showCombo(i);
    for (int i = 0; i < PcCheckCount; ++i)
        if (inside(within, chkPc[static_cast<std::size_t>(i)])) showCheck(i);
    for (int i = 0; i < PcTextCount; ++i)
        if (inside(within, txtPc[static_cast<std::size_t>(i)])) showText(i, false);
    for (int level = 1; level <= VoxLevelCount; ++level)
        if (inside(within, cboVoxCmpDat[static_cast<std::size_t>(level)])) showVox(level);
    for (int key = 0; key < KeyCount; ++key)
        if (inside(within, listSkKey[static_cast<std::size_t>(key)])) showKey(key);
    for (int j = 0; j < AutoMemCount; ++j)
        if (inside(within, txtAutoMem[static_cast<std::size_t>(j)])) showAutoMem(j, false);
    for (Ctl grid : {Ctl::TwoTone, Ctl::Radio, Ctl::PhoneBook})
        if (inside(within, gridOf(grid)))
            for (int r = 1; r <= sideGrid(grid).Rows; ++r) showGridRow(grid, r);
    if (inside(within, txtRdWrCode)) showRdWrCode();
    if (inside(within, cboImportSeq)) showSerial();
}

void SettingsControls::CommitEdits(QWidget* within) {
    for (Ctl grid : {Ctl::TwoTone, Ctl::Radio, Ctl::PhoneBook}) {
        platform::Grid* g = gridOf(grid);
        if (!inside(within, g) || !g->editor()) continue;
        QWidget* editor = g->editor();
        QAbstractItemDelegate* delegate = g->view()->itemDelegate();
        emit delegate->commitData(editor);
        emit delegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void SettingsControls::Changed(Ctl control, int index) {
    switch (control) {
    case Ctl::Pc:
        if (cboPc.at(static_cast<std::size_t>(index))) showCombo(index);
        break;
    case Ctl::Chk:
        if (chkPc.at(static_cast<std::size_t>(index))) showCheck(index);
        break;
    case Ctl::Txt:
        if (txtPc.at(static_cast<std::size_t>(index))) showText(index, false);
        break;
    case Ctl::Vox:
        if (cboVoxCmpDat.at(static_cast<std::size_t>(index))) showVox(index);
        break;
    case Ctl::Key:
        if (listSkKey.at(static_cast<std::size_t>(index))) showKey(index);
        break;
    case Ctl::AutoMem:
        if (txtAutoMem.at(static_cast<std::size_t>(index))) showAutoMem(index, false);
        break;
    case Ctl::TwoTone:
    case Ctl::Radio:
    case Ctl::PhoneBook:
        showGridRow(control, index);
        break;
    case Ctl::RdWrCode:
        if (txtRdWrCode) showRdWrCode();
        break;
    case Ctl::Serial:
        if (cboImportSeq) showSerial();
        break;
    }
}

void SettingsControls::ShowVolumeDialog() {
    QWidget* owner = cmdPc[3] ? cmdPc[3]->window() : nullptr;
    frmSetVolume dialog(m_, owner);
    platform::placeWindow(dialog, owner);
    dialog.exec();
}

void SettingsControls::refused(bool taken, Ctl control, int index) {
    if (!taken) Changed(control, index);
}

void SettingsControls::showCombo(int index) {
    const auto i = static_cast<std::size_t>(index);
    platform::show(cboPc[i], p_.cboPc[i]);
}

void SettingsControls::showCheck(int index) {
    const auto i = static_cast<std::size_t>(index);
    platform::show(chkPc[i], p_.chkPc[i]);
}

void SettingsControls::showText(int index, bool caretFromState) {
    const auto i = static_cast<std::size_t>(index);
    platform::show(txtPc[i], p_.txtPc[i], caretFromState);
}

void SettingsControls::showVox(int level) {
    const auto i = static_cast<std::size_t>(level);
    platform::show(cboVoxCmpDat[i], p_.cboVoxCmpDat[i]);
}

void SettingsControls::showKey(int key) {
    const auto i = static_cast<std::size_t>(key);
    platform::show(listSkKey[i], p_.listSkKey[i]);
}

void SettingsControls::showAutoMem(int memory, bool caretFromState) {
    const auto i = static_cast<std::size_t>(memory);
    platform::show(txtAutoMem[i], p_.txtAutoMem[i], caretFromState);
}

platform::Grid* SettingsControls::gridOf(Ctl grid) const {
    return grid == Ctl::TwoTone ? vsfgGridTwoTone[0] : grid == Ctl::Radio ? vsfgGridRadio : vsfgGridPhoneBook;
}

const SideGrid& SettingsControls::sideGrid(Ctl grid) const {
    return grid == Ctl::TwoTone ? p_.grids.TwoTone : grid == Ctl::Radio ? p_.grids.Radio : p_.grids.PhoneBook;
}

void SettingsControls::showGridRow(Ctl grid, int row) {
    platform::Grid* g = gridOf(grid);
    if (!g || row < 1 || row >= g->rows()) return;
    showRow(*g, sideGrid(grid), row);
}

void SettingsControls::showRdWrCode() {
    const RdWrCodeState& s = p_.rdWr;
    platform::show(txtRdWrCode, s.RdWrCodeText);
    platform::show(txtNewRdWrCode, s.NewRdWrCodeText);
    platform::show(chkNewRdWrCode, s.NewRdWrCodeValue);
    for (QWidget* w : {static_cast<QWidget*>(lblNewRdWrCode), static_cast<QWidget*>(txtNewRdWrCode),
                       static_cast<QWidget*>(lblRdWrCodeHint[1])})
        w->setVisible(s.NewRdWrCodeShown);
}

void SettingsControls::showSerial() {
    const SerialListState& s = p_.serial;
    std::vector<std::string> texts;
    texts.reserve(s.Entries.size());
    for (const SerialEntry& e : s.Entries) texts.push_back(SerialEntryText(e));
    platform::show(cboImportSeq, texts, s.ListIndex);
    // Hidden widgets stay hidden with their page; shown ones follow the list.
    for (QPushButton* b : cmdSeqSwitch) b->setVisible(s.SwitchVisible);
    chkAutoNextSn->setVisible(s.AutoVisible);
    platform::show(chkAutoNextSn, s.AutoNextSn);
    txtSeqExample->setVisible(s.ExampleVisible);
}

} // namespace channels
