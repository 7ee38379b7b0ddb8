// The serial-number list: reading the list file, choosing and stepping, and
// the step after each good write until the list is used up.
#include "tests/channels/SideFixture.h"

#include "channels/SerialList.h"

#include "app/FaceText.h"

namespace sidetest {
namespace {

using namespace channels;
namespace map = model::map;

class SerialListTest : public SideTest {
  protected:
    std::string listFile(const std::string& content) {
        home.write("list.ini", content);
        return home.file("list.ini");
    }
    // Message line 1 as the radio shows it.
    std::string line1() const {
        return charcode::HanZiToText(charcode::HanZiTbl(), bytes(map::MessageLine1, 32), 16);
    }
    Bytes line2() const { return bytes(map::MessageLine2, 32); }
    std::vector<std::string> texts() const {
        std::vector<std::string> t;
        for (const SerialEntry& e : list.Entries) t.push_back(SerialEntryText(e));
        return t;
    }
    SerialListState& list = p.serial;
};

TEST_F(SerialListTest, ReadsKeysInOrderUpToTheFirstMissingOne) {
    const std::string path = listFile("[Other]\n1=not this\n[serialno]\n2 = SN Second \n1=SN First\n"
                                      "4=SN Fourth\n3=\n");
    EXPECT_EQ(ReadSerialList(path).size(), 2u);
    ASSERT_TRUE(ImportSerialList(p, m, path));
    EXPECT_EQ(texts(), (std::vector<std::string>{"0001 -- SN First", "0002 -- SN Second"}));
    EXPECT_EQ(list.ListIndex, 0);
    EXPECT_EQ(line1(), "SN First");
    EXPECT_EQ(p.txtPc[2].Text, "SN First");
    EXPECT_TRUE(list.SwitchVisible);
    EXPECT_TRUE(list.AutoVisible);
    EXPECT_FALSE(list.ExampleVisible);
}

TEST_F(SerialListTest, AValueKeepsAtMost99Characters) {
    // A character outside ASCII counts two, as in the code page such lists were made in.
    std::string wide;
    for (int i = 0; i < 60; ++i) wide += "中";
    const auto entries =
        ReadSerialList(listFile("[SerialNo]\n1=" + std::string(120, 'x') + "\n2=" + wide + "\n"));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].value, std::string(99, 'x'));
    EXPECT_EQ(entries[1].value, wide.substr(0, 49 * 3));
}

TEST_F(SerialListTest, ReadsAtMostTenThousandKeys) {
    std::string content = "[SerialNo]\n";
    for (int key = 1; key <= 10001; ++key)
        content += std::to_string(key) + "=SERIAL-NUMBER-" + std::to_string(key) + "\n";
    ASSERT_TRUE(ImportSerialList(p, m, listFile(content)));
    ASSERT_EQ(list.Entries.size(), 10000u);
    EXPECT_EQ(SerialEntryText(list.Entries.back()), "10000 -- SERIAL-NUMBER-10000");
    ASSERT_TRUE(ChooseSerialEntry(p, m, 9999));
    EXPECT_EQ(line1(), "SERIAL-NUMBER-10");
}

