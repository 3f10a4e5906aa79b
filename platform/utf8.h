#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace airvane::utf8 {

// Lengths and cuts of UTF-8 text count Unicode code points ("characters"); byte cuts
// never split a character.
bool IsValid(std::string_view text);
size_t CharCount(std::string_view text);
std::string CutToChars(std::string_view text, size_t max_chars);
std::string CutToBytes(std::string_view text, size_t max_bytes);

// Decoding of file contents into UTF-8.
std::string FromLatin1(std::string_view bytes);
// UTF-16 code units in little- or big-endian byte order (no BOM expected); unpaired
// surrogates become U+FFFD.
std::string FromUtf16(std::string_view bytes, bool big_endian);
// UTF-8 text to UTF-16LE bytes (no BOM).
std::string ToUtf16Le(std::string_view text);

}  // namespace airvane::utf8
