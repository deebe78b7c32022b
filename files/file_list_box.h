// The browser's file list: single selection, a double-click event (also on the empty part of the list),
// and, once sorted, the order of FileEntryLess. Each line keeps the real name of its file.
#pragma once

#include <QListWidget>
#include <vector>

class TFileListBox : public QListWidget {
    Q_OBJECT
public:
    explicit TFileListBox(QWidget *parent = nullptr);

    // A sorted list keeps its lines in FileEntryLess order from then on; the lines already in it take
    // that order now.
    void setSorted(bool sorted);
    bool sorted() const { return sorted_; }

    // Lines added between beginFill() and endFill() are put into the list together at endFill(), in
    // order when the list is sorted: one insertion and one sort instead of one per line.
    void beginFill();
    void endFill();

    // Adds a line for the file fileName (the name the open uses, whatever the line shows).
    void addFileLine(const QString &line, const QString &fileName);
    static QString FileNameOf(const QListWidgetItem *item);

signals:
    void DblClick();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    struct PendingLine {
        QString line;
        QString fileName;
    };
    bool sorted_ = false;
    bool filling_ = false;
    std::vector<PendingLine> pending_;

    void insertLines(std::vector<PendingLine> lines);
};
