#pragma once
// A file opened for writing, closed when the object dies. Failures come back
// as results, never as exceptions.
#include <windows.h>

#include <string>

class CFile {
public:
    CFile() = default;
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;
    ~CFile() { Close(); }

    // Creates the file, replacing an existing one whole; no sharing. A file
    // this object had open is closed first, never leaked.
    bool OpenForWriting(const std::wstring& path) {
        Close();
        m_hFile = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        return m_hFile != INVALID_HANDLE_VALUE;
    }

    bool Write(const void* data, DWORD size) {
        if (size == 0) return true;
        DWORD written = 0;
        return ::WriteFile(m_hFile, data, size, &written, nullptr) && written == size;
    }

    bool Close() {
        if (m_hFile == INVALID_HANDLE_VALUE) return true;
        const bool closed = ::CloseHandle(m_hFile) != FALSE;
        m_hFile = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE m_hFile = INVALID_HANDLE_VALUE;
};
