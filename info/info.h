// Help and information: tooltips, the help viewer and the About dialog.
#ifndef ZELMORA_INFO_H
#define ZELMORA_INFO_H

#include <windows.h>

// Tooltips: a plain one for the image buttons, a balloon one for the totals.
void CreateTooltips(HWND owner, HINSTANCE instance);
void AddTooltip(HWND tool, const char* text, bool balloon);

typedef HWND(WINAPI* HtmlHelpFunction)(HWND, const char*, UINT, DWORD_PTR);
extern HtmlHelpFunction HtmlHelpEntry; // HtmlHelpA of the engine; null when the engine is missing

// Loads the HTML Help engine when the system has it.
void LoadHtmlHelp();
// Opens the help file at the topic of the map identifier (base/context.h).
void ShowHelp(int mapId);

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

#endif
