#pragma once
// The tables of IP Helper's newer functions (GetIfTable2, GetIpNetTable2),
// which only FreeMibTable frees; both are found at run time, from Windows
// Vista on.
#include "framework/COwned.h"

// Whether this system can free such a table: no table is asked for where
// it cannot.
bool CanFreeMibTables();
bool FreeMibTableOf(void* table);

template <class Table>
struct MibTableKind {
    using Handle = Table*;
    static Handle Empty() { return nullptr; }
    static bool Close(Handle table) { return FreeMibTableOf(table); }
};

template <class Table>
using CMibTable = COwned<MibTableKind<Table>>;
