#include "WakeSend.h"

#include "net/DirectedSend.h"
#include "net/SocketSession.h"
#include "net/WinsockLayer.h"
#include "net/WinsockStartup.h"
#include "net/AdapterSend.h"
#include "text/AnsiText.h"

bool WakeSendResult::AnySent() const {
    if (powerOn || subnet.Sent()) return true;
    for (const SendResult& result : every)
        if (result.Sent()) return true;
    return false;
}

WakeSendResult SendWakePackets(const MacAddress& pc, const std::vector<Adapter>& adapters,
                               const std::vector<AdapterSubnet>& rows, int subnetRow, bool everyAdapter,
                               const WakeExtras& extras) {
    WakeSendResult result;
    KeptReport report(result.failure);
    WinsockStartup winsock;
    WinsockLayer layer;
    SendChoice choice;
    if (extras.port) choice.ports = {extras.port};
    choice.password = extras.password;
    if (!extras.destination.empty()) {
        choice.exactDestination = true;
        if (!extras.port && !extras.onePort) choice.ports = {kWakePort, kDiscardPort};
        result.powerOn =
            SendMagicPacketVia(winsock, layer, report, pc, ToAnsi(extras.destination), choice, &result.sentTo) == 0;
        return result;
    }
    result.powerOn = SendMagicPacketVia(winsock, layer, report, pc, ToAnsi(kLimitedBroadcastHost), choice) == 0;

    const MagicPacket packet = BuildMagicPacket(pc);
    if (subnetRow >= 0) {
        const SocketSession session(winsock, kWinsock2);
        const AdapterSubnet& r = rows[static_cast<std::size_t>(subnetRow)];
        const std::vector<std::uint16_t> ports =
            extras.port ? std::vector<std::uint16_t>{extras.port} : std::vector<std::uint16_t>{kWakePort, kDiscardPort};
        result.subnet = session.Started() ? SendDirected(WakeDatagram(pc, extras.password), r.address, r.broadcast, ports)
                                          : SendResult(session.Error());
    }
    if (everyAdapter) result.every = SendThroughEveryAdapter(packet, adapters, rows);
    return result;
}
