// General page: the configuration name, the options, the clear button and the two version lines.
#include "form1.h"

#include "code_page_edit.h"
#include "config_record.h"
#include "page_widgets.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

namespace {

QCheckBox *OptionBox(QWidget *parent, const char *name, const QString &caption)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

// A version label keeps room for the longest text a two-character number can give, so that a longer
// version never pushes the line out of the page.
void ReserveVersionRoom(QLabel *label, const QString &prefix)
{
    const QFontMetrics metrics(label->font());
    int widest = 0;
    for (const char *numbers : {"99.99", "-9.-9"})
        widest = qMax(widest, metrics.horizontalAdvance(prefix + QLatin1String(numbers)));
    label->setMinimumWidth(widest);
}

} // namespace

void TForm1::CreateGeneralPage()
{
    TabSheet1 = AddPage(PageControl1, "TabSheet1", QStringLiteral("General"));
    QWidget *page = TabSheet1;

    Label1 = BoldLabel(page, "Label1", QStringLiteral("Name of Configuration:"));
    // The name is shown as the switcher's display shows it: fixed-pitch, in code page 437.
    Edit1 = FieldEdit(page, "Edit1", CodePage::Oem437, int(ConfigNameWidth));
    Edit1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Edit1->setFixedHeight(qMax(20, Edit1->sizeHint().height()));
    Edit1->setMinimumWidth(qMax(361, EditWidthFor(Edit1, int(ConfigNameWidth), QLatin1Char('W'))));

    Label26 = BoldLabel(page, "Label26", QStringLiteral("Options"));
    Button4 = new QPushButton(QStringLiteral("Clear this configuration file"), page);
    Button4->setObjectName(QStringLiteral("Button4"));
    Button4->setMinimumSize(Button4->sizeHint().expandedTo(QSize(161, 21)));

    CheckBox2 = OptionBox(page, "CheckBox2", QStringLiteral("Disable Front Panel"));
    CheckBox6 = OptionBox(page, "CheckBox6", QStringLiteral("Restriction Feedback"));
    CheckBox3 = OptionBox(page, "CheckBox3", QStringLiteral("Disable Front Infrared Receiver"));
    CheckBox4 = OptionBox(page, "CheckBox4", QStringLiteral("Display Blanking"));
    // Never shown: it carries bit 3 of the option byte from the file read to the file written.
    CheckBox1 = OptionBox(page, "CheckBox1", QStringLiteral("Front Panel Infrared Source Control"));
    CheckBox1->hide();

    const QString utilityPrefix = QStringLiteral("Utility Software Version: ");
    const QString firmwarePrefix = QStringLiteral("Tessora Firmware Version: ");
    Label28 = PlainLabel(page, "Label28", utilityPrefix + QStringLiteral("1.3"));
    Label27 = PlainLabel(page, "Label27", firmwarePrefix + QStringLiteral("0.0"));
    // Right-aligned in a cell that ends at the page's right margin: its right edge stays put.
    Label27->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ReserveVersionRoom(Label28, utilityPrefix);
    ReserveVersionRoom(Label27, firmwarePrefix);

    auto *grid = new QGridLayout(page);
    grid->addWidget(Label1, 0, 0, 1, 2);
    grid->addWidget(Edit1, 1, 0, 1, 2);
    grid->setRowMinimumHeight(2, 4);
    grid->addWidget(Label26, 3, 0, Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(Button4, 3, 1, Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(CheckBox2, 4, 0);
    grid->addWidget(CheckBox6, 4, 1);
    grid->addWidget(CheckBox3, 5, 0);
    grid->addWidget(CheckBox4, 6, 0);
    grid->addWidget(CheckBox1, 7, 0);
    grid->setRowStretch(8, 1);
    grid->addWidget(Label28, 9, 0, Qt::AlignLeft | Qt::AlignBottom);
    grid->addWidget(Label27, 9, 1, Qt::AlignRight | Qt::AlignBottom);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    // Down the left column, then the clear button, then "Restriction Feedback"; the hidden box is skipped.
    ChainFocus({Edit1, CheckBox2, CheckBox3, CheckBox4, CheckBox1, Button4, CheckBox6});
}
