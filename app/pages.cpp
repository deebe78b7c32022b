#include "form1.h"

#include <QTabWidget>

namespace {
QWidget *AddPage(QTabWidget *pages, const char *name, const QString &caption)
{
    auto *page = new QWidget;
    page->setObjectName(QString::fromLatin1(name));
    pages->addTab(page, caption);
    return page;
}
} // namespace

void TForm1::CreateGeneralPage() { TabSheet1 = AddPage(PageControl1, "TabSheet1", QStringLiteral("General")); }
void TForm1::CreateInstallerPage() { TabSheet2 = AddPage(PageControl1, "TabSheet2", QStringLiteral("Installer")); }
void TForm1::CreateSourceNamesPage()
{
    TabSheet3 = AddPage(PageControl1, "TabSheet3", QStringLiteral("Source Names"));
}
void TForm1::CreateGroupNamesPage() { TabSheet4 = AddPage(PageControl1, "TabSheet4", QStringLiteral("Group Names")); }
void TForm1::CreateGroupsPage() { TabSheet5 = AddPage(PageControl1, "TabSheet5", QStringLiteral("Groups")); }
void TForm1::CreateRestrictionsPage()
{
    TabSheet6 = AddPage(PageControl1, "TabSheet6", QStringLiteral("Restrictions"));
}
void TForm1::ConnectPageEvents() {}
