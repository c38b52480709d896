// The images of the main window: menu textures, menu icons and the composed button faces.
// This file makes, remakes and deletes all of them; the icons are destroyed only when
// replaced (the system frees the last ones with the process).
#include "window.h"

#include "../base/program.h"
#include "../base/resource.h"
#include "../input/input.h"

HBITMAP MenuTexture, MenuTextureInverse;
HICON MenuIcons[MenuIconCount + 1];

static_assert(MenuIconCount == IDI_LAST_MENU_ICON - IDI_FIRST_MENU_ICON + 1, "one menu icon for each role");
static_assert(ButtonCount == IDI_LAST_GLYPH - IDI_FIRST_GLYPH + 1, "one glyph for each image button");

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
    for (int i = 1; i <= ButtonCount; ++i) {
        HBITMAP up = LoadFace(IDB_FACE_UP);
        SetButtonFaces(i, up, LoadFace(IDB_FACE_DOWN));
    }
}

static void DrawGlyphOn(HDC memory, HBITMAP face, HICON glyph, int offset)
{
    HGDIOBJ previous = SelectObject(memory, face);
    DrawIconEx(memory, offset, offset, glyph, 0, 0, 0, nullptr, DI_NORMAL);
    SelectObject(memory, previous);
}

// Each button's glyph drawn on its two faces, one pixel lower and further right on the
// pressed one. The glyphs are needed for nothing else, so they go as soon as they are drawn.
// One memory context serves all eighteen faces: under Wine each screen context costs trips
// to the server.
static void ComposeFaces()
{
    HICON glyphs[ButtonCount + 1];
    for (int i = 1; i <= ButtonCount; ++i)
        glyphs[i] = LoadSmallIcon(IDI_FIRST_GLYPH + i - 1);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    for (int i = 1; i <= ButtonCount; ++i)
        DrawGlyphOn(memory, ButtonFaceUp[i], glyphs[i], 2);
    for (int i = 1; i <= ButtonCount; ++i)
        DrawGlyphOn(memory, ButtonFaceDown[i], glyphs[i], 3);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    for (int i = 1; i <= ButtonCount; ++i)
        DestroyIcon(glyphs[i]);
}

static void LoadMenuIcons()
{
    for (int i = 1; i <= MenuIconCount; ++i) {
        HICON previous = MenuIcons[i];
        MenuIcons[i] = LoadSmallIcon(IDI_FIRST_MENU_ICON + i - 1);
        if (previous != nullptr)
            DestroyIcon(previous);
    }
}

void LoadImages()
{
    LoadMenuTextures();
    LoadMenuIcons();
    LoadButtonFaces();
    ComposeFaces();
}

void DeleteImages()
{
    DeleteObject(MenuTexture);
    DeleteObject(MenuTextureInverse);
    MenuTexture = MenuTextureInverse = nullptr;
    for (int i = 1; i <= ButtonCount; ++i) {
        DeleteObject(ButtonFaceUp[i]);
        DeleteObject(ButtonFaceDown[i]);
        SetButtonFaces(i, nullptr, nullptr);
    }
}

void ReloadImages()
{
    DeleteImages();
    LoadMenuTextures();
    LoadButtonFaces();
    ComposeFaces();
    for (int i = 1; i <= ButtonCount; ++i)
        SendDlgItemMessageA(MainWindow, IDC_FIRST_BUTTON + i - 1, STM_SETIMAGE, IMAGE_BITMAP,
                            reinterpret_cast<LPARAM>(ButtonFaceUp[i]));
    LoadMenuIcons();
    SendMessageA(MainWindow, WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(LoadIconA(ProgramInstance, MAKEINTRESOURCEA(IDI_APP))));
}
