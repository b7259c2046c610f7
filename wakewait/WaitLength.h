#pragma once
// How long Wake and wait watches for the PC after the send, unless the
// command line says otherwise.
#include <cstdint>

constexpr std::uint32_t kWaitSeconds = 180;
