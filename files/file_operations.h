// The File menu's state and the two save routines; the other file handlers are methods of TForm1.
#pragma once

#include <QString>

// The target of the plain Save; empty until a file has been opened.
extern QString CurrentFileName;

// The text after the last path separator ("Editing: " shows it).
QString NamePart(const QString &path);

void SaveConfig();
void SaveConfigAs();

// Shows a failed file step in the editor's error box.
void ShowFileError(const QString &text);
