#pragma once
// Registry values as the registry holds them, and the numbers they hold.
// Platform-free.
#include <cstdint>

// A number as the registry held it: absent, unreadable and of a type that
// holds no number all read as not present.
struct RegNumber {
    bool present = false;
    std::uint32_t value = 0;
};
