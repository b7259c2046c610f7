#pragma once
// The network driver keys, and the adapter each belongs to. Platform-free.
#include <string>
#include <vector>

#include "Adapter.h"

// One network driver key (Class\<the network class>\NNNN): its NetCfgInstanceId,
// its own name NNNN (by which the devices' power data names it), and what it
// and its device hold of waking.
struct DriverKey {
    std::wstring id;
    std::wstring subkey;
    WakeValues values;
};

// Whether two names are the same in any case: GUIDs and subkey names are
// ASCII.
bool SameName(const std::wstring& a, const std::wstring& b);

// Gives the adapter the values of the first key whose id is its GUID name
// (hasKey set), where it has one. A PC has a few keys; the scan costs less
// than sorting them would, even for hundreds.
void AssignWakeValues(Adapter& adapter, const std::vector<DriverKey>& keys);
void AssignWakeValues(std::vector<Adapter>& adapters, const std::vector<DriverKey>& keys);
