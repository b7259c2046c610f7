#pragma once
// A static text that looks like a link: underlined, blue, on the dialog's own
// background. Clicks reach the parent as STN_CLICKED.
#include "framework/CGdiObject.h"
#include "framework/CStatic.h"

class CLinkStatic final : public CStatic {
public:
    CLinkStatic() = default;
    ~CLinkStatic() override = default;

protected:
    void PreSubclassWindow() override;
    DECLARE_MESSAGE_MAP(CLinkStatic)

private:
    HBRUSH OnCtlColor(HDC hdc);

    CFont m_fontLink;  // outlives every paint: destroyed with the control object
};
