#pragma once
// "My PCs": the saved PCs with their states, woken one or several at once,
// added, edited and removed; the file is written only for such a change.
#include "PcBook.h"
#include "PcStateJob.h"
#include "mypcs/CPcFile.h"
#include "framework/Accessibility.h"
#include "framework/CDialog.h"
#include "framework/CListView.h"
#include "framework/CLiveStatic.h"
#include "framework/CWorker.h"

class CPcsDlg final : public CDialog {
public:
    explicit CPcsDlg(CWnd* pParentWnd = nullptr);
    INT_PTR DoModal() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnCancel() override;
    DECLARE_MESSAGE_MAP(CPcsDlg)

private:
    void OnWake();
    void OnAdd();
    void OnEdit();
    void OnRemove();
    void OnWakeAndWait();
    void OnFindPcs();
    void OnProbed(unsigned serial, std::uint32_t);

    void ShowList(const std::wstring& status);
    std::vector<std::size_t> Selected() const;
    bool OneSelected(std::size_t& index);
    void Changed(PcChange change, const std::wstring& name);

    CListView m_list;
    SystemAccessibility m_accessibility;  // outlives the status line it marks
    CLiveStatic m_status{m_accessibility};
    CPcFile m_file;
    PcBook m_book{m_file};
    std::vector<PcState> m_states;
    CWorker m_worker;  // stopped before the window goes
};
