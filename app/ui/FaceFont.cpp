#include "app/ui/FaceFont.h"

#include <QFontDatabase>
#include <QStringList>

#include "app/Shell.h"

namespace app {

QString ResolveFaceFont(const QString& family, int langIndex) {
    const QFontDatabase::WritingSystem script = langIndex == 1   ? QFontDatabase::SimplifiedChinese
                                                : langIndex == 2 ? QFontDatabase::TraditionalChinese
                                                                 : QFontDatabase::Latin;
    const QStringList fitting = QFontDatabase::families(script);
    for (const QString& f : fitting)
        if (f.compare(family, Qt::CaseInsensitive) == 0) return f;
    const QString general = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    if (fitting.contains(general)) return general;
    for (const QString& f : fitting)
        if (!QFontDatabase::isFixedPitch(f)) return f;
    // Nothing carries the script: keep the name and let the platform substitute.
    return fitting.isEmpty() ? family : fitting.first();
}

void UseFaceFont(std::initializer_list<QWidget*> widgets, double pointSize) {
    const QString family = QString::fromStdString(shell().FaceFontName);
    for (QWidget* w : widgets) {
        QFont f = w->font();
        f.setFamily(family);
        if (pointSize > 0) f.setPointSizeF(pointSize);
        // The same font again would still send every child a font change.
        if (w->testAttribute(Qt::WA_SetFont) && w->font() == f) continue;
        w->setFont(f);
    }
}

} // namespace app
