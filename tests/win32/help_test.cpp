// Opening the help: where the file is looked for, what the engine is asked, the messages.
#include "info_watch.h"
#include "main_window_fixture.h"

#include "../../base/context.h"

#include "../../app/app.h"
#include "../../info/info.h"

#include <vector>

namespace {

struct HelpCall {
    HWND caller;
    std::string file;
    UINT command;
    DWORD_PTR data;
    bool aboutOpen;
};

std::vector<HelpCall> Calls;

// Stands where the engine's HtmlHelpA would be: what the program hands over is what counts.
HWND WINAPI RecordHelpCall(HWND caller, const char* file, UINT command, DWORD_PTR data)
{
    bool aboutOpen = false;
    for (HWND box : VisibleBoxes(GetCurrentThreadId()))
        aboutOpen = aboutOpen || GetWindow(box, GW_OWNER) == MainWindow;
    Calls.push_back(HelpCall{caller, file, command, data, aboutOpen});
    return nullptr;
}

class HelpTest : public HelpEngineTest {
  protected:
    HelpTest() : HelpEngineTest(RecordHelpCall) {}
    void SetUp() override
    {
        HelpEngineTest::SetUp();
        Calls.clear();
    }

    // Runs the program's own loop, with its accelerators, until the main window is gone.
    void RunLoop()
    {
        RunMessageLoop(LoadAcceleratorsA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_ACCELERATORS)));
        window = nullptr;
    }
};

TEST_F(HelpTest, TheEngineIsLoadedFromTheSystemFolder)
{
    HtmlHelpEntry = nullptr;
    LoadHtmlHelp();
    ASSERT_NE(HtmlHelpEntry, nullptr);
    HMODULE engine = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<const char*>(reinterpret_cast<void*>(HtmlHelpEntry)), &engine);
    char path[MAX_PATH], system[MAX_PATH];
    GetModuleFileNameA(engine, path, sizeof path);
    GetSystemDirectoryA(system, sizeof system);
    EXPECT_EQ(lstrcmpiA(path, (std::string(system) + "\\hhctrl.ocx").c_str()), 0) << path;
}

TEST_F(HelpTest, F1AndTheMenuItemAskForTheGeneralTopic)
{
    PutHelpFile();
    SendMessageA(window, WM_COMMAND, IDM_HELP, 0);
    PostMessageA(Control(Cell(1, 1)), WM_KEYDOWN, VK_F1, 0x003B0001);
    PostMessageA(window, WM_CLOSE, 0, 0);
    RunLoop();
    ASSERT_EQ(Calls.size(), 2u);
    for (const HelpCall& call : Calls) {
        EXPECT_EQ(call.caller, nullptr) << "the help window belongs to the desktop";
        EXPECT_EQ(call.file, HelpFile());
        EXPECT_EQ(call.command, 0x000Fu) << "HH_HELP_CONTEXT";
        EXPECT_EQ(call.data, 10u);
    }
}

TEST_F(HelpTest, AMissingFileIsReportedWithItsFullPath)
{
    const struct {
        const char* what;
        bool folder;
    } cases[] = {{"no file", false}, {"a folder of that name", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RemoveHelp();
        if (c.folder) {
            CreateDirectoryA(HelpFolder().c_str(), nullptr);
            ASSERT_TRUE(CreateDirectoryA(HelpFile().c_str(), nullptr));
        }
        BoxWatch watch(GetCurrentThreadId());
        ShowHelp(IDH_GENERAL);
        const SeenBox& box = watch.Result();
        ASSERT_TRUE(box.found);
        EXPECT_EQ(box.caption, "Ошибка вызова справки");
        ASSERT_EQ(box.texts.size(), 1u) << Describe(box);
        EXPECT_EQ(box.texts[0], "Файл \"" + HelpFile() + "\" не найден");
        EXPECT_EQ(box.owner, window);
        EXPECT_EQ(box.icon, LoadIconA(nullptr, IDI_EXCLAMATION)) << "the exclamation icon";
        EXPECT_TRUE(Calls.empty()) << "the engine is not asked";
    }
}

TEST_F(HelpTest, TheRealEngineOpensTheHelpWindow)
{
    PutHelpFile(ZELMORA_CHM_PATH);
    HtmlHelpEntry = nullptr;
    LoadHtmlHelp();
    ASSERT_NE(HtmlHelpEntry, nullptr);
    HWND help = nullptr;
    BoxWatch nothing(GetCurrentThreadId(), nullptr, nullptr, 1500);
    SendMessageA(window, WM_COMMAND, IDM_HELP, 0);
    EXPECT_TRUE(
        PumpUntil([&] { return (help = FindWindowA(nullptr, "Зельмора 2.0 — справка")) != nullptr; }, 5000));
    EXPECT_FALSE(nothing.Result().found) << Describe(nothing.Result());
    if (help != nullptr) {
        EXPECT_EQ(GetWindow(help, GW_OWNER), nullptr);
        DWORD process = 0;
        GetWindowThreadProcessId(help, &process);
        EXPECT_EQ(process, GetCurrentProcessId()) << "shown by the engine, not by the viewer";
        HtmlHelpEntry(nullptr, nullptr, 0x0012, 0); // HH_CLOSE_ALL
        Pump();
    }
}

TEST_F(HelpTest, WithoutTheEngineTheViewerIsStarted)
{
    PutHelpFile(ZELMORA_CHM_PATH);
    HtmlHelpEntry = nullptr;
    BoxWatch nothing(GetCurrentThreadId(), nullptr, nullptr, 1500);
    ShowHelp(IDH_GENERAL);
    HWND help = nullptr;
    EXPECT_TRUE(
        PumpUntil([&] { return (help = FindWindowA(nullptr, "Зельмора 2.0 — справка")) != nullptr; }, 10000));
    EXPECT_FALSE(nothing.Result().found) << Describe(nothing.Result());
    if (help != nullptr) {
        DWORD process = 0;
        GetWindowThreadProcessId(help, &process);
        EXPECT_NE(process, GetCurrentProcessId()) << "a program of its own";
        HANDLE viewer = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, process);
        PostMessageA(help, WM_CLOSE, 0, 0);
        if (viewer != nullptr && WaitForSingleObject(viewer, 5000) != WAIT_OBJECT_0)
            TerminateProcess(viewer, 0);
        if (viewer != nullptr)
            CloseHandle(viewer);
    }
}

} // namespace
