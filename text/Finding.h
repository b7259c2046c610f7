#pragma once
// One sentence of the checks' findings. Plain data, platform-free.
#include <string>
#include <vector>

// A language key and the texts that fill its "%1", "%2", ...
struct Finding {
    const wchar_t* key;
    std::vector<std::wstring> args;
};
