#pragma once
// A fact that the system may or may not report. Platform-free.

// A fact that an older system does not report stays unknown: never guessed.
enum class Known : unsigned char { Unknown, No, Yes };
