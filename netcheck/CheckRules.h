#pragma once
// The rules of the network check on the sending PC: the kind of each
// adapter, the rows the check lists, which of them a send through every
// adapter goes to, and what the findings say. Platform-free.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

enum class AdapterKind { Ethernet, WiFi, Tunnel, Other };

// From the interface type the system reports (IF_TYPE_*), and the length of
// the hardware address.
AdapterKind KindOfAdapter(unsigned ifType, unsigned macLength);

// One adapter as the check sees it.
struct CheckAdapter {
    std::wstring label;                   // friendly name, else description
    AdapterKind kind = AdapterKind::Other;
    bool isVirtual = false;               // the system says it is not hardware
    bool connected = false;
    bool takesPowerOn = false;            // a 255.255.255.255 datagram leaves by it
    std::vector<std::uint32_t> addresses; // IPv4, host order; never 0.0.0.0
    std::vector<std::uint32_t> masks;     // the mask of each address
};

// One line of the list: one IPv4 address of an adapter, or the adapter alone
// when it has none.
struct CheckRow {
    std::size_t adapter = 0;  // its index in the adapter list
    bool hasAddress = false;
    std::uint32_t address = 0;
    int prefix = 0;
    bool hasBroadcast = false;
    std::uint32_t broadcast = 0;
};

std::vector<CheckRow> CheckRowsOf(const std::vector<CheckAdapter>& adapters);

// A send through every adapter goes to this row: connected, with a directed
// broadcast of its own.
bool IsSendTarget(const std::vector<CheckAdapter>& adapters, const CheckRow& row);

// One sentence: a language key and the texts that fill its "%1", "%2".
struct Finding {
    const wchar_t* key;
    std::vector<std::wstring> args;
};

// What the user should know, most important first. `macComplete`: the main
// window holds a whole MAC address, so a send through every adapter can go.
std::vector<Finding> CheckFindings(const std::vector<CheckAdapter>& adapters, const std::vector<CheckRow>& rows,
                                   bool macComplete);
