#include "app/language_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/app/installed_ini_file.h"

namespace airvane {
namespace {

using Strings = std::vector<std::string>;

// Languages 1, 2 and 4 are listed; the gap ends the list. German lacks the description
// of language 2, so that language shows under its section name.
const char kLanguageFile[] =
    "[LANGUAGES]\n"
    "Language_1_Section=English\n"
    "Language_2_Section=German\n"
    "Language_4_Section=French\n"
    "[English]\n"
    "Language_1_Description=English\n"
    "Language_2_Description=German\n"
    "MP_Dialog_Title=Airvane Plus\n"
    "MP_Empty=\n"
    "[German]\n"
    "Language_1_Description=Englisch\n"
    "MP_Dialog_Title=Airvane Plus (de)\n"
    "[French]\n"
    "MP_Dialog_Title=never read\n";

class LanguageTableTest : public test::InstalledIniFile {
protected:
    void TearDown() override {
        ResetLanguageTable();
        InstalledIniFile::TearDown();
    }
    CLanguageTable& table_ = LanguageTable();
};

TEST_F(LanguageTableTest, ListEndsAtTheFirstMissingNumber) {
    ASSERT_TRUE(table_.Load(Write("QXMLu.INI", kLanguageFile), "LANGUAGES"));
    EXPECT_EQ(table_.GetCount(), 2);
    EXPECT_EQ(table_.GetCurrent(), 1);
    EXPECT_EQ(table_.GetDescriptions(), (Strings{"English", "German"}));
    EXPECT_EQ(table_.GetText("MP_Dialog_Title", "x"), "Airvane Plus");
    EXPECT_EQ(table_.GetText("MP_Empty", "x"), "");
    EXPECT_EQ(table_.GetText("MP_Missing", "Default"), "Default");

    ASSERT_TRUE(table_.Select(2));
    EXPECT_EQ(table_.GetCurrent(), 2);
    EXPECT_EQ(table_.GetDescriptions(), (Strings{"Englisch", "German"}));
    EXPECT_EQ(table_.GetText("MP_Dialog_Title", "x"), "Airvane Plus (de)");
}

TEST_F(LanguageTableTest, SelectRefusesNumbersOutOfRange) {
    ASSERT_TRUE(table_.Load(Write("QXMLu.INI", kLanguageFile), "LANGUAGES"));
    ASSERT_TRUE(table_.Select(2));
    for (int32_t n : {0, -1, 3}) {
        SCOPED_TRACE(n);
        EXPECT_FALSE(table_.Select(n));
        EXPECT_EQ(table_.GetCurrent(), 2);
        EXPECT_EQ(table_.GetDescriptions(), (Strings{"Englisch", "German"}));
        EXPECT_EQ(table_.GetText("MP_Dialog_Title", "x"), "Airvane Plus (de)");
    }
}

TEST_F(LanguageTableTest, WithoutLanguagesEveryLookupGivesItsDefault) {
    EXPECT_EQ(table_.GetCount(), 0);
    EXPECT_EQ(table_.GetCurrent(), 0);
    EXPECT_EQ(table_.GetText("MP_Dialog_Title", "Airvane Plus"), "Airvane Plus");

    struct Row {
        const char* name;
        std::string contents;  // empty: no file at all
    };
    const std::vector<Row> rows = {
        {"no file", ""},
        {"no LANGUAGES section", "[English]\nMP_Dialog_Title=t\n"},
        {"empty first entry",
         "[LANGUAGES]\nLanguage_1_Section=\nLanguage_2_Section=English\n"
         "[English]\nMP_Dialog_Title=t\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string name = std::string(row.name) + ".INI";
        if (!row.contents.empty())
            Write(name, row.contents);
        const std::string path = dir_ + "/" + name;
        EXPECT_FALSE(table_.Load(path, "LANGUAGES"));
        EXPECT_EQ(table_.GetCount(), 0);
        EXPECT_EQ(table_.GetCurrent(), -1);
        EXPECT_TRUE(table_.GetDescriptions().empty());
        EXPECT_FALSE(table_.Select(1));
        EXPECT_EQ(table_.GetText("MP_Dialog_Title", "Airvane Plus"), "Airvane Plus");
    }
}

TEST_F(LanguageTableTest, ReloadOfAnEmptiedFileDropsTheOldList) {
    const std::string path = Write("QXMLu.INI", kLanguageFile);
    ASSERT_TRUE(table_.Load(path, "LANGUAGES"));
    Write("QXMLu.INI", "[LANGUAGES]\n");
    EXPECT_FALSE(table_.Reload());
    EXPECT_EQ(table_.GetCount(), 0);
    EXPECT_TRUE(table_.GetDescriptions().empty());
    EXPECT_EQ(table_.GetText("MP_Dialog_Title", "Default"), "Default");
}

TEST_F(LanguageTableTest, TextsAreReadAtEveryLookupAndCut) {
    const std::string path = Write("QXMLu.INI", kLanguageFile);
    ASSERT_TRUE(table_.Load(path, "LANGUAGES"));
    Write("QXMLu.INI",
          std::string(kLanguageFile) + "[English]\n" + "[english]\nMP_Dialog_Title=shadowed\n");
    EXPECT_EQ(table_.GetText("MP_Dialog_Title", "x"), "Airvane Plus");

    Write("QXMLu.INI", "[LANGUAGES]\nLanguage_1_Section=" + std::string(500, 's') + "\n[" +
                           std::string(399, 's') +
                           "]\nLanguage_1_Description=" + std::string(1100, 'd') +
                           "\nLong=" + std::string(5000, 't') + "\nMP_Dialog_Title=Edited\n");
    EXPECT_EQ(table_.GetText("MP_Dialog_Title", "x"), "x");  // old section is gone
    ASSERT_TRUE(table_.Reload());
    EXPECT_EQ(table_.GetDescriptions(), (Strings{std::string(1023, 'd')}));
    EXPECT_EQ(table_.GetText("MP_Dialog_Title", "x"), "Edited");
    EXPECT_EQ(table_.GetText("Long", "x"), std::string(4095, 't'));
}

}  // namespace
}  // namespace airvane
