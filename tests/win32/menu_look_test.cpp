// The look of the menus: background, picture areas, and the pictures drawn into them.
#include "main_window_fixture.h"
#include "pixels.h"

#include "../../app/app.h"
#include "../../base/resource.h"
#include "../../window/window.h"

#include <vector>

namespace {

const UINT MainItems[] = {IDM_MARK_WHITE, IDM_MARK_BLUE, IDM_MARK_RED, IDM_WHITE_ONLY,
                          IDM_RESET,      IDM_EXIT,      IDM_HELP,     IDM_ABOUT};
const UINT ColourItems[] = {IDM_COLOUR_WHITE, IDM_COLOUR_BLUE, IDM_COLOUR_RED};

// The bitmap a pattern brush was made from.
HBITMAP PatternOf(HBRUSH brush)
{
    LOGBRUSH made = {};
    GetObjectA(brush, sizeof made, &made);
    return made.lbStyle == BS_PATTERN ? reinterpret_cast<HBITMAP>(made.lbHatch) : nullptr;
}

HMENU MenuBar() { return GetMenu(MainWindow); }

MENUINFO InfoOf(HMENU menu)
{
    MENUINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = MIM_BACKGROUND | MIM_STYLE;
    GetMenuInfo(menu, &info);
    return info;
}

// Sets the menu text colour for the life of the object, as the control panel would.
class MenuTextColour {
  public:
    explicit MenuTextColour(COLORREF colour) : saved(GetSysColor(COLOR_MENUTEXT)) { Set(colour); }
    ~MenuTextColour() { Set(saved); }

  private:
    static void Set(COLORREF colour)
    {
        INT element = COLOR_MENUTEXT;
        SetSysColors(1, &element, &colour);
    }
    COLORREF saved;
};

} // namespace

class MenuLookTest : public MainWindowTest {
  protected:
    void TearDown() override
    {
        CheckMenuItem(ColourMenu, IDM_COLOUR_WHITE, MF_BYCOMMAND | MF_UNCHECKED);
        CheckMenuItem(ColourMenu, IDM_COLOUR_BLUE, MF_BYCOMMAND | MF_UNCHECKED);
        CheckMenuItem(ColourMenu, IDM_COLOUR_RED, MF_BYCOMMAND | MF_UNCHECKED);
        MainWindowTest::TearDown();
    }

    // What WM_DRAWITEM draws for the item, into a picture area at (left, top).
    Picture Drawn(UINT item, int left, int top, WPARAM wParam = 0)
    {
        Canvas canvas(64, 24, RGB(1, 2, 3));
        DRAWITEMSTRUCT draw = {};
        draw.CtlType = ODT_MENU;
        draw.itemID = item;
        draw.itemAction = ODA_DRAWENTIRE;
        draw.hwndItem = reinterpret_cast<HWND>(item >= IDM_COLOUR_WHITE ? ColourMenu : MenuBar());
        draw.hDC = canvas.dc();
        draw.rcItem = {left, top, left + (item >= IDM_COLOUR_WHITE ? 38 : 20), top + 18};
        EXPECT_EQ(SendMessageA(window, WM_DRAWITEM, wParam, reinterpret_cast<LPARAM>(&draw)), 0);
        return canvas.Read();
    }
};

TEST_F(MenuLookTest, MenusHaveTheTextureAndNoCheckSpace)
{
    const struct {
        const char* name;
        HMENU menu;
    } menus[] = {{"menu bar", MenuBar()},
                 {"Действия", GetSubMenu(MenuBar(), 0)},
                 {"Информация", GetSubMenu(MenuBar(), 1)},
                 {"colour menu", ColourMenu}};
    HBRUSH menuBrush = InfoOf(MenuBar()).hbrBack;
    ASSERT_NE(menuBrush, nullptr);
    EXPECT_EQ(PatternOf(menuBrush), MenuTexture);
    for (const auto& m : menus) {
        SCOPED_TRACE(m.name);
        ASSERT_NE(m.menu, nullptr);
        MENUINFO info = InfoOf(m.menu);
        EXPECT_EQ(info.hbrBack, menuBrush);
        EXPECT_NE(info.dwStyle & MNS_NOCHECK, 0u);
    }
}

