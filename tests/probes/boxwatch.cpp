// Waits for a message box or dialog of another program, writes what it shows as UTF-8
// and closes it with its first button, the way a user reads a box and presses OK.
//   boxwatch.exe OUTPUT_FILE [TIMEOUT_MS] [BUTTON_ID]
// Output: "caption: ...", then "text: ..." per static text (line breaks as \n),
// "icon: yes|no", "owner: yes|no". Exit code 0 when a box was found, 1 otherwise.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

static std::string Utf8(const char* ansi)
{
    wchar_t wide[2048];
    int n = MultiByteToWideChar(CP_ACP, 0, ansi, -1, wide, 2048);
    if (n <= 0)
        return std::string();
    char utf8[8192];
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8, sizeof utf8, nullptr, nullptr);
    std::string out;
    for (const char* p = utf8; *p; ++p) {
        if (*p == '\r')
            out += "\\r";
        else if (*p == '\n')
            out += "\\n";
        else
            out += *p;
    }
    return out;
}

struct Found {
    HWND box;
};

static BOOL CALLBACK FindBox(HWND window, LPARAM data)
{
    char className[64];
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, "#32770") == 0 && IsWindowVisible(window)) {
        reinterpret_cast<Found*>(data)->box = window;
        return FALSE;
    }
    return TRUE;
}

static BOOL CALLBACK Describe(HWND child, LPARAM data)
{
    FILE* out = reinterpret_cast<FILE*>(data);
    char className[64], text[2048];
    GetClassNameA(child, className, sizeof className);
    LONG style = GetWindowLongA(child, GWL_STYLE);
    if (lstrcmpiA(className, "Static") == 0) {
        if ((style & SS_TYPEMASK) == SS_ICON) {
            if (SendMessageA(child, STM_GETICON, 0, 0) != 0)
                std::fprintf(out, "icon: yes\n");
            return TRUE;
        }
        GetWindowTextA(child, text, sizeof text);
        if (text[0] != '\0')
            std::fprintf(out, "text: %s\n", Utf8(text).c_str());
    } else if (lstrcmpiA(className, "Button") == 0) {
        GetWindowTextA(child, text, sizeof text);
        std::fprintf(out, "button: %d %s\n", GetDlgCtrlID(child), Utf8(text).c_str());
    }
    return TRUE;
}

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    DWORD timeout = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 20000;
    int button = argc > 3 ? std::atoi(argv[3]) : 0;
    Found found = {nullptr};
    for (DWORD waited = 0; waited < timeout && found.box == nullptr; waited += 50) {
        EnumWindows(FindBox, reinterpret_cast<LPARAM>(&found));
        if (found.box == nullptr)
            Sleep(50);
    }
    FILE* out = std::fopen(argv[1], "w");
    if (out == nullptr)
        return 2;
    if (found.box == nullptr) {
        std::fclose(out);
        return 1;
    }
    Sleep(200); // let the box finish laying itself out
    char caption[512];
    GetWindowTextA(found.box, caption, sizeof caption);
    std::fprintf(out, "caption: %s\n", Utf8(caption).c_str());
    EnumChildWindows(found.box, Describe, reinterpret_cast<LPARAM>(out));
    std::fprintf(out, "owner: %s\n", GetWindow(found.box, GW_OWNER) != nullptr ? "yes" : "no");
    std::fclose(out);
    if (button == 0) {
        button = GetDlgItem(found.box, IDOK) != nullptr ? IDOK : IDCANCEL;
    }
    PostMessageA(found.box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(found.box, button)));
    return 0;
}
