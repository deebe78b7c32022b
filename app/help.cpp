// The help panel, the About box and the web link of the main window.
#include "form1.h"
#include "help_text.h"

#include "help_memo.h"
#include "web_address.h"

#include <QAction>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

namespace {
const QString HelpCaption = QStringLiteral("Help");
const QString CloseHelpCaption = QStringLiteral("Close Help");
// Three lines; a lone carriage return would not break the line in a Qt message box.
const QString AboutText = QStringLiteral("Version 1.3\n"
                                         "QLX-418 PC Configuration Utility\n"
                                         "Copyright (c) 2004-2006 Brennhall Inc. All rights reserved.");
} // namespace

// Shows the help text over the pages or hides it again. The pages stay in place underneath, so a file
// opened meanwhile fills them behind the help.
void TForm1::Help1Click()
{
    // One repaint in the new state instead of a flash of the half-swapped window.
    setUpdatesEnabled(false);
    const bool show = Memo1->isHidden();
    Memo1->setVisible(show);
    if (show) {
        // The text is laid out when it is first needed, not at every start.
        if (Memo1->document()->isEmpty())
            Memo1->setPlainText(HelpText());
        Memo1->raise();
        Help1->setText(CloseHelpCaption);
        Memo1->setFocus(Qt::OtherFocusReason);
    } else {
        Help1->setText(HelpCaption);
    }
    setUpdatesEnabled(true);
    // After the caption change, so that the web entry ends up at the right-hand end whatever the bar did.
    RightJustifyLastMenuEntry();
}

// The text area raises Click only while the help is shown; scrolling does not raise it.
void TForm1::Memo1Click() { Help1Click(); }

void TForm1::About1Click()
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("Information"), AboutText, QMessageBox::Ok, this);
    box.exec();
}

// The system's web browser shows the page; a failure to start one goes unreported.
void TForm1::VisitBrennhallOnline1Click() { QDesktopServices::openUrl(QUrl(BrennhallWebAddress)); }
