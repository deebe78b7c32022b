#include "form1.h"

// The group and restriction views arrive with their lists.
void TForm1::ListBox1Click() {}
void TForm1::CheckListBox1Click() {}
void TForm1::ListBox2Click() {}
void TForm1::CheckListBox3Click() {}
