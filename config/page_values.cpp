#include "page_values.h"

TPageValues LoadPageValues(const TConfigRecord &record)
{
    TPageValues values;
    values.configName = LoadText(record.ConfigName, ConfigNameWidth);
    for (int s = 0; s < SourceCount; ++s) {
        values.sourceShortNames[s] = LoadText(record.SourceShortName[s], ShortNameWidth);
        values.sourceFullNames[s] = LoadText(record.SourceFullName[s], FullNameWidth);
    }
    values.installerLines = LoadInstallerLines(record);
    values.utilityVersion = VersionText(record.UtilityVersion);
    values.firmwareVersion = VersionText(record.FirmwareVersion);
    for (int bit = FirstOptionBit; bit < 8; ++bit)
        values.options[bit] = GetBit(record.Options, bit);
    for (int g = 0; g < GroupCount; ++g) {
        values.groupShortNames[g] = LoadText(record.GroupShortName[g], ShortNameWidth);
        values.groupFullNames[g] = LoadText(record.GroupFullName[g], FullNameWidth);
    }
    for (int i = 0; i < GroupCount; ++i)
        values.mainGroups[i] = GetBit(record.MainGroups, i);
    for (int i = 0; i < SourceCount; ++i)
        values.mainRestrictions[i] = GetBit(record.MainRestrictions, i);
    return values;
}

void StorePageValues(const TPageValues &values, TConfigRecord &record)
{
    StampUtilityVersion(record);
    StoreText(record.ConfigName, ConfigNameWidth, values.configName);
    for (int s = 0; s < SourceCount; ++s) {
        StoreText(record.SourceShortName[s], ShortNameWidth, values.sourceShortNames[s]);
        StoreText(record.SourceFullName[s], FullNameWidth, values.sourceFullNames[s]);
    }
    StoreInstallerLines(record, values.installerLines);
    for (int bit = FirstOptionBit; bit < 8; ++bit)
        PutBit(record.Options, bit, values.options[bit]);
    for (int g = 0; g < GroupCount; ++g) {
        StoreText(record.GroupShortName[g], ShortNameWidth, values.groupShortNames[g]);
        StoreText(record.GroupFullName[g], FullNameWidth, values.groupFullNames[g]);
    }
    for (int i = 0; i < GroupCount; ++i)
        PutBit(record.MainGroups, i, values.mainGroups[i]);
    for (int i = 0; i < SourceCount; ++i)
        PutBit(record.MainRestrictions, i, values.mainRestrictions[i]);
}
