#pragma once
// This system's real version, whatever the manifest declares: RtlGetVersion
// does not bend it as GetVersionEx does.
#include <windows.h>

// Major * 0x100 + minor, as _WIN32_WINNT spells it (0x0602 for Windows 8);
// 0 where it cannot be read.
unsigned WindowsVersion();

// Its build number; 0 where it cannot be read.
unsigned WindowsBuild();
