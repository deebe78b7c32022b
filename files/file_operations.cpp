#include "file_operations.h"

#include "config_buffer.h"
#include "file_dialog.h"
#include "form1.h"
#include "form2.h"
#include "record_file.h"
#include "record_transfer.h"

#include <QAction>
#include <QFile>
#include <QMessageBox>
#include <QTimer>

QString CurrentFileName;

namespace {

const QString EditingPrefix = QStringLiteral("Editing: ");
const QString SavedPrefix = QStringLiteral("Saved: ");

std::string LocalPath(const QString &path) { return QFile::encodeName(path).toStdString(); }

// Writes the record (after the pages are stored into it) and shows the "Saved: " status.
void WriteAndShowSaved(const QString &path)
{
    WriteRecord(LocalPath(path), ConfigBuffer);
    Form1->setWindowTitle(SavedPrefix + NamePart(path));
    // A save while the timer runs leaves it running: the title returns 5 seconds after the first save.
    if (!Form1->Timer1->isActive())
        Form1->Timer1->start();
}

} // namespace

QString NamePart(const QString &path) { return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1); }

void ShowFileError(const QString &text)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), text, QMessageBox::Ok, Form1);
    box.exec();
}

void SaveConfig()
{
    try {
        FormToConfig();
        WriteAndShowSaved(CurrentFileName);
    } catch (const std::exception &error) {
        ShowFileError(QString::fromLocal8Bit(error.what()));
    }
}

void SaveConfigAs()
{
    if (!Form1->SaveDialog1->Execute())
        return;
    try {
        FormToConfig();
        WriteAndShowSaved(Form1->SaveDialog1->FileName);
    } catch (const std::exception &error) {
        ShowFileError(QString::fromLocal8Bit(error.what()));
    }
}

void TForm1::Load1Click()
{
    if (AdvancedOpenSave1->isChecked())
        OpenConfigMap();
    else
        Form2->ShowBrowser();
}

void TForm1::Save1Click()
{
    if (AdvancedOpenSave1->isChecked())
        SaveConfigAs();
    else if (!CurrentFileName.isEmpty())
        SaveConfig();
}

void TForm1::AdvancedOpenSave1Click()
{
    // The action is checkable, so Qt has already reversed the mark; nothing else changes.
}

// An open reads into a scratch record and commits title, names, buffer and pages only after a complete
// read, so a failed open leaves the editor exactly as it was.
bool TForm1::OpenConfig(const QString &path)
{
    try {
        TConfigRecord record;
        ReadRecord(LocalPath(path), record);
        if (record.isBlank())
            MakeEmptyRecord(record);
        setWindowTitle(EditingPrefix + NamePart(path));
        SaveDialog1->FileName = path;
        ConfigBuffer = record;
        ConfigToForm();
        return true;
    } catch (const std::exception &error) {
        ShowFileError(QString::fromLocal8Bit(error.what()));
        return false;
    }
}

void TForm1::OpenConfigMap()
{
    if (!OpenDialog1->Execute())
        return;
    const QString path = OpenDialog1->FileName;
    try {
        TConfigRecord record;
        ReadRecord(LocalPath(path), record);
        if (record.isBlank())
            MakeEmptyRecord(record);
        CurrentFileName = path;
        // The save dialog proposes the opened file too, so a hurried save never lands on an earlier one.
        SaveDialog1->FileName = path;
        setWindowTitle(EditingPrefix + NamePart(path));
        ConfigBuffer = record;
        ConfigToForm();
    } catch (const std::exception &error) {
        ShowFileError(QString::fromLocal8Bit(error.what()));
    }
}

void TForm1::Timer1Timer()
{
    Timer1->stop();
    setWindowTitle(EditingPrefix + NamePart(SaveDialog1->FileName));
}

void TForm1::Button4Click()
{
    MakeBlankRecord(ConfigBuffer);
    ConfigToForm();
}
