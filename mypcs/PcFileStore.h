#pragma once
// Where the saved list lives, as one small interface so that the rules of
// reading and replacing it can be exercised without a disk.
#include <cstddef>
#include <string>

class PcFileStore {
public:
    enum class Read { Found, Missing, Failed };
    // At most `limit` bytes of the file.
    virtual Read ReadList(std::string& bytes, std::size_t limit) = 0;
    // Writes a new file beside the old one, flushes it and moves it over the
    // old one in one step; the old file is left as it was on failure.
    virtual bool ReplaceList(const std::string& bytes) = 0;

protected:
    ~PcFileStore() = default;
};
