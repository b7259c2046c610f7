#include "PcSend.h"

#include "PcFields.h"
#include "net/Ipv4.h"
#include "net/SocketLayer.h"
#include "text/LangTexts.h"
#include "text/TextArgs.h"
#include "wakewait/WakeSend.h"
#include "wakewait/WakeTarget.h"

namespace {

// `ports` 0: none named; 1: the PC's port, else the usual one; 2: the PC's port, else the usual two.
std::wstring SentLine(const PcSendOrder& order, std::uint32_t to, int ports) {
    std::wstring text = ports ? DecimalText(order.port ? order.port : kWakePort) : std::wstring();
    if (!order.port && ports == 2) AddToList(text, DecimalText(kDiscardPort));
    return FillArgs(LocalizedText(L"CLI_PC_SENT"), {order.name, DottedQuad(to), text});
}

std::wstring NotSentLine(const PcSendOrder& order, const std::wstring& why) {
    return FillArgs(LocalizedText(L"CLI_PC_NOT_SENT"), {order.name, why});
}

PcSendOutcome SendToDestination(const PcSendOrder& order) {
    PcSendOutcome outcome;
    std::uint32_t address = 0;
    const DestinationCheck check = CheckDestination(order.destination, address);
    if (check == DestinationCheck::Malformed || check == DestinationCheck::Refused) {
        outcome.end = PcSendEnd::Refused;
        const wchar_t* key = check == DestinationCheck::Refused ? L"PCS_REFUSED_DESTINATION" : L"PCS_BAD_DESTINATION";
        outcome.lines.push_back(NotSentLine(order, LocalizedText(key)));
        return outcome;
    }
    const WakeExtras extras{order.port, order.password, order.destination, order.oneDefaultPort};
    const WakeSendResult sent = SendWakePackets(order.mac, {}, {}, -1, false, extras);
    const std::wstring& failure = sent.failure;
    if (sent.powerOn) {
        outcome.end = PcSendEnd::Sent;
        outcome.lines.push_back(SentLine(order, sent.sentTo, order.port || !order.oneDefaultPort ? 2 : 0));
    } else if (failure == kErrorResolve) {
        outcome.end = PcSendEnd::Unresolved;
        outcome.lines.push_back(NotSentLine(order, FillArgs(LocalizedText(L"PCS_UNRESOLVED"), {order.destination})));
    } else {
        outcome.lines.push_back(NotSentLine(order, failure));
    }
    return outcome;
}

}  // namespace

PcSendOrder OrderForPc(const SavedPc& pc) {
    PcSendOrder order{pc.name, pc.mac, pc.address, pc.destination, pc.port, {}, false};
    ParsePassword(pc.password, order.password);
    return order;
}

PcSendOrder OrderForMac(const MacAddress& mac) {
    PcSendOrder order;
    order.name = FormatMacDisplay(mac);
    order.mac = mac;
    order.oneDefaultPort = true;
    return order;
}

PcSendOutcome SendForPc(const PcSendOrder& order, const std::vector<Adapter>& adapters) {
    if (!order.destination.empty()) return SendToDestination(order);
    const std::vector<AdapterSubnet> rows = SubnetsOf(adapters);
    std::uint32_t address = 0;
    const int row = ParseDottedQuad(order.address, address) ? LocalRowFor(address, adapters, rows) : -1;
    const WakeExtras extras{order.port, order.password, std::wstring(), false};
    const WakeSendResult sent = SendWakePackets(order.mac, adapters, rows, row, false, extras);
    PcSendOutcome outcome;
    outcome.end = sent.AnySent() ? PcSendEnd::Sent : PcSendEnd::Failed;
    outcome.lines.push_back(sent.powerOn ? SentLine(order, 0xFFFFFFFFu, 1)
                                         : NotSentLine(order, sent.failure));
    if (row >= 0)
        outcome.lines.push_back(sent.subnet.Sent()
                                    ? SentLine(order, rows[static_cast<std::size_t>(row)].broadcast, 2)
                                    : NotSentLine(order, sent.subnet.FailureText()));
    return outcome;
}
