#include "form2.h"

TForm2 *Form2 = nullptr;

TForm2::TForm2(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Open Configuration File"));
}

void TForm2::ShowBrowser()
{
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    show();
}
