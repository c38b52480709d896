// The resource table of the shipped executable: what is there, under which language, and
// what the pictures, menus, keys, strings, dialog and version record hold. The resource
// numbers are written as numbers on purpose: they are what the test pins.
#include <gtest/gtest.h>
#include <windows.h>

#include "version.h"

#include <algorithm>
#include <cstring>
#include <cwctype>
#include <set>
#include <string>
#include <vector>

namespace {

const WORD Russian = MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT);     // 0x0419
const WORD RussianOnly = MAKELANGID(LANG_RUSSIAN, SUBLANG_NEUTRAL); // 0x0019

const LPCWSTR TypeBitmap = MAKEINTRESOURCEW(2), TypeIcon = MAKEINTRESOURCEW(3),
              TypeDialog = MAKEINTRESOURCEW(5), TypeAccelerators = MAKEINTRESOURCEW(9),
              TypeIconGroup = MAKEINTRESOURCEW(14), TypeManifest = MAKEINTRESOURCEW(24);

HMODULE Program()
{
    static HMODULE module = LoadLibraryExA(ZELMORA_EXE_PATH, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    return module;
}

std::vector<BYTE> Raw(LPCWSTR type, int number, WORD language)
{
    HRSRC found = FindResourceExW(Program(), type, MAKEINTRESOURCEW(number), language);
    if (found == nullptr)
        return {};
    const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(Program(), found)));
    return std::vector<BYTE>(data, data + SizeofResource(Program(), found));
}

template <typename T> T Read(const std::vector<BYTE>& data, size_t offset)
{
    T value{};
    if (offset + sizeof value <= data.size())
        std::memcpy(&value, data.data() + offset, sizeof value);
    return value;
}

std::string Hex(unsigned value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04X", value);
    return text;
}

std::string TypeName(LPCWSTR type)
{
    if (!IS_INTRESOURCE(type))
        return "named type";
    switch (reinterpret_cast<ULONG_PTR>(type)) {
    case 2: return "BITMAP";
    case 3: return "ICON";
    case 4: return "MENU";
    case 5: return "DIALOG";
    case 6: return "STRING";
    case 9: return "ACCELERATOR";
    case 14: return "GROUP_ICON";
    case 16: return "VERSION";
    case 24: return "MANIFEST";
    }
    return "type " + std::to_string(reinterpret_cast<ULONG_PTR>(type));
}

std::string Entry(LPCWSTR type, LPCWSTR name, WORD language)
{
    std::string number = IS_INTRESOURCE(name) ? std::to_string(reinterpret_cast<ULONG_PTR>(name)) : "named";
    return TypeName(type) + " " + number + " " + Hex(language);
}

BOOL CALLBACK AddLanguage(HMODULE, LPCWSTR type, LPCWSTR name, WORD language, LONG_PTR list)
{
    reinterpret_cast<std::vector<std::string>*>(list)->push_back(Entry(type, name, language));
    return TRUE;
}

BOOL CALLBACK AddName(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR list)
{
    EnumResourceLanguagesW(module, type, name, AddLanguage, list);
    return TRUE;
}

BOOL CALLBACK AddType(HMODULE module, LPWSTR type, LONG_PTR list)
{
    EnumResourceNamesW(module, type, AddName, list);
    return TRUE;
}

// A text or a number ("#n") of a dialog template, advancing offset past it.
std::wstring TextOrNumber(const std::vector<BYTE>& data, size_t& offset)
{
    if (Read<WORD>(data, offset) == 0xFFFF) {
        offset += 4;
        return L"#" + std::to_wstring(Read<WORD>(data, offset - 2));
    }
    std::wstring text;
    for (WORD c; (c = Read<WORD>(data, offset)) != 0; offset += 2)
        text += static_cast<wchar_t>(c);
    offset += 2;
    return text;
}

// The class of a dialog control, whether stored by name or by its predefined number.
std::wstring ClassName(const std::wstring& stored)
{
    if (stored == L"#128")
        return L"BUTTON";
    if (stored == L"#129")
        return L"EDIT";
    if (stored == L"#130")
        return L"STATIC";
    std::wstring upper = stored;
    for (wchar_t& c : upper)
        c = static_cast<wchar_t>(towupper(c));
    return upper;
}

} // namespace

