// Where the help file lies.
#include "help_path.h"

static const char HelpFileName[] = "help\\zelmora.chm";

static int Length(const char* text)
{
    int n = 0;
    while (text[n] != '\0')
        ++n;
    return n;
}

bool DirectoryPart(const char* path, char* part, int size)
{
    int end = Length(path);
    while (end > 0 && path[end - 1] != '\\' && path[end - 1] != '/' && path[end - 1] != ':')
        --end;
    if (size <= 0)
        return false;
    if (end >= size) {
        part[0] = '\0';
        return false;
    }
    for (int i = 0; i < end; ++i)
        part[i] = path[i];
    part[end] = '\0';
    return true;
}

bool HelpFilePath(const char* executablePath, char* helpPath, int size)
{
    if (!DirectoryPart(executablePath, helpPath, size))
        return false;
    int length = Length(helpPath);
    if (length > 3) {
        helpPath[length - 1] = '\0';  // drop the separator, then take the parent
        DirectoryPart(helpPath, helpPath, size);
        length = Length(helpPath);
    }
    int nameLength = Length(HelpFileName);
    if (length + nameLength >= size) {
        helpPath[0] = '\0';
        return false;
    }
    for (int i = 0; i <= nameLength; ++i)
        helpPath[length + i] = HelpFileName[i];
    return true;
}
