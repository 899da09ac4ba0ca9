// The two file-system operations whose safe form differs between Windows and POSIX.
#pragma once

#include <cstdio>

// Pushes the written contents of an open file down to the disk.
bool flushToDisk(std::FILE* file);

// Replaces target by temp in one step; on failure target is left as it was.
bool replaceFile(const char* temp, const char* target);
