// The serial-number list: reading the list file, choosing and stepping, and
// the step after each good write until the list is used up.
#include "tests/channels/SideFixture.h"

#include "channels/SerialList.h"

#include "app/FaceText.h"
#include "tests/support/ScriptedDialogs.h"

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
    testsupport::ScriptedDialogs dialogs;
};

TEST_F(SerialListTest, ReadsKeysInOrderUpToTheFirstMissingOne) {
    const std::string path = listFile("[Other]\n1=not this\n[serialno]\n2 = SN Second \n1=SN First\n"
                                      "4=SN Fourth\n3=\n");
    EXPECT_EQ(ReadSerialList(path).size(), 2u);
    ASSERT_EQ(ImportSerialList(p, m, path), SerialImport::Imported);
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
        content += std::to_string(key) + "=SERIAL-NO-" + std::to_string(key) + "\n";
    ASSERT_EQ(ImportSerialList(p, m, listFile(content)), SerialImport::Imported);
    ASSERT_EQ(list.Entries.size(), 10000u);
    EXPECT_EQ(SerialEntryText(list.Entries.back()), "10000 -- SERIAL-NO-10000");
    ASSERT_TRUE(ChooseSerialEntry(p, m, 9999));
    EXPECT_EQ(line1(), "SERIAL-NO-10000");
    EXPECT_TRUE(dialogs.asked.empty());
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

TEST_F(SerialListTest, ACancelledImportChangesNothing) {
    EXPECT_EQ(ImportSerialList(p, m, ""), SerialImport::Cancelled);
    EXPECT_FALSE(list.ExampleVisible);
    ASSERT_EQ(ImportSerialList(p, m, listFile("[SerialNo]\n1=A1\n2=A2\n")), SerialImport::Imported);
    ASSERT_TRUE(SeqSwitch(p, m, 1));
    const model::Image chosen = m.IicDat;
    EXPECT_EQ(ImportSerialList(p, m, ""), SerialImport::Cancelled);
    EXPECT_EQ(list.Entries.size(), 2u);
    EXPECT_EQ(list.ListIndex, 1);
    EXPECT_TRUE(m.IicDat == chosen);
    EXPECT_TRUE(dialogs.asked.empty());
}

// A file message line 1 could not take number by number is refused whole:
// the list in use, its choice, Auto and message line 1 stay, and a message
// in the interface language says why, naming the entries.
TEST_F(SerialListTest, AListLine1CannotKeepApartIsRefusedAndTheListInUseStays) {
    const std::string cut = "Message1 holds 16 characters, and a longer serial number would be cut. Entries "
                            "longer than 16 characters: ";
    const std::string missing = home.file("missing.ini");
    struct Case {
        const char* what;
        const char* content; // nullptr: no such file
        std::string said;    // between the first line and the last
        std::vector<std::string> named;
    } cases[] = {
        {"longer than 16, apart once cut",
         "[SerialNo]\n1=SN-1\n2=ABCDEFGHIJKLMNOP-1\n3=ABCDEFGHIJKLMNOQ-2\n",
         cut + "2. The first of them:\n0002 -- ABCDEFGHIJKLMNOP-1",
         {"0002 -- ABCDEFGHIJKLMNOP-1"}},
        {"alike once cut",
         "[SerialNo]\n1=SN-2026-BATCH-A-0001\n2=SN-2026-BATCH-A-0002\n",
         "These two entries would give two radios the same Message1, \"SN-2026-BATCH-A-\":\n"
         "0001 -- SN-2026-BATCH-A-0001\n0002 -- SN-2026-BATCH-A-0002\n" +
             cut + "2. The first of them:\n0001 -- SN-2026-BATCH-A-0001",
         {"0001 -- SN-2026-BATCH-A-0001", "0002 -- SN-2026-BATCH-A-0002"}},
        {"Chinese numbers of 18 characters",
         "[SerialNo]\n1=SN\n2=序列号一二三四五六七八九十甲乙丙丁戊\n3=序列号一二三四五六七八九十甲乙丙丁己\n",
         "These two entries would give two radios the same Message1, \"序列号一二三四五六七八九十甲乙丙\":\n"
         "0002 -- 序列号一二三四五六七八九十甲乙丙丁戊\n0003 -- 序列号一二三四五六七八九十甲乙丙丁己\n" +
             cut + "2. The first of them:\n0002 -- 序列号一二三四五六七八九十甲乙丙丁戊",
         {"0002 -- 序列号一二三四五六七八九十甲乙丙丁戊", "0003 -- 序列号一二三四五六七八九十甲乙丙丁己"}},
        {"the same number twice",
         "[SerialNo]\n1=SN-1\n2=SN-2\n3=SN-1\n",
         "These two entries would give two radios the same Message1, \"SN-1\":\n0001 -- SN-1\n0003 -- SN-1",
         {"0001 -- SN-1", "0003 -- SN-1"}},
        {"alike but for characters the radio lacks",
         "[SerialNo]\n1=SN-1\xF0\x9F\x98\x80\n2=SN-1\xF0\x9F\x98\x83\n",
         "These two entries would give two radios the same Message1, \"SN-1\":\n0001 -- "
         "SN-1\xF0\x9F\x98\x80\n"
         "0002 -- SN-1\xF0\x9F\x98\x83",
         {"0001 -- SN-1\xF0\x9F\x98\x80", "0002 -- SN-1\xF0\x9F\x98\x83"}},
        {"no entries",
         "[SerialNo]\n2=SN-2\n",
         home.file("list.ini") +
             " holds no serial numbers: a list has them in section [SerialNo] as keys 1, 2, 3 and so on, "
             "from key 1.",
         {home.file("list.ini")}},
        {"no such file", nullptr, "Cannot open " + missing + ": no such file", {missing}},
    };
    for (int lang : {3, 1, 2}) {
        app::shell().LangIndex = lang;
        app::InitFaceText();
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.what) + " in language " + std::to_string(lang));
            ASSERT_EQ(ImportSerialList(p, m, listFile("[SerialNo]\n1=A1\n2=A2\n3=A3\n")),
                      SerialImport::Imported);
            ASSERT_TRUE(SeqSwitch(p, m, 1));
            list.AutoNextSn = 1;
            const SerialListState before = list;
            const model::Image image = m.IicDat;
            dialogs.asked.clear();

            EXPECT_EQ(ImportSerialList(p, m, c.content ? listFile(c.content) : missing),
                      SerialImport::Refused);
            EXPECT_EQ(texts(), (std::vector<std::string>{"0001 -- A1", "0002 -- A2", "0003 -- A3"}));
            EXPECT_EQ(list.ListIndex, 1);
            EXPECT_EQ(list.AutoNextSn, 1);
            EXPECT_EQ(list.SwitchVisible, before.SwitchVisible);
            EXPECT_EQ(list.ExampleVisible, before.ExampleVisible);
            EXPECT_EQ(p.txtPc[2].Text, "A2");
            EXPECT_TRUE(m.IicDat == image);

            ASSERT_EQ(dialogs.asked.size(), 1u);
            const auto& asked = dialogs.asked[0];
            EXPECT_EQ(asked.title, app::text(app::kTextNotice));
            EXPECT_EQ(asked.icon, platform::Icon::Critical);
            const std::string first = app::text(app::TextKey::SerialListNotImported) + "\n",
                              last = "\n" + app::text(app::TextKey::SerialListKept);
            EXPECT_EQ(asked.text.substr(0, first.size()), first);
            ASSERT_GE(asked.text.size(), first.size() + last.size());
            EXPECT_EQ(asked.text.substr(asked.text.size() - last.size()), last);
            for (const std::string& named : c.named)
                EXPECT_NE(asked.text.find(named), std::string::npos) << named;
            const std::string said =
                asked.text.substr(first.size(), asked.text.size() - first.size() - last.size());
            if (lang == 3) {
                EXPECT_EQ(c.content ? said : said.substr(0, c.said.size()), c.said);
            } else {
                EXPECT_EQ(said.find("serial"), std::string::npos) << said;
            }
        }
    }
}

