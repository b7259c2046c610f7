#pragma once
// Whether this PC can be woken from sleep, from hibernation and from
// shutdown by the card that can wake it, as far as Windows can tell: the
// card's own settings and its device's deepest wake, and the PC's power
// states. Where Windows reports nothing that decides, the answer is that it
// cannot tell, never yes. Platform-free.
#include <vector>

#include "net/Adapter.h"
#include "power/PowerFacts.h"

// What said whether Fast Startup is on: the keys (off, or on where the power
// structure was not read), the kernel's Hiberboot byte where the keys say
// on (Windows 8 and later), or the version: before Windows 8 there is none.
enum class FastStartupBy { Keys, Hiberboot, BeforeWindows8 };

// What decides beyond the cards.
struct PcPower {
    PowerStates states;
    bool hibernationOff = false;  // HibernateEnabled 0
    bool fastStartup = false;     // as FastStartupBy says
    FastStartupBy fastStartupBy = FastStartupBy::Keys;
};

// The PC has S4 and a hibernation file that is not reduced to Fast
// Startup's (where it says), and hibernation is not switched off.
bool CanHibernate(const PcPower& power);

// Fast Startup is a hibernation: none where the PC has no S4.
bool FastStartupInEffect(const PcPower& power);

enum class Verdict { Yes, No, CannotTell };

// One line: the power state and the answer, each a language key.
struct VerdictLine {
    const wchar_t* state;
    const wchar_t* answer;
    Verdict verdict;
};

// Sleep (or Modern Standby), hibernation, shutdown; for the card that can
// wake this PC (`card`, -1 where there is none: then nothing can be told).
std::vector<VerdictLine> WakeVerdicts(const std::vector<Adapter>& adapters, int card, const PcPower& power);
