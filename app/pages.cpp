#include "form1.h"

#include "application.h"
#include "code_page_edit.h"
#include "list_boxes.h"
#include "page_widgets.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

QWidget *AddPage(QTabWidget *pages, const char *name, const QString &caption)
{
    auto *page = new QWidget;
    page->setObjectName(QString::fromLatin1(name));
    pages->addTab(page, caption);
    return page;
}

QLabel *PlainLabel(QWidget *parent, const char *name, const QString &text)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

QLabel *BoldLabel(QWidget *parent, const char *name, const QString &text)
{
    QLabel *label = PlainLabel(parent, name, text);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

TEdit *FieldEdit(QWidget *parent, const char *name, CodePage page, int width)
{
    auto *edit = new TEdit(page, width, parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

int EditWidthFor(const QLineEdit *edit, int count, QChar sample)
{
    // The minimum size hint is one widest character plus the frame and margins.
    const QFontMetrics metrics(edit->font());
    const int chrome = edit->minimumSizeHint().width() - metrics.maxWidth();
    return metrics.horizontalAdvance(QString(count, sample)) + chrome;
}

QFont ListFont(const QFont &windowFont)
{
    QFont larger = windowFont;
    if (larger.pointSizeF() > 0)
        larger.setPointSizeF(larger.pointSizeF() + 1);
    else
        larger.setPixelSize(larger.pixelSize() + 2);
    return larger;
}

void ChainFocus(std::initializer_list<QWidget *> order)
{
    QWidget *previous = nullptr;
    for (QWidget *next : order) {
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

void TForm1::ConnectPageEvents()
{
    connect(Button4, &QPushButton::clicked, this, Guarded([this] { Button4Click(); }));
    connect(ListBox1, &TListBox::Click, this, Guarded([this] { ListBox1Click(); }));
    connect(CheckListBox1, &TListBox::Click, this, Guarded([this] { CheckListBox1Click(); }));
    connect(ListBox2, &TListBox::Click, this, Guarded([this] { ListBox2Click(); }));
    connect(CheckListBox3, &TListBox::Click, this, Guarded([this] { CheckListBox3Click(); }));
}
