#pragma once
// A critical section with its owner, and the guard that holds it for a scope:
// what a worker's thread hands to the window's thread passes under one.
#include <windows.h>

class CCriticalSection {
public:
    CCriticalSection() { ::InitializeCriticalSection(&m_section); }
    CCriticalSection(const CCriticalSection&) = delete;
    CCriticalSection& operator=(const CCriticalSection&) = delete;
    ~CCriticalSection() { Close(&m_section); }

    class Lock {
    public:
        explicit Lock(CCriticalSection& section) : m_section(section.m_section) { ::EnterCriticalSection(&m_section); }
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;
        ~Lock() { ::LeaveCriticalSection(&m_section); }

    private:
        CRITICAL_SECTION& m_section;
    };

private:
    static void Close(CRITICAL_SECTION* section) { ::DeleteCriticalSection(section); }

    CRITICAL_SECTION m_section;
};
