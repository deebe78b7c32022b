// Installer page: four lines of installer information.
#include "form1.h"

#include "code_page_edit.h"
#include "config_record.h"
#include "page_widgets.h"

#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

void TForm1::CreateInstallerPage()
{
    TabSheet2 = AddPage(PageControl1, "TabSheet2", QStringLiteral("Installer"));
    QWidget *page = TabSheet2;

    Label11 = BoldLabel(page, "Label11", QStringLiteral("Enter Installer Information"));
    const int width = int(InstallerLineWidth);
    Edit14 = FieldEdit(page, "Edit14", CodePage::Windows1252, width);
    Edit15 = FieldEdit(page, "Edit15", CodePage::Windows1252, width);
    Edit16 = FieldEdit(page, "Edit16", CodePage::Windows1252, width);
    Edit17 = FieldEdit(page, "Edit17", CodePage::Windows1252, width);

    auto *column = new QVBoxLayout(page);
    column->addWidget(Label11);
    // The lines stand 32 pixels apart, or further when the font needs it.
    const int rowGap = qMax(6, 32 - Edit14->sizeHint().height());
    for (TEdit *line : {Edit14, Edit15, Edit16, Edit17}) {
        line->setMinimumWidth(EditWidthFor(line, width, QLatin1Char('N')));
        column->addSpacing(line == Edit14 ? 0 : rowGap - column->spacing());
        column->addWidget(line);
    }
    column->addStretch(1);

    ChainFocus({Edit14, Edit15, Edit16, Edit17});
}