TEST(Resources, EveryResourceByNumberAndLanguage)
{
    ASSERT_NE(Program(), nullptr) << ZELMORA_EXE_PATH;
    std::vector<std::string> found;
    EnumResourceTypesW(Program(), AddType, reinterpret_cast<LONG_PTR>(&found));
    // The icon images are numbered by the resource compiler; their groups are what counts.
    size_t images = std::count_if(found.begin(), found.end(),
                                  [](const std::string& e) { return e.rfind("ICON ", 0) == 0; });
    EXPECT_EQ(images, 4u + 8u + 9u);
    found.erase(std::remove_if(found.begin(), found.end(),
                               [](const std::string& e) {
                                   return e.rfind("ICON ", 0) == 0 && e.size() > 5 &&
                                          e.substr(e.size() - 4) == "0419";
                               }),
                found.end());

    std::vector<std::string> expected = {"DIALOG 5 0019", "GROUP_ICON 11 0419"};
    for (int n : {21, 22, 23, 24, 25, 26, 27, 28, 31, 32, 33, 34, 35, 36, 37, 38, 39})
        expected.push_back("GROUP_ICON " + std::to_string(n) + " 0419");
    for (const char* e :
         {"BITMAP 41 0419", "BITMAP 42 0419", "BITMAP 43 0419", "STRING 4 0419", "STRING 5 0419",
          "MENU 700 0419", "MENU 800 0419", "ACCELERATOR 750 0419", "MANIFEST 1 0419", "VERSION 1 0419"})
        expected.push_back(e);
    std::sort(found.begin(), found.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(found, expected);
}

TEST(Resources, IconGroupsAndTheirImages)
{
    struct Image {
        int width, colours, bits;
    };
    const std::vector<Image> small24 = {{16, 0, 24}};
    const struct {
        int group;
        std::vector<Image> images;
    } groups[] = {
        {11, {{32, 16, 4}, {16, 16, 4}, {32, 0, 8}, {16, 0, 8}}},
        {21, small24},
        {22, small24},
        {23, small24},
        {24, small24},
        {25, small24},
        {26, small24},
        {27, small24},
        {28, small24},
        {31, small24},
        {32, small24},
        {33, small24},
        {34, small24},
        {35, small24},
        {36, small24},
        {37, small24},
        {38, small24},
        {39, small24},
    };
    for (const auto& g : groups) {
        SCOPED_TRACE("icon group " + std::to_string(g.group));
        std::vector<BYTE> group = Raw(TypeIconGroup, g.group, Russian);
        ASSERT_EQ(Read<WORD>(group, 2), 1) << "not an icon group";
        ASSERT_EQ(Read<WORD>(group, 4), g.images.size());
        for (size_t i = 0; i < g.images.size(); ++i) {
            SCOPED_TRACE("image " + std::to_string(i));
            const Image& want = g.images[i];
            size_t at = 6 + 14 * i;
            EXPECT_EQ(Read<BYTE>(group, at), want.width);
            EXPECT_EQ(Read<BYTE>(group, at + 1), want.width);
            EXPECT_EQ(Read<BYTE>(group, at + 2), want.colours);
            EXPECT_EQ(Read<WORD>(group, at + 6), want.bits);
            std::vector<BYTE> image = Raw(TypeIcon, Read<WORD>(group, at + 12), Russian);
            auto header = Read<BITMAPINFOHEADER>(image, 0);
            EXPECT_EQ(header.biWidth, want.width);
            EXPECT_EQ(header.biHeight, 2 * want.width) << "colour and mask";
            EXPECT_EQ(header.biBitCount, want.bits);
        }
    }
}

TEST(Resources, BitmapsAndTheFaceEdges)
{
    const struct {
        int number, width, height, bits;
    } bitmaps[] = {{41, 117, 66, 8}, {42, 21, 21, 24}, {43, 21, 21, 24}};
    for (const auto& b : bitmaps) {
        SCOPED_TRACE("bitmap " + std::to_string(b.number));
        auto header = Read<BITMAPINFOHEADER>(Raw(TypeBitmap, b.number, Russian), 0);
        EXPECT_EQ(header.biWidth, b.width);
        EXPECT_EQ(header.biHeight, b.height) << "stored bottom-up";
        EXPECT_EQ(header.biBitCount, b.bits);
        EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB));
        if (b.bits == 8) {
            EXPECT_TRUE(header.biClrUsed == 0 || header.biClrUsed == 256) << header.biClrUsed;
        }
    }

    const COLORREF white = RGB(255, 255, 255), edge = RGB(170, 170, 255);
    const struct {
        int number, x, y;
        COLORREF colour;
    } pixels[] = {
        {42, 0, 0, white},
        {42, 19, 0, white},
        {42, 0, 19, white},
        {42, 20, 0, edge},
        {42, 0, 20, edge},
        {42, 20, 20, edge},
        {42, 19, 19, RGB(196, 196, 255)},
        {43, 0, 0, edge},
        {43, 20, 0, white},
        {43, 0, 20, white},
        {43, 20, 20, white},
        {43, 1, 1, RGB(196, 196, 255)},
    };
    for (const auto& p : pixels) {
        SCOPED_TRACE("bitmap " + std::to_string(p.number) + " at " + std::to_string(p.x) + "," +
                     std::to_string(p.y));
        std::vector<BYTE> bitmap = Raw(TypeBitmap, p.number, Russian);
        size_t at = sizeof(BITMAPINFOHEADER) + (20 - p.y) * 64 + 3 * p.x;
        EXPECT_EQ(RGB(Read<BYTE>(bitmap, at + 2), Read<BYTE>(bitmap, at + 1), Read<BYTE>(bitmap, at)),
                  p.colour);
    }
}

