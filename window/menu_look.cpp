// The look of the menus: a textured background, pictures beside the items and the
// colour menu's own check pointer.
#include "window.h"

#include "../base/resource.h"
#include "../input/input.h"
#include "menu_brush_choice.h"

static GetMenuInfoFunction GetMenuInfoEntry;
static SetMenuInfoFunction SetMenuInfoEntry;
static HMENU MainMenu;

void SetMenuInfoFunctions(GetMenuInfoFunction get, SetMenuInfoFunction set)
{
    GetMenuInfoEntry = get;
    SetMenuInfoEntry = set;
}

// The pattern brushes of the two textures: made here each time the look is applied (the
// first time at the end of the window's creation), deleted here at the end.
static HBRUSH MenuBrush, MenuBrushInverse;

static const UINT ColourItems[] = {IDM_COLOUR_WHITE, IDM_COLOUR_BLUE, IDM_COLOUR_RED};
static const UINT MainItems[] = {IDM_MARK_WHITE, IDM_MARK_BLUE, IDM_MARK_RED, IDM_WHITE_ONLY,
                                 IDM_RESET,      IDM_EXIT,      IDM_HELP,     IDM_ABOUT};

HBRUSH ChooseMenuBrush(HBRUSH plain, HBRUSH inverse)
{
    return WantsInverseTexture(GetSysColor(COLOR_MENUTEXT)) ? inverse : plain;
}

static void SetBackground(HMENU menu)
{
    MENUINFO info = {};
    info.cbSize = sizeof info;
    GetMenuInfoEntry(menu, &info);
    info.cbSize = sizeof info;
    info.fMask = MIM_BACKGROUND | MIM_STYLE | MIM_APPLYTOSUBMENUS;
    info.dwStyle = MNS_NOCHECK;
    info.hbrBack = ChooseMenuBrush(MenuBrush, MenuBrushInverse);
    SetMenuInfoEntry(menu, &info);
}

static void AskForPictures(HMENU menu, const UINT* items, int count)
{
    MENUITEMINFOA item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_BITMAP;
    item.hbmpItem = HBMMENU_CALLBACK;
    for (int i = 0; i < count; ++i)
        SetMenuItemInfoA(menu, items[i], FALSE, &item);
}

void DeleteMenuBrushes()
{
    DeleteObject(MenuBrush);
    DeleteObject(MenuBrushInverse);
    MenuBrush = MenuBrushInverse = nullptr;
}

void ApplyMenuLook()
{
    DeleteMenuBrushes();
    MenuBrush = CreatePatternBrush(MenuTexture);
    MenuBrushInverse = CreatePatternBrush(MenuTextureInverse);
    SetBackground(MainMenu);
    SetBackground(ColourMenu);
    AskForPictures(ColourMenu, ColourItems, 3);
    AskForPictures(MainMenu, MainItems, 8);
}

void SetUpMenuLook(HMENU menuBar)
{
    MainMenu = menuBar;
    ApplyMenuLook();
}

void MeasureMenuItem(MEASUREITEMSTRUCT* item)
{
    item->itemWidth = item->itemID >= IDM_FIRST_COLOUR && item->itemID <= IDM_LAST_COLOUR ? 38 : 20;
    item->itemHeight = 18;
}

static void DrawPicture(const DRAWITEMSTRUCT* item, HICON icon, int x)
{
    // The picture area's top-left is taken from rcItem: Wine does not put it at the origin.
    DrawIconEx(item->hDC, item->rcItem.left + x, item->rcItem.top + 2, icon, 0, 0, 0, nullptr, DI_NORMAL);
}

// The icon beside each item of the menu bar; items not listed (Exit, About) have none.
static const struct {
    UINT item;
    int icon;
} ItemIcons[] = {
    {IDM_MARK_WHITE, MarkWhiteIcon}, {IDM_MARK_BLUE, MarkBlueIcon}, {IDM_MARK_RED, MarkRedIcon},
    {IDM_WHITE_ONLY, WhiteOnlyIcon}, {IDM_RESET, ResetIcon},        {IDM_HELP, HelpIcon},
};

void DrawMenuItem(const DRAWITEMSTRUCT* item)
{
    UINT id = item->itemID;
    if (id >= IDM_FIRST_COLOUR && id <= IDM_LAST_COLOUR) {
        bool checked = (GetMenuState(ColourMenu, id, MF_BYCOMMAND) & MF_CHECKED) != 0;
        DrawPicture(item, MenuIcons[checked ? ChosenIcon : NotChosenIcon], 2);
        DrawPicture(item, MenuIcons[MarkWhiteIcon + (id - IDM_FIRST_COLOUR)], 20);
        return;
    }
    for (const auto& entry : ItemIcons)
        if (entry.item == id)
            DrawPicture(item, MenuIcons[entry.icon], 2);
}
