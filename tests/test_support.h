// Shared pieces of the GUI tests: a fresh editor per test, records made in code, files in a scratch folder.
#pragma once

#include "config_record.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <functional>

class TForm1;

// Creates Form1 and Form2 as the program does, with every global at its start value; deletes them again.
class EditorFixture {
public:
    EditorFixture();
    ~EditorFixture();
    TForm1 *form() const;
};

// A record of the given bytes (padded with zeros or cut to 2048).
QByteArray RecordBytes(const TConfigRecord &record);
TConfigRecord RecordFrom(const QByteArray &bytes);
// A non-blank record with every byte set from a fixed seed.
TConfigRecord RandomRecord(unsigned seed);

bool WriteBytes(const QString &path, const QByteArray &bytes);

// Opens a file as the browser does: the open, then the file becomes the plain Save's target.
void OpenAsBrowser(const QString &path);
QByteArray ReadBytes(const QString &path);

// Answers the next modal dialog that opens (a message box or a file dialog) by calling `answer` on it
// from the event loop; returns the dialog's window title and text through the outputs when asked.
struct SeenBox {
    QString title;
    QString text;
    int icon = 0;
};
void AnswerNextMessageBox(SeenBox *seen);