TEST(Resources, AboutDialogUnderRussianWithoutSublanguage)
{
    std::vector<BYTE> dialog = Raw(TypeDialog, 5, RussianOnly);
    ASSERT_FALSE(dialog.empty());
    EXPECT_EQ(Raw(TypeDialog, 5, Russian), dialog) << "not found from Russian (Russia)";
    EXPECT_EQ(Read<DWORD>(dialog, 0), 0x90C808C0u);
    EXPECT_EQ(Read<DWORD>(dialog, 4), 0u);
    ASSERT_EQ(Read<WORD>(dialog, 8), 7);
    EXPECT_EQ(Read<short>(dialog, 14), 155);
    EXPECT_EQ(Read<short>(dialog, 16), 114);
    size_t at = 18;
    EXPECT_EQ(TextOrNumber(dialog, at), L"") << "no menu";
    EXPECT_EQ(TextOrNumber(dialog, at), L"") << "the default class";
    EXPECT_EQ(TextOrNumber(dialog, at), L"О программе");
    EXPECT_EQ(Read<WORD>(dialog, at), 8);
    at += 2;
    EXPECT_EQ(TextOrNumber(dialog, at), L"MS Sans Serif");

    const struct {
        DWORD style;
        WORD id;
        const wchar_t* type;
        short x, y, cx, cy;
        std::wstring text; // "#11": the resource number
    } controls[] = {
        // The numbers as the template stores them, pinned on purpose: these are its bytes.
        {0x50000012, 0xFFFF, L"STATIC", 5, 5, 145, 85, L""},
        {0x50000203, 0xFFFF, L"STATIC", 10, 10, 35, 35, L"#11"},
        {0x50000012, 0xFFFF, L"STATIC", 10, 10, 35, 35, L""},
        {0x50000804, 0xFFFF, L"EDIT", 50, 10, 95, 35, L"Зельмора\r\n(версия " ZELMORA_VERSION_TEXT ")\r\n"},
        {0x50000805, 0xFFFF, L"EDIT", 10, 50, 135, 34,
         L"Системные требования:\r\nWindows 98/ME/2000/XP,\r\nрекомендуемая цветовая палитра\r\n16 бит и "
         L"выше"},
        {0x50010F01, 1, L"BUTTON", 5, 95, 30, 14, L"\x041E\x041A"},
        {0x50010F00, 9, L"BUTTON", 40, 95, 110, 14, L"Лицензионное соглашение"},
    };
    for (const auto& c : controls) {
        SCOPED_TRACE("control " + std::to_string(&c - controls + 1));
        at = (at + 3) & ~size_t(3);
        EXPECT_EQ(Hex(Read<DWORD>(dialog, at)), Hex(c.style));
        EXPECT_EQ(Read<DWORD>(dialog, at + 4), 0u);
        EXPECT_EQ(Read<short>(dialog, at + 8), c.x);
        EXPECT_EQ(Read<short>(dialog, at + 10), c.y);
        EXPECT_EQ(Read<short>(dialog, at + 12), c.cx);
        EXPECT_EQ(Read<short>(dialog, at + 14), c.cy);
        EXPECT_EQ(Read<WORD>(dialog, at + 16), c.id);
        at += 18;
        EXPECT_EQ(ClassName(TextOrNumber(dialog, at)), c.type);
        std::wstring text = TextOrNumber(dialog, at);
        // The About text's last two lines, the maker's notice and address, are free.
        if (c.style == 0x50000804) {
            EXPECT_EQ(text.substr(0, c.text.size()), c.text);
            EXPECT_EQ(std::count(text.begin(), text.end(), L'\n'), 3);
        } else {
            EXPECT_EQ(text, c.text);
        }
        EXPECT_EQ(Read<WORD>(dialog, at), 0) << "creation data";
        at += 2;
    }
    EXPECT_EQ(at, dialog.size());
}

