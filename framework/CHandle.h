#pragma once
// Owners of kernel handles: events and threads, which come back null when
// they cannot be made, and files and consoles, which come back as
// INVALID_HANDLE_VALUE.
#include <windows.h>

#include "COwned.h"

struct KernelHandleKind {
    using Handle = HANDLE;
    static Handle Empty() { return nullptr; }
    static bool Close(Handle handle) { return ::CloseHandle(handle) != FALSE; }
};

struct FileHandleKind {
    using Handle = HANDLE;
    static Handle Empty() { return INVALID_HANDLE_VALUE; }
    static bool Close(Handle handle) { return ::CloseHandle(handle) != FALSE; }
};

using CHandle = COwned<KernelHandleKind>;
using CFileHandle = COwned<FileHandleKind>;
