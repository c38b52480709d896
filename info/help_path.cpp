// Where the help file lies, and the texts that name it.
#include "help_path.h"

#include "../sheet/duration.h"

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
        helpPath[length - 1] = '\0'; // drop the separator, then take the parent
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

// Appends text at length; on overflow empties the whole result.
static bool Append(char* out, int size, int& length, const char* text)
{
    int textLength = Length(text);
    if (length < 0 || length + textLength >= size) {
        if (size > 0)
            out[0] = '\0';
        length = -1;
        return false;
    }
    for (int i = 0; i <= textLength; ++i)
        out[length + i] = text[i];
    length += textLength;
    return true;
}

bool HelpViewerParameters(int mapId, const char* helpPath, char* parameters, int size)
{
    char number[IntTextSize];
    IntToText(mapId, number);
    int length = 0;
    Append(parameters, size, length, "-mapid ");
    Append(parameters, size, length, number);
    Append(parameters, size, length, " ");
    return Append(parameters, size, length, helpPath);
}

bool MissingHelpFileText(const char* helpPath, char* text, int size)
{
    int length = 0;
    Append(text, size, length, "Файл \"");
    Append(text, size, length, helpPath);
    return Append(text, size, length, "\" не найден");
}
