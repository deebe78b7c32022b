// The removable-drive browser: the plain-mode File > Open. It lists the removable volumes that hold
// configuration files, the files of the chosen volume with their configuration names, and opens the
// chosen file through the main window.
#pragma once

#include "removable_probe.h"

#include <QWidget>
#include <functional>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class TFileListBox;

class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr);

    TFileListBox *ListBox1 = nullptr;
    QComboBox *ComboBox1 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
    QLabel *Label1 = nullptr;
    QPushButton *Button3 = nullptr;
    QPushButton *Button4 = nullptr;

    // Shows the window (scanning the drives) or, when it is already shown, brings it to the front.
    void ShowBrowser();

    void FormShow();         // the drive scan, then the listing of the first drive
    void ComboBox1Change();  // the listing of the selected drive
    void Button3Click();     // Refresh
    void Button1Click();     // Cancel
    void Button2Click();     // Open
    void Button4Click();     // Browse...

    // Where the drive scan gets its volumes; empty for the system's removable volumes. Lets tests and
    // tools give the browser volumes without real media.
    using VolumeSource = std::function<std::vector<RemovableVolume>()>;
    static void SetVolumeSource(VolumeSource source);

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    int buttonWidth_ = 0;
    int rowHeight_ = 0;
    int comboHeight_ = 0;

    void CreateControls();
    void ConnectEvents();
    void FitToContent();
    void PlaceControls();
    void AddDrive(const RemovableVolume &volume);
    QString SelectedFolder() const;
};

// Reads the record of folder + fileName and adds its line to the file list of Form2. A failed read is
// left to the caller as an EInOutError; ConfigBuffer is never touched.
void AddFileEntry(const QString &folder, const QString &fileName);

extern TForm2 *Form2;
