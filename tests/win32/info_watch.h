// Looking at the test thread's boxes from a second thread, and real mouse and key input.
#ifndef ZELMORA_INFO_WATCH_H
#define ZELMORA_INFO_WATCH_H

#include <windows.h>

#include "../../info/info.h"
#include "main_window_fixture.h"

#include <functional>
#include <string>
#include <thread>
#include <vector>

// What a dialog box showed when it was found.
struct SeenBox {
    bool found = false;
    HWND box = nullptr;
    std::string caption;
    std::vector<std::string> texts; // the static texts, in order
    HWND owner = nullptr;
    HICON icon = nullptr;
};

// Waits on a thread of its own for a visible dialog box of the given thread, optionally
// with the given caption, reads it and then acts on it: by default it presses OK.
class BoxWatch {
  public:
    BoxWatch(DWORD thread, const char* caption = nullptr, std::function<void(HWND)> act = nullptr,
             DWORD timeout = 10000);
    ~BoxWatch();
    const SeenBox& Result(); // waits for the watch to end

  private:
    std::thread worker;
    SeenBox seen;
};

// The help folder beside the folder of this program, as the program looks for it.
std::string HelpFolder();

// A main window whose help engine is the test's own recorder, with the help folder beside
// this program put in place and taken away by the test.
class HelpEngineTest : public MainWindowTest {
  protected:
    explicit HelpEngineTest(HtmlHelpFunction recorder) : recorder(recorder) {}
    void SetUp() override;
    void TearDown() override;

    static std::string HelpFile() { return HelpFolder() + "\\zelmora.chm"; }
    static void RemoveHelp();
    // An empty help file, or a copy of the given one.
    static void PutHelpFile(const char* source = nullptr);

  private:
    HtmlHelpFunction recorder, saved = nullptr;
};

// Dialog boxes of the thread that are visible now.
std::vector<HWND> VisibleBoxes(DWORD thread);
// The static texts of a box, as the box shows them.
std::string Describe(const SeenBox& box);

// Real input, through the system's input queue.
void MoveMouse(POINT screen);
void Click(POINT screen);
void PressKey(int key, bool control = false);

// The centre of a window, in screen coordinates.
POINT CentreOf(HWND window);
// Runs the thread's messages for the given time or until done() says so; returns done().
bool PumpUntil(const std::function<bool()>& done, DWORD timeout);

#endif
