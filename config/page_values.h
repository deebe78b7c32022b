// What the editor pages hold of a record, as plain values: the texts as their field bytes, the option
// checks and the two Main lists. The pages show these values and take them back; the rules of which byte
// goes where live here, free of widgets, so they can be checked against any record.
#pragma once

#include "config_record.h"

#include <array>
#include <string>

struct TPageValues {
    std::string configName;
    std::array<std::string, SourceCount> sourceShortNames;
    std::array<std::string, SourceCount> sourceFullNames;
    std::array<std::string, GroupCount> groupShortNames;
    std::array<std::string, GroupCount> groupFullNames;
    std::array<std::string, InstallerLineCount> installerLines;
    // Option bits 3 to 7 of byte 411, by bit number.
    std::array<bool, 8> options{};
    std::array<bool, GroupCount> mainGroups{};
    std::array<bool, SourceCount> mainRestrictions{};
    // "major.minor" as the version labels show them.
    std::string utilityVersion;
    std::string firmwareVersion;
};

constexpr int FirstOptionBit = 3;

// The values an open or a clear shows.
TPageValues LoadPageValues(const TConfigRecord &record);
// Stores the values as a save does: stamps the utility version and writes the texts, option bits 3 to 7
// and bits 0 to 5 of the two Main bytes. Every other byte stays as it was.
void StorePageValues(const TPageValues &values, TConfigRecord &record);
