#include "file_list_box.h"

#include "file_entry_line.h"

#include <QMouseEvent>

namespace {

constexpr int FileNameRole = Qt::UserRole;

class TFileLine : public QListWidgetItem {
public:
    using QListWidgetItem::QListWidgetItem;
    bool operator<(const QListWidgetItem &other) const override { return FileEntryLess(text(), other.text()); }
};

} // namespace

TFileListBox::TFileListBox(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
}

void TFileListBox::addFileLine(const QString &line, const QString &fileName)
{
    auto *item = new TFileLine(line);
    item->setData(FileNameRole, fileName);
    addItem(item);
}

QString TFileListBox::FileNameOf(const QListWidgetItem *item) { return item->data(FileNameRole).toString(); }

void TFileListBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    QListWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit DblClick();
}
