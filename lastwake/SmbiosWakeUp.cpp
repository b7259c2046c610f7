#include "SmbiosWakeUp.h"

namespace {

constexpr std::size_t kRawHeader = 8;
constexpr std::size_t kStructureHeader = 4;  // type, length, handle
constexpr std::uint8_t kSystemInformation = 1, kEndOfTable = 127;
constexpr std::size_t kWakeUpOffset = 0x18;

}  // namespace

int SmbiosWakeUpType(const std::uint8_t* raw, std::size_t size) {
    if (size < kRawHeader) return kNoWakeUpType;
    const std::uint32_t length = static_cast<std::uint32_t>(raw[4] | raw[5] << 8 | raw[6] << 16) |
                                 static_cast<std::uint32_t>(raw[7]) << 24;
    if (length > size - kRawHeader) return kNoWakeUpType;
    const std::uint8_t* table = raw + kRawHeader;
    for (std::size_t at = 0; length - at >= kStructureHeader;) {
        const std::uint8_t type = table[at];
        const std::size_t formatted = table[at + 1];
        if (formatted < kStructureHeader || formatted > length - at) return kNoWakeUpType;
        // The strings follow the formatted area and end with a double NUL,
        // which stands alone where a structure has no strings. A structure
        // without its end is not trusted, not even the type 1.
        std::size_t end = at + formatted;
        while (end + 1 < length && (table[end] != 0 || table[end + 1] != 0)) ++end;
        if (end + 1 >= length) return kNoWakeUpType;
        if (type == kSystemInformation) return formatted > kWakeUpOffset ? table[at + kWakeUpOffset] : kNoWakeUpType;
        if (type == kEndOfTable) return kNoWakeUpType;
        at = end + 2;
    }
    return kNoWakeUpType;
}
