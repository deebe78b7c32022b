#include "list_boxes.h"

#include <QKeyEvent>
#include <QMouseEvent>

TListBox::TListBox(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
}

int TListBox::ItemIndex() const
{
    const QList<QListWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.first());
}

void TListBox::NoteLeftPress(const QMouseEvent *event)
{
    leftPressed_ = true;
    indexAtPress_ = ItemIndex();
    QListWidgetItem *pressed = itemAt(event->position().toPoint());
    pressedOnItem_ = pressed != nullptr;
    // A press on an item's check box is taken by the check alone; the item is selected all the same.
    if (pressed && !pressed->isSelected())
        setCurrentItem(pressed);
}

// Only the left button selects. A selection that changed without a Click would leave a view showing one
// group or zone while the next click stores it into another.
void TListBox::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    NoteLeftPress(event);
    QListWidget::mousePressEvent(event);
}

void TListBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QListWidget::mouseReleaseEvent(event);
    // The release has toggled a check box under it, so the handler sees the new state. A press on an item
    // is a click wherever the button is let go, and a drag that moved the selection reports it too.
    const bool wasPressed = leftPressed_;
    leftPressed_ = false;
    if (wasPressed && (pressedOnItem_ || ItemIndex() != indexAtPress_))
        emit Click();
}

void TListBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    NoteLeftPress(event);
    QListWidget::mouseDoubleClickEvent(event);
}

void TListBox::keyPressEvent(QKeyEvent *event)
{
    // Arrows, Page Up/Down, Home/End and typing the start of an item move the selection.
    const int before = ItemIndex();
    QListWidget::keyPressEvent(event);
    if (ItemIndex() != before)
        emit Click();
}

// The selection is never taken away by the user (Ctrl with a click or the space bar, or a drag off the
// items, would do that in a single-selection view): a list box keeps its item until another is chosen.
QItemSelectionModel::SelectionFlags TListBox::selectionCommand(const QModelIndex &index, const QEvent *event) const
{
    const QItemSelectionModel::SelectionFlags command = QListWidget::selectionCommand(index, event);
    if (!index.isValid() || (command & QItemSelectionModel::Deselect))
        return QItemSelectionModel::NoUpdate;
    return command;
}

TCheckListBox::TCheckListBox(QWidget *parent) : TListBox(parent) {}

void TCheckListBox::addCheckItem(const QString &text)
{
    auto *item = new QListWidgetItem(text, this);
    item->setFlags((item->flags() | Qt::ItemIsUserCheckable) & ~(Qt::ItemIsUserTristate | Qt::ItemIsAutoTristate));
    item->setCheckState(Qt::Unchecked);
}

bool TCheckListBox::isChecked(int index) const { return item(index)->checkState() == Qt::Checked; }

void TCheckListBox::setChecked(int index, bool checked)
{
    item(index)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

// The space bar toggles the current item's check. That item is selected first and the toggle raises
// Click at once, so a check changed from the keyboard is stored like one changed with the mouse.
void TCheckListBox::keyPressEvent(QKeyEvent *event)
{
    const bool toggleKey = event->key() == Qt::Key_Space || event->key() == Qt::Key_Select;
    QListWidgetItem *current = currentItem();
    if (!toggleKey || !current) {
        TListBox::keyPressEvent(event);
        return;
    }
    if (!current->isSelected())
        setCurrentItem(current);
    const Qt::CheckState before = current->checkState();
    QListWidget::keyPressEvent(event);
    if (current->checkState() != before)
        emit Click();
}
