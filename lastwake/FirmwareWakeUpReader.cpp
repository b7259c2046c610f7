#include "FirmwareWakeUpReader.h"

#include <windows.h>

#include "SmbiosWakeUp.h"
#include "framework/SystemLibrary.h"
#include "framework/GrowingQuery.h"

namespace {

constexpr DWORD kRawSmbiosProvider = 0x52534D42;  // 'RSMB'

}  // namespace

std::vector<std::uint8_t> ReadRawSmbios() {
    using GetTableFn = UINT(WINAPI*)(DWORD, DWORD, PVOID, DWORD);
    static const auto getTable = FindSystemProc<GetTableFn>(L"kernel32.dll", "GetSystemFirmwareTable");
    std::vector<unsigned char> table;
    if (!getTable) return table;
    UINT written = 0;
    // The answer is the size written, or the size needed where that is more
    // than was given, or 0 on failure.
    const ULONG answer = QueryGrowing(table, 0, 2, [&](unsigned char* bytes, ULONG* size) -> ULONG {
        const UINT got = getTable(kRawSmbiosProvider, 0, bytes, *size);
        if (got == 0) return ERROR_NOT_FOUND;
        if (got > *size) {
            *size = got;
            return ERROR_INSUFFICIENT_BUFFER;
        }
        written = got;
        return ERROR_SUCCESS;
    });
    if (answer != ERROR_SUCCESS) return {};
    table.resize(written);
    return table;
}

int ReadFirmwareWakeUpType() {
    const std::vector<std::uint8_t> table = ReadRawSmbios();
    return SmbiosWakeUpType(table.data(), table.size());
}
