#include "WakeSend.h"

#include "net/DirectedSend.h"
#include "net/SocketSession.h"
#include "net/WinsockLayer.h"
#include "net/WinsockStartup.h"
#include "net/AdapterSend.h"
#include "text/AnsiText.h"

namespace {

// The sender's failures are kept as text: here there are no message boxes.
class KeptReport final : public FailureReport {
public:
    explicit KeptReport(std::wstring& text) : m_text(text) {}
    void Show(const wchar_t* text) override { m_text = text; }

private:
    std::wstring& m_text;
};

}  // namespace

bool WakeSendResult::AnySent() const {
    if (powerOn || subnet.Sent()) return true;
    for (const SendResult& result : every)
        if (result.Sent()) return true;
    return false;
}

WakeSendResult SendWakePackets(const MacAddress& pc, const std::vector<Adapter>& adapters,
                               const std::vector<AdapterSubnet>& rows, int subnetRow, bool everyAdapter) {
    WakeSendResult result;
    KeptReport report(result.failure);
    WinsockStartup winsock;
    WinsockLayer layer;
    // Power ON's sender takes the address as the field's twelve digits.
    result.powerOn =
        SendMagicPacketVia(winsock, layer, report, ToAnsi(FormatMacCompact(pc)), ToAnsi(kLimitedBroadcastHost)) == 0;

    const MagicPacket packet = BuildMagicPacket(pc);
    if (subnetRow >= 0) {
        const SocketSession session(winsock, kWinsock2);
        const AdapterSubnet& r = rows[static_cast<std::size_t>(subnetRow)];
        result.subnet = session.Started() ? SendDirected(packet, r.address, r.broadcast, {kWakePort, kDiscardPort})
                                          : SendResult(session.Error());
    }
    if (everyAdapter) result.every = SendThroughEveryAdapter(packet, adapters, rows);
    return result;
}
