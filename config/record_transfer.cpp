#include "record_transfer.h"

#include "code_page_edit.h"
#include "config_buffer.h"
#include "form1.h"
#include "list_boxes.h"
#include "page_values.h"
#include "text_codec.h"

#include <QCheckBox>
#include <QLabel>
#include <array>

namespace {

const QString UtilityVersionPrefix = QStringLiteral("Utility Software Version: ");
const QString FirmwareVersionPrefix = QStringLiteral("Tessora Firmware Version: ");

// The edits of the six sources and six groups, in record order.
struct NameEdits {
    std::array<TEdit *, 6> shortNames;
    std::array<TEdit *, 6> fullNames;
};

NameEdits SourceEdits(const TForm1 &form)
{
    return {{form.Edit2, form.Edit4, form.Edit6, form.Edit8, form.Edit10, form.Edit12},
            {form.Edit3, form.Edit5, form.Edit7, form.Edit9, form.Edit11, form.Edit13}};
}

NameEdits GroupEdits(const TForm1 &form)
{
    return {{form.Edit18, form.Edit20, form.Edit22, form.Edit24, form.Edit26, form.Edit28},
            {form.Edit19, form.Edit21, form.Edit23, form.Edit25, form.Edit27, form.Edit29}};
}

std::array<TEdit *, InstallerLineCount> InstallerEdits(const TForm1 &form)
{
    return {form.Edit14, form.Edit15, form.Edit16, form.Edit17};
}

// The option boxes by the bit of byte 411 they stand for; the hidden CheckBox1 takes part like the others.
std::array<std::pair<QCheckBox *, int>, 5> OptionBoxes(const TForm1 &form)
{
    return {{{form.CheckBox1, FrontPanelIrSourceControl},
             {form.CheckBox2, DisableFrontPanel},
             {form.CheckBox3, DisableFrontIrReceiver},
             {form.CheckBox4, DisplayBlanking},
             {form.CheckBox6, RestrictionFeedback}}};
}

// An edit's text as field bytes, one byte per character in the edit's code page, and back.
std::string FieldBytes(const TEdit *edit) { return EncodeText(edit->codePage(), edit->text()); }
void ShowField(TEdit *edit, const std::string &bytes) { edit->setText(DecodeText(edit->codePage(), bytes)); }

} // namespace

// The byte rules are those of the page values; this side only reads and fills the controls.
void FormToConfig()
{
    const TForm1 &form = *Form1;
    TPageValues values;
    values.configName = FieldBytes(form.Edit1);
    const NameEdits sources = SourceEdits(form);
    const NameEdits groups = GroupEdits(form);
    for (int i = 0; i < 6; ++i) {
        values.sourceShortNames[i] = FieldBytes(sources.shortNames[i]);
        values.sourceFullNames[i] = FieldBytes(sources.fullNames[i]);
        values.groupShortNames[i] = FieldBytes(groups.shortNames[i]);
        values.groupFullNames[i] = FieldBytes(groups.fullNames[i]);
    }
    const auto installer = InstallerEdits(form);
    for (std::size_t k = 0; k < InstallerLineCount; ++k)
        values.installerLines[k] = FieldBytes(installer[k]);
    for (const auto &[box, bit] : OptionBoxes(form))
        values.options[bit] = box->isChecked();
    for (int i = 0; i < GroupCount; ++i)
        values.mainGroups[i] = form.CheckListBox2->isChecked(i);
    for (int i = 0; i < SourceCount; ++i)
        values.mainRestrictions[i] = form.CheckListBox4->isChecked(i);
    StorePageValues(values, ConfigBuffer);
}

void ConfigToForm()
{
    TForm1 &form = *Form1;
    const TPageValues values = LoadPageValues(ConfigBuffer);
    ShowField(form.Edit1, values.configName);
    const NameEdits sources = SourceEdits(form);
    for (int s = 0; s < SourceCount; ++s) {
        ShowField(sources.shortNames[s], values.sourceShortNames[s]);
        ShowField(sources.fullNames[s], values.sourceFullNames[s]);
    }
    const auto installer = InstallerEdits(form);
    for (std::size_t k = 0; k < InstallerLineCount; ++k)
        ShowField(installer[k], values.installerLines[k]);
    form.Label28->setText(UtilityVersionPrefix + QString::fromStdString(values.utilityVersion));
    form.Label27->setText(FirmwareVersionPrefix + QString::fromStdString(values.firmwareVersion));
    for (const auto &[box, bit] : OptionBoxes(form))
        box->setChecked(values.options[bit]);
    const NameEdits groups = GroupEdits(form);
    for (int g = 0; g < GroupCount; ++g) {
        ShowField(groups.shortNames[g], values.groupShortNames[g]);
        ShowField(groups.fullNames[g], values.groupFullNames[g]);
    }
    for (int i = 0; i < GroupCount; ++i)
        form.CheckListBox2->setChecked(i, values.mainGroups[i]);
    for (int i = 0; i < SourceCount; ++i)
        form.CheckListBox4->setChecked(i, values.mainRestrictions[i]);

    // Selecting from code raises no click event, so the two views are refreshed explicitly.
    form.ListBox1->setCurrentRow(0);
    form.ListBox1Click();
    form.ListBox2->setCurrentRow(0);
    form.ListBox2Click();
}
