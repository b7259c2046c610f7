#pragma once
// Run on the sending PC when nothing arrives: lists every adapter with the
// subnet it is on and the one that Power ON's broadcast leaves by, says what
// that means, and sends the magic packet out of every adapter on request.
// Run on the PC to be woken: reads each card's wake settings and Fast
// Startup, and says what would stop this PC from waking.
#include <string>
#include <vector>

#include "CheckFacts.h"
#include "CheckRules.h"
#include "framework/CDialog.h"
#include "framework/CListView.h"
#include "lastwake/LastWakeWorker.h"

class CNetCheckDlg final : public CDialog {
public:
    // `pc`: the main window's address as it stands when the check opens;
    // null while its field is incomplete.
    explicit CNetCheckDlg(const MacAddress* pc, CWnd* pParentWnd = nullptr);

    // Loads the list view's class first.
    INT_PTR DoModal() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    bool OnDialogKey(UINT virtualKey) override;
    DECLARE_MESSAGE_MAP(CNetCheckDlg)

private:
    void OnSend();
    void OnRefresh();
    void OnCopyReport();
    void OnSize();
    void OnGetMinMaxInfo(MINMAXINFO* info);
    void ShowAdapters();
    void ShowReadiness();
    void OnShown();
    void OnLastWakeRead(unsigned serial, std::uint32_t);

    // Where a control stands at the template's size, and how it follows a
    // change of the dialog's size: the list grows both ways, the findings
    // grow wide and move down, the buttons move with their corner.
    struct Anchor {
        int id;
        RECT rect;
        bool growX, growY, moveX, moveY;
    };
    std::vector<Anchor> m_anchors;
    SIZE m_initialClient{};
    SIZE m_minWindow{};

    bool m_bHasMac;
    MacAddress m_mac{};
    CListView m_list;
    CheckFacts m_facts;  // adapters as the list shows them
    std::vector<AdapterSubnet> m_rows;  // as the list shows them, row for row
    LastWakeWorker m_lastWake;
    LastWakeRecord m_lastWakeRecord;  // empty until the worker has read it
};
