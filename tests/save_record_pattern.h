// The records of the save-atomicity test: record n is all 0x11 (n even) or all 0x22 (n odd) with n in
// its first four bytes, so that any mix of two records, or a short file, is told apart from a whole one.
#pragma once

#include "config_record.h"

#include <cstdint>
#include <cstring>

inline void FillSaveRecord(TConfigRecord &record, std::uint32_t number)
{
    record.fill(number % 2 ? 0x22 : 0x11);
    std::memcpy(record.bytes(), &number, sizeof number);
}

// True when bytes hold exactly one whole record n; n is returned through number.
inline bool IsWholeSaveRecord(const std::uint8_t *bytes, std::size_t size, std::uint32_t &number)
{
    if (size != ConfigRecordSize)
        return false;
    std::memcpy(&number, bytes, sizeof number);
    const std::uint8_t fill = number % 2 ? 0x22 : 0x11;
    for (std::size_t i = sizeof number; i < size; ++i) {
        if (bytes[i] != fill)
            return false;
    }
    return true;
}
