#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace airvane {

// The hex text form of rates, WEP keys and MAC addresses: two upper-case hex digits
// per byte, optionally with one blank between pairs ("02 04 0B 16").
std::string BytesToHexText(const uint8_t* bytes, size_t count, bool separated);

// The lenient reader of that form. Zeroes capacity bytes of output, then reads tokens
// of one or two hex digits (either case), skipping blanks and tabs between them; a
// token ends after its second digit, at a blank or tab, or at the end of the text.
// Reading stops at the end, at the first character that is neither a hex digit nor a
// blank or tab, or at a digit that would make byte capacity + 1. So "0A0B", "0A 0B"
// and "A B" give 0A 0B, "12:34" gives 12, "ABC" gives AB 0C. Always 0; bytes not
// read stay 0.
int HexTextToBytes(const std::string& text, uint8_t* output, size_t capacity);

}  // namespace airvane
