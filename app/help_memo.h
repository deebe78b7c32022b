// The read-only help text box. A click in its text raises Click; scrolling does not.
#pragma once

#include <QPlainTextEdit>

class THelpMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit THelpMemo(QWidget *parent = nullptr);

signals:
    void Click();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};
