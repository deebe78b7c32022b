#include "record_transfer.h"

#include "code_page_edit.h"
#include "config_buffer.h"
#include "form1.h"
#include "list_boxes.h"
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

// An edit's text as field bytes, one byte per character in the edit's code page.
std::string FieldBytes(const TEdit *edit) { return EncodeText(edit->codePage(), edit->text()); }

void StoreField(std::uint8_t *field, std::size_t width, const TEdit *edit)
{
    StoreText(field, width, FieldBytes(edit));
}

void LoadField(TEdit *edit, const std::uint8_t *field, std::size_t width)
{
    edit->setText(DecodeText(edit->codePage(), LoadText(field, width)));
}

} // namespace

void FormToConfig()
{
    const TForm1 &form = *Form1;
    TConfigRecord &record = ConfigBuffer;

    StampUtilityVersion(record);
    StoreField(record.ConfigName, ConfigNameWidth, form.Edit1);
    const NameEdits sources = SourceEdits(form);
    for (int s = 0; s < SourceCount; ++s) {
        StoreField(record.SourceShortName[s], ShortNameWidth, sources.shortNames[s]);
        StoreField(record.SourceFullName[s], FullNameWidth, sources.fullNames[s]);
    }
    std::array<std::string, InstallerLineCount> lines;
    const auto installer = InstallerEdits(form);
    for (std::size_t k = 0; k < InstallerLineCount; ++k)
        lines[k] = FieldBytes(installer[k]);
    StoreInstallerLines(record, lines);
    for (const auto &[box, bit] : OptionBoxes(form))
        PutBit(record.Options, bit, box->isChecked());
    const NameEdits groups = GroupEdits(form);
    for (int g = 0; g < GroupCount; ++g) {
        StoreField(record.GroupShortName[g], ShortNameWidth, groups.shortNames[g]);
        StoreField(record.GroupFullName[g], FullNameWidth, groups.fullNames[g]);
    }
    for (int i = 0; i < GroupCount; ++i)
        PutBit(record.MainGroups, i, form.CheckListBox2->isChecked(i));
    for (int i = 0; i < SourceCount; ++i)
        PutBit(record.MainRestrictions, i, form.CheckListBox4->isChecked(i));
}

void ConfigToForm()
{
    TForm1 &form = *Form1;
    const TConfigRecord &record = ConfigBuffer;

    LoadField(form.Edit1, record.ConfigName, ConfigNameWidth);
    const NameEdits sources = SourceEdits(form);
    for (int s = 0; s < SourceCount; ++s) {
        LoadField(sources.shortNames[s], record.SourceShortName[s], ShortNameWidth);
        LoadField(sources.fullNames[s], record.SourceFullName[s], FullNameWidth);
    }
    const auto lines = LoadInstallerLines(record);
    const auto installer = InstallerEdits(form);
    for (std::size_t k = 0; k < InstallerLineCount; ++k)
        installer[k]->setText(DecodeText(installer[k]->codePage(), lines[k]));
    form.Label28->setText(UtilityVersionPrefix + QString::fromStdString(VersionText(record.UtilityVersion)));
    form.Label27->setText(FirmwareVersionPrefix + QString::fromStdString(VersionText(record.FirmwareVersion)));
    for (const auto &[box, bit] : OptionBoxes(form))
        box->setChecked(GetBit(record.Options, bit));
    const NameEdits groups = GroupEdits(form);
    for (int g = 0; g < GroupCount; ++g) {
        LoadField(groups.shortNames[g], record.GroupShortName[g], ShortNameWidth);
        LoadField(groups.fullNames[g], record.GroupFullName[g], FullNameWidth);
    }
    for (int i = 0; i < GroupCount; ++i)
        form.CheckListBox2->setChecked(i, GetBit(record.MainGroups, i));
    for (int i = 0; i < SourceCount; ++i)
        form.CheckListBox4->setChecked(i, GetBit(record.MainRestrictions, i));

    // Selecting from code raises no click event, so the two views are refreshed explicitly.
    form.ListBox1->setCurrentRow(0);
    form.ListBox1Click();
    form.ListBox2->setCurrentRow(0);
    form.ListBox2Click();
}
