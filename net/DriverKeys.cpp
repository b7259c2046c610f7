#include "DriverKeys.h"

#include "core/HexDigits.h"

bool SameName(const std::wstring& a, const std::wstring& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
    return true;
}

void AssignWakeValues(Adapter& adapter, const std::vector<DriverKey>& keys) {
    const std::wstring id(adapter.name.begin(), adapter.name.end());
    for (const DriverKey& key : keys) {
        if (key.id.empty() || !SameName(key.id, id)) continue;
        adapter.wake = key.values;
        adapter.wake.hasKey = true;
        return;
    }
}

void AssignWakeValues(std::vector<Adapter>& adapters, const std::vector<DriverKey>& keys) {
    for (Adapter& a : adapters) AssignWakeValues(a, keys);
}
