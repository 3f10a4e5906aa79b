#include "platform/linux/utf8_code_page.h"

#include "platform/utf8.h"

namespace airvane {

std::string Utf8CodePage::ToNarrow(const std::string& text, size_t max_bytes) {
    return utf8::CutToBytes(text, max_bytes);
}

std::string Utf8CodePage::ToWide(const std::string& bytes, size_t max_chars) {
    return utf8::CutToChars(bytes, max_chars);
}

}  // namespace airvane
