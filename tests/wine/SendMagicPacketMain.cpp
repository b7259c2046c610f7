// Sends one magic packet the way "Power ON" does, then prints the result.
// Usage: send_magic_packet.exe MACTEXT [DESTINATION]
#include <cstdio>
#include <string>

#include "framework/CWinApp.h"
#include "wol/CWakeDlg.h"

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    AfxGetApp()->InitAppName();
    const int result = CWakeDlg::SendMagicPacket(argv[1], argc > 2 ? argv[2] : L"255.255.255.255");
    std::printf("result %d\n", result);
    return result == 0 ? 0 : 1;
}
