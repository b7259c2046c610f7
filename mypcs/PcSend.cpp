#include "PcSend.h"

#include "PcFields.h"
#include "net/Ipv4.h"
#include "net/SocketLayer.h"
#include "net/WinsockLayer.h"
#include "net/WinsockStartup.h"
#include "text/AnsiText.h"
#include "text/LangTexts.h"
#include "text/TextArgs.h"
#include "wakewait/WakeSend.h"
#include "wakewait/WakeTarget.h"

namespace {

std::wstring PortsText(const std::vector<std::uint16_t>& ports) {
    std::wstring text;
    for (const std::uint16_t port : ports) text += (text.empty() ? L"" : L", ") + DecimalText(port);
    return text;
}

std::wstring SentLine(const PcSendOrder& order, std::uint32_t to, const std::vector<std::uint16_t>& ports) {
    return FillArgs(LocalizedText(L"CLI_PC_SENT"), {order.name, DottedQuad(to), PortsText(ports)});
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
    SendChoice choice;
    choice.exactDestination = true;
    choice.password = order.password;
    if (order.port) choice.ports = {order.port};
    else if (!order.oneDefaultPort) choice.ports = {kWakePort, kDiscardPort};
    WinsockStartup winsock;
    WinsockLayer layer;
    std::wstring failure;
    KeptReport report(failure);
    std::uint32_t sentTo = 0;
    if (SendMagicPacketVia(winsock, layer, report, order.mac, ToAnsi(order.destination), choice, &sentTo) == 0) {
        outcome.end = PcSendEnd::Sent;
        outcome.lines.push_back(SentLine(order, sentTo, choice.ports));
    } else if (failure == kErrorResolve) {
        outcome.end = PcSendEnd::Unresolved;
        outcome.lines.push_back(NotSentLine(order, FillArgs(LocalizedText(L"PCS_UNRESOLVED"), {order.destination})));
    } else {
        outcome.lines.push_back(NotSentLine(order, failure));
    }
    return outcome;
}

}  // namespace

PcSendOutcome SendForPc(const PcSendOrder& order, const std::vector<Adapter>& adapters) {
    if (!order.destination.empty()) return SendToDestination(order);
    const std::vector<AdapterSubnet> rows = SubnetsOf(adapters);
    std::uint32_t address = 0;
    const int row = ParseDottedQuad(order.address, address) ? LocalRowFor(address, adapters, rows) : -1;
    const WakeSendResult sent = SendWakePackets(order.mac, adapters, rows, row, false, WakeExtras{order.port, order.password});
    PcSendOutcome outcome;
    outcome.end = sent.AnySent() ? PcSendEnd::Sent : PcSendEnd::Failed;
    const std::vector<std::uint16_t> one{order.port ? order.port : kWakePort};
    outcome.lines.push_back(sent.powerOn ? SentLine(order, 0xFFFFFFFFu, one) : NotSentLine(order, sent.failure));
    if (row >= 0) {
        const AdapterSubnet& r = rows[static_cast<std::size_t>(row)];
        const std::vector<std::uint16_t> ports =
            order.port ? one : std::vector<std::uint16_t>{kWakePort, kDiscardPort};
        outcome.lines.push_back(sent.subnet.Sent() ? SentLine(order, r.broadcast, ports)
                                                   : NotSentLine(order, sent.subnet.FailureText()));
    }
    return outcome;
}
