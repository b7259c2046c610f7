#pragma once
// One PC's send, for My PCs and the command line: to its destination alone
// when it has one, else what Wake and wait sends (Power ON's broadcast and
// that of the subnet its address is on); each send said in a sentence.
#include <string>
#include <vector>

#include "SavedPc.h"
#include "net/Adapter.h"
#include "net/MagicPacketFormat.h"

struct PcSendOrder {
    std::wstring name;         // for the sentences: a saved name or the MAC address
    MacAddress mac{};
    std::wstring address;      // the saved address, when its subnet is this PC's
    std::wstring destination;  // resolved anew at each send
    std::uint16_t port = 0;    // 0: 40000 and 9, or 40000 alone with oneDefaultPort
    WakePassword password;
    bool oneDefaultPort = false;  // /to without /port: in Power ON's place
};

// A saved PC's order, its password read; a bare MAC address's, sent as the
// command line always sent it.
PcSendOrder OrderForPc(const SavedPc& pc);
PcSendOrder OrderForMac(const MacAddress& mac);

enum class PcSendEnd { Sent, Refused, Unresolved, Failed };

struct PcSendOutcome {
    PcSendEnd end = PcSendEnd::Failed;
    std::vector<std::wstring> lines;
};

// `adapters`: this PC's, read once for several sends.
PcSendOutcome SendForPc(const PcSendOrder& order, const std::vector<Adapter>& adapters);
