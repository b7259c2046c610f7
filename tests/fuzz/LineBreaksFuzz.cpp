// The language file's line-break rule on any text.
#include <algorithm>

#include "FuzzInput.h"
#include "app/LineBreaks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::wstring text;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        // Bytes below 0x80 stand for '\\' and 'n' often enough to matter.
        const std::uint8_t b = data[i];
        text += b < 0x40 ? L'\\' : b < 0x80 ? L'n' : static_cast<wchar_t>(b | (data[i + 1] << 8));
    }
    const std::wstring result = ExpandLineBreaks(text);

    // Each replaced pair shortens the text by one and adds one line feed.
    const auto feeds = [](const std::wstring& s) { return std::count(s.begin(), s.end(), L'\n'); };
    FUZZ_CHECK(result.size() <= text.size());
    FUZZ_CHECK(feeds(result) - feeds(text) == static_cast<long>(text.size() - result.size()));
    // Putting the pairs back gives the text again: nothing else changed.
    std::wstring back;
    std::size_t from = 0;
    for (wchar_t c : result) {
        const bool wasPair = c == L'\n' && text.compare(from, 2, L"\\n") == 0;
        back += wasPair ? L"\\n" : std::wstring(1, c);
        from += wasPair ? 2 : 1;
    }
    FUZZ_CHECK(back == text);
    return 0;
}
