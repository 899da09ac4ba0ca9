#include "graph/file_replace.h"

#include <unistd.h>

bool flushToDisk(std::FILE* file)
{
    return fsync(fileno(file)) == 0;
}

bool replaceFile(const char* temp, const char* target)
{
    return std::rename(temp, target) == 0;
}
