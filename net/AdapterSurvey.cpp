#include "AdapterSurvey.h"

#include "AdapterKinds.h"

namespace {

constexpr unsigned kIfLoopback = 24;
constexpr unsigned kMediaConnected = 1, kMediaDisconnected = 2;
constexpr unsigned kOperUp = 1, kOperNotPresent = 6;

Adapter FromLists(const AddressFacts& f) {
    Adapter a;
    a.index = f.index;
    a.name = f.name;
    a.label = !f.friendlyName.empty() ? f.friendlyName : f.description;
    a.description = f.description;
    a.ifType = f.ifType;
    a.mac = f.mac;
    a.macLength = f.macLength;
    a.addresses = f.addresses;
    a.masks = f.masks;
    a.connected = f.up == Known::Unknown ? !f.addresses.empty() : f.up == Known::Yes;
    return a;
}

Adapter FromTable(const InterfaceFacts& row, const AddressFacts* lists) {
    Adapter a = lists ? FromLists(*lists) : Adapter{};
    a.index = row.index;
    a.name = row.guid;
    if (!lists || lists->friendlyName.empty()) a.label = !row.alias.empty() ? row.alias : row.description;
    if (!row.description.empty()) a.description = row.description;
    a.ifType = row.ifType;
    a.medium = row.medium;
    a.mac = row.mac;
    a.macLength = row.macLength;
    a.hardware = row.hardware ? Known::Yes : Known::No;
    a.connector = row.connector ? Known::Yes : Known::No;
    a.endpoint = row.endpoint ? Known::Yes : Known::No;
    a.connected = row.mediaState == kMediaConnected || (row.mediaState != kMediaDisconnected && row.operStatus == kOperUp);
    return a;
}

}  // namespace

std::vector<Adapter> SurveyAdapters(AdapterFactsSource& source, const std::vector<DriverKey>& keys) {
    std::vector<Adapter> adapters;
    std::vector<AddressFacts> lists;
    const bool haveLists = source.AddressLists(lists);
    std::vector<InterfaceFacts> table;
    if (source.InterfaceTable(table)) {
        std::vector<bool> joined(lists.size(), false);
        for (const InterfaceFacts& row : table) {
            if (row.ifType == kIfLoopback || row.filter) continue;
            const AddressFacts* facts = nullptr;
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
        for (const AddressFacts& f : lists)
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
