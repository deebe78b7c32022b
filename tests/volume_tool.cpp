// Runs the browser's real drive scan once and prints what it found, for the removable-volume check:
// "probe: MOUNT" per removable volume, "drive: FOLDER" per drive entry, "line: TEXT" per file line and
// "caption: TEXT".
#include "application.h"
#include "file_list_box.h"
#include "form1.h"
#include "form2.h"
#include "removable_probe.h"

#include <QComboBox>
#include <cstdio>

int main(int argc, char **argv)
{
    TApplication app(argc, argv);
    for (const RemovableVolume &volume : SystemRemovableVolumes())
        std::printf("probe: %s\n", volume.mountPoint.c_str());
    Form1 = new TForm1;
    Form2 = new TForm2;
    Form2->ShowBrowser();
    for (int i = 0; i < Form2->ComboBox1->count(); ++i)
        std::printf("drive: %s\n", qPrintable(Form2->ComboBox1->itemData(i).toString()));
    for (int i = 0; i < Form2->ListBox1->count(); ++i)
        std::printf("line: %s\n", qPrintable(Form2->ListBox1->item(i)->text()));
    std::printf("caption: %s\n", qPrintable(Form2->windowTitle()));
    delete Form2;
    delete Form1;
    return 0;
}
