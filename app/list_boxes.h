// List boxes with the "click" event of the editor's lists: raised by the user's mouse clicks on an item
// (also the item already selected) and by keyboard moves of the selection, never by changes made in code.
#pragma once

#include <QListWidget>

class TListBox : public QListWidget {
    Q_OBJECT
public:
    explicit TListBox(QWidget *parent = nullptr);

signals:
    void Click();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyboardSearch(const QString &search) override;

private:
    int pressedRow_ = -1;
};

// A list whose items carry two-state check boxes. A press on an item's check box toggles that check
// first, so the click handler sees the new state.
class TCheckListBox : public TListBox {
    Q_OBJECT
public:
    explicit TCheckListBox(QWidget *parent = nullptr);

    void addCheckItem(const QString &text);
    bool isChecked(int index) const;
    void setChecked(int index, bool checked);
};
