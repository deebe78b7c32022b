// Groups and Restrictions pages: three list columns of equal height under bold headings; a lowered box
// frame encloses the first two.
#include "form1.h"

#include "config_record.h"
#include "list_boxes.h"
#include "page_widgets.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr int DesignListHeight = 145;
constexpr int ShownRows = 6;  // the short lists show all six items without scrolling

QStringList ZoneItems()
{
    QStringList items;
    for (int z = 0; z < ZoneCount; ++z)
        items << QString::fromStdString(ZoneLabel(z));
    return items;
}

QStringList NumberedItems(const QString &prefix)
{
    QStringList items;
    for (int i = 1; i <= 6; ++i)
        items << prefix + (prefix.isEmpty() ? QStringLiteral("0%1").arg(i) : QString::number(i));
    return items;
}

template <typename List>
List *MakeList(QWidget *parent, const char *name, const QStringList &items, bool largerFont, bool scrolls)
{
    auto *list = new List(parent);
    list->setObjectName(QString::fromLatin1(name));
    if (largerFont)
        list->setFont(ListFont(list->font()));
    for (const QString &text : items) {
        if constexpr (std::is_same_v<List, TCheckListBox>)
            list->addCheckItem(text);
        else
            list->addItem(text);
    }
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    const int scrollBar = scrolls ? list->verticalScrollBar()->sizeHint().width() : 0;
    list->setFixedWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth() + scrollBar + 8);
    return list;
}

// The height every list of a page gets: the design height, or more when six rows need it.
int ColumnHeight(std::initializer_list<QListWidget *> lists)
{
    int height = DesignListHeight;
    for (QListWidget *list : lists)
        height = qMax(height, ShownRows * list->sizeHintForRow(0) + 2 * list->frameWidth());
    return height;
}

QVBoxLayout *Column(QLabel *heading, QListWidget *list, int height)
{
    list->setFixedHeight(height);
    auto *column = new QVBoxLayout;
    column->addWidget(heading);
    column->addWidget(list);
    return column;
}

QFrame *LoweredBox(QWidget *parent, const char *name)
{
    auto *box = new QFrame(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setFrameStyle(QFrame::Box | QFrame::Sunken);
    return box;
}

// Lays out [frame: first | second] third, anchored at the top left of the page.
void LayOutThreeColumns(QWidget *page, QFrame *frame, QVBoxLayout *first, QVBoxLayout *second,
                        QVBoxLayout *third)
{
    constexpr int inset = 6;
    auto *framed = new QHBoxLayout(frame);
    framed->setContentsMargins(inset, inset, inset, inset);
    framed->addLayout(first);
    framed->addLayout(second);
    // The column outside the frame lines up with the two inside it.
    const int outside = inset + frame->frameWidth();
    third->setContentsMargins(0, outside, 0, outside);
    auto *row = new QHBoxLayout;
    row->addWidget(frame);
    row->addSpacing(4);
    row->addLayout(third);
    row->addStretch(1);
    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->addLayout(row);
    pageLayout->addStretch(1);
}

} // namespace

void TForm1::CreateGroupsPage()
{
    TabSheet5 = AddPage(PageControl1, "TabSheet5", QStringLiteral("Groups"));
    QWidget *page = TabSheet5;

    Bevel1 = LoweredBox(page, "Bevel1");
    Label5 = BoldLabel(Bevel1, "Label5", QStringLiteral("Groups"));
    ListBox1 = MakeList<TListBox>(Bevel1, "ListBox1", NumberedItems(QStringLiteral("Group ")), true, false);
    Label15 = BoldLabel(Bevel1, "Label15", QStringLiteral("Zones"));
    CheckListBox1 = MakeList<TCheckListBox>(Bevel1, "CheckListBox1", ZoneItems(), true, true);
    Label14 = BoldLabel(page, "Label14", QStringLiteral("Main"));
    CheckListBox2 = MakeList<TCheckListBox>(page, "CheckListBox2", NumberedItems(QString()), true, false);

    const int height = ColumnHeight({ListBox1, CheckListBox1, CheckListBox2});
    LayOutThreeColumns(page, Bevel1, Column(Label5, ListBox1, height), Column(Label15, CheckListBox1, height),
                       Column(Label14, CheckListBox2, height));
    ChainFocus({ListBox1, CheckListBox1, CheckListBox2});
}

void TForm1::CreateRestrictionsPage()
{
    TabSheet6 = AddPage(PageControl1, "TabSheet6", QStringLiteral("Restrictions"));
    QWidget *page = TabSheet6;

    Bevel2 = LoweredBox(page, "Bevel2");
    Label29 = BoldLabel(Bevel2, "Label29", QStringLiteral("Zones"));
    // The zone list keeps the window font; the other lists are one step larger.
    ListBox2 = MakeList<TListBox>(Bevel2, "ListBox2", ZoneItems(), false, true);
    Label30 = BoldLabel(Bevel2, "Label30", QStringLiteral("Prohibited Sources"));
    CheckListBox3 = MakeList<TCheckListBox>(Bevel2, "CheckListBox3", NumberedItems(QStringLiteral("Source ")),
                                            true, false);
    Label31 = BoldLabel(page, "Label31", QStringLiteral("Main"));
    CheckListBox4 = MakeList<TCheckListBox>(page, "CheckListBox4", NumberedItems(QString()), true, false);

    const int height = ColumnHeight({ListBox2, CheckListBox3, CheckListBox4});
    LayOutThreeColumns(page, Bevel2, Column(Label29, ListBox2, height), Column(Label30, CheckListBox3, height),
                       Column(Label31, CheckListBox4, height));
    ChainFocus({ListBox2, CheckListBox3, CheckListBox4});
}
