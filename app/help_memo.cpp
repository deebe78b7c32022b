#include "help_memo.h"

#include <QMouseEvent>

THelpMemo::THelpMemo(QWidget *parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    // Keep the caret so the keys scroll and move it, as in any read-only text.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

// Mouse events reach this handler from the text area only; the scroll bar handles its own.
void THelpMemo::mouseReleaseEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        emit Click();
}
