#include "DriverKeys.h"

#include <algorithm>

#include "text/HexDigits.h"

namespace {

std::wstring IdKey(const std::wstring& id) {
    std::wstring key = id;
    for (wchar_t& c : key) c = AsciiUpper(c);
    return key;
}

}  // namespace

DriverKeyIndex::DriverKeyIndex(const std::vector<DriverKey>& keys) : m_keys(keys) {
    m_ids.reserve(keys.size());
    for (std::size_t k = 0; k < keys.size(); ++k)
        if (!keys[k].id.empty()) m_ids.emplace_back(IdKey(keys[k].id), k);
    std::sort(m_ids.begin(), m_ids.end());
}

const DriverKey* DriverKeyIndex::Find(const std::string& guid) const {
    const std::wstring id = IdKey(std::wstring(guid.begin(), guid.end()));
    const auto found = std::lower_bound(m_ids.begin(), m_ids.end(), std::make_pair(id, std::size_t{0}));
    if (found == m_ids.end() || found->first != id) return nullptr;
    return &m_keys[found->second];
}

void AssignWakeValues(Adapter& adapter, const DriverKeyIndex& index) {
    const DriverKey* key = index.Find(adapter.name);
    if (!key) return;
    adapter.wake = key->values;
    adapter.wake.hasKey = true;
}

void AssignWakeValues(std::vector<Adapter>& adapters, const std::vector<DriverKey>& keys) {
    const DriverKeyIndex index(keys);
    for (Adapter& a : adapters) AssignWakeValues(a, index);
}