TEST_F(MenuLookTest, ItemsAskForTheirPictures)
{
    auto check = [](HMENU menu, UINT id) {
        SCOPED_TRACE("item " + std::to_string(id));
        MENUITEMINFOA item = {};
        item.cbSize = sizeof item;
        item.fMask = MIIM_BITMAP;
        ASSERT_TRUE(GetMenuItemInfoA(menu, id, FALSE, &item));
        EXPECT_EQ(item.hbmpItem, HBMMENU_CALLBACK);
    };
    for (UINT id : MainItems)
        check(MenuBar(), id);
    for (UINT id : ColourItems)
        check(ColourMenu, id);
}

// Light menu text needs the inverted texture; the choice is made at the colour change.
TEST_F(MenuLookTest, MenuTextColourChoosesTheTexture)
{
    const struct {
        COLORREF text;
        bool inverse;
    } cases[] = {
        {RGB(0, 0, 0), false},      {RGB(255, 255, 255), true}, {RGB(128, 128, 128), false},
        {RGB(129, 129, 129), true}, {RGB(2, 196, 116), false},  {RGB(0, 255, 0), true},
    };
    HBRUSH plain = CreateSolidBrush(RGB(1, 1, 1)), inverse = CreateSolidBrush(RGB(2, 2, 2));
    for (const auto& c : cases) {
        SCOPED_TRACE("menu text " + Rgb(c.text));
        MenuTextColour colour(c.text);
        ASSERT_EQ(GetSysColor(COLOR_MENUTEXT), c.text);
        EXPECT_EQ(ChooseMenuBrush(plain, inverse), c.inverse ? inverse : plain);
        // The change reaches the window as WM_SYSCOLORCHANGE.
        Pump();
        HBITMAP expected = c.inverse ? MenuTextureInverse : MenuTexture;
        EXPECT_EQ(PatternOf(InfoOf(MenuBar()).hbrBack), expected);
        EXPECT_EQ(InfoOf(GetSubMenu(MenuBar(), 1)).hbrBack, InfoOf(MenuBar()).hbrBack);
        EXPECT_EQ(InfoOf(ColourMenu).hbrBack, InfoOf(MenuBar()).hbrBack);
    }
    DeleteObject(plain);
    DeleteObject(inverse);
    Pump();
    EXPECT_EQ(PatternOf(InfoOf(MenuBar()).hbrBack), MenuTexture);
}

TEST_F(MenuLookTest, InverseTextureIsTheTextureInverted)
{
    Canvas plain(117, 66, RGB(1, 2, 3)), inverse(117, 66, RGB(1, 2, 3));
    RECT all = {0, 0, 117, 66};
    HBRUSH plainBrush = CreatePatternBrush(MenuTexture),
           inverseBrush = CreatePatternBrush(MenuTextureInverse);
    FillRect(plain.dc(), &all, plainBrush);
    FillRect(inverse.dc(), &all, inverseBrush);
    DeleteObject(plainBrush);
    DeleteObject(inverseBrush);
    Picture a = plain.Read(), b = inverse.Read();
    int wrong = 0, light = 0;
    for (size_t i = 0; i < a.pixels.size(); ++i) {
        wrong += b.pixels[i] != (~a.pixels[i] & 0xFFFFFF);
        light += GetRValue(a.pixels[i]) > 200 && GetGValue(a.pixels[i]) > 200 && GetBValue(a.pixels[i]) > 150;
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(light, static_cast<int>(a.pixels.size())) << "the texture is pale cream and yellow";
    EXPECT_GT(a.Others({a.At(0, 0)}).size(), 0u) << "the texture is flat";
}

TEST_F(MenuLookTest, MeasureItem)
{
    for (UINT id : {701u, 702u, 703u, 704u, 705u, 706u, 711u, 712u, 801u, 802u, 803u, 0u, 800u, 804u}) {
        SCOPED_TRACE("item " + std::to_string(id));
        MEASUREITEMSTRUCT measure = {};
        measure.CtlType = ODT_MENU;
        measure.itemID = id;
        EXPECT_EQ(SendMessageA(window, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)), 0);
        EXPECT_EQ(measure.itemWidth, id >= IDM_COLOUR_WHITE && id <= IDM_COLOUR_RED ? 38u : 20u);
        EXPECT_EQ(measure.itemHeight, 18u);
    }
    MEASUREITEMSTRUCT control = {};
    control.CtlType = ODT_MENU;
    control.itemID = IDM_MARK_WHITE;
    SendMessageA(window, WM_MEASUREITEM, 1, reinterpret_cast<LPARAM>(&control));
    EXPECT_EQ(control.itemWidth, 0u) << "a control's measure is not the menu's";
}

