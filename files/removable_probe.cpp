#include "removable_probe.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::vector<std::string_view> SplitFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t at = 0;
    while (at < line.size()) {
        while (at < line.size() && (line[at] == ' ' || line[at] == '\t'))
            ++at;
        if (at == line.size())
            break;
        const std::size_t end = line.find_first_of(" \t", at);
        fields.push_back(line.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at));
        at = end == std::string_view::npos ? line.size() : end;
    }
    return fields;
}

bool ParseNumber(std::string_view text, unsigned &value)
{
    if (text.empty() || text.size() > 9)
        return false;
    value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + unsigned(c - '0');
    }
    return true;
}

std::string ReadSmallFile(const std::string &path)
{
    std::ifstream in(path);
    std::string text;
    std::getline(in, text);
    return text;
}

bool FileExists(const std::string &path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

std::string RealPath(const std::string &path)
{
    char *real = ::realpath(path.c_str(), nullptr);
    if (!real)
        return {};
    std::string result(real);
    std::free(real);
    return result;
}

std::string LastPart(const std::string &path)
{
    std::string trimmed = path;
    while (trimmed.size() > 1 && trimmed.back() == '/')
        trimmed.pop_back();
    const auto slash = trimmed.find_last_of('/');
    const std::string last = slash == std::string::npos ? trimmed : trimmed.substr(slash + 1);
    return last.empty() ? trimmed : last;
}

bool AllDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A folder of the device tree that stands for a USB root hub ("usb1") or an MMC/SD host ("mmc0",
// "mmc_host"); every device below one sits on that bus.
bool IsRemovableBusComponent(std::string_view part)
{
    if (part.substr(0, 3) == "usb")
        return AllDigits(part.substr(3));
    if (part == "mmc_host")
        return true;
    if (part.substr(0, 3) == "mmc")
        return AllDigits(part.substr(3));
    return false;
}

bool OnRemovableBus(std::string_view devicePath)
{
    std::size_t at = 0;
    while (at <= devicePath.size()) {
        const std::size_t slash = devicePath.find('/', at);
        const std::string_view part = devicePath.substr(at, slash == std::string_view::npos ? std::string_view::npos
                                                                                            : slash - at);
        if (IsRemovableBusComponent(part))
            return true;
        if (slash == std::string_view::npos)
            break;
        at = slash + 1;
    }
    return false;
}

// The device folder in sysfs of major:minor, resolved; empty when there is none (no block device).
std::string DeviceFolder(const std::string &sysRoot, unsigned major, unsigned minor)
{
    return RealPath(sysRoot + "/dev/block/" + std::to_string(major) + ":" + std::to_string(minor));
}

// Decodes udev's "\x20"-style escapes in the names of /dev/disk/by-label.
std::string DecodeLabelName(std::string_view name)
{
    std::string out;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (name[i] == '\\' && i + 3 < name.size() && name[i + 1] == 'x' && std::isxdigit(uint8_t(name[i + 2]))
            && std::isxdigit(uint8_t(name[i + 3]))) {
            out.push_back(char(std::stoi(std::string(name.substr(i + 2, 2)), nullptr, 16)));
            i += 3;
        } else {
            out.push_back(name[i]);
        }
    }
    return out;
}

// Kernel device name (the link target's last part, "sdb1") to label.
std::map<std::string, std::string> ReadLabels(const std::string &labelFolder)
{
    std::map<std::string, std::string> labels;
    if (labelFolder.empty())
        return labels;
    DIR *dir = ::opendir(labelFolder.c_str());
    if (!dir)
        return labels;
    while (const dirent *entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        char target[4096];
        const ssize_t n = ::readlink((labelFolder + "/" + name).c_str(), target, sizeof target - 1);
        if (n <= 0)
            continue;
        labels.emplace(LastPart(std::string(target, std::size_t(n))), DecodeLabelName(name));
    }
    ::closedir(dir);
    return labels;
}

bool LessIgnoringCase(const std::string &a, const std::string &b)
{
    const auto lower = [](char c) { return char(std::tolower(uint8_t(c))); };
    const bool less = std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                                   [&](char x, char y) { return lower(x) < lower(y); });
    const bool greater = std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(),
                                                      [&](char x, char y) { return lower(x) < lower(y); });
    return less || (!greater && a < b);
}

} // namespace

