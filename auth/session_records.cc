#include "auth/session_records.h"

#include <algorithm>

#include "platform/utf8.h"

namespace airvane {
namespace {

void PutLittleEndian(uint8_t* at, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        at[i] = static_cast<uint8_t>(value >> (8 * i));
    }
}

uint32_t GetLittleEndian(const uint8_t* at) {
    return static_cast<uint32_t>(at[0]) | static_cast<uint32_t>(at[1]) << 8 |
           static_cast<uint32_t>(at[2]) << 16 | static_cast<uint32_t>(at[3]) << 24;
}

// A UTF-16LE name of at most 255 characters with its terminating zero.
void PutWideName(uint8_t* at, std::string_view text) {
    std::string wide = utf8::ToUtf16Le(utf8::CutToChars(text, kCertificateNameChars - 1));
    // A character outside the basic plane takes two units; never cut a pair.
    size_t room = (kCertificateNameChars - 1) * 2;
    if (wide.size() > room) {
        size_t cut = room;
        const auto unit = [&](size_t i) {
            return static_cast<uint16_t>(static_cast<uint8_t>(wide[i]) |
                                         static_cast<uint8_t>(wide[i + 1]) << 8);
        };
        if (unit(cut - 2) >= 0xD800 && unit(cut - 2) <= 0xDBFF) {
            cut -= 2;
        }
        wide.resize(cut);
    }
    std::fill(at, at + kCertificateNameChars * 2, 0);
    std::copy(wide.begin(), wide.end(), at);
}

std::string WideName(const uint8_t* at) {
    size_t units = 0;
    while (units < kCertificateNameChars && (at[units * 2] != 0 || at[units * 2 + 1] != 0)) {
        ++units;
    }
    return utf8::FromUtf16(std::string_view(reinterpret_cast<const char*>(at), units * 2), false);
}

}  // namespace

void EapConfigBlock::SetText(eap_block::Field field, std::string_view text) {
    uint8_t* at = bytes.data() + field.offset;
    std::fill(at, at + field.size, 0);
    const size_t n = std::min(text.size(), field.size - 1);
    std::copy(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(n), at);
}

std::string EapConfigBlock::Text(eap_block::Field field) const {
    const char* at = reinterpret_cast<const char*>(bytes.data() + field.offset);
    size_t n = 0;
    while (n < field.size && at[n] != 0) {
        ++n;
    }
    return std::string(at, n);
}

void EapConfigBlock::SetFragmentSize(uint32_t size) {
    PutLittleEndian(bytes.data() + eap_block::kFragmentSizeOffset, size);
}

uint32_t EapConfigBlock::FragmentSize() const {
    return GetLittleEndian(bytes.data() + eap_block::kFragmentSizeOffset);
}

uint32_t KeyNegotiationContext::Word(size_t offset) const {
    return GetLittleEndian(bytes.data() + offset);
}

void KeyNegotiationContext::SetWord(size_t offset, uint32_t value) {
    PutLittleEndian(bytes.data() + offset, value);
}

InstallKeyCallback KeyNegotiationContext::InstallKey() const {
    InstallKeyCallback callback = nullptr;
    std::memcpy(&callback, bytes.data() + key_context::kInstallKeyOffset, sizeof callback);
    return callback;
}

ReadElementCallback KeyNegotiationContext::ReadElement() const {
    ReadElementCallback callback = nullptr;
    std::memcpy(&callback, bytes.data() + key_context::kReadElementOffset, sizeof callback);
    return callback;
}

void KeyNegotiationContext::SetInstallKey(InstallKeyCallback callback) {
    std::memcpy(bytes.data() + key_context::kInstallKeyOffset, &callback, sizeof callback);
}

void KeyNegotiationContext::SetReadElement(ReadElementCallback callback) {
    std::memcpy(bytes.data() + key_context::kReadElementOffset, &callback, sizeof callback);
}

void CertificateList::SetEntry(size_t index, std::string_view subject, std::string_view issuer) {
    if (index >= kCertificateListEntries) {
        return;
    }
    uint8_t* entry = bytes.data() + index * kCertificateEntrySize;
    PutWideName(entry, subject);
    PutWideName(entry + kCertificateNameChars * 2, issuer);
}

std::string CertificateList::Subject(size_t index) const {
    if (index >= kCertificateListEntries) {
        return "";
    }
    return WideName(bytes.data() + index * kCertificateEntrySize);
}

std::string CertificateList::Issuer(size_t index) const {
    if (index >= kCertificateListEntries) {
        return "";
    }
    return WideName(bytes.data() + index * kCertificateEntrySize + kCertificateNameChars * 2);
}

}  // namespace airvane
