#pragma once
#include "CButton.h"

// Its state is read from the control each time, never kept: the user may
// have clicked it since.
class CCheckBox : public CButton {
public:
    bool IsChecked() const { return SendMessage(BM_GETCHECK) == BST_CHECKED; }
    void SetChecked(bool checked) { SendMessage(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED); }
};