std::string DecodeMountField(std::string_view field)
{
    std::string out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            const char a = field[i + 1], b = field[i + 2], c = field[i + 3];
            if (a >= '0' && a <= '3' && b >= '0' && b <= '7' && c >= '0' && c <= '7') {
                out.push_back(char((a - '0') * 64 + (b - '0') * 8 + (c - '0')));
                i += 3;
                continue;
            }
        }
        out.push_back(field[i]);
    }
    return out;
}

std::vector<MountEntry> ParseMountInfo(std::string_view text)
{
    std::vector<MountEntry> entries;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = text.find('\n', at);
        const std::string_view line = text.substr(at, end == std::string_view::npos ? std::string_view::npos
                                                                                     : end - at);
        at = end == std::string_view::npos ? text.size() : end + 1;

        // id parent major:minor root mount-point options [optional fields...] - type source super-options
        const auto fields = SplitFields(line);
        if (fields.size() < 10)
            continue;
        const auto dash = std::find(fields.begin() + 6, fields.end(), std::string_view("-"));
        if (dash == fields.end() || fields.end() - dash < 3)
            continue;
        unsigned id, parent;
        const std::string_view device = fields[2];
        const auto colon = device.find(':');
        MountEntry entry;
        if (!ParseNumber(fields[0], id) || !ParseNumber(fields[1], parent) || colon == std::string_view::npos
            || !ParseNumber(device.substr(0, colon), entry.major)
            || !ParseNumber(device.substr(colon + 1), entry.minor))
            continue;
        entry.root = DecodeMountField(fields[3]);
        entry.mountPoint = DecodeMountField(fields[4]);
        if (entry.mountPoint.empty() || entry.mountPoint[0] != '/')
            continue;
        entry.fsType = DecodeMountField(dash[1]);
        entry.source = DecodeMountField(dash[2]);
        entries.push_back(std::move(entry));
    }
    return entries;
}

bool IsRemovableBlockDevice(const std::string &sysRoot, unsigned major, unsigned minor)
{
    // Major 0 is the kernel's anonymous devices: tmpfs, proc, overlays and the like are never media.
    if (major == 0)
        return false;
    const std::string device = DeviceFolder(sysRoot, major, minor);
    if (device.empty())
        return false;
    // A partition's media belong to its disk, the folder above it.
    const bool partition = FileExists(device + "/partition");
    const std::string disk = partition ? device.substr(0, device.find_last_of('/')) : device;
    if (ReadSmallFile(disk + "/removable") == "1")
        return true;
    // Only the part of the path below the sysfs root says where the device sits.
    const std::string root = RealPath(sysRoot);
    const std::string_view below = std::string_view(device).substr(
        !root.empty() && device.compare(0, root.size(), root) == 0 ? root.size() : 0);
    return OnRemovableBus(below);
}

std::vector<RemovableVolume> ProbeRemovableVolumes(std::string_view mountInfo, const std::string &sysRoot,
                                                   const std::string &labelFolder)
{
    std::vector<RemovableVolume> volumes;
    std::vector<std::string> kernelNames;
    std::set<std::pair<unsigned, unsigned>> seen;
    for (const MountEntry &entry : ParseMountInfo(mountInfo)) {
        // Only a mount of the whole volume has the volume's root folder at its mount point.
        if (entry.root != "/" || seen.count({entry.major, entry.minor}))
            continue;
        if (!IsRemovableBlockDevice(sysRoot, entry.major, entry.minor))
            continue;
        seen.insert({entry.major, entry.minor});
        volumes.push_back({LastPart(entry.mountPoint), entry.mountPoint});
        kernelNames.push_back(LastPart(DeviceFolder(sysRoot, entry.major, entry.minor)));
    }

    const auto labels = ReadLabels(labelFolder);
    for (std::size_t i = 0; i < volumes.size(); ++i) {
        const auto label = labels.find(kernelNames[i]);
        if (label != labels.end() && !label->second.empty())
            volumes[i].label = label->second;
    }
    std::map<std::string, int> uses;
    for (const auto &volume : volumes)
        ++uses[volume.label];
    for (auto &volume : volumes)
        if (uses[volume.label] > 1)
            volume.label += " (" + volume.mountPoint + ")";

    std::sort(volumes.begin(), volumes.end(),
              [](const RemovableVolume &a, const RemovableVolume &b) { return LessIgnoringCase(a.label, b.label); });
    return volumes;
}

std::vector<RemovableVolume> SystemRemovableVolumes()
{
    std::ifstream in("/proc/self/mountinfo");
    std::stringstream text;
    text << in.rdbuf();
    return ProbeRemovableVolumes(text.str(), "/sys", "/dev/disk/by-label");
}
