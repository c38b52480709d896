// The images of the main window: menu textures, menu icons and the composed button faces.
#include "window.h"

#include "../app/app.h"
#include "../app/resource.h"

HBITMAP MenuTexture, MenuTextureInverse;
HICON MenuIcons[MenuIconCount + 1];
HBITMAP ButtonFaceUp[ButtonCount + 1];
HBITMAP ButtonFaceDown[ButtonCount + 1];
HICON ButtonGlyphs[ButtonCount + 1];

static HBITMAP LoadBitmapNumber(int number) { return LoadBitmapA(ProgramInstance, MAKEINTRESOURCEA(number)); }

static HICON LoadSmallIcon(int number)
{
    return static_cast<HICON>(LoadImageA(ProgramInstance, MAKEINTRESOURCEA(number), IMAGE_ICON, 16, 16, 0));
}

static void LoadMenuTextures()
{
    MenuTexture = LoadBitmapNumber(IDB_MENU_TEXTURE);
    MenuTextureInverse = LoadBitmapNumber(IDB_MENU_TEXTURE);
    BITMAP size = {};
    GetObjectA(MenuTextureInverse, sizeof size, &size);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ previous = SelectObject(memory, MenuTextureInverse);
    BitBlt(memory, 0, 0, size.bmWidth, size.bmHeight, screen, 0, 0, DSTINVERT);
    SelectObject(memory, previous);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

// The faces are true-colour pictures, kept as they are in the file (a section of their own
// each) rather than converted to the display's format: the same pixels on a true-colour
// display, and under Wine a conversion costs trips to the server for every face and for
// every glyph drawn on it. The 256-colour texture stays a display bitmap, so that
// DSTINVERT inverts its colours and not its palette indices.
static HBITMAP LoadFace(int number)
{
    return static_cast<HBITMAP>(
        LoadImageA(ProgramInstance, MAKEINTRESOURCEA(number), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

static void LoadButtonFaces()
{
    for (int i = 1; i <= ButtonCount; ++i)
        ButtonFaceUp[i] = LoadFace(IDB_FACE_UP);
    for (int i = 1; i <= ButtonCount; ++i)
        ButtonFaceDown[i] = LoadFace(IDB_FACE_DOWN);
}

static void DrawGlyphOn(HDC memory, HBITMAP face, HICON glyph, int offset)
{
    HGDIOBJ previous = SelectObject(memory, face);
    DrawIconEx(memory, offset, offset, glyph, 0, 0, 0, nullptr, DI_NORMAL);
    SelectObject(memory, previous);
}

// The pressed face shows its glyph one pixel lower and further right. One memory context
// serves all eighteen faces: under Wine each screen context costs trips to the server.
static void ComposeFaces()
{
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    for (int i = 1; i <= ButtonCount; ++i)
        DrawGlyphOn(memory, ButtonFaceUp[i], ButtonGlyphs[i], 2);
    for (int i = 1; i <= ButtonCount; ++i)
        DrawGlyphOn(memory, ButtonFaceDown[i], ButtonGlyphs[i], 3);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

static void LoadGlyphs()
{
    for (int i = 1; i <= ButtonCount; ++i) {
        HICON previous = ButtonGlyphs[i];
        ButtonGlyphs[i] = LoadSmallIcon(IDI_GLYPH_BASE + i);
        if (previous != nullptr)
            DestroyIcon(previous);
    }
}

static void LoadMenuIcons()
{
    for (int i = 1; i <= MenuIconCount; ++i) {
        HICON previous = MenuIcons[i];
        MenuIcons[i] = LoadSmallIcon(IDI_MENU_BASE + i);
        if (previous != nullptr)
            DestroyIcon(previous);
    }
}

void LoadImages(HWND)
{
    LoadMenuTextures();
    MenuBrush = CreatePatternBrush(MenuTexture);
    MenuBrushInverse = CreatePatternBrush(MenuTextureInverse);
    LoadMenuIcons();
    LoadButtonFaces();
    LoadGlyphs();
    ComposeFaces();
}

static void DeleteTexturesAndFaces()
{
    DeleteObject(MenuTexture);
    DeleteObject(MenuTextureInverse);
    MenuTexture = MenuTextureInverse = nullptr;
    for (int i = 1; i <= ButtonCount; ++i) {
        DeleteObject(ButtonFaceUp[i]);
        DeleteObject(ButtonFaceDown[i]);
        ButtonFaceUp[i] = ButtonFaceDown[i] = nullptr;
    }
}

void ReloadImages()
{
    DeleteTexturesAndFaces();
    LoadMenuTextures();
    LoadButtonFaces();
    LoadGlyphs();
    ComposeFaces();
    for (int i = 1; i <= ButtonCount; ++i)
        SendDlgItemMessageA(MainWindow, IDC_BUTTON_BASE + i, STM_SETIMAGE, IMAGE_BITMAP,
                            reinterpret_cast<LPARAM>(ButtonFaceUp[i]));
    LoadMenuIcons();
    SendMessageA(MainWindow, WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(LoadIconA(ProgramInstance, MAKEINTRESOURCEA(IDI_APP))));
}

void DeleteImages() { DeleteTexturesAndFaces(); }
