#pragma once
#include "platform/code_page.h"

namespace airvane {

// The 8-bit code page is UTF-8, so both directions copy the text and only the cut
// matters: it always ends on a whole character.
class Utf8CodePage : public CodePage {
public:
    std::string ToNarrow(const std::string& text, size_t max_bytes) override;
    std::string ToWide(const std::string& bytes, size_t max_chars) override;
};

}  // namespace airvane