TEST_F(SerialListTest, WithNoListInUseARefusalShowsTheExampleForAFileWithoutEntries) {
    app::InitFaceText();
    SetPcText(p, m, 2, "EARLIER");
    const model::Image image = m.IicDat;
    EXPECT_EQ(ImportSerialList(p, m, listFile("[SerialNo]\n1=SN-1\n2=SN-1\n")), SerialImport::Refused);
    EXPECT_FALSE(list.ExampleVisible) << "the form of the file was right";
    EXPECT_EQ(ImportSerialList(p, m, listFile("[Serial]\n1=SN-1\n")), SerialImport::Refused);
    EXPECT_TRUE(list.ExampleVisible);
    EXPECT_TRUE(list.Entries.empty());
    EXPECT_FALSE(list.SwitchVisible || list.AutoVisible);
    EXPECT_EQ(p.txtPc[2].Text, "EARLIER");
    EXPECT_TRUE(m.IicDat == image);
    ASSERT_EQ(dialogs.asked.size(), 2u);
    // Nothing was in use, so nothing is said to stay.
    for (const auto& asked : dialogs.asked)
        EXPECT_EQ(asked.text.find(app::text(app::TextKey::SerialListKept)), std::string::npos);

    // A list that passes replaces nothing but the example.
    EXPECT_EQ(ImportSerialList(p, m, listFile("[SerialNo]\n1=SN-1\n2=SN-2\n")), SerialImport::Imported);
    EXPECT_FALSE(list.ExampleVisible);
    EXPECT_EQ(line1(), "SN-1");
    EXPECT_EQ(dialogs.asked.size(), 2u);
}

TEST_F(SerialListTest, StepsStopAtBothEnds) {
    EXPECT_FALSE(SeqSwitch(p, m, 1)); // an empty list
    ASSERT_EQ(ImportSerialList(p, m, listFile("[SerialNo]\n1=A1\n2=A2\n3=A3\n")), SerialImport::Imported);
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
    ASSERT_EQ(ImportSerialList(p, m, listFile("[SerialNo]\n1=SN-A\n2=SN-B\n3=SN-C\n")),
              SerialImport::Imported);
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
    ASSERT_EQ(ImportSerialList(p, m, listFile("[SerialNo]\n1=A1\n2=A2\n")), SerialImport::Imported);
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
