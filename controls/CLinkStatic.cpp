#include "CLinkStatic.h"

const MessageMapEntry CLinkStatic::messageEntries[] = {
    Map::CtlColor<&CLinkStatic::OnCtlColor>(WM_CTLCOLORSTATIC),
};
const MessageMap CLinkStatic::messageMap{&CWnd::messageMap, messageEntries};

void CLinkStatic::PreSubclassWindow() {
    // Without SS_NOTIFY a static control keeps its clicks to itself.
    ::SetWindowLongW(m_hWnd, GWL_STYLE, static_cast<LONG>(GetStyle() | SS_NOTIFY));

    LOGFONTW logFont{};
    const CFontHandle font(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)));
    // A control without a font of its own draws with the system font.
    if (!font || !::GetObjectW(font, sizeof logFont, &logFont))
        ::GetObjectW(::GetStockObject(SYSTEM_FONT), sizeof logFont, &logFont);
    logFont.lfUnderline = TRUE;
    m_fontLink.CreateFontIndirect(&logFont);
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(static_cast<HFONT>(m_fontLink)), TRUE);
}

HBRUSH CLinkStatic::OnCtlColor(HDC hdc) {
    ::SetTextColor(hdc, RGB(0, 0, 255));
    ::SetBkMode(hdc, TRANSPARENT);
    return CBrushHandle::Stock(NULL_BRUSH);
}
