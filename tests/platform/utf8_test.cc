#include "platform/utf8.h"

#include <gtest/gtest.h>

namespace airvane::utf8 {
namespace {

TEST(Utf8, CutsKeepWholeCharacters) {
    const std::string text =
        "a\xC3\xA9\xE2\x82\xAC"
        "b";  // a é € b
    EXPECT_EQ(CharCount(text), 4u);
    EXPECT_EQ(CutToChars(text, 2), "a\xC3\xA9");
    EXPECT_EQ(CutToBytes(text, 2), "a");          // é would be split
    EXPECT_EQ(CutToBytes(text, 5), "a\xC3\xA9");  // € would be split
    EXPECT_EQ(CutToBytes(text, 100), text);
}

TEST(Utf8, DecodesFileEncodings) {
    EXPECT_TRUE(IsValid("plain \xC3\xA9"));
    EXPECT_FALSE(IsValid("\xE9t\xE9"));
    EXPECT_FALSE(IsValid("\xC0\x80"));  // overlong
    EXPECT_EQ(FromLatin1("\xE9t\xE9"), "\xC3\xA9t\xC3\xA9");
    const std::string le("h\0\xAC\x20\x3D\xD8\x00\xDE", 8);  // h € U+1F600
    EXPECT_EQ(FromUtf16(le, false), "h\xE2\x82\xAC\xF0\x9F\x98\x80");
    EXPECT_EQ(ToUtf16Le("h\xE2\x82\xAC\xF0\x9F\x98\x80"), le);
    EXPECT_EQ(FromUtf16(std::string("\0h\x20\xAC", 4), true), "h\xE2\x82\xAC");
    EXPECT_EQ(FromUtf16(std::string("\x00\xD8", 2), false), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace airvane::utf8
