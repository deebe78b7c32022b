// Saves records to one file, over and over, until it is killed: the child process of the save-atomicity
// test, with the records of save_record_pattern.h numbered from FIRST_NUMBER on. After its first save it
// writes one byte to stdout, so that the test knows it runs and that this save succeeded.
//   qlx_save_writer PATH FIRST_NUMBER
#include "record_file.h"
#include "save_record_pattern.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

int main(int argc, char **argv)
{
    if (argc != 3)
        return 2;
    TConfigRecord record;
    for (std::uint32_t number = std::uint32_t(std::strtoul(argv[2], nullptr, 10));; ++number) {
        FillSaveRecord(record, number);
        try {
            WriteRecord(argv[1], record);
        } catch (const EInOutError &error) {
            std::fprintf(stderr, "save %u failed: %s\n", number, error.what());
            return 1;
        }
        static bool told = false;
        if (!told) {
            told = true;
            if (::write(STDOUT_FILENO, "s", 1) != 1)
                return 1;
        }
    }
}
