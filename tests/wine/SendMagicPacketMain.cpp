// Sends one magic packet the way "Power ON" does, then prints the result.
// Usage: send_magic_packet.exe MACTEXT [DESTINATION]
//        send_magic_packet.exe --bench COUNT
//   times COUNT calls of the sender against COUNT bare socket, setsockopt,
//   sendto, closesocket sequences in the same run.
#include <winsock2.h>

#include <cstdio>
#include <string>

#include "framework/CWinApp.h"
#include "wol/CWakeDlg.h"
#include "net/BroadcastDestination.h"

namespace {

double Seconds() {
    LARGE_INTEGER now, frequency;
    ::QueryPerformanceCounter(&now);
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void BareSend(const MagicPacket& packet) {
    const SOCKET s = ::socket(AF_INET, SOCK_DGRAM, 0);
    const int enable = 1;
    ::setsockopt(s, SOL_SOCKET, SO_BROADCAST, reinterpret_cast<const char*>(&enable), sizeof enable);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = ::htons(kWakePort);
    to.sin_addr.s_addr = INADDR_BROADCAST;
    ::sendto(s, reinterpret_cast<const char*>(packet.data()), static_cast<int>(packet.size()), 0,
             reinterpret_cast<const sockaddr*>(&to), sizeof to);
    ::closesocket(s);
}

int Bench(int count) {
    const double start = Seconds();
    for (int i = 0; i < count; ++i) CWakeDlg::SendMagicPacket(L"0A1B2C3D4E5F", L"255.255.255.255");
    const double sender = (Seconds() - start) / count;

    WSADATA data{};
    ::WSAStartup(MAKEWORD(2, 2), &data);
    const MagicPacket packet = BuildMagicPacket({0x0A, 0x1B, 0x2C, 0x3D, 0x4E, 0x5F});
    const double bareStart = Seconds();
    for (int i = 0; i < count; ++i) BareSend(packet);
    const double bare = (Seconds() - bareStart) / count;
    ::WSACleanup();

    std::printf("SendMagicPacket %.1f us, bare socket/sendto/close %.1f us, ratio %.2f\n", sender * 1e6, bare * 1e6,
                sender / bare);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    AfxGetApp()->InitAppName();
    if (std::wstring(argv[1]) == L"--bench") return Bench(argc > 2 ? _wtoi(argv[2]) : 200);
    const int result = CWakeDlg::SendMagicPacket(argv[1], argc > 2 ? argv[2] : L"255.255.255.255");
    std::printf("result %d\n", result);
    return result == 0 ? 0 : 1;
}
