// The helpers every window shows its state with: its lists, and each
// control of platform/Controls.h in its widget.
#include "platform/ui/Widgets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTimer>
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

    // Every change signal a widget has; a state shown raises none of them.
    void aStateShownRaisesNoChangeSignal() {
        QCheckBox box;
        QSignalSpy toggled(&box, &QCheckBox::toggled);
        platform::show(&box, platform::CheckBox{1, true, true});
        platform::show(&box, 0);
        QRadioButton option;
        QSignalSpy optionToggled(&option, &QRadioButton::toggled);
        platform::show(&option, platform::OptionButton{true});
        QComboBox list;
        QSignalSpy listChanged(&list, &QComboBox::currentIndexChanged);
        platform::ComboBox listState;
        listState.items = {"a", "b"};
        listState.ListIndex = 1;
        platform::show(&list, listState);
        platform::show(&list, {"c"}, 0);
        platform::show(&list, -1);
        QListWidget keys;
        QSignalSpy rowChanged(&keys, &QListWidget::currentRowChanged);
        platform::show(&keys, platform::ListBox{{"a", "b"}, 1});
        QLineEdit text;
        QSignalSpy textChanged(&text, &QLineEdit::textChanged);
        platform::TextBox textState;
        textState.Text = "abc";
        platform::show(&text, textState);
        platform::show(&text, std::string("def"));
        QScrollBar bar;
        bar.setRange(0, 10);
        QSignalSpy valueChanged(&bar, &QScrollBar::valueChanged);
        platform::show(&bar, 7);
        QTabWidget tabs;
        tabs.addTab(new QWidget, "0");
        tabs.addTab(new QWidget, "1");
        QSignalSpy tabChanged(&tabs, &QTabWidget::currentChanged);
        platform::show(&tabs, 1);

        QVERIFY(box.isChecked() == false && option.isChecked());
        QCOMPARE(list.count(), 1);
        QCOMPARE(keys.currentRow(), 1);
        QCOMPARE(text.text(), QStringLiteral("def"));
        QCOMPARE(bar.value(), 7);
        QCOMPARE(tabs.currentIndex(), 1);
        for (QSignalSpy* spy :
             {&toggled, &optionToggled, &listChanged, &rowChanged, &textChanged, &valueChanged, &tabChanged})
            QCOMPARE(spy->count(), 0);
    }

    void aBoxIsTickedOnlyAtValueOne() {
        QWidget window;
        auto* box = new QCheckBox(&window);
        window.show();
        platform::show(box, platform::CheckBox{1, true, false});
        QVERIFY(box->isChecked());
        QVERIFY(!box->isEnabled());
        platform::show(box, platform::CheckBox{-1, false, true});
        QVERIFY(!box->isChecked());
        QVERIFY(box->isEnabled());
        QVERIFY(box->isHidden());
        platform::show(box, 1);
        QVERIFY(box->isChecked());
    }

    void aGroupShowsOneChoiceOrNone() {
        QWidget window;
        QButtonGroup group;
        auto* read = new QRadioButton(&window);
        auto* write = new QRadioButton(&window);
        group.addButton(read, 2);
        group.addButton(write, 3);
        QSignalSpy toggled(read, &QRadioButton::toggled);
        platform::show(&group, 2);
        QVERIFY(read->isChecked() && !write->isChecked());
        platform::show(&group, 3);
        QVERIFY(!read->isChecked() && write->isChecked());
        platform::show(&group, -1);
        QVERIFY(!read->isChecked() && !write->isChecked());
        QVERIFY(group.exclusive());
        QCOMPARE(toggled.count(), 0);
    }

    void aListShowsItsChoiceAndTipAndKeepsItsItems() {
        QComboBox list;
        platform::ComboBox state{{"1", "2", "3"}, 2, false, "tip"};
        platform::show(&list, state);
        QCOMPARE(list.currentIndex(), 2);
        QVERIFY(!list.isEnabled());
        QCOMPARE(list.toolTip(), QStringLiteral("tip"));
        // The same items are not filled again: what a refill would lose stays.
        list.setItemData(0, 42);
        state.ListIndex = -1;
        state.Enabled = true;
        platform::show(&list, state);
        QCOMPARE(list.itemData(0).toInt(), 42);
        QCOMPARE(list.currentIndex(), -1);
        QVERIFY(list.isEnabled());
    }

    void aTextBoxKeepsTheCaretUnlessItsTextChanges() {
        QLineEdit box;
        const platform::TextBox state{.Text = "hello", .SelStart = 2, .ToolTip = "tip"};
        platform::show(&box, state);
        QCOMPARE(box.text(), QStringLiteral("hello"));
        QCOMPARE(box.cursorPosition(), 2);
        QCOMPARE(box.toolTip(), QStringLiteral("tip"));
        // The user moved the caret: the same text leaves it there.
        box.setCursorPosition(4);
        platform::show(&box, state);
        QCOMPARE(box.cursorPosition(), 4);
        // A typed text the logic corrected takes the caret from the state.
        platform::show(&box, state, true);
        QCOMPARE(box.cursorPosition(), 2);
        // A plain text: set only when it differs, so the caret stays too.
        box.setCursorPosition(3);
        platform::show(&box, std::string("hello"));
        QCOMPARE(box.cursorPosition(), 3);
        platform::show(&box, std::string("héllo wörld"));
        QCOMPARE(box.text(), QString::fromUtf8("héllo wörld"));
        QLabel label;
        platform::show(&label, "ünïcode");
        QCOMPARE(label.text(), QString::fromUtf8("ünïcode"));
    }

    void aButtonsFontIsSetOnlyWhenItsBoldnessChanges() {
        QWidget window;
        auto* button = new QPushButton(&window);
        platform::show(button, platform::Button{false, false});
        QVERIFY(!button->isEnabled());
        // A font of its own would no longer follow the window's.
        QVERIFY(!button->testAttribute(Qt::WA_SetFont));
        platform::show(button, platform::Button{true, true});
        QVERIFY(button->isEnabled());
        QVERIFY(button->font().bold());
        platform::show(button, platform::Button{true, false});
        QVERIFY(!button->font().bold());
    }

    void aTimerRunsAsItsStateSays() {
        QTimer timer;
        platform::show(timer, platform::Timer{true, 0});
        QVERIFY(!timer.isActive());
        platform::show(timer, platform::Timer{true, 5000});
        QVERIFY(timer.isActive());
        QCOMPARE(timer.interval(), 5000);
        // Shown again unchanged, a running timer keeps its phase.
        QTest::qWait(60);
        const int left = timer.remainingTime();
        platform::show(timer, platform::Timer{true, 5000});
        QVERIFY(timer.remainingTime() <= left);
        platform::show(timer, platform::Timer{true, 3000});
        QCOMPARE(timer.interval(), 3000);
        platform::show(timer, platform::Timer{false, 3000});
        QVERIFY(!timer.isActive());
    }
};

QTEST_MAIN(WidgetsTest)
#include "WidgetsTest.moc"
