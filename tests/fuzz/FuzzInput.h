#pragma once
// Reads a fuzzer's bytes as a stream of small decisions. Past the end every
// read gives zero, so any input, even an empty one, decodes to something.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    bool Empty() const { return m_pos >= m_size; }
    std::uint8_t Byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    wchar_t Wide() { return static_cast<wchar_t>(Byte() | (Byte() << 8)); }

    // Mostly characters that matter to the rules, sometimes any 16-bit unit.
    wchar_t Char() {
        static const wchar_t kInteresting[] = L"0123456789abcdefABCDEFgzGZ-:. \x08\x7f";
        const std::uint8_t b = Byte();
        if (b < 200) return kInteresting[b % (sizeof kInteresting / sizeof kInteresting[0] - 1)];
        return Wide();
    }
    std::wstring Text(std::size_t maxLength) {
        std::wstring text;
        for (std::size_t n = Byte() % (maxLength + 1); n > 0 && !Empty(); --n) text += Char();
        return text;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

// A broken invariant: say which, and abort so that libFuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                            \
    do {                                                                                 \
        if (!(condition)) {                                                              \
            std::fprintf(stderr, "invariant broken at %s:%d: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                \
        }                                                                                \
    } while (0)
