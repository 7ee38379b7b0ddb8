// Qt's own texts in the interface language: the buttons of our message
// boxes and the labels of our file dialog, on the offscreen platform.
#include "platform/ui/QtDialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include <functional>

namespace {

// Runs `look` on the modal dialog once it is shown, then closes it.
void whenShown(std::function<void(QWidget*)> look) {
    QTimer::singleShot(0, [look] {
        QWidget* shown = QApplication::activeModalWidget();
        QVERIFY(shown);
        look(shown);
        if (auto* dialog = qobject_cast<QDialog*>(shown)) dialog->reject();
    });
}

QString label(QWidget* dialog, const char* name) {
    auto* l = dialog->findChild<QLabel*>(name);
    return l ? l->text() : QString();
}

} // namespace

class QtTranslationsTest : public QObject {
    Q_OBJECT
    platform::QtDialogs dialogs;

  private slots:
    void cleanup() { platform::installQtTranslations(3); }

    void qtsOwnTextsFollowTheLanguage_data() {
        QTest::addColumn<int>("lang");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QStringList>("buttons"); // Yes, No, OK
        QTest::addColumn<QStringList>("labels");  // look in, file name, file type, open
        QTest::newRow("Simplified Chinese")
            << 1 << true << QStringList{"是(&Y)", "否(&N)", "确定"}
            << QStringList{"查找范围：", "文件名称(&N)：", "文件类型：", "打开(&O)"};
        QTest::newRow("Traditional Chinese")
            << 2 << true << QStringList{"是(&Y)", "否(&N)", "確定"}
            << QStringList{"尋找於：", "檔名(&N)：", "檔案型態：", "開啟(&O)"};
        QTest::newRow("English") << 3 << false << QStringList{"&Yes", "&No", "OK"}
                                 << QStringList{"Look in:", "File &name:", "Files of type:", "&Open"};
    }
    void qtsOwnTextsFollowTheLanguage() {
        QFETCH(int, lang);
        QFETCH(bool, installed);
        QFETCH(QStringList, buttons);
        QFETCH(QStringList, labels);
        QCOMPARE(platform::installQtTranslations(lang), installed);

        QStringList seen;
        whenShown([&seen](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box);
            seen << box->button(QMessageBox::Yes)->text() << box->button(QMessageBox::No)->text();
        });
        dialogs.message("?", "t", platform::Buttons::YesNo, platform::Icon::Question);
        whenShown(
            [&seen](QWidget* w) { seen << qobject_cast<QMessageBox*>(w)->button(QMessageBox::Ok)->text(); });
        dialogs.message("!", "t", platform::Buttons::Ok, platform::Icon::Critical);
        QCOMPARE(seen, buttons);

        // Qt's own file dialog, not the desktop's, so every desktop shows the same.
        QStringList shown;
        whenShown([&shown](QWidget* w) {
            QVERIFY(qobject_cast<QFileDialog*>(w));
            shown << label(w, "lookInLabel") << label(w, "fileNameLabel") << label(w, "fileTypeLabel");
            auto* box = w->findChild<QDialogButtonBox*>("buttonBox");
            QVERIFY(box);
            shown << box->button(QDialogButtonBox::Open)->text();
        });
        platform::FileRequest request;
        request.filter = "DudData File(*.DudDat)|*.DudDat";
        QCOMPARE(dialogs.openFile(request), std::nullopt);
        QCOMPARE(shown, labels);
    }
};

QTEST_MAIN(QtTranslationsTest)
#include "QtTranslationsTest.moc"
