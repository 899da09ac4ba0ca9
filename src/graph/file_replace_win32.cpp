#include "graph/file_replace.h"

#include <io.h>
#include <windows.h>

bool flushToDisk(std::FILE* file)
{
    return _commit(_fileno(file)) == 0;
}

bool replaceFile(const char* temp, const char* target)
{
    // A read-only file is not overwritten. Windows refuses that move by itself; Wine does not,
    // so the attribute is checked here too.
    DWORD attributes = GetFileAttributesA(target);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return false;
    // rename() refuses an existing target on Windows; MoveFileExA replaces it in one step.
    return MoveFileExA(temp, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
