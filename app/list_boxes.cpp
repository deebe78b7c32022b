#include "list_boxes.h"

#include <QKeyEvent>
#include <QMouseEvent>

TListBox::TListBox(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void TListBox::mouseReleaseEvent(QMouseEvent *event)
{
    QListWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && itemAt(event->position().toPoint()))
        emit Click();
}

void TListBox::keyPressEvent(QKeyEvent *event)
{
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before)
        emit Click();
}

void TListBox::keyboardSearch(const QString &search)
{
    const int before = currentRow();
    QListWidget::keyboardSearch(search);
    if (currentRow() != before)
        emit Click();
}

TCheckListBox::TCheckListBox(QWidget *parent) : TListBox(parent) {}

void TCheckListBox::addCheckItem(const QString &text)
{
    auto *item = new QListWidgetItem(text, this);
    item->setFlags((item->flags() | Qt::ItemIsUserCheckable) & ~Qt::ItemIsUserTristate);
    item->setCheckState(Qt::Unchecked);
}

bool TCheckListBox::isChecked(int index) const { return item(index)->checkState() == Qt::Checked; }

void TCheckListBox::setChecked(int index, bool checked)
{
    item(index)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}
