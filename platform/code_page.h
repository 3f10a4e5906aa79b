#pragma once
#include <cstddef>
#include <string>

namespace airvane {

// Conversion between the program's wide text and the adapter's 8-bit text. Texts are
// UTF-8 everywhere and the 8-bit code page is UTF-8 too, so conversion is a copy; the
// one real rule is that a cut to N bytes or N characters keeps whole characters.
class CodePage {
public:
    virtual ~CodePage() = default;
    // Wide text to at most max_bytes bytes of 8-bit text.
    virtual std::string ToNarrow(const std::string& text, size_t max_bytes) = 0;
    // 8-bit bytes to wide text of at most max_chars characters.
    virtual std::string ToWide(const std::string& bytes, size_t max_chars) = 0;
};

}  // namespace airvane
