#pragma once
// A file opened for writing, closed when the object dies; moved, never
// copied. Failures come back as results, never as exceptions.
#include <windows.h>

#include <string>

#include "CHandle.h"

class CFile {
public:
    // Creates the file, replacing an existing one whole; no sharing. A file
    // this object had open is closed first, never leaked.
    bool OpenForWriting(const std::wstring& path) {
        Close();
        m_file.Reset(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        return m_file.IsSet();
    }

    bool Write(const void* data, DWORD size) {
        if (size == 0) return true;
        DWORD written = 0;
        return ::WriteFile(m_file.Get(), data, size, &written, nullptr) && written == size;
    }

    // True when nothing was open, or it closed.
    bool Close() { return !m_file.IsSet() || m_file.Reset(); }

private:
    CFileHandle m_file;
};
