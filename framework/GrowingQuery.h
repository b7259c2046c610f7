#pragma once
// The one rule for what the system hands out in a buffer, lists and
// registry values alike, which may grow between two calls: ask, and while
// the answer is "too small", ask again at the size the last answer
// reported, a bounded number of times.
#include <windows.h>

#include <vector>

// `call(bytes, &size)` fills at most `size` bytes, or answers
// ERROR_BUFFER_OVERFLOW or ERROR_INSUFFICIENT_BUFFER with the size it needs
// written back. The first call gets `firstSize` bytes (none: a null
// pointer). Returns the last answer; `buffer` holds what that call wrote.
template <class Call>
ULONG QueryGrowing(std::vector<unsigned char>& buffer, ULONG firstSize, int retries, Call call) {
    ULONG size = firstSize;
    buffer.assign(size, 0);
    ULONG result = call(buffer.empty() ? nullptr : buffer.data(), &size);
    for (int retry = 0; retry < retries && (result == ERROR_BUFFER_OVERFLOW || result == ERROR_INSUFFICIENT_BUFFER);
         ++retry) {
        buffer.assign(size, 0);
        result = call(buffer.data(), &size);
    }
    return result;
}
