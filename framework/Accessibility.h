#pragma once
// What screen readers are told beyond what the controls say themselves,
// through Active Accessibility's annotations (IAccPropServices): a control's
// name, and a static that is a live region and when its text changed.
#include <windows.h>

#include <string>

#include "CCom.h"

struct IAccPropServices;

class Accessibility {
public:
    // Marks a static as a polite live region; false where the system has
    // none (before Windows 8): its changes are then never raised.
    virtual bool MarkLiveRegion(HWND control) = 0;
    // Its text changed (EVENT_OBJECT_LIVEREGIONCHANGED).
    virtual void RaiseLiveRegionChanged(HWND control) = 0;
    // The name a screen reader says for the control.
    virtual bool SetName(HWND control, const std::wstring& name) = 0;

protected:
    ~Accessibility() = default;
};

// The system's annotations. COM and the annotation object come on first
// use, on the thread that owns the controls (the UI thread), and go with
// this object: a dialog that never annotates loads neither ole32 nor
// oleacc.
class SystemAccessibility final : public Accessibility {
public:
    // Made and destroyed where the annotation object's interface is known.
    SystemAccessibility();
    SystemAccessibility(const SystemAccessibility&) = delete;
    SystemAccessibility& operator=(const SystemAccessibility&) = delete;
    ~SystemAccessibility();

    bool MarkLiveRegion(HWND control) override;
    void RaiseLiveRegionChanged(HWND control) override;
    bool SetName(HWND control, const std::wstring& name) override;

private:
    IAccPropServices* Services();

    bool m_bTried = false;
    CComApartment m_com;  // before the services: they are released first
    CComPtr<IAccPropServices> m_services;
};

// Whether a screen reader runs (SPI_GETSCREENREADER).
bool ScreenReaderRuns();
