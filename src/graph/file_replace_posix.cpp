#include "graph/file_replace.h"

#include <sys/stat.h>
#include <unistd.h>

bool flushToDisk(std::FILE* file)
{
    return fsync(fileno(file)) == 0;
}

bool replaceFile(const char* temp, const char* target)
{
    // rename() would replace a read-only file too (only the folder's permissions count);
    // a file its owner made read-only is not overwritten, as on Windows.
    struct stat info;
    if (stat(target, &info) == 0 && (info.st_mode & S_IWUSR) == 0)
        return false;
    return std::rename(temp, target) == 0;
}
