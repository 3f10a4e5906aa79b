#include "adapter/hex_text.h"

#include <cstring>

namespace airvane {

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

bool IsGap(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

std::string BytesToHexText(const uint8_t* bytes, size_t count, bool separated) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    if (bytes == nullptr) {
        return text;
    }
    text.reserve(count * 3);
    for (size_t i = 0; i < count; ++i) {
        if (separated && i > 0) {
            text += ' ';
        }
        text += kDigits[bytes[i] >> 4];
        text += kDigits[bytes[i] & 0x0F];
    }
    return text;
}

int HexTextToBytes(const std::string& text, uint8_t* output, size_t capacity) {
    if (output == nullptr) {
        return 0;
    }
    std::memset(output, 0, capacity);
    size_t produced = 0;
    size_t pos = 0;
    while (pos < text.size()) {
        if (IsGap(text[pos])) {
            ++pos;
            continue;
        }
        int high = HexDigit(text[pos]);
        if (high < 0 || produced == capacity) {
            break;
        }
        ++pos;
        int value = high;
        if (pos < text.size()) {
            int low = HexDigit(text[pos]);
            if (low >= 0) {
                value = high * 16 + low;
                ++pos;
            }
        }
        output[produced++] = static_cast<uint8_t>(value);
    }
    return 0;
}

}  // namespace airvane
