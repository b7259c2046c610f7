#include "WakeSettingsReader.h"

#include "WakeRules.h"
#include "framework/CRegKey.h"
#include "text/AnsiText.h"

namespace {

const wchar_t kNetworkClass[] = L"SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002BE10318}";
const wchar_t kPower[] = L"SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Power";

RegNumber NumberOf(const CRegKey& key, const wchar_t* name) {
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

void ReadWakeValues(std::vector<CheckAdapter>& adapters) {
    CRegKey networkClass;
    if (!networkClass.Open(HKEY_LOCAL_MACHINE, kNetworkClass)) return;
    std::wstring subkey;
    for (DWORD index = 0; networkClass.SubkeyName(index, subkey); ++index) {
        CRegKey driver;
        if (!driver.Open(networkClass.Get(), subkey)) continue;  // "Properties" is for administrators
        const std::wstring id = TextOf(driver, L"NetCfgInstanceId");
        if (id.empty()) continue;
        for (CheckAdapter& adapter : adapters) {
            if (adapter.wake.hasKey || ::lstrcmpiW(id.c_str(), FromAnsi(adapter.name.c_str()).c_str()) != 0) continue;
            adapter.wake.hasKey = true;
            adapter.wake.magicPacket = NumberOf(driver, L"*WakeOnMagicPacket");
            adapter.wake.pnpCapabilities = NumberOf(driver, L"PnPCapabilities");
        }
    }
}

bool ReadFastStartupOn() {
    CRegKey power;
    if (!power.Open(HKEY_LOCAL_MACHINE, kPower)) return false;
    return IsFastStartupOn(NumberOf(power, L"HiberbootEnabled"), NumberOf(power, L"HibernateEnabled"));
}
