#pragma once
// What Windows and the firmware recorded of the last wake, read on the
// calling thread: the check reads it on its worker (LastWakeWorker), the
// command line's report, which has no window to keep responsive, at once.
#include "LastTimeFindings.h"

LastWakeRecord ReadLastWakeRecord();
