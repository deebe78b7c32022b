// The group and restriction views: the zone list shows and stores the selected group's zone bits, the
// source list the selected zone's restriction bits, in ConfigBuffer at once.
#include "config_buffer.h"
#include "form1.h"
#include "list_boxes.h"

namespace {

// Zone z of a group is bit z mod 8 of byte z div 8 of the group's slot; only bits 0 to 3 of byte 4 are
// zones, the rest of the slot is never touched.
std::uint8_t &ZoneByte(int group, int zone) { return ConfigBuffer.GroupZoneMap[group][zone / 8]; }
int ZoneBit(int zone) { return zone % 8; }

bool IsGroup(int index) { return index >= 0 && index < GroupCount; }
bool IsZone(int index) { return index >= 0 && index < ZoneCount; }
bool IsSource(int index) { return index >= 0 && index < SourceCount; }

} // namespace

void TForm1::ListBox1Click()
{
    const int group = ListBox1->ItemIndex();
    if (!IsGroup(group) || CheckListBox1->count() < ZoneCount)
        return;
    for (int zone = 0; zone < ZoneCount; ++zone)
        CheckListBox1->setChecked(zone, GetBit(ZoneByte(group, zone), ZoneBit(zone)));
}

void TForm1::CheckListBox1Click()
{
    // The group is the one selected in the group list; all 36 zone bits are written on every click.
    const int group = ListBox1->ItemIndex();
    if (!IsGroup(group) || CheckListBox1->count() < ZoneCount)
        return;
    for (int zone = 0; zone < ZoneCount; ++zone)
        PutBit(ZoneByte(group, zone), ZoneBit(zone), CheckListBox1->isChecked(zone));
}

void TForm1::ListBox2Click()
{
    const int zone = ListBox2->ItemIndex();
    if (!IsZone(zone) || CheckListBox3->count() < SourceCount)
        return;
    for (int source = 0; source < SourceCount; ++source)
        CheckListBox3->setChecked(source, GetBit(ConfigBuffer.ZoneRestrictions[zone], source));
}

void TForm1::CheckListBox3Click()
{
    // Only the clicked (selected) source's bit is written.
    const int source = CheckListBox3->ItemIndex();
    const int zone = ListBox2->ItemIndex();
    if (!IsSource(source) || !IsZone(zone))
        return;
    PutBit(ConfigBuffer.ZoneRestrictions[zone], source, CheckListBox3->isChecked(source));
}
