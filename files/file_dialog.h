// The standard open and save dialogs as the editor uses them: each keeps the file name the user last
// confirmed and proposes it the next time. Tests may pre-set the next answer instead of showing a dialog.
#pragma once

#include <QFileDialog>
#include <QObject>
#include <QString>
#include <optional>

class TFileDialog : public QObject {
    Q_OBJECT
public:
    TFileDialog(QWidget *owner, QFileDialog::AcceptMode mode, const QString &title);

    QString Title;
    QString Filter;
    QString DefaultExt;  // without the dot; empty for none
    QString FileName;    // the remembered full path

    // Runs the dialog. True when the user confirmed a name, which is then in FileName; false on cancel,
    // which leaves FileName as it was.
    bool Execute();

    // Test seam: the next Execute() answers this path (or a cancel, for an empty optional) at once.
    void PresetNextAnswer(std::optional<QString> answer);

    QFileDialog::AcceptMode mode() const { return mode_; }

private:
    QWidget *owner_;
    QFileDialog::AcceptMode mode_;
    bool hasPreset_ = false;
    std::optional<QString> preset_;
};
