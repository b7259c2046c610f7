#include "CheckRules.h"

#include "net/AdapterKinds.h"
#include "net/Ipv4.h"
#include "text/TextArgs.h"

namespace {

// A virtual switch, bridge or team on a card is as good as the card: what
// leaves by it reaches the card's network.
bool IsLan(const Adapter& a) {
    return a.card >= 0 || IsCard(a);
}

bool OnlyLinkLocal(const Adapter& a) {
    for (const std::uint32_t address : a.addresses)
        if ((address & 0xFFFF0000u) != 0xA9FE0000u) return false;  // 169.254.0.0/16
    return true;
}

// A virtual adapter with only an automatic link-local address (a capture
// driver's loopback adapter) is no network a PC to be woken can be on.
bool IsWorking(const Adapter& a) {
    return a.connected && !a.addresses.empty() && !(a.isVirtual && a.card < 0 && OnlyLinkLocal(a));
}

std::wstring Network(const AdapterSubnet& row) {
    return DottedQuad(row.address) + L"/" + DecimalText(static_cast<unsigned long>(row.prefix));
}

void Append(std::wstring& list, const std::wstring& item) {
    list += (list.empty() ? L"" : L", ") + item;
}

}  // namespace

std::vector<Finding> CheckFindings(const std::vector<Adapter>& adapters, const std::vector<AdapterSubnet>& rows,
                                   bool macComplete) {
    std::vector<Finding> findings;
    for (const Adapter& a : adapters)
        if (a.card >= 0 && !adapters[static_cast<std::size_t>(a.card)].connected)
            findings.push_back({L"NETCHECK_CARD_UNPLUGGED", {adapters[static_cast<std::size_t>(a.card)].label, a.label}});

    const Adapter* leaves = nullptr;
    std::wstring others;
    std::size_t working = 0;
    for (const Adapter& a : adapters) {
        if (!IsWorking(a)) continue;
        ++working;
        if (a.takesPowerOn && !leaves) {
            leaves = &a;
        } else {
            Append(others, a.label);
        }
    }

    if (working == 0) {
        findings.push_back({L"NETCHECK_NO_NETWORK", {}});
    } else if (!leaves) {
        findings.push_back({L"NETCHECK_NO_ROUTE", {}});
    } else if (!IsLan(*leaves)) {
        // Where the send through every adapter reaches that Power ON does not.
        std::wstring reaches;
        for (const AdapterSubnet& row : rows)
            if (IsSendTarget(adapters, row) && &adapters[row.adapter] != leaves)
                Append(reaches, adapters[row.adapter].label + L" (" + Network(row) + L")");
        if (reaches.empty())
            findings.push_back({L"NETCHECK_VIA_TUNNEL", {leaves->label}});
        else
            findings.push_back({L"NETCHECK_VIA_TUNNEL_REACHES", {leaves->label, reaches}});
    } else if (working > 1) {
        findings.push_back({L"NETCHECK_SEVERAL", {leaves->label, others}});
    } else {
        std::wstring network;
        for (const AdapterSubnet& row : rows)
            if (row.hasAddress && &adapters[row.adapter] == leaves) Append(network, Network(row));
        findings.push_back({L"NETCHECK_ONE", {leaves->label, network}});
    }
    if (leaves && leaves->card >= 0 && adapters[static_cast<std::size_t>(leaves->card)].connected)
        findings.push_back({L"NETCHECK_VIA_SWITCH", {leaves->label, adapters[static_cast<std::size_t>(leaves->card)].label}});
    if (!macComplete) findings.push_back({L"NETCHECK_TYPE_MAC", {}});
    return findings;
}
