// List boxes with the "click" event of the editor's lists: raised by the user's mouse clicks on an item
// (also the item already selected) and by keyboard moves of the selection, never by changes made in code.
#pragma once

#include <QListWidget>

class TListBox : public QListWidget {
    Q_OBJECT
public:
    explicit TListBox(QWidget *parent = nullptr);

    // The selected row, or -1 when no item is selected.
    int ItemIndex() const;

signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event) const override;

private:
    void NoteLeftPress(const QMouseEvent *event);

    bool leftPressed_ = false;
    bool pressedOnItem_ = false;
    int indexAtPress_ = -1;
};

// A list whose items carry two-state check boxes. A click on an item's check box selects the item and
// toggles its check before Click is raised, so the handler sees the new state; so does the space bar.
class TCheckListBox : public TListBox {
    Q_OBJECT
public:
    explicit TCheckListBox(QWidget *parent = nullptr);

    void addCheckItem(const QString &text);
    bool isChecked(int index) const;
    void setChecked(int index, bool checked);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
