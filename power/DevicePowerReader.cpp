#include "DevicePowerReader.h"

#include "core/Guid.h"
#include "core/RegistryValue.h"
#include "framework/GrowingQuery.h"
#include "framework/SystemLibrary.h"

namespace {

using GetClassDevsFn = HDEVINFO(WINAPI*)(const GUID*, PCWSTR, HWND, DWORD);
using DestroyListFn = BOOL(WINAPI*)(HDEVINFO);

const wchar_t kSetupApi[] = L"setupapi.dll";

// devguid.h would want GUID_DEVCLASS_NET from a library.
GUID NetworkClassGuid() {
    GUID guid{kNetworkClassGuid.data1, kNetworkClassGuid.data2, kNetworkClassGuid.data3, {}};
    for (int i = 0; i < 8; ++i) guid.Data4[i] = kNetworkClassGuid.data4[i];
    return guid;
}

}  // namespace

SystemNetworkDevices::EnumDeviceInfoFn SystemNetworkDevices::EnumFunction() {
    static const auto fn = FindSystemProc<EnumDeviceInfoFn>(kSetupApi, "SetupDiEnumDeviceInfo");
    return fn;
}

SystemNetworkDevices::GetPropertyFn SystemNetworkDevices::PropertyFunction() {
    static const auto fn = FindSystemProc<GetPropertyFn>(kSetupApi, "SetupDiGetDeviceRegistryPropertyW");
    return fn;
}

// A list exists only where setupapi.dll was loaded to make it, and it stays
// loaded: this finds the function at once.
bool DeviceListKind::Close(Handle list) {
    static const auto destroy = FindSystemProc<DestroyListFn>(kSetupApi, "SetupDiDestroyDeviceInfoList");
    return destroy && destroy(list);
}

SystemNetworkDevices::SystemNetworkDevices()
    : m_enum(EnumFunction()), m_property(PropertyFunction()) {
    static const auto getClassDevs = FindSystemProc<GetClassDevsFn>(kSetupApi, "SetupDiGetClassDevsW");
    if (getClassDevs && m_enum && m_property) {
        const GUID networkClass = NetworkClassGuid();
        m_list.Reset(getClassDevs(&networkClass, nullptr, nullptr, DIGCF_PRESENT));
    }
}

bool SystemNetworkDevices::Next(std::wstring& driver, std::vector<unsigned char>& powerData) {
    if (!m_list.IsSet()) return false;
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    if (!m_enum(m_list.Get(), m_index++, &device)) return false;  // ERROR_NO_MORE_ITEMS past the last
    std::vector<unsigned char> text;
    // A REG_SZ property, whether or not its terminator was stored.
    driver = Property(device, SPDRP_DRIVER, text) ? RegistryText(kRegSz, text.data(), text.size()) : std::wstring();
    Property(device, SPDRP_DEVICE_POWER_DATA, powerData);
    return true;
}

bool SystemNetworkDevices::Property(SP_DEVINFO_DATA& device, DWORD property, std::vector<unsigned char>& bytes) {
    DWORD length = 0;
    const ULONG result = QueryGrowing(bytes, 128, 2, [&](unsigned char* data, ULONG* size) -> ULONG {
        length = 0;
        if (m_property(m_list.Get(), &device, property, nullptr, data, *size, &length)) return ERROR_SUCCESS;
        // Asked again only for a size larger than the last: Wine fails a
        // property it does not keep without setting the error, which may
        // then still say "too small" from an earlier call.
        if (length <= *size) return ERROR_INVALID_DATA;
        *size = length;
        return ERROR_INSUFFICIENT_BUFFER;
    });
    if (result != ERROR_SUCCESS) {
        bytes.clear();
        return false;
    }
    // The length read, where the system reports it; else the zeroed buffer,
    // which the parsers bound by the structure's own size.
    if (length != 0 && length < bytes.size()) bytes.resize(length);
    return true;
}

std::vector<DevicePower> ReadNetworkDevicePower() {
    SystemNetworkDevices devices;
    return CollectDevicePower(devices);
}
