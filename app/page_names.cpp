// Source Names and Group Names pages: a grid of six rows, each a row number, a short and a full name.
#include "form1.h"

#include "code_page_edit.h"
#include "config_record.h"
#include "page_widgets.h"

#include <QGridLayout>
#include <QLabel>
#include <QTabWidget>

namespace {

struct NameRow {
    QLabel *&number;
    TEdit *&shortName;
    TEdit *&fullName;
    const char *numberName;
    const char *shortEditName;
    const char *fullEditName;
};

// Builds heading, column labels and rows into the page; focus moves row by row.
void BuildNameGrid(QWidget *page, QLabel *&heading, const char *headingName, const QString &headingText,
                   QLabel *&hash, const char *hashName, QLabel *&shortHead, const char *shortHeadName,
                   QLabel *&fullHead, const char *fullHeadName, std::initializer_list<NameRow> rows)
{
    heading = BoldLabel(page, headingName, headingText);
    hash = BoldLabel(page, hashName, QStringLiteral("#"));
    shortHead = BoldLabel(page, shortHeadName, QStringLiteral("Short Name"));
    fullHead = BoldLabel(page, fullHeadName, QStringLiteral("Full Name"));

    auto *grid = new QGridLayout(page);
    grid->addWidget(heading, 0, 0, 1, 3);
    grid->addWidget(hash, 1, 0);
    grid->addWidget(shortHead, 1, 1);
    grid->addWidget(fullHead, 1, 2);
    int row = 2;
    QWidget *previous = nullptr;
    for (const NameRow &entry : rows) {
        entry.number = BoldLabel(page, entry.numberName, QString::number(row - 1));
        entry.shortName = FieldEdit(page, entry.shortEditName, CodePage::Windows1252, int(ShortNameWidth));
        entry.fullName = FieldEdit(page, entry.fullEditName, CodePage::Windows1252, int(FullNameWidth));
        entry.shortName->setFixedWidth(
            qMax(57, EditWidthFor(entry.shortName, int(ShortNameWidth), QLatin1Char('W'))));
        entry.fullName->setFixedWidth(
            qMax(217, EditWidthFor(entry.fullName, int(FullNameWidth), QLatin1Char('W'))));
        grid->addWidget(entry.number, row, 0);
        grid->addWidget(entry.shortName, row, 1);
        grid->addWidget(entry.fullName, row, 2);
        // Row by row, short name before full name.
        if (previous)
            QWidget::setTabOrder(previous, entry.shortName);
        QWidget::setTabOrder(entry.shortName, entry.fullName);
        previous = entry.fullName;
        ++row;
    }
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(row, 1);
}

} // namespace

void TForm1::CreateSourceNamesPage()
{
    TabSheet3 = AddPage(PageControl1, "TabSheet3", QStringLiteral("Source Names"));
    BuildNameGrid(TabSheet3, Label13, "Label13", QStringLiteral("Enter Custom Source Names"), Label3, "Label3",
                  Label4, "Label4", Label12, "Label12",
                  {{Label2, Edit2, Edit3, "Label2", "Edit2", "Edit3"},
                   {Label6, Edit4, Edit5, "Label6", "Edit4", "Edit5"},
                   {Label7, Edit6, Edit7, "Label7", "Edit6", "Edit7"},
                   {Label8, Edit8, Edit9, "Label8", "Edit8", "Edit9"},
                   {Label9, Edit10, Edit11, "Label9", "Edit10", "Edit11"},
                   {Label10, Edit12, Edit13, "Label10", "Edit12", "Edit13"}});
}

void TForm1::CreateGroupNamesPage()
{
    TabSheet4 = AddPage(PageControl1, "TabSheet4", QStringLiteral("Group Names"));
    BuildNameGrid(TabSheet4, Label25, "Label25", QStringLiteral("Enter Custom Group Names"), Label17, "Label17",
                  Label18, "Label18", Label24, "Label24",
                  {{Label16, Edit18, Edit19, "Label16", "Edit18", "Edit19"},
                   {Label19, Edit20, Edit21, "Label19", "Edit20", "Edit21"},
                   {Label20, Edit22, Edit23, "Label20", "Edit22", "Edit23"},
                   {Label21, Edit24, Edit25, "Label21", "Edit24", "Edit25"},
                   {Label22, Edit26, Edit27, "Label22", "Edit26", "Edit27"},
                   {Label23, Edit28, Edit29, "Label23", "Edit28", "Edit29"}});
}
