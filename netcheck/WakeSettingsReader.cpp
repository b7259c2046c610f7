#include "WakeSettingsReader.h"

#include "DriverKeyRead.h"
#include "core/Guid.h"
#include "framework/CRegKey.h"
#include "power/DevicePowerReader.h"

namespace {

// Every device class keeps its driver keys below its GUID here.
const wchar_t kClasses[] = L"SYSTEM\\CurrentControlSet\\Control\\Class\\";
// Fast Startup's own setting, the policy that can require it, and
// hibernation, which it needs: three keys.
const wchar_t kSessionPower[] = L"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Power";
const wchar_t kPolicy[] = L"SOFTWARE\\Policies\\Microsoft\\Windows\\System";
const wchar_t kPower[] = L"SYSTEM\\CurrentControlSet\\Control\\Power";

// One driver key; the Ndi subkey of a keyword is opened once for its
// default and its name.
class RegistryDriverKey final : public DriverKeyView {
public:
    explicit RegistryDriverKey(const CRegKey& key) : m_key(key) {}

    RegistryValue Value(const std::wstring& subkey, const wchar_t* name) override {
        if (!subkey.empty() && subkey != m_subPath) {
            m_subPath = subkey;
            m_sub.Open(m_key.Get(), subkey);
        }
        return (subkey.empty() ? m_key : m_sub).Value(name);
    }

private:
    const CRegKey& m_key;
    CRegKey m_sub;
    std::wstring m_subPath;
};

}  // namespace

std::vector<DriverKey> ReadDriverKeys(std::vector<DevicePower>* devices) {
    std::vector<DriverKey> keys;
    CRegKey networkClass;
    const std::string guid = GuidText(kNetworkClassGuid);
    if (!networkClass.Open(HKEY_LOCAL_MACHINE, kClasses + std::wstring(guid.begin(), guid.end()))) return keys;
    std::wstring subkey;
    for (DWORD index = 0; networkClass.SubkeyName(index, subkey); ++index) {
        CRegKey driver;
        if (!driver.Open(networkClass.Get(), subkey)) continue;  // "Properties" is for administrators
        DriverKey key{driver.QueryText(L"NetCfgInstanceId"), subkey, {}};
        if (key.id.empty()) continue;
        RegistryDriverKey view(driver);
        key.values = ReadWakeValues(view);
        keys.push_back(std::move(key));
    }
    const std::vector<DevicePower> power = ReadNetworkDevicePower();
    JoinDevicePower(keys, power);
    if (devices) *devices = power;
    return keys;
}

FastStartupValues ReadFastStartupValues() {
    CRegKey policy, sessionPower, power;
    policy.Open(HKEY_LOCAL_MACHINE, kPolicy);
    sessionPower.Open(HKEY_LOCAL_MACHINE, kSessionPower);
    power.Open(HKEY_LOCAL_MACHINE, kPower);
    return {policy.QueryNumber(L"HiberbootEnabled"), sessionPower.QueryNumber(L"HiberbootEnabled"),
            power.QueryNumber(L"HibernateEnabled")};
}
