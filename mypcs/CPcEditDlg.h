#pragma once
// One saved PC's fields, checked when OK is pressed: the first wrong one is
// named in a sentence and given the focus.
#include "SavedPc.h"
#include "controls/CMacEdit.h"
#include "framework/CDialog.h"
#include "framework/CEdit.h"

class CPcEditDlg final : public CDialog {
public:
    CPcEditDlg(const SavedPc& pc, bool isNew, CWnd* pParentWnd);
    const SavedPc& Pc() const { return m_pc; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    void Refuse(CWnd& field, const wchar_t* key);

    SavedPc m_pc;
    bool m_bNew;
    CEdit m_edtName;
    CMacEdit m_edtMac;
    CEdit m_edtAddress;
    CEdit m_edtDestination;
    CEdit m_edtPort;
    CEdit m_edtPassword;
};
