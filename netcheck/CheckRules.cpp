#include "CheckRules.h"

#include "net/Ipv4.h"
#include "text/TextArgs.h"

namespace {

// IF_TYPE_* numbers, as IP Helper reports them.
constexpr unsigned kIfOther = 1;
constexpr unsigned kIfEthernet = 6;
constexpr unsigned kIfPpp = 23;
constexpr unsigned kIfPropVirtual = 53;
constexpr unsigned kIfWiFi = 71;
constexpr unsigned kIfTunnel = 131;

bool IsLan(const CheckAdapter& a) {
    return (a.kind == AdapterKind::Ethernet || a.kind == AdapterKind::WiFi) && !a.isVirtual;
}

bool IsWorking(const CheckAdapter& a) {
    return a.connected && !a.addresses.empty();
}

}  // namespace

AdapterKind KindOfAdapter(unsigned ifType, unsigned macLength) {
    switch (ifType) {
    case kIfEthernet: return AdapterKind::Ethernet;
    case kIfWiFi: return AdapterKind::WiFi;
    case kIfPpp: case kIfPropVirtual: case kIfTunnel: return AdapterKind::Tunnel;
    // A card on a LAN always has a hardware address; a point-to-point
    // tunnel (a tun device) has none.
    case kIfOther: return macLength == 0 ? AdapterKind::Tunnel : AdapterKind::Other;
    default: return AdapterKind::Other;
    }
}

std::vector<CheckRow> CheckRowsOf(const std::vector<CheckAdapter>& adapters) {
    std::vector<CheckRow> rows;
    for (std::size_t a = 0; a < adapters.size(); ++a) {
        const CheckAdapter& adapter = adapters[a];
        if (adapter.addresses.empty()) rows.push_back({a, false, 0, 0, false, 0});
        for (std::size_t i = 0; i < adapter.addresses.size(); ++i) {
            CheckRow row{a, true, adapter.addresses[i], 0, false, 0};
            const std::uint32_t mask = i < adapter.masks.size() ? adapter.masks[i] : 0xFFFFFFFFu;
            const int prefix = PrefixLength(mask);
            row.prefix = prefix < 0 ? 32 : prefix;
            row.hasBroadcast = DirectedBroadcast(row.address, mask, row.broadcast);
            rows.push_back(row);
        }
    }
    return rows;
}

bool IsSendTarget(const std::vector<CheckAdapter>& adapters, const CheckRow& row) {
    return row.adapter < adapters.size() && adapters[row.adapter].connected && row.hasAddress && row.hasBroadcast;
}

std::vector<Finding> CheckFindings(const std::vector<CheckAdapter>& adapters, const std::vector<CheckRow>& rows,
                                   bool macComplete) {
    std::vector<Finding> findings;
    const CheckAdapter* leaves = nullptr;
    std::wstring others;
    std::size_t working = 0;
    for (const CheckAdapter& a : adapters) {
        if (!IsWorking(a)) continue;
        ++working;
        if (a.takesPowerOn && !leaves) {
            leaves = &a;
        } else {
            others += (others.empty() ? L"" : L", ") + a.label;
        }
    }

    if (working == 0) {
        findings.push_back({L"NETCHECK_NO_NETWORK", {}});
    } else if (!leaves) {
        findings.push_back({L"NETCHECK_NO_ROUTE", {}});
    } else if (!IsLan(*leaves)) {
        findings.push_back({L"NETCHECK_VIA_TUNNEL", {leaves->label}});
    } else if (working > 1) {
        findings.push_back({L"NETCHECK_SEVERAL", {leaves->label, others}});
    } else {
        std::wstring network;
        for (const CheckRow& row : rows)
            if (row.hasAddress && &adapters[row.adapter] == leaves)
                network += (network.empty() ? L"" : L", ") + DottedQuad(row.address) + L"/" + DecimalText(row.prefix);
        findings.push_back({L"NETCHECK_ONE", {leaves->label, network}});
    }
    if (!macComplete) findings.push_back({L"NETCHECK_TYPE_MAC", {}});
    return findings;
}
