#pragma once
// The network driver keys, and the adapter each belongs to. Platform-free.
#include <string>
#include <utility>
#include <vector>

#include "Adapter.h"

// One network driver key (Class\{4D36E972-...}\NNNN): its NetCfgInstanceId,
// its own name NNNN (by which the devices' power data names it), and what it
// and its device hold of waking.
struct DriverKey {
    std::wstring id;
    std::wstring subkey;
    WakeValues values;
};

// The keys by id, sorted once, so that a PC with hundreds of keys costs no
// more than its keys and adapters together; among equal ids the first key
// stays. Ids are GUIDs: compared in any case.
class DriverKeyIndex {
public:
    explicit DriverKeyIndex(const std::vector<DriverKey>& keys);
    const DriverKey* Find(const std::string& guid) const;

private:
    const std::vector<DriverKey>& m_keys;
    std::vector<std::pair<std::wstring, std::size_t>> m_ids;
};

// Gives each adapter the values of its key (hasKey set), where it has one.
void AssignWakeValues(std::vector<Adapter>& adapters, const std::vector<DriverKey>& keys);
void AssignWakeValues(Adapter& adapter, const DriverKeyIndex& index);
