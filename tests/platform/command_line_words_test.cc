#include "platform/linux/command_line_words.h"

#include <gtest/gtest.h>

namespace airvane {
namespace {

TEST(SplitCommandLine, SplitsLikeAShellWithoutExpanding) {
    struct Row {
        const char* name;
        std::string line;
        int rc;
        std::vector<std::string> words;
    };
    const Row rows[] = {
        {"plain words", "prog a b", 0, {"prog", "a", "b"}},
        {"runs of blanks, tabs and newlines", "  prog\t a \n b  ", 0, {"prog", "a", "b"}},
        {"empty line", "", 0, {}},
        {"only blanks", "  \t ", 0, {}},
        {"double quotes keep blanks", "prog \"a b\" c", 0, {"prog", "a b", "c"}},
        {"single quotes keep blanks", "prog 'a  b'", 0, {"prog", "a  b"}},
        {"quotes join with neighbours", "pre\"mid dle\"'post'x", 0, {"premid dlepostx"}},
        {"empty quotes make a word", "prog \"\" ''", 0, {"prog", "", ""}},
        {"backslash escapes outside quotes",
         "prog a\\ b \\\"c \\'d \\\\",
         0,
         {"prog", "a b", "\"c", "'d", "\\"}},
        {"backslash is literal in single quotes", "prog 'a\\b' '\\'", 0, {"prog", "a\\b", "\\"}},
        {"double quotes escape only \" \\ $ `",
         "prog \"a\\\"b\\\\c\\$d\\`e\\nf\"",
         0,
         {"prog", "a\"b\\c$d`e\\nf"}},
        {"single quote inside double quotes", "prog \"it's\"", 0, {"prog", "it's"}},
        {"double quote inside single quotes", "prog 'say \"hi\"'", 0, {"prog", "say \"hi\""}},
        {"backslash-newline joins lines", "prog ab\\\ncd", 0, {"prog", "abcd"}},
        {"no variables, globs or operators",
         "prog $HOME *.txt a;b |c ~",
         0,
         {"prog", "$HOME", "*.txt", "a;b", "|c", "~"}},
        {"non-ASCII kept",
         "prog \"r\xC3\xA9seau sans fil\"",
         0,
         {"prog", "r\xC3\xA9seau sans fil"}},
        {"open double quote", "prog \"a b", -1, {}},
        {"open single quote", "prog 'a b", -1, {}},
        {"escaped closing quote leaves it open", "prog \"a\\\"", -1, {}},
        {"lone trailing backslash", "prog a\\", -1, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<std::string> words = {"stale"};
        EXPECT_EQ(SplitCommandLine(row.line, &words), row.rc);
        EXPECT_EQ(words, row.words);
    }
}

}  // namespace
}  // namespace airvane
