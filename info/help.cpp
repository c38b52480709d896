// Opens the help file, through the HTML Help engine or the stand-alone viewer.
#include "info.h"

#include "../base/program.h"
#include "help_path.h"

#include <htmlhelp.h>

#include <cstring>

HtmlHelpFunction HtmlHelpEntry;

// Room for the longest executable path with "help\zelmora.chm" put in its place,
// and for that path inside the longest message or viewer command line.
enum { HelpPathSize = MAX_PATH + 32, HelpTextSize = HelpPathSize + 32 };

// The system folders are named in full so that no file of that name planted beside
// the program or in the current folder is loaded or started instead.
static bool SystemFile(bool windowsFolder, const char* name, char (&path)[MAX_PATH])
{
    UINT length = windowsFolder ? GetWindowsDirectoryA(path, MAX_PATH) : GetSystemDirectoryA(path, MAX_PATH);
    size_t nameLength = strlen(name);
    if (length == 0 || length + 1 + nameLength >= MAX_PATH)
        return false;
    if (path[length - 1] != '\\')
        path[length++] = '\\';
    memcpy(path + length, name, nameLength + 1);
    return true;
}

typedef HINSTANCE(WINAPI* ShellExecuteFunction)(HWND, const char*, const char*, const char*, const char*,
                                                INT);

// The shell is loaded only when the viewer has to be started: at start-up it would cost
// more than anything else the program does before its window shows.
static ShellExecuteFunction ShellExecuteEntry()
{
    char path[MAX_PATH];
    if (!SystemFile(false, "SHELL32.DLL", path))
        return nullptr;
    HMODULE shell = LoadLibraryA(path);
    if (shell == nullptr)
        return nullptr;
    return reinterpret_cast<ShellExecuteFunction>(
        reinterpret_cast<void*>(GetProcAddress(shell, "ShellExecuteA")));
}

void LoadHtmlHelp()
{
    char path[MAX_PATH];
    if (!SystemFile(false, "HHCTRL.OCX", path))
        return;
    HMODULE library = LoadLibraryA(path);
    if (library != nullptr)
        HtmlHelpEntry =
            reinterpret_cast<HtmlHelpFunction>(reinterpret_cast<void*>(GetProcAddress(library, "HtmlHelpA")));
}

static bool IsExistingFile(const char* path)
{
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

void ShowHelp(int mapId)
{
    char program[MAX_PATH + 1];
    DWORD length = GetModuleFileNameA(nullptr, program, MAX_PATH);
    // Older systems leave a truncated path unterminated.
    program[length < MAX_PATH ? length : MAX_PATH] = '\0';
    char helpPath[HelpPathSize];
    HelpFilePath(program, helpPath, sizeof helpPath);

    if (!IsExistingFile(helpPath)) {
        char text[HelpTextSize];
        MissingHelpFileText(helpPath, text, sizeof text);
        MessageBoxA(MainWindow, text, "Ошибка вызова справки", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (HtmlHelpEntry != nullptr) {
        HtmlHelpEntry(nullptr, helpPath, HH_HELP_CONTEXT, static_cast<DWORD_PTR>(mapId));
        return;
    }
    char parameters[HelpTextSize];
    char viewer[MAX_PATH];
    INT_PTR started = 0;
    ShellExecuteFunction shellExecute = ShellExecuteEntry();
    if (shellExecute != nullptr && HelpViewerParameters(mapId, helpPath, parameters, sizeof parameters) &&
        SystemFile(true, "hh.exe", viewer))
        started =
            reinterpret_cast<INT_PTR>(shellExecute(MainWindow, "open", viewer, parameters, "", SW_RESTORE));
    if (started <= 32)
        MessageBoxA(MainWindow, "Просмотр справки невозможен", "Системная ошибка",
                    MB_OK | MB_ICONEXCLAMATION);
}
