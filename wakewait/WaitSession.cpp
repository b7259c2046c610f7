#include "WaitSession.h"

#include "WaitTexts.h"
#include "net/Ipv4.h"
#include "text/LangTexts.h"
#include "text/TextArgs.h"

namespace {

std::wstring Lines(const std::wstring& first, const std::wstring& second) {
    if (first.empty() || second.empty()) return first + second;
    return first + L"\n" + second;
}

}  // namespace

std::wstring WaitSession::Text(const wchar_t* key, std::uint32_t seconds) const {
    return FillArgs(LocalizedText(key), WaitTextArgs(m_wait, m_shown, m_address, seconds));
}

std::vector<std::wstring> WaitSession::TakeSaid() {
    std::vector<std::wstring> said;
    said.swap(m_said);
    return said;
}

bool WaitSession::SawOtherDevice() const {
    MacAddress other{};
    return m_wait.OtherDevice(other);
}

unsigned long WaitSession::NeighbourIndex(bool systemHasNeighbourProbe) const {
    if (m_row < 0 || !systemHasNeighbourProbe) return 0;
    return m_adapters[m_rows[static_cast<std::size_t>(m_row)].adapter].index;
}

WaitStep WaitSession::Begin(const std::wstring& target, std::vector<Adapter> adapters) {
    std::uint32_t address = 0;
    const TargetKind kind = ParseTarget(target, address);
    return Begin(target, kind, address, std::move(adapters));
}

WaitStep WaitSession::Begin(const std::wstring& target, TargetKind kind, std::uint32_t address,
                            std::vector<Adapter> adapters) {
    m_wait = WaitMachine();
    m_adapters = std::move(adapters);
    m_rows = SubnetsOf(m_adapters);
    m_target = m_shown = target;
    m_resolved = m_refused = false;
    m_row = -1;
    m_warning.clear();
    m_other.clear();
    m_said.clear();
    m_address = address;
    if (kind == TargetKind::Invalid) {
        m_status = LocalizedText(L"WAIT_BAD_ADDRESS");
        return WaitStep::Done;
    }
    m_name = kind == TargetKind::Name;
    // A typed address is refused before anything starts.
    const Refusal refusal = m_name ? Refusal::None : RefuseAddress(m_address, m_adapters);
    if (refusal != Refusal::None) return Refuse(refusal);
    m_wait.Start(m_pc, m_limitSeconds * 1000);
    m_status = Text(L"WAIT_CHECKING", 0);
    return WaitStep::Resolve;
}

// A name's address is held to the rules of a typed one.
WaitStep WaitSession::Resolved(std::uint32_t address) {
    if (m_wait.State() != WaitState::Checking || m_resolved) return OutOfTurn();
    m_resolved = true;
    m_address = address;
    if (m_name) m_shown = m_target + L" (" + DottedQuad(address) + L")";
    const Refusal refusal = RefuseAddress(address, m_adapters);
    if (refusal != Refusal::None) {
        m_wait.SendFailed();
        return Refuse(refusal);
    }
    m_row = LocalRowFor(address, m_adapters, m_rows);
    if (m_row < 0) {
        m_warning = Text(L"WAIT_OFF_NETWORK", 0);
        Say(m_warning);
    }
    return WaitStep::FirstRound;
}

WaitStep WaitSession::Unresolved() {
    return m_wait.State() == WaitState::Checking && !m_resolved ? WaitStep::Send : OutOfTurn();
}

WaitStep WaitSession::Round(const ProbeRound& round, std::uint32_t nowMs) {
    if (!m_resolved || !IsRunning()) return OutOfTurn();
    if (m_wait.State() == WaitState::Checking) {
        const bool send = m_wait.FirstProbe(round);
        NoteOtherDevice();
        return send ? WaitStep::Send : Finish();
    }
    const bool going = m_wait.Probe(round, nowMs);
    NoteOtherDevice();
    if (!going) return Finish();
    ShowProgress(nowMs);
    return WaitStep::NextRound;
}

WaitStep WaitSession::SendDone(bool anySent, const std::wstring& failure, std::uint32_t nowMs) {
    if (m_wait.State() != WaitState::Checking) return OutOfTurn();
    if (!anySent) {
        m_wait.SendFailed();
        m_status = failure;
        return WaitStep::Done;
    }
    m_wait.Sent(nowMs, m_resolved);
    if (!m_resolved) return Finish();
    ShowProgress(nowMs);
    return WaitStep::NextRound;
}

WaitStep WaitSession::Stop(std::uint32_t nowMs) {
    if (!IsRunning()) return WaitStep::Done;
    m_wait.Stop(nowMs);
    return Finish();
}

// Nothing is sent to an address that is no other PC.
WaitStep WaitSession::Refuse(Refusal refusal) {
    m_refused = true;
    m_status = Text(refusal == Refusal::OwnAddress ? L"WAIT_OWN_ADDRESS" : L"WAIT_NOT_A_PC", 0);
    Say(m_status);
    return WaitStep::Done;
}

// Said at once, and before every status line after it: its answers never count.
void WaitSession::NoteOtherDevice() {
    if (!SawOtherDevice()) return;
    const bool first = m_other.empty();
    m_other = Text(L"WAIT_OTHER_DEVICE", 0);
    if (first) Say(m_other);
}

void WaitSession::ShowProgress(std::uint32_t nowMs) {
    const std::wstring waiting =
        FillArgs(LocalizedText(L"WAIT_WAITING"), {m_shown, DecimalText(m_wait.ElapsedSeconds(nowMs))});
    m_status = Lines(Lines(m_warning, m_other), waiting);
}

WaitStep WaitSession::Finish() {
    const bool timedOut = m_wait.State() == WaitState::TimedOut;
    const std::wstring verdict = timedOut && m_ownLimit ? Text(kWaitNoAnswerInChosenTime, m_limitSeconds)
                                                        : Text(m_wait.VerdictKey(), m_wait.FinalSeconds());
    Say(verdict);
    m_status = Lines(m_warning, verdict);
    if (SawOtherDevice()) {
        const std::wstring final = Text(L"WAIT_OTHER_DEVICE_FINAL", 0);
        Say(final);
        m_status += L"\n" + final;
    }
    return WaitStep::Done;
}
