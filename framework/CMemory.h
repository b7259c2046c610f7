#pragma once
// Owners of memory blocks the system hands out or takes: a local block
// (what CommandLineToArgvW returns) and a global one (what the clipboard
// takes; Release once it has).
#include <windows.h>

#include "COwned.h"

struct LocalMemoryKind {
    using Handle = HLOCAL;
    static Handle Empty() { return nullptr; }
    static bool Close(Handle block) { return ::LocalFree(block) == nullptr; }
};

struct GlobalMemoryKind {
    using Handle = HGLOBAL;
    static Handle Empty() { return nullptr; }
    static bool Close(Handle block) { return ::GlobalFree(block) == nullptr; }
};

using CLocalMemory = COwned<LocalMemoryKind>;
using CGlobalMemory = COwned<GlobalMemoryKind>;
