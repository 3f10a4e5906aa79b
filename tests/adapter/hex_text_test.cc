#include "adapter/hex_text.h"

#include <gtest/gtest.h>

#include <vector>

namespace airvane {
namespace {

TEST(BytesToHexText, UpperCasePairsOptionallySeparated) {
    const uint8_t rates[] = {0x02, 0x04, 0x0B, 0x16};
    EXPECT_EQ(BytesToHexText(rates, 4, true), "02 04 0B 16");
    EXPECT_EQ(BytesToHexText(rates, 4, false), "02040B16");
    const uint8_t key[] = {0xab, 0xcd, 0xef};
    EXPECT_EQ(BytesToHexText(key, 3, false), "ABCDEF");
    EXPECT_EQ(BytesToHexText(rates, 0, true), "");
    const std::vector<uint8_t> sixteen(16, 0xFF);
    EXPECT_EQ(BytesToHexText(sixteen.data(), 16, true).size(), 47u);
}

TEST(HexTextToBytes, TokenRules) {
    struct Row {
        const char* name;
        const char* text;
        size_t capacity;
        std::vector<uint8_t> expected;  // the whole output buffer
    };
    const Row rows[] = {
        {"joined pairs", "0A0B", 4, {0x0A, 0x0B, 0, 0}},
        {"separated pairs", "0A 0B", 4, {0x0A, 0x0B, 0, 0}},
        {"single digits", "A B", 4, {0x0A, 0x0B, 0, 0}},
        {"lower case", "ab cd", 2, {0xAB, 0xCD}},
        {"tabs and leading blanks", " \t0a\t\t0b ", 2, {0x0A, 0x0B}},
        {"stops at a colon", "12:34", 3, {0x12, 0, 0}},
        {"odd digit count", "ABC", 3, {0xAB, 0x0C, 0}},
        {"single digit before a stop", "1:2", 2, {0x01, 0}},
        {"seven pairs, capacity six", "01 02 03 04 05 06 07", 6, {1, 2, 3, 4, 5, 6}},
        {"empty text", "", 2, {0, 0}},
        {"not hex at all", "zz 01", 2, {0, 0}},
        {"capacity zero", "01", 0, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<uint8_t> output(row.capacity + 1, 0xEE);  // one guard byte
        EXPECT_EQ(HexTextToBytes(row.text, output.data(), row.capacity), 0);
        EXPECT_EQ(std::vector<uint8_t>(output.begin(), output.end() - 1), row.expected);
        EXPECT_EQ(output.back(), 0xEE) << "wrote past the capacity";
    }
}

TEST(HexTextToBytes, RoundTripsBytesToHexText) {
    const uint8_t key[13] = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66,
                             0x77, 0x88, 0x99, 0xAA, 0xBB, 0xFF};
    for (bool separated : {true, false}) {
        uint8_t back[13] = {};
        HexTextToBytes(BytesToHexText(key, 13, separated), back, 13);
        EXPECT_EQ(std::vector<uint8_t>(back, back + 13), std::vector<uint8_t>(key, key + 13));
    }
}

}  // namespace
}  // namespace airvane
