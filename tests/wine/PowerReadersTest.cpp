// The power readers on Wine's own answers. What Wine 8 gives (measured with
// the 64-bit build, in this project's prefix):
//  - RtlGetVersion: 6.1, so AoAc is not read there.
//  - GetPwrCapabilities: TRUE; PowerButtonPresent 1, SystemS1 1, SystemS2 0,
//    SystemS3 0, SystemS4 1, SystemS5 1, HiberFilePresent 1, FullWake 1,
//    throttles 100, DiskSpinDown 1, RtcWake 2; bytes 0x11 to 0x14
//    (FastSystemS4, Hiberboot, WakeAlarmPresent, AoAc) and 0x16 to 0x1D
//    left as the caller had them.
//  - SetupAPI: no device of the network class at all, present or not.
//    A device registered under ROOT\NET is listed as present and its
//    SPDRP_DRIVER reads, but SPDRP_DEVICE_POWER_DATA fails for every device
//    of every class: Wine keeps no power data, and returns FALSE without
//    setting the last error. So under Wine no device has power data; the
//    walk over what real Windows gives is tested natively through the
//    DeviceSource seam.
#include <gtest/gtest.h>

#include <setupapi.h>

#include <cstring>

#include "framework/WindowsVersion.h"
#include "power/DevicePowerReader.h"
#include "power/PowerStatesReader.h"

namespace {

const GUID kNetworkClassGuid = {0x4d36e972, 0xe325, 0x11ce, {0xbf, 0xc1, 0x08, 0x00, 0x2b, 0xe1, 0x03, 0x18}};
const wchar_t kDeviceId[] = L"ROOT\\NET\\QUORVANE";

// A network device registered in the test prefix's registry for the test's
// length, with a driver key's name, and removed again.
class RegisteredDevice {
public:
    RegisteredDevice() : m_list(::SetupDiCreateDeviceInfoList(&kNetworkClassGuid, nullptr)) {
        m_device.cbSize = sizeof m_device;
        const wchar_t driver[] = L"{4D36E972-E325-11CE-BFC1-08002BE10318}\\0042";
        // One left behind by a run that died is taken away first.
        SP_DEVINFO_DATA left{};
        left.cbSize = sizeof left;
        if (m_list != INVALID_HANDLE_VALUE && ::SetupDiOpenDeviceInfoW(m_list, kDeviceId, nullptr, 0, &left))
            ::SetupDiRemoveDevice(m_list, &left);
        m_created = m_list != INVALID_HANDLE_VALUE &&
                    ::SetupDiCreateDeviceInfoW(m_list, kDeviceId, &kNetworkClassGuid, nullptr, nullptr, 0, &m_device);
        m_made = m_created && ::SetupDiRegisterDeviceInfo(m_list, &m_device, 0, nullptr, nullptr, nullptr) &&
                 ::SetupDiSetDeviceRegistryPropertyW(m_list, &m_device, SPDRP_DRIVER,
                                                     reinterpret_cast<const BYTE*>(driver), sizeof driver);
    }
    ~RegisteredDevice() {
        if (m_created) ::SetupDiRemoveDevice(m_list, &m_device);
        if (m_list != INVALID_HANDLE_VALUE) ::SetupDiDestroyDeviceInfoList(m_list);
    }
    bool Made() const { return m_made; }

private:
    HDEVINFO m_list;
    SP_DEVINFO_DATA m_device{};
    bool m_created = false, m_made = false;
};

}  // namespace

TEST(PowerStatesReader, ReadsWhatWineReports) {
    const PowerStates states = ReadPowerStates();
    ASSERT_TRUE(states.read);
    EXPECT_FALSE(states.s3);
    EXPECT_TRUE(states.s4);
    EXPECT_TRUE(states.hiberFilePresent);
    // Not Modern Standby, whichever version the prefix claims: before 8 the
    // byte is not read, from 8 on it was zeroed before the call.
    EXPECT_EQ(Known::No, states.modernStandby);
}

// Hiberboot (0x12) and HiberFileType (0x16) as Wine hands them back over
// bytes the caller filled: what the reader would take for them where the
// version it claims has them.
TEST(PowerStatesReader, WhatWineGivesForHiberbootAndTheHibernationFilesType) {
    using GetPwrCapabilitiesFn = BOOLEAN(WINAPI*)(SYSTEM_POWER_CAPABILITIES*);
    HMODULE powrprof = ::LoadLibraryW(L"powrprof.dll");
    ASSERT_NE(nullptr, powrprof);
    const auto get = reinterpret_cast<GetPwrCapabilitiesFn>(reinterpret_cast<void*>(::GetProcAddress(powrprof, "GetPwrCapabilities")));
    ASSERT_NE(nullptr, get);
    SYSTEM_POWER_CAPABILITIES c;
    std::memset(&c, 0xCC, sizeof c);
    ASSERT_TRUE(get(&c));
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(&c);
    RecordProperty("hiberboot_byte", bytes[0x12]);
    RecordProperty("hiber_file_type_byte", bytes[0x16]);
    RecordProperty("system_s1", bytes[0x03]);
    RecordProperty("windows_version", static_cast<int>(WindowsVersion()));
    EXPECT_EQ(0xCC, bytes[0x12]);  // left as they were: Wine knows neither member
    EXPECT_EQ(0xCC, bytes[0x16]);
    ::FreeLibrary(powrprof);

    const PowerStates states = ReadPowerStates();  // zeroed first: neither reads as set
    EXPECT_TRUE(states.s1);
    EXPECT_EQ(kHiberFileNotRead, states.hiberFileType);
    EXPECT_NE(Known::Yes, states.hiberboot);
    EXPECT_EQ(WindowsVersion(), states.windows);
}

TEST(DevicePowerReader, WalksTheSystemsNetworkDevicesWhichWineGivesNoPowerData) {
    EXPECT_TRUE(ReadNetworkDevicePower().empty());  // Wine has no network devices

    const RegisteredDevice registered;
    ASSERT_TRUE(registered.Made());
    SystemNetworkDevices devices;
    std::wstring driver;
    std::vector<unsigned char> powerData(3, 0xCC);
    ASSERT_TRUE(devices.Next(driver, powerData));
    EXPECT_EQ(L"{4D36E972-E325-11CE-BFC1-08002BE10318}\\0042", driver);
    EXPECT_TRUE(powerData.empty());
    EXPECT_FALSE(devices.Next(driver, powerData));
    EXPECT_TRUE(ReadNetworkDevicePower().empty());
}
