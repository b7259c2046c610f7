// The event log's types come with Vista's headers; the program is built for
// Windows 2000, so its functions are looked up, never imported.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0600
#include <windows.h>
#include <winevt.h>

#include "EventLogReader.h"

#include "framework/COwned.h"
#include "framework/SystemLibrary.h"
#include "framework/GrowingQuery.h"
#include "text/TextArgs.h"

namespace {

template <class Fn>
Fn EventLogProc(const char* name) {
    return FindSystemProc<Fn>(L"wevtapi.dll", name);
}

struct EventHandleKind {
    using Handle = EVT_HANDLE;
    static Handle Empty() { return nullptr; }
    static bool Close(Handle handle) {
        static const auto close = EventLogProc<decltype(&::EvtClose)>("EvtClose");
        return close && close(handle);
    }
};
using CEventHandle = COwned<EventHandleKind>;

const wchar_t* const kSystemPaths[] = {L"Event/System/Provider/@Name", L"Event/System/EventID",
                                       L"Event/System/TimeCreated/@SystemTime"};
constexpr DWORD kSystemValues = sizeof kSystemPaths / sizeof kSystemPaths[0];

bool TimeOf(const EVT_VARIANT& v, std::uint64_t& time) {
    if (v.Type == EvtVarTypeFileTime) {
        time = v.FileTimeVal;
        return true;
    }
    FILETIME file{};
    if (v.Type != EvtVarTypeSysTime || !v.SysTimeVal || !::SystemTimeToFileTime(v.SysTimeVal, &file)) return false;
    time = static_cast<std::uint64_t>(file.dwHighDateTime) << 32 | file.dwLowDateTime;
    return true;
}

bool NumberOf(const EVT_VARIANT& v, std::uint64_t& number) {
    switch (v.Type) {
    case EvtVarTypeByte: number = v.ByteVal; return true;
    case EvtVarTypeUInt16: number = v.UInt16Val; return true;
    case EvtVarTypeUInt32:
    case EvtVarTypeHexInt32: number = v.UInt32Val; return true;
    case EvtVarTypeUInt64:
    case EvtVarTypeHexInt64: number = v.UInt64Val; return true;
    default: return false;
    }
}

EventValue ValueOf(const wchar_t* name, const EVT_VARIANT& v) {
    EventValue value;
    value.name = name;
    if (v.Type == EvtVarTypeString && v.StringVal) {
        value.kind = EventValue::Kind::Text;
        value.text = v.StringVal;
    } else if (TimeOf(v, value.number)) {
        value.kind = EventValue::Kind::Time;
    } else if (NumberOf(v, value.number)) {
        value.kind = EventValue::Kind::Number;
    }
    return value;
}

// The newest event that the query finds, or none.
CEventHandle NewestEvent(const EventSought& sought) {
    static const auto query = EventLogProc<decltype(&::EvtQuery)>("EvtQuery");
    static const auto next = EventLogProc<decltype(&::EvtNext)>("EvtNext");
    if (!query || !next) return CEventHandle();
    const std::wstring filter = std::wstring(L"*[System[Provider[@Name='") + sought.provider +
                                L"'] and (EventID=" + DecimalText(sought.id) + L")]]";
    const CEventHandle results(query(nullptr, L"System", filter.c_str(), EvtQueryChannelPath | EvtQueryReverseDirection));
    EVT_HANDLE event = nullptr;
    DWORD returned = 0;
    if (!results.IsSet() || !next(results.Get(), 1, &event, INFINITE, 0, &returned) || returned != 1)
        return CEventHandle();
    return CEventHandle(event);
}

}  // namespace

bool ReadNewestEvent(const EventSought& sought, RenderedEvent& rendered) {
    static const auto createContext = EventLogProc<decltype(&::EvtCreateRenderContext)>("EvtCreateRenderContext");
    static const auto render = EventLogProc<decltype(&::EvtRender)>("EvtRender");
    if (!createContext || !render) return false;
    // The context is made only once an event was found: Wine exports
    // EvtCreateRenderContext as a stub that ends the process when called.
    const CEventHandle event = NewestEvent(sought);
    if (!event.IsSet()) return false;

    std::vector<std::wstring> dataPaths;
    std::vector<LPCWSTR> paths(kSystemPaths, kSystemPaths + kSystemValues);
    for (std::size_t i = 0; i < sought.count; ++i)
        dataPaths.push_back(std::wstring(L"Event/EventData/Data[@Name='") + sought.names[i] + L"']");
    for (const std::wstring& path : dataPaths) paths.push_back(path.c_str());
    const DWORD count = static_cast<DWORD>(paths.size());
    const CEventHandle context(createContext(count, paths.data(), EvtRenderContextValues));
    if (!context.IsSet()) return false;

    // The values first, then the texts they point to, in one block.
    std::vector<unsigned char> block;
    DWORD properties = 0;
    const ULONG answer = QueryGrowing(block, 0, 2, [&](unsigned char* bytes, ULONG* size) -> ULONG {
        DWORD used = 0;
        if (render(context.Get(), event.Get(), EvtRenderEventValues, *size, bytes, &used, &properties))
            return ERROR_SUCCESS;
        *size = used;
        return ::GetLastError();
    });
    if (answer != ERROR_SUCCESS || properties != count || block.size() < count * sizeof(EVT_VARIANT)) return false;
    const EVT_VARIANT* values = reinterpret_cast<const EVT_VARIANT*>(block.data());

    const EventValue provider = ValueOf(L"", values[0]);
    const EventValue id = ValueOf(L"", values[1]);
    const EventValue created = ValueOf(L"", values[2]);
    rendered.provider = provider.text;
    rendered.id = static_cast<unsigned>(id.number);
    rendered.createdUtc = created.kind == EventValue::Kind::Time ? created.number : 0;
    rendered.values.clear();
    for (std::size_t i = 0; i < sought.count; ++i) rendered.values.push_back(ValueOf(sought.names[i], values[kSystemValues + i]));
    return true;
}

// The newest of a resume from sleep or hibernation and a Modern Standby
// exit: a Modern Standby laptop that hibernates writes both kinds.
LastWake ReadLastWake() {
    RenderedEvent event, exit, entry;
    const LastWake resume = ReadNewestEvent(kLastWakeEvent, event) ? LastWakeOf(event) : LastWake();
    if (!ReadNewestEvent(kStandbyExitEvent, exit)) return resume;
    if (!ReadNewestEvent(kStandbyEntryEvent, entry)) entry = RenderedEvent();
    return NewestWake(resume, StandbyExitOf(exit, entry));
}

LastStart ReadLastStart() {
    RenderedEvent event;
    return ReadNewestEvent(kLastStartEvent, event) ? LastStartOf(event) : LastStart();
}
