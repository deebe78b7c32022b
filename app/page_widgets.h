// Small builders shared by the six editor pages: named pages, bold labels, field edits, list fonts and
// the focus order of a page.
#pragma once

#include "code_pages.h"

#include <QFont>
#include <QString>
#include <initializer_list>

class QLabel;
class QLineEdit;
class QTabWidget;
class QWidget;
class TEdit;

QWidget *AddPage(QTabWidget *pages, const char *name, const QString &caption);
// A heading, column heading or row number: a label in the bold variant of the window font.
QLabel *BoldLabel(QWidget *parent, const char *name, const QString &text);
QLabel *PlainLabel(QWidget *parent, const char *name, const QString &text);
TEdit *FieldEdit(QWidget *parent, const char *name, CodePage page, int width);
// The width an edit needs to show `count` characters like `sample` without scrolling.
int EditWidthFor(const QLineEdit *edit, int count, QChar sample);
// One step larger than the window font, as the group and restriction lists use it.
QFont ListFont(const QFont &windowFont);
// Keyboard focus moves through the widgets in the order given, whatever order they were created in.
void ChainFocus(std::initializer_list<QWidget *> order);
