#pragma once
// Run on the PC to be woken while it is still on: listens for magic packets
// and lists each one that arrives, so a user can tell a packet that never
// reached the PC from a PC whose BIOS or network card is not set up to wake.
#include <cstdint>
#include <vector>

#include "CUdpListener.h"
#include "MagicPacketMatch.h"
#include "framework/CDialog.h"
#include "framework/CLiveStatic.h"
#include "framework/CListView.h"

class CListenerDlg final : public CDialog {
public:
    explicit CListenerDlg(CWnd* pParentWnd = nullptr);

    // The list view's window class comes from the common controls, loaded
    // here at first use rather than with the program.
    INT_PTR DoModal() override;

    static constexpr std::size_t kMaxRows = 1000;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    DECLARE_MESSAGE_MAP(CListenerDlg)

private:
    void OnSocket(UINT_PTR socket);
    void AddRow(const Datagram& datagram, const MagicPacketMatch& match);
    void ShowStatus();
    bool IsThisPc(const MacAddress& mac) const;

    SystemAccessibility m_accessibility;  // outlives the status line it marks
    CLiveStatic m_status{m_accessibility};
    CListView m_list;
    CUdpListener m_listener;  // closes every socket when the dialog object goes
    std::vector<MacAddress> m_ownMacs;
    unsigned long m_nNotMagic = 0;
    int m_simpleTcpip = -1;  // Simple TCP/IP Services running: 1, not: 0, not asked yet: -1
};
