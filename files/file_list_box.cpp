#include "file_list_box.h"

#include "file_entry_line.h"

#include <QMouseEvent>
#include <algorithm>

namespace {

constexpr int FileNameRole = Qt::UserRole;

} // namespace

TFileListBox::TFileListBox(QWidget *parent) : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
}

void TFileListBox::setSorted(bool sorted)
{
    if (sorted == sorted_)
        return;
    sorted_ = sorted;
    if (!sorted_ || count() == 0)
        return;
    std::vector<PendingLine> lines;
    lines.reserve(std::size_t(count()));
    for (int i = 0; i < count(); ++i)
        lines.push_back({item(i)->text(), FileNameOf(item(i))});
    clear();
    insertLines(std::move(lines));
}

void TFileListBox::beginFill()
{
    filling_ = true;
    pending_.clear();
}

void TFileListBox::endFill()
{
    filling_ = false;
    insertLines(std::move(pending_));
    pending_.clear();
}

void TFileListBox::addFileLine(const QString &line, const QString &fileName)
{
    if (filling_)
        pending_.push_back({line, fileName});
    else
        insertLines({{line, fileName}});
}

void TFileListBox::insertLines(std::vector<PendingLine> lines)
{
    if (sorted_) {
        std::stable_sort(lines.begin(), lines.end(),
                         [](const PendingLine &a, const PendingLine &b) { return FileEntryLess(a.line, b.line); });
    }
    // Into an empty list the lines go in one run; otherwise each after every line not sorting after it.
    const bool append = !sorted_ || count() == 0;
    for (PendingLine &line : lines) {
        int row = count();
        for (int low = 0; !append && low < row;) {
            const int mid = (low + row) / 2;
            if (FileEntryLess(line.line, item(mid)->text()))
                row = mid;
            else
                low = mid + 1;
        }
        auto *entry = new QListWidgetItem(line.line);
        entry->setData(FileNameRole, line.fileName);
        insertItem(row, entry);
    }
}

QString TFileListBox::FileNameOf(const QListWidgetItem *item) { return item->data(FileNameRole).toString(); }

void TFileListBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    QListWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit DblClick();
}
