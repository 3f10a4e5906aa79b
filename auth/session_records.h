#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

namespace airvane {

// The records the authentication session exchanges with the supplicant library, kept as
// byte images with their fixed offsets so that their layout never depends on the
// compiler.

// --- The EAP configuration block given to do_eapol_init. ---
inline constexpr size_t kEapConfigBlockSize = 5316;
namespace eap_block {
struct Field {
    size_t offset;
    size_t size;
};
inline constexpr Field kOuterIdentity{0, 256};
inline constexpr Field kPassword{256, 255};
inline constexpr Field kCaCertificateFile{511, 512};
inline constexpr Field kClientCertificateFile{1023, 512};
inline constexpr Field kUnusedText1{1535, 512};
inline constexpr Field kUnusedText2{2047, 512};
inline constexpr Field kPrivateKeyFile{2559, 512};
inline constexpr Field kEapName{3071, 100};
inline constexpr Field kEapMethod{3171, 37};
inline constexpr size_t kFragmentSizeOffset = 3208;  // 32-bit little-endian
inline constexpr Field kRandomSeedFile{3212, 1536};
inline constexpr Field kInnerMethod{4748, 50};
inline constexpr Field kInnerIdentity{4798, 517};
inline constexpr size_t kValidateFlagOffset = 5315;
inline constexpr uint32_t kFragmentSize = 1398;
}  // namespace eap_block

struct EapConfigBlock {
    std::array<uint8_t, kEapConfigBlockSize> bytes{};

    // Writes text into a field, cut to leave room for the terminating zero (the rest of
    // the field is zeroed).
    void SetText(eap_block::Field field, std::string_view text);
    // The field's text up to its first zero byte.
    std::string Text(eap_block::Field field) const;
    void SetFragmentSize(uint32_t size);
    uint32_t FragmentSize() const;
};

// --- The key-negotiation context given to do_key_negotiation_init / _run. ---
// The supplicant calls back to install a key: rsc is 8 bytes (the WEP variant ignores
// it), key is key_length bytes, is_group 0 for the pairwise or unicast key, 1 for a
// group or broadcast key.
using InstallKeyCallback = void (*)(const uint8_t* rsc, const uint8_t* key, int32_t key_length,
                                    int32_t key_index, int32_t is_group);
// Copies the station's own information element with that id, followed by a zero byte,
// into out, which holds at least kOwnElementCapacity bytes; out is left untouched when
// the element cannot be read.
using ReadElementCallback = void (*)(int32_t element_id, uint8_t* out);
inline constexpr size_t kOwnElementCapacity = 258;

namespace key_context {
inline constexpr size_t kOwnMacOffset = 0;           // 6 bytes
inline constexpr size_t kPmkOffset = 6;              // 32 bytes
inline constexpr size_t kEapKeyMaterialOffset = 38;  // 128 bytes
inline constexpr size_t kFixedValueOffset = 166;     // 16 bytes
inline constexpr size_t kWord408Offset = 408;        // 32-bit 0
inline constexpr size_t kPairwiseCipherOffset = 424;
inline constexpr size_t kGroupCipherOffset = 428;
// The two callbacks hold code addresses and are as wide as a pointer of this build.
inline constexpr size_t kInstallKeyOffset = 436;
inline constexpr size_t kReadElementOffset = kInstallKeyOffset + sizeof(void*);
inline constexpr size_t kSize = kReadElementOffset + sizeof(void*);
}  // namespace key_context

// Cipher codes of the context's pairwise and group fields; 0 when not determined.
inline constexpr uint32_t kCipherNone = 1;
inline constexpr uint32_t kCipherWep40 = 2;
inline constexpr uint32_t kCipherWep104 = 4;
inline constexpr uint32_t kCipherTkip = 8;
inline constexpr uint32_t kCipherCcmp = 16;

struct KeyNegotiationContext {
    std::array<uint8_t, key_context::kSize> bytes{};

    void Clear() { bytes.fill(0); }
    std::span<uint8_t, 6> OwnMac() { return std::span<uint8_t, 6>(bytes.data(), 6); }
    std::span<const uint8_t, 6> OwnMac() const {
        return std::span<const uint8_t, 6>(bytes.data(), 6);
    }
    std::span<uint8_t, 32> Pmk() {
        return std::span<uint8_t, 32>(bytes.data() + key_context::kPmkOffset, 32);
    }
    std::span<const uint8_t, 32> Pmk() const {
        return std::span<const uint8_t, 32>(bytes.data() + key_context::kPmkOffset, 32);
    }
    std::span<uint8_t, 128> EapKeyMaterial() {
        return std::span<uint8_t, 128>(bytes.data() + key_context::kEapKeyMaterialOffset, 128);
    }
    std::span<uint8_t, 16> FixedValue() {
        return std::span<uint8_t, 16>(bytes.data() + key_context::kFixedValueOffset, 16);
    }
    uint32_t Word(size_t offset) const;
    void SetWord(size_t offset, uint32_t value);
    uint32_t PairwiseCipher() const { return Word(key_context::kPairwiseCipherOffset); }
    uint32_t GroupCipher() const { return Word(key_context::kGroupCipherOffset); }
    InstallKeyCallback InstallKey() const;
    ReadElementCallback ReadElement() const;
    void SetInstallKey(InstallKeyCallback callback);
    void SetReadElement(ReadElementCallback callback);
};

// --- The certificate list filled by getMyCertList. ---
// 500 entries of 1024 bytes: the subject, then the issuer, each 256 wide characters
// (UTF-16, little-endian) with a terminating zero.
inline constexpr size_t kCertificateListEntries = 500;
inline constexpr size_t kCertificateEntrySize = 1024;
inline constexpr size_t kCertificateNameChars = 256;

struct CertificateList {
    std::array<uint8_t, kCertificateListEntries * kCertificateEntrySize> bytes{};

    void Clear() { bytes.fill(0); }
    // Names are UTF-8 here and stored as UTF-16 in the entry, cut to 255 characters.
    void SetEntry(size_t index, std::string_view subject, std::string_view issuer);
    std::string Subject(size_t index) const;
    std::string Issuer(size_t index) const;
};

}  // namespace airvane
