// The search for configuration files in one folder: "*.cfg" without regard to letter case, normal files
// only (no hidden dot-files, no folders), in that folder alone. POSIX calls only, no Qt.
#pragma once

#include <string>
#include <string_view>
#include <vector>

bool IsConfigFileName(std::string_view name);

// The matching names in the order the folder yields them. Throws EInOutError when the folder cannot be read.
std::vector<std::string> FindConfigFiles(const std::string &folder);

// Whether the folder holds at least one matching file; false also when it cannot be read. Stops at the
// first match.
bool HasConfigFile(const std::string &folder);
