#include "WakeSettingsReader.h"

#include "ReadinessRules.h"
#include "framework/CRegKey.h"

namespace {

const wchar_t kNetworkClass[] = L"SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002BE10318}";
// Fast Startup's own setting, the policy that can require it, and
// hibernation, which it needs: three keys.
const wchar_t kSessionPower[] = L"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Power";
const wchar_t kPolicy[] = L"SOFTWARE\\Policies\\Microsoft\\Windows\\System";
const wchar_t kPower[] = L"SYSTEM\\CurrentControlSet\\Control\\Power";

// A key that did not open reads as holding nothing.
RegNumber NumberOf(const CRegKey& key, const wchar_t* name) {
    if (!key.Get()) return {};
    DWORD type = 0;
    std::vector<unsigned char> bytes;
    if (!key.RawValue(name, type, bytes)) return {};
    return RegistryNumber(type, bytes.data(), bytes.size());
}

// A REG_SZ value as text, whether or not it was stored with its terminator.
std::wstring TextOf(const CRegKey& key, const wchar_t* name) {
    DWORD type = 0;
    std::vector<unsigned char> bytes;
    if (!key.RawValue(name, type, bytes) || type != REG_SZ) return std::wstring();
    std::wstring text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const wchar_t unit = static_cast<wchar_t>(bytes[i] | bytes[i + 1] << 8);
        if (unit == L'\0') break;
        text += unit;
    }
    return text;
}

}  // namespace

std::vector<DriverKey> ReadDriverKeys() {
    std::vector<DriverKey> keys;
    CRegKey networkClass;
    if (!networkClass.Open(HKEY_LOCAL_MACHINE, kNetworkClass)) return keys;
    std::wstring subkey;
    for (DWORD index = 0; networkClass.SubkeyName(index, subkey); ++index) {
        CRegKey driver;
        if (!driver.Open(networkClass.Get(), subkey)) continue;  // "Properties" is for administrators
        DriverKey key{TextOf(driver, L"NetCfgInstanceId"), {}, {}};
        if (key.id.empty()) continue;
        key.magicPacket = NumberOf(driver, L"*WakeOnMagicPacket");
        key.pnpCapabilities = NumberOf(driver, L"PnPCapabilities");
        keys.push_back(std::move(key));
    }
    return keys;
}

bool ReadFastStartupOn() {
    CRegKey policy, sessionPower, power;
    policy.Open(HKEY_LOCAL_MACHINE, kPolicy);
    sessionPower.Open(HKEY_LOCAL_MACHINE, kSessionPower);
    power.Open(HKEY_LOCAL_MACHINE, kPower);
    return IsFastStartupOn(NumberOf(policy, L"HiberbootEnabled"), NumberOf(sessionPower, L"HiberbootEnabled"),
                           NumberOf(power, L"HibernateEnabled"));
}
