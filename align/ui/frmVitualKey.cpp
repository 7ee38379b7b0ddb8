#include "align/ui/frmVitualKey.h"

#include "align/VitualKey.h"
#include "app/ErrorReporter.h"
#include "app/ui/GuardedThenShown.h"
#include "link/LinkState.h"
#include "platform/ui/Widgets.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace align::ui {
namespace {

frmVitualKey* g_instance = nullptr;

// A plain hand-held radio of our own, drawn to scale with its widget:
// antenna and knob on top, a body with a display, a speaker grille and a
// keypad, and the side keys on its left edge.
class RadioPicture : public QWidget {
  public:
    explicit RadioPicture(QWidget* parent) : QWidget(parent) { setFixedSize(150, 330); }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QColor body(52, 56, 62), edge(25, 27, 30), key(92, 98, 108);
        // Antenna and volume knob.
        p.setPen(Qt::NoPen);
        p.setBrush(edge);
        p.drawRoundedRect(QRectF(34, 6, 16, 80), 7, 7);
        p.setBrush(QColor(70, 74, 80));
        p.drawRoundedRect(QRectF(92, 42, 22, 40), 4, 4);
        // Body.
        p.setPen(QPen(edge, 2));
        p.setBrush(body);
        p.drawRoundedRect(QRectF(22, 76, 110, 246), 16, 16);
        // Side keys on the left edge: PTT, SK1, SK2.
        p.setPen(Qt::NoPen);
        p.setBrush(key);
        p.drawRoundedRect(QRectF(14, 120, 10, 44), 3, 3);
        p.drawRoundedRect(QRectF(14, 172, 10, 18), 3, 3);
        p.drawRoundedRect(QRectF(14, 196, 10, 18), 3, 3);
        // Speaker grille.
        p.setPen(QPen(edge, 2, Qt::SolidLine, Qt::RoundCap));
        for (int k = 0; k < 5; ++k) p.drawLine(QPointF(46, 96 + 7 * k), QPointF(108, 96 + 7 * k));
        // Display.
        p.setPen(QPen(edge, 2));
        p.setBrush(QColor(150, 190, 160));
        p.drawRoundedRect(QRectF(38, 136, 78, 40), 4, 4);
        p.setPen(QColor(30, 60, 40));
        p.setFont(QFont(font().family(), 9, QFont::Bold));
        p.drawText(QRectF(38, 136, 78, 40), Qt::AlignCenter, QStringLiteral("CH-01"));
        // Keypad: two rows of function keys, then four rows of three.
        p.setPen(Qt::NoPen);
        p.setBrush(key);
        for (int row = 0; row < 6; ++row)
            for (int col = 0; col < 3; ++col)
                p.drawRoundedRect(QRectF(38 + 27 * col, 188 + 20 * row, 22, 14), 4, 4);
    }
};

// The main keys as a radio's keypad shows them: function keys on top, then
// the digits with "*" and "#". Indexes of cmdKeyMa.
constexpr int kKeypadRows[6][3] = {{12, 10, 14}, {13, 11, 15}, {1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {17, 0, 16}};

// The keypad is disabled while its command runs; it cannot be closed then.
bool running() {
    const auto& a = state();
    return a.frmVitualKey && !a.frmVitualKey->Enabled;
}

} // namespace

frmVitualKey::frmVitualKey() : QWidget(nullptr, Qt::Window), picRadio(new RadioPicture(this)) {
    setObjectName(QStringLiteral("frmVitualKey"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("键盘"));
    auto* side = new QGroupBox(this);
    auto* sideGrid = new QGridLayout(side);
    for (int i = 0; i < 3; ++i) {
        cmdKeyPf[i] = new QPushButton(QString::fromUtf8(kSideKeyCaptions[i]), side);
        chkKeyPf[i] = new QCheckBox(QStringLiteral("Check1"), side);
        cmdKeyPf[i]->setObjectName(QStringLiteral("cmdKeyPf_%1").arg(i));
        chkKeyPf[i]->setObjectName(QStringLiteral("chkKeyPf_%1").arg(i));
        sideGrid->addWidget(cmdKeyPf[i], i, 0);
        sideGrid->addWidget(chkKeyPf[i], i, 1);
        connect(cmdKeyPf[i], &QPushButton::clicked, this, [this, i] { cmdKeyPf_Click(i); });
        connect(chkKeyPf[i], &QCheckBox::clicked, this, [this, i] { chkKeyPf_Click(i); });
    }
    auto* main = new QGroupBox(this);
    auto* mainGrid = new QGridLayout(main);
    for (int row = 0; row < 6; ++row)
        for (int col = 0; col < 3; ++col) {
            const int i = kKeypadRows[row][col];
            cmdKeyMa[i] = new QPushButton(QString::fromUtf8(kMainKeyCaptions[i]), main);
            cmdKeyMa[i]->setObjectName(QStringLiteral("cmdKeyMa_%1").arg(i));
            cmdKeyMa[i]->setMinimumWidth(56);
            mainGrid->addWidget(cmdKeyMa[i], row, col);
            connect(cmdKeyMa[i], &QPushButton::clicked, this, [this, i] { cmdKeyMa_Click(i); });
        }
    auto* keys = new QVBoxLayout;
    keys->addWidget(side);
    keys->addWidget(main);
    keys->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(picRadio, 0, Qt::AlignTop);
    layout->addLayout(keys);
    g_instance = this;
    VitualKey(state());
    ShowState();
}

frmVitualKey::~frmVitualKey() {
    if (g_instance == this) g_instance = nullptr;
    state().frmVitualKey.reset();
}

frmVitualKey& frmVitualKey::instance() {
    return g_instance ? *g_instance : *new frmVitualKey();
}

frmVitualKey* frmVitualKey::existing() {
    return g_instance;
}

void frmVitualKey::ShowState() {
    const VitualKeyWindow& w = VitualKey(state());
    setEnabled(w.Enabled);
    for (int i = 0; i < 3; ++i) platform::show(chkKeyPf[i], w.chkKeyPf[i]);
}

void frmVitualKey::cmdKeyPf_Click(int index) {
    app::GuardedThenShown("frmVitualKey->cmdKeyPf_Click", *this,
                          [&] { align::cmdKeyPf_Click(state(), radiolink::linkState(), index); });
}

void frmVitualKey::cmdKeyMa_Click(int index) {
    app::GuardedThenShown("frmVitualKey->cmdKeyMa_Click", *this,
                          [&] { align::cmdKeyMa_Click(state(), radiolink::linkState(), index); });
}

void frmVitualKey::chkKeyPf_Click(int index) {
    app::Guarded("frmVitualKey->chkKeyPf_Click",
                 [&] { align::chkKeyPf_Click(state(), index, chkKeyPf[index]->isChecked() ? 1 : 0); });
}

void frmVitualKey::closeEvent(QCloseEvent* event) {
    if (running()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

} // namespace align::ui
