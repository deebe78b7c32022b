// The lines of the browser's file list: "[", the file name right-aligned to 13 characters, "]   " and the
// configuration name, and the order the sorted list keeps them in.
#pragma once

#include "config_record.h"

#include <QString>

constexpr int FileNameColumnWidth = 13;

// The line of a file whose record was read; a blank record shows the blank marker text.
QString FileEntryLine(const QString &fileName, const TConfigRecord &record);

// The line of a file that could not be read, with the failure text in place of the configuration name.
QString UnreadableEntryLine(const QString &fileName, const QString &failure);

// The sorted list's order: alphabetical without regard to letter case, a space before every other
// character, so that shorter right-aligned names come first.
bool FileEntryLess(const QString &a, const QString &b);
