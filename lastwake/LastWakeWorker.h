#pragma once
// Reads what Windows and the firmware recorded of the last wake off the
// dialog's thread, as a CWorker job: the event log may take a moment on a
// PC with a long System log, and wevtapi.dll is loaded only then. It posts
// once to the dialog; the dialog never waits for it.
#include <windows.h>

#include "LastTimeFindings.h"
#include "framework/CWorker.h"
#include "res/resource.h"

class LastWakeWorker {
public:
    // Posted to the dialog with the job's serial in wParam: the record is
    // waiting for TakeRecord.
    static constexpr UINT kRead = WM_APP_LAST_WAKE;

    // False when no thread could be started.
    bool Start(HWND window);
    // Nothing the current job posts later reaches the window.
    void Stop() { m_worker.Stop(); }

    unsigned Serial() const { return m_worker.Serial(); }
    bool IsCurrent(WPARAM serial) const { return m_worker.IsCurrent(serial); }
    // What the current job read, once it has posted; an empty record before.
    LastWakeRecord TakeRecord() const;

private:
    class Job;
    CWorker m_worker;
};
