#include "WakeSettingsReader.h"

#include "DriverKeyRead.h"
#include "framework/CRegKey.h"
#include "power/DevicePowerReader.h"

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

// One driver key; the Ndi subkey of a keyword is opened once for its
// default and its name.
class RegistryDriverKey final : public DriverKeyView {
public:
    explicit RegistryDriverKey(const CRegKey& key) : m_key(key) {}

    bool Value(const std::wstring& subkey, const wchar_t* name, unsigned long& type,
               std::vector<unsigned char>& bytes) override {
        if (!subkey.empty() && subkey != m_subPath) {
            m_subPath = subkey;
            m_sub.Open(m_key.Get(), subkey);
        }
        const CRegKey& from = subkey.empty() ? m_key : m_sub;
        DWORD raw = 0;
        if (!from.Get() || !from.RawValue(name, raw, bytes)) return false;
        type = raw;
        return true;
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
    if (!networkClass.Open(HKEY_LOCAL_MACHINE, kNetworkClass)) return keys;
    std::wstring subkey;
    for (DWORD index = 0; networkClass.SubkeyName(index, subkey); ++index) {
        CRegKey driver;
        if (!driver.Open(networkClass.Get(), subkey)) continue;  // "Properties" is for administrators
        DWORD type = 0;
        std::vector<unsigned char> id;
        if (!driver.RawValue(L"NetCfgInstanceId", type, id)) continue;
        DriverKey key{RegistryText(type, id.data(), id.size()), subkey, {}};
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
    return {NumberOf(policy, L"HiberbootEnabled"), NumberOf(sessionPower, L"HiberbootEnabled"),
            NumberOf(power, L"HibernateEnabled")};
}
