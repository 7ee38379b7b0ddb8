#include "platform/ui/QtDialogs.h"

#include "platform/Clock.h"
#include "platform/desktop/QtDesktop.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

namespace platform {
namespace {

QWidget* owner() {
    return QApplication::activeWindow();
}

const char* qtTranslationsOf(int langIndex) {
    return langIndex == 1 ? "qtbase_zh_CN" : langIndex == 2 ? "qtbase_zh_TW" : nullptr;
}

// Qt's own word for a standard button in a language, whichever translations
// are installed: Qt's translation of it, or its English.
QString buttonText(const char* english, int langIndex) {
    static QTranslator translators[2];
    if (const char* name = qtTranslationsOf(langIndex)) {
        QTranslator& t = translators[langIndex - 1];
        if (t.isEmpty())
            (void)t.load(QString::fromLatin1(name), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        const QString translated = t.translate("QPlatformTheme", english);
        if (!translated.isEmpty()) return translated;
    }
    return QString::fromLatin1(english);
}

// langIndex 0: the buttons as Qt's installed translations word them.
int showMessage(const std::string& text, const std::string& title, Buttons buttons, Icon icon,
                int langIndex) {
    QMessageBox box(owner());
    box.setText(QString::fromStdString(text));
    box.setWindowTitle(QString::fromStdString(title));
    switch (icon) {
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case Icon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case Icon::None:
        break;
    }
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    }
    if (langIndex != 0) {
        const std::pair<QMessageBox::StandardButton, const char*> words[] = {{QMessageBox::Ok, "OK"},
                                                                             {QMessageBox::Cancel, "Cancel"},
                                                                             {QMessageBox::Yes, "&Yes"},
                                                                             {QMessageBox::No, "&No"}};
        for (const auto& [which, english] : words)
            if (QAbstractButton* b = box.button(which)) b->setText(buttonText(english, langIndex));
    }
    int r = box.exec();
    switch (r) {
    case QMessageBox::Yes:
        return AnswerYes;
    case QMessageBox::No:
        return AnswerNo;
    case QMessageBox::Cancel:
        return AnswerCancel;
    default:
        return buttons == Buttons::YesNo ? AnswerNo : AnswerOk;
    }
}

} // namespace

QString qtFilter(const std::string& filter) {
    QStringList parts = QString::fromStdString(filter).split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString label = parts[i];
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        // Qt reads the patterns from the parentheses of each entry.
        int open = label.indexOf('(');
        if (open >= 0) label = label.left(open).trimmed();
        out << label + " (" + patterns + ")";
    }
    return out.join(";;");
}

int QtDialogs::message(const std::string& text, const std::string& title, Buttons buttons, Icon icon) {
    return showMessage(text, title, buttons, icon, 0);
}

int QtDialogs::messageIn(int langIndex, const std::string& text, const std::string& title, Buttons buttons,
                         Icon icon) {
    return showMessage(text, title, buttons, icon, langIndex == 1 || langIndex == 2 ? langIndex : 3);
}

std::optional<std::string> QtDialogs::openFile(const FileRequest& r) {
    QString chosen = QFileDialog::getOpenFileName(owner(), QString::fromStdString(r.title),
                                                  QString::fromStdString(r.initialDir), qtFilter(r.filter),
                                                  nullptr, QFileDialog::DontUseNativeDialog);
    if (chosen.isEmpty()) return std::nullopt;
    return chosen.toStdString();
}

std::optional<std::string> QtDialogs::saveFile(const FileRequest& r) {
    QString start = QString::fromStdString(r.initialDir);
    if (!r.fileName.empty())
        start = start.isEmpty() ? QString::fromStdString(r.fileName)
                                : start + "/" + QString::fromStdString(r.fileName);
    QFileDialog dialog(owner(), QString::fromStdString(r.title), start, qtFilter(r.filter));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The dialog adds the extension before it looks for the file, so that
    // it asks before replacing the file that is written, however the name
    // was typed.
    dialog.setDefaultSuffix(QString::fromStdString(r.defaultExt));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty()) return std::nullopt;
    return chosen.first().toStdString();
}

void installQtPlatform() {
    static QtDialogs dialogsImpl;
    static QtDesktop desktopImpl;
    Host<Dialogs>::set(&dialogsImpl);
    Host<Desktop>::set(&desktopImpl);
    setEventPump([] { QCoreApplication::processEvents(QEventLoop::AllEvents); });
}

bool installQtTranslations(int langIndex) {
    static QTranslator translator;
    QCoreApplication::removeTranslator(&translator);
    if (langIndex != 1 && langIndex != 2) return false;
    if (!translator.load(QString::fromLatin1(qtTranslationsOf(langIndex)),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    return QCoreApplication::installTranslator(&translator);
}

QColor colorFromNumber(long number) {
    return QColor(static_cast<int>(number & 0xFF), static_cast<int>((number >> 8) & 0xFF),
                  static_cast<int>((number >> 16) & 0xFF));
}

long numberFromColor(const QColor& c) {
    return static_cast<long>(c.red()) | (static_cast<long>(c.green()) << 8) |
           (static_cast<long>(c.blue()) << 16);
}

} // namespace platform
