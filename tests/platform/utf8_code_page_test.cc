#include "platform/linux/utf8_code_page.h"

#include <gtest/gtest.h>

namespace airvane {
namespace {

TEST(Utf8CodePage, CopiesAndCutsOnWholeCharacters) {
    Utf8CodePage page;
    const std::string text =
        "a\xC3\xA9\xE2\x82\xAC"
        "b";  // a é € b: 7 bytes, 4 characters
    struct Row {
        const char* name;
        size_t limit;
        std::string narrow;  // ToNarrow, limit in bytes
        std::string wide;    // ToWide, limit in characters
    };
    const Row rows[] = {
        {"zero", 0, "", ""},
        {"inside the second character", 2, "a", "a\xC3\xA9"},
        {"inside the third character", 5, "a\xC3\xA9", text},
        {"exact byte length", 7, text, text},
        {"more than enough", 100, text, text},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(page.ToNarrow(text, row.limit), row.narrow);
        EXPECT_EQ(page.ToWide(text, row.limit), row.wide);
    }
}

}  // namespace
}  // namespace airvane
