#include "file_dialog.h"

#include <QFileInfo>

TFileDialog::TFileDialog(QWidget *owner, QFileDialog::AcceptMode mode, const QString &title)
    : QObject(owner), Title(title), owner_(owner), mode_(mode)
{
}

void TFileDialog::PresetNextAnswer(std::optional<QString> answer)
{
    hasPreset_ = true;
    preset_ = std::move(answer);
}

bool TFileDialog::Execute()
{
    if (hasPreset_) {
        hasPreset_ = false;
        if (!preset_)
            return false;
        FileName = *preset_;
        return true;
    }

    // Qt's own dialog everywhere: the same behaviour on every desktop, and a typed name of a missing
    // file is accepted by the open dialog (the read then reports it).
    QFileDialog dialog(owner_, Title);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(mode_);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(Filter.split(QStringLiteral(";;")));
    if (!DefaultExt.isEmpty())
        dialog.setDefaultSuffix(DefaultExt);
    if (!FileName.isEmpty()) {
        const QFileInfo remembered(FileName);
        dialog.setDirectory(remembered.absolutePath());
        dialog.selectFile(remembered.fileName());
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    FileName = dialog.selectedFiles().constFirst();
    return true;
}
