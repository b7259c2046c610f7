#pragma once
// UTF-8, as files written for other programs hold it. Platform-free.
#include <string>

// False for anything that is not well-formed UTF-8 (overlong forms,
// surrogates, past U+10FFFF, cut sequences); `text` is then incomplete.
bool DecodeUtf8(const std::string& bytes, std::wstring& text);

// An unpaired surrogate becomes U+FFFD.
std::string EncodeUtf8(const std::wstring& text);