TEST_F(SerialListTest, MessageLineTakesTheValuesFirst16Characters) {
    struct Case {
        SerialEntry entry;
        const char* text;
        const char* line;
    } cases[] = {
        {{1, "SN-0001"}, "0001 -- SN-0001", "SN-0001"},
        {{12, "ABCDEFGHIJKLMNOPQRST"}, "0012 -- ABCDEFGHIJKLMNOPQRST", "ABCDEFGHIJKLMNOP"},
        {{10000, "ABCDEFGHIJKLMNOPQR"}, "10000 -- ABCDEFGHIJKLMNOPQR", "ABCDEFGHIJKLMNOP"},
        {{3, "序列号一二三四五六七八九十甲乙丙丁戊"},
         "0003 -- 序列号一二三四五六七八九十甲乙丙丁戊",
         "序列号一二三四五六七八九十甲乙丙"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        list.Entries = {c.entry};
        EXPECT_EQ(SerialEntryText(c.entry), c.text);
        ASSERT_TRUE(ChooseSerialEntry(p, m, 0));
        EXPECT_EQ(line1(), c.line);
        EXPECT_EQ(SerialLineText(c.entry), c.line);
        EXPECT_EQ(bytes(map::MessageLine1, 32), charcode::TextToHanZi(charcode::HanZiTbl(), c.line, 16));
    }
    EXPECT_EQ(line2(), Bytes(32, 0xFF));
}

TEST_F(SerialListTest, ImportWithoutEntriesOrCancelled) {
    // Cancelled: nothing changes.
    EXPECT_FALSE(ImportSerialList(p, m, ""));
    EXPECT_FALSE(list.ExampleVisible);
    // Nothing found before any list: the example shows how one looks.
    ASSERT_TRUE(ImportSerialList(p, m, listFile("[SerialNo]\n2=SN Second\n")));
    EXPECT_TRUE(list.Entries.empty());
    EXPECT_FALSE(list.SwitchVisible);
    EXPECT_TRUE(list.ExampleVisible);
    EXPECT_EQ(line1(), "");
    EXPECT_EQ(bytes(map::MessageLine1, 32), Bytes(32, 0xFF));

    ASSERT_TRUE(ImportSerialList(p, m, listFile("[SerialNo]\n1=A1\n2=A2\n")));
    EXPECT_FALSE(list.ExampleVisible);
    ASSERT_TRUE(SeqSwitch(p, m, 1));
    const model::Image chosen = m.IicDat;
    EXPECT_FALSE(ImportSerialList(p, m, ""));
    EXPECT_EQ(list.Entries.size(), 2u);
    EXPECT_EQ(list.ListIndex, 1);
    EXPECT_TRUE(m.IicDat == chosen);

    // Nothing found after a list: the list empties, the example stays hidden.
    ASSERT_TRUE(ImportSerialList(p, m, home.file("missing.ini")));
    EXPECT_TRUE(list.Entries.empty());
    EXPECT_FALSE(list.SwitchVisible);
    EXPECT_FALSE(list.AutoVisible);
    EXPECT_FALSE(list.ExampleVisible);
    EXPECT_EQ(line1(), "A2");
}

TEST_F(SerialListTest, StepsStopAtBothEnds) {
    EXPECT_FALSE(SeqSwitch(p, m, 1)); // an empty list
    ASSERT_TRUE(ImportSerialList(p, m, listFile("[SerialNo]\n1=A1\n2=A2\n3=A3\n")));
    EXPECT_FALSE(SeqSwitch(p, m, 0));
    EXPECT_EQ(line1(), "A1");
    EXPECT_TRUE(SeqSwitch(p, m, 1));
    EXPECT_TRUE(SeqSwitch(p, m, 5));
    EXPECT_EQ(line1(), "A3");
    EXPECT_FALSE(SeqSwitch(p, m, 1));
    EXPECT_EQ(list.ListIndex, 2);
    EXPECT_TRUE(SeqSwitch(p, m, 0));
    EXPECT_EQ(line1(), "A2");
    list.ListIndex = -1;
    EXPECT_TRUE(SeqSwitch(p, m, 0));
    EXPECT_EQ(line1(), "A1");
}

TEST_F(SerialListTest, ThreeNumbersThroughFourWritesThenUsedUp) {
    ASSERT_TRUE(ImportSerialList(p, m, listFile("[SerialNo]\n1=SN-A\n2=SN-B\n3=SN-C\n")));
    list.AutoNextSn = 1;
    std::vector<std::string> written;
    std::vector<radiolink::SerialStep> steps;
    for (int radio = 0; radio < 4; ++radio) {
        written.push_back(line1()); // what this radio receives
        steps.push_back(AdvanceAfterWrite(p, m));
    }
    EXPECT_EQ(written, (std::vector<std::string>{"SN-A", "SN-B", "SN-C", ""}));
    EXPECT_EQ(steps, (std::vector<radiolink::SerialStep>{
                         radiolink::SerialStep::Next, radiolink::SerialStep::Next,
                         radiolink::SerialStep::UsedUp, radiolink::SerialStep::None}));
    EXPECT_EQ(list.AutoNextSn, 0);
    EXPECT_TRUE(list.UsedUp);
    EXPECT_EQ(p.txtPc[2].Text, "");
    // As an emptied message box stores it: sixteen space codes.
    EXPECT_EQ(bytes(map::MessageLine1, 32), Bytes(32, 0x00));
    EXPECT_EQ(list.ListIndex, 2);
    EXPECT_FALSE(SeqSwitch(p, m, 1)) << "the list must not start again";

    // Going back to an entry gives its number again, on purpose.
    EXPECT_TRUE(SeqSwitch(p, m, 0));
    EXPECT_FALSE(list.UsedUp);
    EXPECT_EQ(line1(), "SN-B");
}

TEST_F(SerialListTest, NoStepWithoutAutoOrEntries) {
    EXPECT_EQ(AdvanceAfterWrite(p, m), radiolink::SerialStep::None);
    ASSERT_TRUE(ImportSerialList(p, m, listFile("[SerialNo]\n1=A1\n2=A2\n")));
    EXPECT_EQ(AdvanceAfterWrite(p, m), radiolink::SerialStep::None);
    EXPECT_EQ(line1(), "A1");
}

TEST(SerialListTexts, UsedUpIsToldInTheLanguage) {
    using app::TextKey;
    const std::string chs = app::text(TextKey::SerialListUsedUp, 1),
                      cht = app::text(TextKey::SerialListUsedUp, 2),
                      eng = app::text(TextKey::SerialListUsedUp, 3);
    EXPECT_NE(chs.find("序列号"), std::string::npos);
    EXPECT_NE(cht.find("序號"), std::string::npos);
    EXPECT_NE(eng.find("used up"), std::string::npos);
    EXPECT_EQ(app::text(TextKey::SerialListUsedUp, 7), eng);
    EXPECT_EQ(SerialExampleText(), "SN Example:\n[SerialNo]\n1=SN First\n2=SN Second\n3=SN Third");
}

} // namespace
} // namespace sidetest
