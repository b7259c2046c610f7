#pragma once
// The hardware address of the adapter that carries this computer's own
// address.
#include <string>

#include "net/AdapterList.h"

// 12 upper-case hex digits, or empty text when no adapter qualifies.
std::wstring QueryOwnMacAddress(AdapterSource& source);
