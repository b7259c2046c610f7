#include "Accessibility.h"

#include <oleacc.h>

#include "SystemLibrary.h"
#include "WindowsVersion.h"

namespace {

// Declared by the SDK for linking with its libraries; the program links
// neither, so they are spelled out here.
const CLSID kClsidAccPropServices = {0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
const IID kIidAccPropServices = {0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
const GUID kPropIdAccName = {0x608d3df8, 0x8128, 0x4aa7, {0xa4, 0x28, 0xf5, 0x5e, 0x49, 0x26, 0x72, 0x91}};
const GUID kLiveSettingProperty = {0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr LONG kLiveSettingPolite = 1;
constexpr DWORD kEventObjectLiveRegionChanged = 0x8019;

using CoInitializeExFn = HRESULT(WINAPI*)(LPVOID, DWORD);
using CoCreateInstanceFn = HRESULT(WINAPI*)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*);

// Live regions came with Windows 8.
bool HasLiveRegions() {
    return WindowsVersion() >= 0x0602;
}

}  // namespace

SystemAccessibility::SystemAccessibility() = default;
SystemAccessibility::~SystemAccessibility() = default;

IAccPropServices* SystemAccessibility::Services() {
    if (m_bTried) return m_services.Get();
    m_bTried = true;
    static const auto initialize = FindSystemProc<CoInitializeExFn>(L"ole32.dll", "CoInitializeEx");
    static const auto create = FindSystemProc<CoCreateInstanceFn>(L"ole32.dll", "CoCreateInstance");
    if (!initialize || !create || !ComApartmentKind::Uninitialize()) return nullptr;
    // S_FALSE: COM was started on this thread already; it still wants its
    // own CoUninitialize.
    m_com.Reset(SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED)));
    if (!m_com.IsSet() || !LoadSystemLibrary(L"oleacc.dll")) return nullptr;
    void* services = nullptr;
    if (FAILED(create(kClsidAccPropServices, nullptr, CLSCTX_INPROC_SERVER, kIidAccPropServices, &services))) return nullptr;
    m_services.Reset(static_cast<IAccPropServices*>(services));
    return m_services.Get();
}

bool SystemAccessibility::MarkLiveRegion(HWND control) {
    if (!HasLiveRegions() || !Services()) return false;
    VARIANT polite{};  // zeroed: VariantInit would bring in oleaut32 for nothing
    polite.vt = VT_I4;
    polite.lVal = kLiveSettingPolite;
    return SUCCEEDED(m_services.Get()->SetHwndProp(control, OBJID_CLIENT, CHILDID_SELF, kLiveSettingProperty, polite));
}

void SystemAccessibility::RaiseLiveRegionChanged(HWND control) {
    ::NotifyWinEvent(kEventObjectLiveRegionChanged, control, OBJID_CLIENT, CHILDID_SELF);
}

bool SystemAccessibility::SetName(HWND control, const std::wstring& name) {
    return Services() &&
           SUCCEEDED(m_services.Get()->SetHwndPropStr(control, OBJID_CLIENT, CHILDID_SELF, kPropIdAccName, name.c_str()));
}

bool ScreenReaderRuns() {
    BOOL runs = FALSE;
    return ::SystemParametersInfoW(SPI_GETSCREENREADER, 0, &runs, 0) && runs;
}
