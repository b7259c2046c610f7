#include "NameLookups.h"

#include <winsock2.h>

#include "NodeStatus.h"
#include "framework/CCriticalSection.h"
#include "framework/CHandle.h"
#include "net/CUdpSocket.h"
#include "net/HostEntry.h"
#include "net/Ipv4.h"
#include "net/WinsockStartup.h"
#include "text/AnsiText.h"

namespace {

struct ReverseJob {
    explicit ReverseJob(const std::vector<std::uint32_t>& a) : addresses(a), names(a.size()), done(a.size()) {}

    std::vector<std::uint32_t> addresses;
    std::vector<std::wstring> names;  // under lock
    std::vector<unsigned char> done;  // under lock
    CCriticalSection lock;
    CHandle changed;                  // auto reset: a name came in
    volatile LONG next = 0;
    volatile LONG refs = 1;

    void Release() {
        if (::InterlockedDecrement(&refs) == 0) delete this;
    }
};

DWORD WINAPI ReverseThread(LPVOID param) {
    auto* job = static_cast<ReverseJob*>(param);
    {
        WinsockStartup winsock;
        const SocketSession session(winsock, kWinsock2);
        for (;;) {
            const std::size_t i = static_cast<std::size_t>(::InterlockedIncrement(&job->next) - 1);
            if (i >= job->addresses.size()) break;
            std::string name;
            const bool found = session.Started() && LookUpReverseName(job->addresses[i], name);
            const CCriticalSection::Lock lock(job->lock);
            // A name that only repeats the address is no name.
            std::wstring wide = found ? FromAnsi(name.c_str()) : std::wstring();
            if (wide != DottedQuad(job->addresses[i])) job->names[i].swap(wide);
            job->done[i] = 1;
            ::SetEvent(job->changed.Get());
        }
    }
    job->Release();
    return 0;
}

ReverseJob* StartReverseLookups(const std::vector<std::uint32_t>& addresses) {
    auto* job = new ReverseJob(addresses);
    job->changed = CHandle(::CreateEventW(nullptr, FALSE, FALSE, nullptr));
    for (std::size_t i = 0; i < kReverseLookupThreads && i < addresses.size(); ++i) {
        ::InterlockedIncrement(&job->refs);
        DWORD id = 0;
        const CHandle thread(::CreateThread(nullptr, 0, &ReverseThread, job, 0, &id));  // never waited for
        if (!thread.IsSet()) job->Release();
    }
    return job;
}

// Node status requests to every address from one socket; ids tell the answers apart.
class NodeStatusRound {
public:
    explicit NodeStatusRound(const std::vector<std::uint32_t>& addresses)
        : m_addresses(addresses), m_session(m_winsock, kWinsock2),
          m_socket(m_session.Started() ? ::socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP) : INVALID_SOCKET),
          m_base(static_cast<std::uint16_t>(::GetTickCount() << 4)) {
        for (std::size_t i = 0; i < addresses.size() && m_socket.IsOpen(); ++i) {
            const std::vector<std::uint8_t> request = NodeStatusRequest(static_cast<std::uint16_t>(m_base + i));
            sockaddr_in to{};
            to.sin_family = AF_INET;
            to.sin_port = ::htons(kNetBiosNamePort);
            to.sin_addr.s_addr = ::htonl(addresses[i]);
            ::sendto(m_socket.Get(), reinterpret_cast<const char*>(request.data()), static_cast<int>(request.size()), 0,
                     reinterpret_cast<const sockaddr*>(&to), sizeof to);
        }
    }

    // Waits up to `ms` for one answer; the index of the address it names, or -1.
    int Receive(DWORD ms, std::wstring& name) {
        if (!m_socket.IsOpen()) {
            ::Sleep(ms);
            return -1;
        }
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(m_socket.Get(), &readable);
        timeval wait{static_cast<long>(ms / 1000), static_cast<long>(ms % 1000) * 1000};
        if (::select(0, &readable, nullptr, nullptr, &wait) <= 0) return -1;
        std::uint8_t answer[1024];
        sockaddr_in from{};
        int fromLength = sizeof from;
        const int got = ::recvfrom(m_socket.Get(), reinterpret_cast<char*>(answer), sizeof answer, 0,
                                   reinterpret_cast<sockaddr*>(&from), &fromLength);
        if (got < 2) return -1;
        const std::uint16_t id = static_cast<std::uint16_t>(answer[0] << 8 | answer[1]);
        const std::size_t index = static_cast<std::uint16_t>(id - m_base);
        NodeStatus status;
        if (index >= m_addresses.size() || ::ntohl(from.sin_addr.s_addr) != m_addresses[index] ||
            !ParseNodeStatus(answer, static_cast<std::size_t>(got), static_cast<std::uint16_t>(m_base + index), status))
            return -1;
        name = status.name;
        return static_cast<int>(index);
    }

private:
    const std::vector<std::uint32_t>& m_addresses;
    WinsockStartup m_winsock;
    SocketSession m_session;
    CUdpSocket m_socket;
    std::uint16_t m_base;
};

}  // namespace

void LookUpNames(const std::vector<std::uint32_t>& addresses, DWORD waitMs, HANDLE stop,
                 CallbackRef<void(std::size_t index, const std::wstring& name)> named) {
    if (addresses.empty()) return;
    ReverseJob* job = StartReverseLookups(addresses);
    NodeStatusRound netbios(addresses);
    std::vector<std::wstring> netbiosNames(addresses.size());
    std::vector<unsigned char> told(addresses.size());
    const DWORD start = ::GetTickCount();
    DWORD lastAnswer = start;
    for (std::size_t left = addresses.size(); left > 0;) {
        const DWORD now = ::GetTickCount();
        if (now - start >= waitMs || (stop && ::WaitForSingleObject(stop, 0) == WAIT_OBJECT_0)) break;
        std::wstring name;
        const int index = netbios.Receive(waitMs - (now - start) < 50 ? waitMs - (now - start) : 50, name);
        if (index >= 0) {
            netbiosNames[static_cast<std::size_t>(index)] = name;
            lastAnswer = ::GetTickCount();
        }
        const CCriticalSection::Lock lock(job->lock);
        bool lookupsDone = true;
        for (std::size_t i = 0; i < addresses.size(); ++i) {
            lookupsDone = lookupsDone && job->done[i];
            // The reverse name first; the NetBIOS name once the lookup gave none.
            const bool ready = !job->names[i].empty() || (job->done[i] && !netbiosNames[i].empty());
            if (told[i] || !ready) continue;
            told[i] = 1;
            --left;
            named(i, job->names[i].empty() ? netbiosNames[i] : job->names[i]);
        }
        // A device on the subnet answers a node status request within
        // milliseconds, or not at all: once the reverse lookups are over, the
        // silence of the others is their answer.
        if (lookupsDone && ::GetTickCount() - lastAnswer >= kNetBiosQuietMs) break;
    }
    job->Release();
}
