#pragma once
#include "CButton.h"

// A check box.
class CCheckBox : public CButton {
public:
    bool IsChecked() const { return SendMessage(BM_GETCHECK) == BST_CHECKED; }
    void SetChecked(bool checked) { SendMessage(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED); }
};
