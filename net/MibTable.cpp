#include "MibTable.h"

#include <windows.h>

#include "framework/SystemLibrary.h"

namespace {

using FreeMibTableFn = VOID(WINAPI*)(PVOID);

FreeMibTableFn FreeFunction() {
    static const auto fn = FindSystemProc<FreeMibTableFn>(L"iphlpapi.dll", "FreeMibTable");
    return fn;
}

}  // namespace

bool CanFreeMibTables() {
    return FreeFunction() != nullptr;
}

bool FreeMibTableOf(void* table) {
    if (!FreeFunction()) return false;
    FreeFunction()(table);
    return true;
}
