#pragma once
// The power data of this PC's network devices as their drivers report them
// (SetupAPI's SPDRP_DEVICE_POWER_DATA, Windows 2000 and later): read only,
// no administrator rights. setupapi.dll is loaded at the first use, never
// with the program.
#include <windows.h>
#include <setupapi.h>

#include <string>
#include <vector>

#include "DevicePowerWalk.h"
#include "framework/COwned.h"

struct DeviceListKind {
    using Handle = HDEVINFO;
    static Handle Empty() { return INVALID_HANDLE_VALUE; }
    static bool Close(Handle list);
};

// The system's list of present network-class devices (GUID_DEVCLASS_NET),
// taken when made; empty where SetupAPI cannot be had.
class SystemNetworkDevices final : public DeviceSource {
public:
    SystemNetworkDevices();
    bool Next(std::wstring& driver, std::vector<unsigned char>& powerData) override;

private:
    bool Property(SP_DEVINFO_DATA& device, DWORD property, std::vector<unsigned char>& bytes);

    using EnumDeviceInfoFn = BOOL(WINAPI*)(HDEVINFO, DWORD, SP_DEVINFO_DATA*);
    using GetPropertyFn = BOOL(WINAPI*)(HDEVINFO, SP_DEVINFO_DATA*, DWORD, DWORD*, BYTE*, DWORD, DWORD*);
    const EnumDeviceInfoFn m_enum;
    const GetPropertyFn m_property;
    static EnumDeviceInfoFn EnumFunction();
    static GetPropertyFn PropertyFunction();
    COwned<DeviceListKind> m_list;
    DWORD m_index = 0;
};

// Each present network device whose driver key and power data read.
std::vector<DevicePower> ReadNetworkDevicePower();
