// Prints this computer's own MAC address as the own-MAC dialog finds it.
#include <cstdio>

#include "ownmac/COwnMacDlg.h"

int wmain() {
    std::wprintf(L"mac [%ls]\n", COwnMacDlg::GetOwnMacAddress().c_str());
    return 0;
}
