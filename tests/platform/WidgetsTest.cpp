// The list helpers every window shows its lists with.
#include "platform/ui/Widgets.h"

#include <QComboBox>
#include <QListWidget>
#include <QtTest>

class WidgetsTest : public QObject {
    Q_OBJECT
  private slots:
    void aListIsRefilledOnlyWhenAnItemDiffers() {
        QComboBox list;
        platform::showItems(&list, std::vector<std::string>{"1", "2", "3"});
        list.setCurrentIndex(2);
        // The same items: the choice stays.
        platform::showItems(&list, QStringList{"1", "2", "3"});
        QCOMPARE(list.currentIndex(), 2);
        // Only the middle one differs: the list shows the new items.
        platform::showItems(&list, QStringList{"1", "two", "3"});
        QCOMPARE(list.itemText(1), QStringLiteral("two"));
        QCOMPARE(list.count(), 3);
        platform::showItems(&list, QStringList{});
        QCOMPARE(list.count(), 0);
    }

    void aListBoxIsRefilledOnlyWhenAnItemDiffers() {
        QListWidget list;
        platform::showItems(&list, std::vector<std::string>{"1", "2", "3"});
        list.setCurrentRow(2);
        platform::showItems(&list, QStringList{"1", "2", "3"});
        QCOMPARE(list.currentRow(), 2);
        platform::showItems(&list, std::vector<std::string>{"1", "two", "3"});
        QCOMPARE(list.item(1)->text(), QStringLiteral("two"));
        QCOMPARE(list.count(), 3);
        platform::showItems(&list, QStringList{"1", "two"});
        QCOMPARE(list.count(), 2);
    }
};

QTEST_MAIN(WidgetsTest)
#include "WidgetsTest.moc"
