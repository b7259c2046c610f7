#include "EchoProbe.h"

#include <winsock2.h>
#include <iphlpapi.h>
#include <icmpapi.h>

#include "ProbeFacts.h"
#include "framework/SystemLibrary.h"

namespace {

constexpr DWORD kTimeoutMs = 1000;

struct IcmpApi {
    HANDLE(WINAPI* create)();
    DWORD(WINAPI* send)(HANDLE, IPAddr, LPVOID, WORD, PIP_OPTION_INFORMATION, LPVOID, DWORD, DWORD);
    BOOL(WINAPI* close)(HANDLE);
};

IcmpApi FindIcmpApi() {
    for (const wchar_t* library : {L"iphlpapi.dll", L"icmp.dll"}) {
        const IcmpApi api{FindSystemProc<decltype(IcmpApi::create)>(library, "IcmpCreateFile"),
                          FindSystemProc<decltype(IcmpApi::send)>(library, "IcmpSendEcho"),
                          FindSystemProc<decltype(IcmpApi::close)>(library, "IcmpCloseHandle")};
        if (api.create && api.send && api.close) return api;
    }
    return {nullptr, nullptr, nullptr};
}

const IcmpApi& Icmp() {
    static const IcmpApi api = FindIcmpApi();
    return api;
}

}  // namespace

bool IcmpHandleKind::Close(Handle handle) {
    return Icmp().close(handle) != FALSE;
}

EchoProbe::EchoProbe() {
    if (Icmp().create) m_icmp.Reset(Icmp().create());
}

bool EchoProbe::Answers(std::uint32_t target) {
    if (!m_icmp.IsSet()) return false;
    char request[32] = "Quorvane is waiting for this PC";
    // Room for one reply with its echoed data, and the error block the
    // function may write after it.
    unsigned char replies[sizeof(ICMP_ECHO_REPLY) + sizeof request + 8 + 64] = {};
    const DWORD count = Icmp().send(m_icmp.Get(), ::htonl(target), request, sizeof request, nullptr, replies,
                                    sizeof replies, kTimeoutMs);
    if (count == 0) return false;
    const auto* reply = reinterpret_cast<const ICMP_ECHO_REPLY*>(replies);
    return IsAnswerFrom(reply->Status, ::ntohl(reply->Address), target);
}
