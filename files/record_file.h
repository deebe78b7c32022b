// Reading and writing one configuration record, with the editor's failure texts.
// POSIX calls only (no Qt), kept in this one place so another system can have its own beside it.
#pragma once

#include "config_record.h"

#include <stdexcept>
#include <string>

// Codes of the failures that are not the system's own.
constexpr int ReadBeyondEndCode = 100;
constexpr int DiskFullCode = 101;

// A failed file step. code() is the kind of failure; what() is the text shown to the user.
class EInOutError : public std::runtime_error {
public:
    EInOutError(int code, const std::string &text) : std::runtime_error(text), code_(code) {}
    int code() const { return code_; }

private:
    int code_;
};

// The failure text for a system error number met while working on path.
EInOutError FileError(int errnum, const std::string &path);
EInOutError ShortReadError();
EInOutError ShortWriteError();

// Reads the first ConfigRecordSize bytes of an existing file. The file must be writable, as the editor
// opens files for reading and writing. Throws EInOutError; record is untouched on failure.
void ReadRecord(const std::string &path, TConfigRecord &record);

// Replaces path with exactly ConfigRecordSize bytes. The bytes go to a temporary file in the same folder
// that is renamed over the target, so a failed save leaves the old file whole. A successful save also
// removes the temporary files that killed saves of the same target left behind. Throws EInOutError.
void WriteRecord(const std::string &path, const TConfigRecord &record);
