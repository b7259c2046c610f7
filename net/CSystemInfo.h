#pragma once
// Small queries about this computer: the language of its locale and the
// address of its own name. No state: make one on the stack, ask once.
#include <string>

class CSystemInfo {
public:
    CSystemInfo() = default;
    virtual ~CSystemInfo() = default;

    // Names the language of the calling thread's locale ("ENGLISH_US",
    // "KOREAN", ...) into `name` (at least 27 units) and writes the primary
    // language number to the debug channel.
    void GetLanguageName(wchar_t* name);

    // The address this computer's own name resolves to, or empty text.
    void GetLocalAddress(std::wstring& text);
    static bool GetHostIPv4Address(std::wstring& text);
    bool GetHostIPv6Address(std::wstring& text);
};
