#include "AdapterSubnets.h"

#include "Ipv4.h"

std::vector<AdapterSubnet> SubnetsOf(const std::vector<Adapter>& adapters) {
    std::vector<AdapterSubnet> rows;
    for (std::size_t a = 0; a < adapters.size(); ++a) {
        const Adapter& adapter = adapters[a];
        if (adapter.addresses.empty()) rows.push_back({a, false, 0, 0, false, 0});
        for (std::size_t i = 0; i < adapter.addresses.size(); ++i) {
            AdapterSubnet row{a, true, adapter.addresses[i], 0, false, 0};
            const std::uint32_t mask = i < adapter.masks.size() ? adapter.masks[i] : 0xFFFFFFFFu;
            const int prefix = PrefixLength(mask);
            row.prefix = prefix < 0 ? 32 : prefix;
            row.hasBroadcast = DirectedBroadcast(row.address, mask, row.broadcast);
            rows.push_back(row);
        }
    }
    return rows;
}

bool IsSendTarget(const std::vector<Adapter>& adapters, const AdapterSubnet& row) {
    return row.adapter < adapters.size() && adapters[row.adapter].connected && row.hasAddress && row.hasBroadcast;
}

int LocalRowFor(std::uint32_t address, const std::vector<Adapter>& adapters, const std::vector<AdapterSubnet>& rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const AdapterSubnet& row = rows[i];
        const std::uint32_t mask = PrefixMask(row.prefix);
        if (IsSendTarget(adapters, row) && (row.address & mask) == (address & mask)) return static_cast<int>(i);
    }
    return -1;
}