// Each item's icon, two pixels in from the picture area's corner, wherever that area lies.
TEST_F(MenuLookTest, DrawItemDrawsTheItemsIcon)
{
    const struct {
        UINT item;
        int icon;
    } cases[] = {{IDM_MARK_WHITE, IDI_MENU_MARK_WHITE}, {IDM_MARK_BLUE, IDI_MENU_MARK_BLUE},
                 {IDM_MARK_RED, IDI_MENU_MARK_RED},     {IDM_WHITE_ONLY, IDI_MENU_WHITE_ONLY},
                 {IDM_RESET, IDI_MENU_RESET},           {IDM_HELP, IDI_MENU_HELP}};
    for (const auto& c : cases) {
        for (POINT corner : {POINT{0, 0}, POINT{7, 3}}) {
            SCOPED_TRACE("item " + std::to_string(c.item) + " at " + std::to_string(corner.x) + "," +
                         std::to_string(corner.y));
            Canvas expected(64, 24, RGB(1, 2, 3));
            DrawIconResource(expected.dc(), c.icon, corner.x + 2, corner.y + 2);
            Picture drawn = Drawn(c.item, corner.x, corner.y);
            EXPECT_TRUE(drawn == expected.Read()) << Differences(drawn, expected.Read());
        }
    }
}

TEST_F(MenuLookTest, ItemsWithoutIconDrawNothing)
{
    Canvas blank(64, 24, RGB(1, 2, 3));
    for (UINT item : {706u, 712u, 0u, 700u, 804u}) {
        SCOPED_TRACE("item " + std::to_string(item));
        EXPECT_TRUE(Drawn(item, 3, 3) == blank.Read());
    }
    EXPECT_TRUE(Drawn(IDM_MARK_WHITE, 3, 3, 1) == blank.Read()) << "a control's drawing is not the menu's";
}

// The colour items: the orange pointer where the menu state says checked, the grey one
// elsewhere, then the colour's own icon.
TEST_F(MenuLookTest, ColourItemsShowThePointerOfTheirCheckState)
{
    for (UINT checked : {801u, 802u, 803u, 0u}) {
        if (checked != 0)
            CheckMenuRadioItem(ColourMenu, IDM_COLOUR_WHITE, IDM_COLOUR_RED, checked, MF_BYCOMMAND);
        else
            for (UINT item : ColourItems)
                CheckMenuItem(ColourMenu, item, MF_BYCOMMAND | MF_UNCHECKED);
        for (UINT item : ColourItems) {
            SCOPED_TRACE("item " + std::to_string(item) + ", checked " + std::to_string(checked));
            Canvas expected(64, 24, RGB(1, 2, 3));
            DrawIconResource(expected.dc(), item == checked ? 27 : 28, 5 + 2, 4 + 2);
            DrawIconResource(expected.dc(), IDI_MENU_MARK_WHITE + static_cast<int>(item - IDM_COLOUR_WHITE),
                             5 + 20, 4 + 2);
            Picture drawn = Drawn(item, 5, 4);
            EXPECT_TRUE(drawn == expected.Read()) << Differences(drawn, expected.Read());
        }
    }
    Canvas orange(16, 16, RGB(1, 2, 3)), grey(16, 16, RGB(1, 2, 3));
    DrawIconResource(orange.dc(), 27, 0, 0);
    DrawIconResource(grey.dc(), 28, 0, 0);
    EXPECT_FALSE(orange.Read() == grey.Read()) << "the two pointers look alike";
}

