#include "AdapterSend.h"

#include "DirectedSend.h"
#include "SocketSession.h"
#include "WinsockStartup.h"

std::vector<SendResult> SendThroughEveryAdapter(const MagicPacket& packet, const std::vector<Adapter>& adapters,
                                                const std::vector<AdapterSubnet>& rows) {
    std::vector<SendResult> results(rows.size());
    WinsockStartup winsock;
    const SocketSession session(winsock, kWinsock2);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!IsSendTarget(adapters, rows[i])) continue;
        results[i] = session.Started() ? SendDirected(packet, rows[i].address, rows[i].broadcast, {kWakePort, kDiscardPort})
                                       : SendResult(session.Error());
    }
    return results;
}