namespace {

// One line per item: "popup Text", "separator" or "id Text"; states other than plain shown.
std::wstring MenuLines(HMENU menu)
{
    std::wstring lines;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[64] = {};
        MENUITEMINFOW item = {};
        item.cbSize = sizeof item;
        item.fMask = MIIM_ID | MIIM_STRING | MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU;
        item.dwTypeData = text;
        item.cch = 64;
        GetMenuItemInfoW(menu, i, TRUE, &item);
        if (item.fType & MFT_SEPARATOR)
            lines += L"separator";
        else if (item.hSubMenu != nullptr)
            lines += std::wstring(L"popup ") + text;
        else
            lines += std::to_wstring(item.wID) + L" " + text;
        // The system itself greys separators as it loads them.
        if (!(item.fType & MFT_SEPARATOR) && item.fState != 0)
            lines += L" state " + std::to_wstring(item.fState);
        lines += L"\n";
        if (item.hSubMenu != nullptr)
            lines += MenuLines(item.hSubMenu);
    }
    return lines;
}

} // namespace

TEST(Resources, Menus)
{
    HMENU bar = LoadMenuW(Program(), MAKEINTRESOURCEW(700));
    EXPECT_EQ(MenuLines(bar), L"popup Действия\n"
                              L"701 Выделить белым\tCtrl+W\n"
                              L"702 Выделить синим\tCtrl+B\n"
                              L"703 Выделить красным\tCtrl+R\n"
                              L"separator\n"
                              L"704 Только белый\tCtrl+Del\n"
                              L"separator\n"
                              L"705 Сброс\tCtrl+BkSp\n"
                              L"separator\n"
                              L"706 Выход\tAlt+F4\n"
                              L"popup Информация\n"
                              L"711 Справка\tF1\n"
                              L"separator\n"
                              L"712 О программе\tCtrl+F1\n");
    HMENU colours = LoadMenuW(Program(), MAKEINTRESOURCEW(800));
    EXPECT_EQ(MenuLines(colours), L"popup Цвет\n"
                                  L"801 Белый\tCtrl+W\n"
                                  L"802 Синий\tCtrl+B\n"
                                  L"803 Красный\tCtrl+R\n");
    DestroyMenu(bar);
    DestroyMenu(colours);
}

// F1 and Ctrl+F1, neither with FNOINVERT, so the menu bar flashes "Информация".
TEST(Resources, Accelerators)
{
    std::vector<BYTE> table = Raw(TypeAccelerators, 750, Russian);
    ASSERT_EQ(table.size(), 16u);
    const struct {
        WORD flags, key, command;
    } entries[] = {{FVIRTKEY, VK_F1, 711}, {FVIRTKEY | FCONTROL | 0x80, VK_F1, 712}}; // 0x80: the last
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE("entry " + std::to_string(i));
        EXPECT_EQ(Hex(Read<WORD>(table, 8 * i)), Hex(entries[i].flags));
        EXPECT_EQ(Read<WORD>(table, 8 * i + 2), entries[i].key);
        EXPECT_EQ(Read<WORD>(table, 8 * i + 4), entries[i].command);
    }
}