namespace {

struct Seen {
    Picture popup;
    bool shown = false;
    int waits = 0;
} Menu;

// Runs inside the menu's own loop: once the popup is up, read what it shows and close it.
void CALLBACK LookAtMenu(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND popup = FindWindowA("#32768", nullptr);
    if (popup != nullptr && IsWindowVisible(popup)) {
        Menu.popup = ReadSurface(popup);
        Menu.shown = true;
    } else if (++Menu.waits < 20) {
        return;
    }
    KillTimer(nullptr, timer);
    EndMenu();
}

// The places where the icon's opaque pixels appear in the picture.
std::vector<POINT> Find(const Picture& picture, int icon)
{
    Canvas onBlack(16, 16, RGB(0, 0, 0)), onWhite(16, 16, RGB(255, 255, 255));
    DrawIconResource(onBlack.dc(), icon, 0, 0);
    DrawIconResource(onWhite.dc(), icon, 0, 0);
    Picture black = onBlack.Read(), white = onWhite.Read();
    std::vector<POINT> places;
    for (int y = 0; y + 16 <= picture.height; ++y) {
        for (int x = 0; x + 16 <= picture.width; ++x) {
            bool match = true;
            for (int j = 0; j < 16 && match; ++j)
                for (int i = 0; i < 16 && match; ++i)
                    if (black.At(i, j) == white.At(i, j))
                        match = picture.At(x + i, y + j) == black.At(i, j);
            if (match)
                places.push_back({x, y});
        }
    }
    return places;
}

std::string Places(const std::vector<POINT>& places)
{
    std::string list;
    for (POINT p : places)
        list += std::to_string(p.x) + "," + std::to_string(p.y) + " ";
    return list;
}

} // namespace

// The real popups, as the system draws them with the program's pictures.
TEST_F(MenuLookTest, OpenMenusShowTheirPictures)
{
    Put(Cell(1, 7), "00:00");
    SendMessageA(window, WM_COMMAND, IDM_MARK_BLUE, 0);
    const struct {
        const char* name;
        int popup; // of the menu bar, or -1 for the colour menu
        std::vector<int> once, twice;
    } menus[] = {
        {"Действия", 0, {21, 22, 23, 24, 25}, {}},
        {"Информация", 1, {26}, {}},
        {"colour menu of a blue cell", -1, {27, 21, 22, 23}, {28}},
    };
    for (const auto& m : menus) {
        SCOPED_TRACE(m.name);
        Menu = Seen();
        SetTimer(nullptr, 0, 100, LookAtMenu);
        if (m.popup < 0)
            SendMessageA(Control(Cell(1, 7)), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Control(Cell(1, 7))),
                         -1);
        else
            TrackPopupMenuEx(GetSubMenu(MenuBar(), m.popup), 0, 200, 200, window, nullptr);
        Pump();
        ASSERT_TRUE(Menu.shown) << "the menu did not open";
        for (int icon : m.once)
            EXPECT_EQ(Find(Menu.popup, icon).size(), 1u)
                << "icon " << icon << " at " << Places(Find(Menu.popup, icon));
        for (int icon : m.twice)
            EXPECT_EQ(Find(Menu.popup, icon).size(), 2u)
                << "icon " << icon << " at " << Places(Find(Menu.popup, icon));
        if (m.popup < 0) {
            // The orange pointer stands before the blue item's own icon.
            std::vector<POINT> pointer = Find(Menu.popup, 27), blue = Find(Menu.popup, 22);
            ASSERT_EQ(pointer.size(), 1u);
            ASSERT_EQ(blue.size(), 1u);
            EXPECT_EQ(blue[0].x - pointer[0].x, 18);
            EXPECT_EQ(blue[0].y, pointer[0].y);
        }
    }
}
