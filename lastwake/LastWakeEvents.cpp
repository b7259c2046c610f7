#include "LastWakeEvents.h"

#include "text/Trimmed.h"

namespace {

const wchar_t* const kWakeNames[] = {L"SleepTime", L"WakeTime", L"WakeSourceText"};
const wchar_t* const kStartNames[] = {L"BootType"};

const EventValue* Named(const RenderedEvent& event, const wchar_t* name, EventValue::Kind kind) {
    for (const EventValue& v : event.values)
        if (v.name == name) return v.kind == kind ? &v : nullptr;
    return nullptr;
}

bool Is(const RenderedEvent& event, const EventSought& sought) {
    return event.provider == sought.provider && event.id == sought.id;
}

}  // namespace

const EventSought kLastWakeEvent{L"Microsoft-Windows-Power-Troubleshooter", 1, kWakeNames, sizeof kWakeNames / sizeof kWakeNames[0]};
const EventSought kLastStartEvent{L"Microsoft-Windows-Kernel-Boot", 27, kStartNames, sizeof kStartNames / sizeof kStartNames[0]};

LastWake LastWakeOf(const RenderedEvent& event) {
    LastWake wake;
    const EventValue* woke = Named(event, L"WakeTime", EventValue::Kind::Time);
    if (!Is(event, kLastWakeEvent) || !woke) return wake;
    wake.present = true;
    wake.wakeTimeUtc = woke->number;
    if (const EventValue* slept = Named(event, L"SleepTime", EventValue::Kind::Time)) wake.sleepTimeUtc = slept->number;
    // Device names come padded now and then; they are compared with the cards'.
    if (const EventValue* source = Named(event, L"WakeSourceText", EventValue::Kind::Text))
        wake.source = Trimmed(source->text, L" \t\r\n");
    return wake;
}

LastStart LastStartOf(const RenderedEvent& event) {
    LastStart start;
    const EventValue* type = Named(event, L"BootType", EventValue::Kind::Number);
    if (!Is(event, kLastStartEvent) || !type) return start;
    start.present = true;
    start.timeUtc = event.createdUtc;
    start.bootType = type->number <= 0xFFFF ? static_cast<int>(type->number) : -1;
    return start;
}