TEST(Resources, TooltipStringsAndNoOthers)
{
    const struct {
        int number;
        std::wstring text;
    } strings[] = {
        {51, L"Сумма значений ячеек, выделенных белым цветом"},
        {52, L"Сумма значений ячеек, выделенных синим цветом"},
        {53, L"Сумма значений ячеек, выделенных красным цветом"},
        {54, L"Общая сумма"},
        {61, L"Только белый (Ctrl+Delete)"},
        {62, L"Сброс (Ctrl+BackSpace)"},
        {63, L"Переход вверх (Up)"},
        {64, L"Переход влево (PageUp)"},
        {65, L"Переход вправо (PageDown)"},
        {66, L"Переход вниз (Down)"},
        {67, L"Выделить белым (Ctrl+W)"},
        {68, L"Выделить синим (Ctrl+B)"},
        {69, L"Выделить красным (Ctrl+R)"},
    };
    std::set<int> known;
    for (const auto& s : strings) {
        SCOPED_TRACE("string " + std::to_string(s.number));
        wchar_t text[128] = {};
        LoadStringW(Program(), s.number, text, 128);
        EXPECT_EQ(std::wstring(text), s.text);
        known.insert(s.number);
    }
    // The two blocks that hold them hold nothing else.
    for (int number = 48; number < 80; ++number) {
        wchar_t text[128] = {};
        if (known.count(number) == 0) {
            EXPECT_EQ(LoadStringW(Program(), number, text, 128), 0) << "string " << number;
        }
    }
}

TEST(Resources, ManifestAsksForCommonControls6)
{
    std::vector<BYTE> raw = Raw(TypeManifest, 1, Russian);
    std::string manifest(raw.begin(), raw.end());
    for (const char* part : {
             "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>",
             "xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\"",
             "<description>Zelmora</description>",
             "<assemblyIdentity version=\"" ZELMORA_VERSION_RECORD
             "\" processorArchitecture=\"" ZELMORA_ARCHITECTURE "\" name=\"Zelmora\" "
             "type=\"win32\"/>",
             "type=\"win32\" name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\" "
             "processorArchitecture=\"" ZELMORA_ARCHITECTURE
             "\" publicKeyToken=\"6595b64144ccf1df\" language=\"*\"",
         })
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
}

TEST(Resources, VersionRecord)
{
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeA(ZELMORA_EXE_PATH, &ignored);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> data(size);
    ASSERT_TRUE(GetFileVersionInfoA(ZELMORA_EXE_PATH, 0, size, data.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00020000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00020000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
    EXPECT_EQ(fixed->dwFileFlagsMask, 0u);
    EXPECT_EQ(fixed->dwFileFlags, 0u);
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(fixed->dwFileSubtype, 0u);
    EXPECT_EQ(fixed->dwFileDateMS | fixed->dwFileDateLS, 0u);

    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\VarFileInfo\\Translation",
                               reinterpret_cast<void**>(&translation), &length));
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(translation[0], 0x0419);
    EXPECT_EQ(translation[1], 1251);

    const struct {
        const wchar_t* key;
        std::wstring value; // empty: the maker's own, only present
    } keys[] = {
        {L"FileDescription", L"Зельмора"}, {L"FileVersion", L"" ZELMORA_VERSION_RECORD},
        {L"ProductName", L"Зельмора"},     {L"ProductVersion", L"" ZELMORA_VERSION_TEXT},
        {L"LegalCopyright", L""},          {L"OriginalFilename", L""},
    };
    for (const auto& k : keys) {
        std::wstring path = std::wstring(L"\\StringFileInfo\\041904E3\\") + k.key;
        SCOPED_TRACE(std::string(path.begin(), path.end()));
        wchar_t* value = nullptr;
        ASSERT_TRUE(VerQueryValueW(data.data(), path.c_str(), reinterpret_cast<void**>(&value), &length));
        if (!k.value.empty()) {
            EXPECT_EQ(std::wstring(value), k.value);
        } else {
            EXPECT_GT(wcslen(value), 0u);
        }
    }
}
