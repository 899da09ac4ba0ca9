#include "graph/file_replace.h"

#include <io.h>
#include <windows.h>

bool flushToDisk(std::FILE* file)
{
    return _commit(_fileno(file)) == 0;
}

bool replaceFile(const char* temp, const char* target)
{
    // rename() refuses an existing target on Windows; MoveFileExA replaces it atomically.
    return MoveFileExA(temp, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
