#include "LastWakeEvents.h"

#include "text/Trimmed.h"

namespace {

const wchar_t* const kWakeNames[] = {L"SleepTime", L"WakeTime", L"WakeSourceText", L"TargetState", L"WakeSourceType"};
const wchar_t* const kStartNames[] = {L"BootType"};
const wchar_t* const kStandbyNames[] = {L"Reason"};
const wchar_t kKernelPower[] = L"Microsoft-Windows-Kernel-Power";

const EventValue* Named(const RenderedEvent& event, const wchar_t* name, EventValue::Kind kind) {
    for (const EventValue& v : event.values)
        if (v.name == name) return v.kind == kind ? &v : nullptr;
    return nullptr;
}

bool Is(const RenderedEvent& event, const EventSought& sought) {
    return event.provider == sought.provider && event.id == sought.id;
}

// A number that fits; -1 where the event has none.
long NumberNamed(const RenderedEvent& event, const wchar_t* name) {
    const EventValue* v = Named(event, name, EventValue::Kind::Number);
    return v && v->number <= 0x7FFFFFFF ? static_cast<long>(v->number) : -1;
}

}  // namespace

const EventSought kStandbyEntryEvent{kKernelPower, 506, kStandbyNames, sizeof kStandbyNames / sizeof kStandbyNames[0]};
const EventSought kStandbyExitEvent{kKernelPower, 507, kStandbyNames, sizeof kStandbyNames / sizeof kStandbyNames[0]};
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
    wake.targetState = NumberNamed(event, L"TargetState");
    wake.wakeSourceType = NumberNamed(event, L"WakeSourceType");
    wake.from = wake.targetState == kTargetHibernation ? WokeFrom::Hibernation : WokeFrom::Sleep;
    return wake;
}

LastWake StandbyExitOf(const RenderedEvent& exit, const RenderedEvent& entry) {
    LastWake wake;
    if (!Is(exit, kStandbyExitEvent) || exit.createdUtc == 0) return wake;
    wake.present = true;
    wake.from = WokeFrom::ModernStandby;
    wake.wakeTimeUtc = exit.createdUtc;
    wake.reason = NumberNamed(exit, L"Reason");
    // The newest entry is this exit's only while it came first.
    if (Is(entry, kStandbyEntryEvent) && entry.createdUtc <= exit.createdUtc) wake.sleepTimeUtc = entry.createdUtc;
    return wake;
}

LastWake NewestWake(const LastWake& a, const LastWake& b) {
    if (!a.present) return b;
    if (!b.present) return a;
    return b.wakeTimeUtc > a.wakeTimeUtc ? b : a;
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
