#include "application.h"
#include "form1.h"
#include "form2.h"

int main(int argc, char **argv)
{
    TApplication app(argc, argv);
    Form1 = new TForm1;
    Form2 = new TForm2;
    Form1->show();
    const int status = app.exec();
    delete Form2;
    delete Form1;
    return status;
}
