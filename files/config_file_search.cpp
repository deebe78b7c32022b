#include "config_file_search.h"

#include "record_file.h"

#include <cerrno>
#include <dirent.h>
#include <sys/stat.h>

namespace {

// Closes the directory search on every path out of a scope.
class DirectorySearch {
public:
    explicit DirectorySearch(const std::string &folder) : folder_(folder), dir_(::opendir(folder.c_str())) {}
    ~DirectorySearch()
    {
        if (dir_)
            ::closedir(dir_);
    }
    DirectorySearch(const DirectorySearch &) = delete;
    DirectorySearch &operator=(const DirectorySearch &) = delete;
    bool isOpen() const { return dir_ != nullptr; }

    // The next matching name; false at the end. Throws when the folder fails while being read.
    bool next(std::string &name)
    {
        for (;;) {
            errno = 0;
            const dirent *entry = ::readdir(dir_);
            if (!entry) {
                if (errno != 0)
                    throw FileError(errno, folder_);
                return false;
            }
            if (IsConfigFileName(entry->d_name) && IsNormalFile(*entry)) {
                name = entry->d_name;
                return true;
            }
        }
    }

private:
    bool IsNormalFile(const dirent &entry) const
    {
        if (entry.d_type == DT_REG)
            return true;
        if (entry.d_type != DT_UNKNOWN && entry.d_type != DT_LNK)
            return false;
        struct stat st;
        return ::stat((folder_ + "/" + entry.d_name).c_str(), &st) == 0 && S_ISREG(st.st_mode);
    }

    std::string folder_;
    DIR *dir_;
};

char Lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

} // namespace

bool IsConfigFileName(std::string_view name)
{
    // A leading dot marks a hidden file on this system.
    if (name.empty() || name.front() == '.' || name.size() < 4)
        return false;
    const std::string_view ext = name.substr(name.size() - 4);
    return ext[0] == '.' && Lower(ext[1]) == 'c' && Lower(ext[2]) == 'f' && Lower(ext[3]) == 'g';
}

std::vector<std::string> FindConfigFiles(const std::string &folder)
{
    DirectorySearch search(folder);
    if (!search.isOpen())
        throw FileError(errno, folder + "/");
    std::vector<std::string> names;
    std::string name;
    while (search.next(name))
        names.push_back(name);
    return names;
}

bool HasConfigFile(const std::string &folder)
{
    DirectorySearch search(folder);
    if (!search.isOpen())
        return false;
    std::string name;
    try {
        return search.next(name);
    } catch (const EInOutError &) {
        return false;
    }
}
