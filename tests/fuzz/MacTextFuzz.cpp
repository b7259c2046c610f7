// The MAC text parser, and the packet built from what it gives.
#include <cstring>
#include <string>

#include "FuzzInput.h"
#include "net/BroadcastDestination.h"

namespace {

int Hex(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The leading hex digits of the text once separators and one "0x" are gone.
std::string LeadingDigits(const std::string& text) {
    std::string kept;
    for (char c : text) {
        if (c != ' ' && c != '-' && c != ':' && kept.size() < 127) kept += c;
    }
    if (kept.size() >= 2 && kept[0] == '0' && (kept[1] == 'x' || kept[1] == 'X')) kept.erase(0, 2);
    std::size_t n = 0;
    while (n < kept.size() && Hex(kept[n]) >= 0) ++n;
    return kept.substr(0, n);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), strnlen(reinterpret_cast<const char*>(data), size));
    std::uint8_t out[8] = {0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA};
    const int written = ParseMacText(out, kMacBytes, text.c_str());

    const std::string digits = LeadingDigits(text);
    FUZZ_CHECK(written >= 0 && written <= static_cast<int>(kMacBytes));
    FUZZ_CHECK(out[6] == 0xAA && out[7] == 0xAA);  // nothing past the capacity
    FUZZ_CHECK(static_cast<std::size_t>(written) == std::min<std::size_t>(digits.size() / 2, kMacBytes));
    for (int i = 0; i < written; ++i)
        FUZZ_CHECK(out[i] == Hex(digits[2 * i]) * 16 + Hex(digits[2 * i + 1]));

    // The wide form reads ASCII alike, and past ASCII a character ends the
    // digits as a byte past ASCII does.
    std::wstring wide;
    for (const char c : text) wide += static_cast<unsigned char>(c) < 0x80 ? static_cast<wchar_t>(c) : L'\x00E9';
    MacAddress whole{};
    const bool parsed = ParseMacAddress(wide, whole);
    FUZZ_CHECK(parsed == (written == static_cast<int>(kMacBytes)));
    FUZZ_CHECK(!parsed || std::memcmp(whole.data(), out, kMacBytes) == 0);
    if (written != static_cast<int>(kMacBytes)) return 0;

    MacAddress mac;
    std::memcpy(mac.data(), out, kMacBytes);
    const MagicPacket packet = BuildMagicPacket(mac);
    for (std::size_t i = 0; i < kMacBytes; ++i) FUZZ_CHECK(packet[i] == 0xFF);
    for (std::size_t i = kMacBytes; i < kMagicPacketSize; ++i) FUZZ_CHECK(packet[i] == mac[i % kMacBytes]);
    return 0;
}
