#pragma once
// Reads what Windows and the firmware recorded of the last wake off the
// dialog's thread: the event log may take a moment on a PC with a long
// System log, and wevtapi.dll is loaded only then. It posts once to the
// dialog and never sends; the dialog never waits for it: Stop returns at
// once and the thread ends on its own.
#include <windows.h>

#include "LastTimeFindings.h"
#include "res/resource.h"

class LastWakeWorker {
public:
    // Posted to the dialog with the job's serial in wParam: the record is
    // waiting for TakeRecord.
    static constexpr UINT kRead = WM_APP_LAST_WAKE;

    LastWakeWorker() = default;
    LastWakeWorker(const LastWakeWorker&) = delete;
    LastWakeWorker& operator=(const LastWakeWorker&) = delete;
    ~LastWakeWorker() { Stop(); }

    // False when no thread could be started.
    bool Start(HWND window);
    // Nothing the current job posts later reaches the window.
    void Stop();

    unsigned Serial() const { return m_serial; }
    // What the current job read, once it has posted; an empty record before.
    LastWakeRecord TakeRecord() const;

private:
    struct Job;
    static DWORD WINAPI Run(LPVOID job);

    Job* m_job = nullptr;
    unsigned m_serial = 0;
};
