#pragma once
// This PC's adapters, built from the best source the system has:
//  - Windows Vista and later: the interface table (every interface, with
//    its type, medium, hardware flags and media state), joined by interface
//    index with the address list (IPv4 addresses and prefix lengths,
//    friendly names). A card without IPv4 is in the table only.
//  - Windows XP and 2000: the address lists alone, which say nothing of
//    hardware or medium: those stay unknown.
// The system's answers come in through one small interface, so that every
// shape real Windows reports can be fed to the same code. Platform-free.
#include <string>
#include <vector>

#include "Adapter.h"
#include "DriverKeys.h"

// One row of the interface table (GetIfTable2): the facts every list has,
// with no addresses, and the flags and states only the table has.
struct InterfaceFacts : AdapterFacts {
    unsigned medium = 0;
    bool hardware = false, connector = false, filter = false, endpoint = false;
    unsigned mediaState = 0;  // MediaConnectState: 0 unknown, 1 connected, 2 disconnected
    unsigned operStatus = 0;  // IF_OPER_STATUS: 1 up, 6 not present
};

class AdapterFactsSource {
public:
    // The interface table; false where the system has none (before Vista).
    virtual bool InterfaceTable(std::vector<InterfaceFacts>& rows) = 0;
    // The adapters with their IPv4 addresses; false when unreadable.
    virtual bool AddressLists(std::vector<AdapterFacts>& adapters) = 0;
    // The interface a 255.255.255.255 datagram leaves by; false when unknown.
    virtual bool PowerOnIndex(unsigned long& index) = 0;

protected:
    ~AdapterFactsSource() = default;
};

// Merged, given their driver keys' values, classified (AdapterKinds), in
// the system's order; loopback and filter interfaces left out, and an
// interface without IPv4 only where it is a card that is present. The keys
// may be left out where nothing asks whether a driver says it is virtual.
std::vector<Adapter> SurveyAdapters(AdapterFactsSource& source, const std::vector<DriverKey>& keys = {});
