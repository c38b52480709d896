// Pictures read back from real windows and device contexts, pixel by pixel.
#ifndef ZELMORA_PIXELS_H
#define ZELMORA_PIXELS_H

#include <windows.h>

#include <string>
#include <vector>

struct Picture {
    int width = 0, height = 0;
    std::vector<COLORREF> pixels;

    COLORREF At(int x, int y) const { return pixels[y * width + x]; }
    int Count(COLORREF colour) const;
    // The pixels of any colour other than those listed, as "x,y=r,g,b" (the first few).
    std::string Others(std::initializer_list<COLORREF> allowed) const;
    // The pixels that are not a mix of the two colours, as smoothed text draws them.
    std::string NotBetween(COLORREF background, COLORREF text) const;
    bool operator==(const Picture& other) const;
};

// "r,g,b", for failure messages.
std::string Rgb(COLORREF colour);
// The pixels that differ, as "x,y: r,g,b / r,g,b" (the first few).
std::string Differences(const Picture& actual, const Picture& expected);

// A 32-bit memory canvas; draw into dc, then Read() what is there.
class Canvas {
  public:
    Canvas(int width, int height, COLORREF fill);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    HDC dc() const { return memory; }
    Picture Read() const;

  private:
    int width, height;
    HDC memory;
    HBITMAP bitmap;
    HGDIOBJ previous;
    DWORD* bits = nullptr;
};

// What the control paints when asked to print itself (works for hidden windows too).
Picture PrintControl(HWND control);
// What is on the window's surface now, without asking it to paint.
Picture ReadSurface(HWND control);

// A bitmap resource of this program with an icon resource drawn on it at (x, y), the
// way the image buttons' faces are meant to look.
Picture Composed(int bitmap, int icon, int x, int y);
// An icon resource of this program at 16 x 16, drawn at (x, y) on a canvas.
void DrawIconResource(HDC dc, int icon, int x, int y);

#endif
