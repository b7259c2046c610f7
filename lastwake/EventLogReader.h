#pragma once
// The System event log's newest event of a kind, its values rendered by
// name (wevtapi, Windows Vista and later, loaded when first asked). Reads
// only; the System log is open to every signed-in user, and where this one
// may not read it, or the system has no such log (Windows XP and 2000),
// nothing is there.
#include "LastWakeEvents.h"

// False where there is no such event or it could not be read.
bool ReadNewestEvent(const EventSought& sought, RenderedEvent& event);

LastWake ReadLastWake();
LastStart ReadLastStart();
