#include "platform/utf8.h"

#include <cstdint>

namespace airvane::utf8 {

namespace {

// Length of the well-formed sequence starting at text[i], or 0 when it is malformed.
size_t SequenceLength(std::string_view text, size_t i) {
    auto byte = [&](size_t k) { return static_cast<uint8_t>(text[k]); };
    uint8_t lead = byte(i);
    if (lead < 0x80)
        return 1;
    size_t len;
    uint32_t min;
    if ((lead & 0xE0) == 0xC0) {
        len = 2;
        min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        len = 3;
        min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        len = 4;
        min = 0x10000;
    } else {
        return 0;
    }
    if (i + len > text.size())
        return 0;
    uint32_t cp = lead & (0x7F >> len);
    for (size_t k = 1; k < len; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return len;
}

// Length of the character at i for cutting: malformed bytes count as one character
// each, so cuts stay defined on any input.
size_t StepLength(std::string_view text, size_t i) {
    size_t len = SequenceLength(text, i);
    return len == 0 ? 1 : len;
}

void Append(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

bool IsValid(std::string_view text) {
    for (size_t i = 0; i < text.size();) {
        size_t len = SequenceLength(text, i);
        if (len == 0)
            return false;
        i += len;
    }
    return true;
}

size_t CharCount(std::string_view text) {
    size_t n = 0;
    for (size_t i = 0; i < text.size(); i += StepLength(text, i))
        ++n;
    return n;
}

std::string CutToChars(std::string_view text, size_t max_chars) {
    size_t i = 0;
    for (size_t n = 0; i < text.size() && n < max_chars; ++n)
        i += StepLength(text, i);
    return std::string(text.substr(0, i));
}

std::string CutToBytes(std::string_view text, size_t max_bytes) {
    size_t i = 0;
    while (i < text.size()) {
        size_t len = StepLength(text, i);
        if (i + len > max_bytes)
            break;
        i += len;
    }
    return std::string(text.substr(0, i));
}

std::string FromLatin1(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char c : bytes)
        Append(out, static_cast<uint8_t>(c));
    return out;
}

std::string FromUtf16(std::string_view bytes, bool big_endian) {
    std::string out;
    out.reserve(bytes.size());
    auto unit = [&](size_t k) -> uint32_t {
        uint8_t a = static_cast<uint8_t>(bytes[k]);
        uint8_t b = static_cast<uint8_t>(bytes[k + 1]);
        return big_endian ? (a << 8 | b) : (b << 8 | a);
    };
    size_t count = bytes.size() / 2;
    for (size_t i = 0; i < count; ++i) {
        uint32_t u = unit(2 * i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < count) {
            uint32_t low = unit(2 * (i + 1));
            if (low >= 0xDC00 && low <= 0xDFFF) {
                Append(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        Append(out, (u >= 0xD800 && u <= 0xDFFF) ? 0xFFFD : u);
    }
    return out;
}

std::string ToUtf16Le(std::string_view text) {
    std::string out;
    auto put = [&](uint32_t u) {
        out += static_cast<char>(u & 0xFF);
        out += static_cast<char>(u >> 8);
    };
    for (size_t i = 0; i < text.size();) {
        size_t len = SequenceLength(text, i);
        uint32_t cp;
        if (len == 0) {
            cp = 0xFFFD;
            len = 1;
        } else if (len == 1) {
            cp = static_cast<uint8_t>(text[i]);
        } else {
            cp = static_cast<uint8_t>(text[i]) & (0x7F >> len);
            for (size_t k = 1; k < len; ++k)
                cp = (cp << 6) | (text[i + k] & 0x3F);
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            put(0xD800 + (cp >> 10));
            put(0xDC00 + (cp & 0x3FF));
        } else {
            put(cp);
        }
        i += len;
    }
    return out;
}

}  // namespace airvane::utf8
