// A single-line edit for one text field of the record: it holds at most as many characters as the field
// has bytes, and only characters that have a byte in the field's code page, typed or pasted.
#pragma once

#include "code_pages.h"

#include <QLineEdit>

class TEdit : public QLineEdit {
    Q_OBJECT
public:
    TEdit(CodePage page, int maxLength, QWidget *parent = nullptr);

    CodePage codePage() const { return page_; }

private:
    CodePage page_;
};
