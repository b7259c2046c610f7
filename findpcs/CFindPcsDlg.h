#pragma once
// The scan's window: the devices of this PC's subnets as they answer, with
// their MAC addresses, names and makers, and "Add to My PCs" for the rows
// picked. The scan starts when the window opens and runs on a worker's
// thread; Stop ends it at once.
#include <vector>

#include "SavedPcBook.h"
#include "ScanJob.h"
#include "framework/CDialog.h"
#include "framework/CListView.h"
#include "framework/CLiveStatic.h"
#include "framework/CProgressCtrl.h"
#include "framework/CWorker.h"

class CFindPcsDlg final : public CDialog {
public:
    CFindPcsDlg(SavedPcBook& book, ScanFunction scan = &RunScan, CWnd* pParentWnd = nullptr);

    // Loads the list view's and progress bar's classes first.
    INT_PTR DoModal() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    DECLARE_MESSAGE_MAP(CFindPcsDlg)

private:
    void OnNews(unsigned serial, std::uint32_t);
    void OnDone(unsigned serial, std::uint32_t);
    void OnStop();
    void OnAdd();
    void AddDevice(const FoundDevice& device);
    std::size_t RowOf(std::uint32_t address) const;
    bool IsRow(std::size_t row, std::uint32_t address) const;
    void ShowName(std::size_t row);
    // The count it says is of the addresses asked while scanning, else of the devices.
    void ShowStatus(const wchar_t* key, bool scanning = false);

    SavedPcBook& m_book;
    ScanFunction m_scan;
    CListView m_list;
    CProgressCtrl m_progress;
    SystemAccessibility m_accessibility;  // outlives the status line it marks
    CLiveStatic m_status{m_accessibility};
    CWorker m_worker;
    std::vector<ScanSubnet> m_plan;
    std::vector<FoundDevice> m_devices;  // as the list shows them, row for row, by address
};
