#include "AdapterSurvey.h"

#include "AdapterKinds.h"

namespace {

constexpr unsigned kIfLoopback = 24;
constexpr unsigned kMediaConnected = 1, kMediaDisconnected = 2;
constexpr unsigned kOperUp = 1, kOperNotPresent = 6;

Adapter FromLists(const AdapterFacts& f) {
    Adapter a;
    static_cast<AdapterFacts&>(a) = f;
    a.label = !f.friendlyName.empty() ? f.friendlyName : f.description;
    a.connected = f.up == Known::Unknown ? !f.addresses.empty() : f.up == Known::Yes;
    return a;
}

// The table knows the interface; the lists know its addresses, and name the
// connection and the device where the table does not.
Adapter FromTable(const InterfaceFacts& row, const AdapterFacts* lists) {
    Adapter a;
    static_cast<AdapterFacts&>(a) = row;
    a.label = !row.friendlyName.empty() ? row.friendlyName : row.description;
    if (lists) {
        a.addresses = lists->addresses;
        a.masks = lists->masks;
        a.up = lists->up;
        if (!lists->friendlyName.empty()) a.label = a.friendlyName = lists->friendlyName;
        if (a.description.empty()) a.description = lists->description;
    }
    a.medium = row.medium;
    a.hardware = row.hardware ? Known::Yes : Known::No;
    a.connector = row.connector ? Known::Yes : Known::No;
    a.endpoint = row.endpoint ? Known::Yes : Known::No;
    a.connected = row.mediaState == kMediaConnected || (row.mediaState != kMediaDisconnected && row.operStatus == kOperUp);
    return a;
}

}  // namespace

std::vector<Adapter> SurveyAdapters(AdapterFactsSource& source, const std::vector<DriverKey>& keys) {
    std::vector<Adapter> adapters;
    std::vector<AdapterFacts> lists;
    const bool haveLists = source.AddressLists(lists);
    std::vector<InterfaceFacts> table;
    if (source.InterfaceTable(table)) {
        std::vector<bool> joined(lists.size(), false);
        for (const InterfaceFacts& row : table) {
            if (row.ifType == kIfLoopback || row.filter) continue;
            const AdapterFacts* facts = nullptr;
            for (std::size_t i = 0; i < lists.size() && !facts; ++i)
                if (lists[i].index == row.index) facts = &lists[i], joined[i] = true;
            Adapter a = FromTable(row, facts);
            AssignWakeValues(a, keys);
            if (a.addresses.empty() && (row.operStatus == kOperNotPresent || !IsCard(a))) continue;
            adapters.push_back(a);
        }
        // What the lists know and the table does not (a dial-up connection
        // on some systems), with no flags to tell.
        for (std::size_t i = 0; i < lists.size(); ++i)
            if (!joined[i] && !lists[i].addresses.empty() && lists[i].ifType != kIfLoopback)
                adapters.push_back(FromLists(lists[i]));
    } else if (haveLists) {
        for (const AdapterFacts& f : lists)
            if (f.ifType != kIfLoopback) adapters.push_back(FromLists(f));
    }
    for (Adapter& a : adapters)
        if (!a.wake.hasKey) AssignWakeValues(a, keys);
    unsigned long powerOn = 0;
    const bool knowsPowerOn = source.PowerOnIndex(powerOn);
    for (Adapter& a : adapters) a.takesPowerOn = knowsPowerOn && a.index == powerOn;
    ClassifyAdapters(adapters);
    return adapters;
}
