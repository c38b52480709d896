// What start-up makes: the class, the window's size, place and styles, and what keeps them.
#include "main_window_fixture.h"

#include "../../app/app.h"

class StartupTest : public MainWindowTest {};

TEST_F(StartupTest, TheClientAreaIsFixed)
{
    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 497);
    EXPECT_EQ(client.bottom, 281);

    RECT outer;
    GetWindowRect(window, &outer);
    MoveWindow(window, outer.left, outer.top, 700, 500, TRUE);
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 497);
    EXPECT_EQ(client.bottom, 281);
    RECT after;
    GetWindowRect(window, &after);
    EXPECT_EQ(after.left, outer.left) << "the correction keeps the top-left corner";
    EXPECT_EQ(after.top, outer.top);

    ShowWindow(window, SW_MINIMIZE);
    Pump();
    ShowWindow(window, SW_RESTORE);
    Pump();
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 497);
    EXPECT_EQ(client.bottom, 281);
}

TEST_F(StartupTest, TheWindowIsCentredInTheWorkArea)
{
    RECT work, outer;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    GetWindowRect(window, &outer);
    int width = outer.right - outer.left, height = outer.bottom - outer.top;
    EXPECT_EQ(outer.left, work.left + (work.right - work.left - width) / 2);
    EXPECT_EQ(outer.top, work.top + (work.bottom - work.top - height) / 2);
}

TEST_F(StartupTest, TheWindowCannotBeResizedOrMaximised)
{
    LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN),
              WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN);
    EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE) & (WS_EX_APPWINDOW | WS_EX_WINDOWEDGE),
              WS_EX_APPWINDOW | WS_EX_WINDOWEDGE);
    char title[32];
    GetWindowTextA(window, title, sizeof title);
    EXPECT_STREQ(title, "Зельмора");
}

TEST_F(StartupTest, TheClassIsRegisteredAsTheProgramNeedsIt)
{
    WNDCLASSEXA info = {};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), "Zelmora", &info));
    EXPECT_EQ(info.style, static_cast<UINT>(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS));
    LOGBRUSH brush = {};
    ASSERT_EQ(GetObjectA(info.hbrBackground, sizeof brush, &brush), static_cast<int>(sizeof brush));
    EXPECT_EQ(brush.lbColor, RGB(170, 170, 255))
        << "the window's background colour, pinned as a number on purpose";
    EXPECT_NE(info.hIcon, nullptr);
    HMENU bar = GetMenu(window);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(GetMenuItemCount(bar), 2);
    char text[64];
    GetMenuStringA(bar, 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "Действия");
    GetMenuStringA(bar, 1, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "Информация");
    GetMenuStringA(bar, IDM_WHITE_ONLY, text, sizeof text, MF_BYCOMMAND);
    EXPECT_STREQ(text, "Только белый\tCtrl+Del");
}

TEST_F(StartupTest, ActivationGivesTheFocusBackToTheLastCell)
{
    Put(Cell(3, 7), "00:00");
    SendMessageA(Control(Cell(3, 7)), EM_SETSEL, 5, 4);
    SetFocus(nullptr);
    SendMessageA(window, WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(FocusedId(), Cell(3, 7));
    EXPECT_EQ(SelectedDigit(Cell(3, 7)), 4) << "the selection is left as it was";
}
