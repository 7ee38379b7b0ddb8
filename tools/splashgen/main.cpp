// Draws the splash pictures the start-up shows, at build time: the
// program's name (the main window's title in Simplified Chinese and in
// English) beside a hand-held radio sending its waves.
//   splashgen <folder>  writes Solmera_CHS_3.jpg and Solmera_ENG_3.jpg there
#include "app/FaceText.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>
#include <string>

namespace {

constexpr int Width = 294, Height = 112; // the splash window's size
constexpr int TitleEntry = 16;           // the main window's title

QString titleOf(int lang) {
    for (const app::FaceTextRow& row : app::FaceTextRows())
        if (row.entry == TitleEntry) return QString::fromUtf8(row.text[lang - 1]);
    return QStringLiteral("VOLKAR");
}

void drawRadio(QPainter& p) {
    p.save();
    p.translate(0, 5); // room for the waves above the antenna
    p.setPen(Qt::NoPen);
    // Antenna, body, display, keys and speaker grille.
    p.setBrush(QColor(30, 34, 40));
    p.drawRoundedRect(QRectF(45, 12, 7, 26), 3, 3);
    p.drawRoundedRect(QRectF(24, 34, 36, 66), 7, 7);
    p.setBrush(QColor(150, 210, 190));
    p.drawRoundedRect(QRectF(29, 40, 26, 14), 2, 2);
    p.setBrush(QColor(90, 96, 104));
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 3; ++col) p.drawRoundedRect(QRectF(29 + 9 * col, 59 + 7 * row, 7, 5), 1, 1);
    p.setPen(QPen(QColor(90, 96, 104), 1.5));
    for (int y = 77; y <= 93; y += 4) p.drawLine(QPointF(31, y), QPointF(53, y));
    // Waves from the antenna's tip.
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 3; ++i) {
        p.setPen(QPen(QColor(255, 255, 255, 230 - 55 * i), 2.0, Qt::SolidLine, Qt::RoundCap));
        const QRectF arc(48.5 - 8 * i, 14 - 8 * i, 16 * i, 16 * i);
        p.drawArc(arc, 20 * 16, 50 * 16);
        p.drawArc(arc, 110 * 16, 50 * 16);
    }
    p.restore();
}

// The brand (the title's leading Latin letters) large, the rest below it.
void drawName(QPainter& p, const QString& title) {
    int split = 0;
    while (split < title.size() && title[split].unicode() < 0x80 && title[split].isLetter()) ++split;
    const QString brand = title.left(split);
    const QString rest = title.mid(split).trimmed();
    QFont f(QStringLiteral("WenQuanYi Micro Hei"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(28);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(80, 22, Width - 90, 36), Qt::AlignLeft | Qt::AlignVCenter, brand);
    f.setPixelSize(15);
    f.setBold(false);
    p.setFont(f);
    p.setPen(QColor(220, 235, 245));
    p.drawText(QRect(80, 60, Width - 90, 24), Qt::AlignLeft | Qt::AlignVCenter, rest);
}

QImage picture(int lang) {
    QImage image(Width, Height, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, Width, Height);
    g.setColorAt(0, QColor(16, 58, 92));
    g.setColorAt(1, QColor(32, 110, 150));
    p.fillRect(image.rect(), g);
    drawRadio(p);
    drawName(p, titleOf(lang));
    p.setPen(QColor(255, 255, 255, 90));
    p.drawLine(80, 88, Width - 14, 88);
    return image;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: splashgen <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const std::pair<int, const char*> pictures[] = {{1, "Solmera_CHS_3.jpg"}, {3, "Solmera_ENG_3.jpg"}};
    for (const auto& [lang, name] : pictures) {
        const QString path = folder + '/' + QString::fromLatin1(name);
        if (!picture(lang).save(path, "JPG", 92)) {
            std::fprintf(stderr, "splashgen: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
