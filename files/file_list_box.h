// The browser's file list: single selection, a double-click event (also on the empty part of the list),
// and, once sorting is on, the order of FileEntryLess. Each line keeps the real name of its file.
#pragma once

#include <QListWidget>

class TFileListBox : public QListWidget {
    Q_OBJECT
public:
    explicit TFileListBox(QWidget *parent = nullptr);

    // Adds a line for the file fileName (the name the open uses, whatever the line shows).
    void addFileLine(const QString &line, const QString &fileName);
    static QString FileNameOf(const QListWidgetItem *item);

signals:
    void DblClick();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};
