// Finding the mounted removable volumes (flash cards in a reader, USB sticks, SD slots) on Linux.
// Plain C++ with no Qt. The probe is a pure function of the mount table's text and a sysfs folder, so that
// it can be tried on made-up trees; SystemRemovableVolumes() feeds it the running system's.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct RemovableVolume {
    std::string label;       // what the drive list shows
    std::string mountPoint;  // the volume's root folder
};

// One line of /proc/<pid>/mountinfo, with the escapes in its paths decoded.
struct MountEntry {
    unsigned major = 0;
    unsigned minor = 0;
    std::string root;        // the folder of the file system that is mounted ("/" for the whole volume)
    std::string mountPoint;
    std::string fsType;
    std::string source;
};

// Decodes the kernel's octal escapes ("\040" for a space, "\134" for a backslash).
std::string DecodeMountField(std::string_view field);

// The well-formed lines of a mountinfo text, in order; malformed lines are passed over.
std::vector<MountEntry> ParseMountInfo(std::string_view text);

// Whether the block device major:minor reports removable media under sysRoot (normally "/sys"): its own
// "removable" attribute, that of its disk for a partition, or a place on a USB or MMC bus (built-in SD
// slots report removable=0).
bool IsRemovableBlockDevice(const std::string &sysRoot, unsigned major, unsigned minor);

// The mounted removable volumes, one per device (its first whole-volume mount), sorted by label without
// regard to case. A volume's label comes from labelFolder (normally "/dev/disk/by-label", whose links
// name the device) when it has one there, else it is the last part of the mount point. Two volumes with
// the same label are told apart by their mount points.
std::vector<RemovableVolume> ProbeRemovableVolumes(std::string_view mountInfo, const std::string &sysRoot,
                                                   const std::string &labelFolder = {});

// The probe over /proc/self/mountinfo, /sys and /dev/disk/by-label.
std::vector<RemovableVolume> SystemRemovableVolumes();
