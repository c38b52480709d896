// Pictures read back from real windows and device contexts, pixel by pixel.
#include "pixels.h"

#include <cstdio>

int Picture::Count(COLORREF colour) const
{
    int count = 0;
    for (COLORREF pixel : pixels)
        count += pixel == colour;
    return count;
}

std::string Picture::Others(std::initializer_list<COLORREF> allowed) const
{
    std::string list;
    int shown = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            bool known = false;
            for (COLORREF colour : allowed)
                known = known || At(x, y) == colour;
            if (!known && shown++ < 5)
                list += std::to_string(x) + "," + std::to_string(y) + "=" + Rgb(At(x, y)) + " ";
        }
    }
    return list;
}

static bool Between(COLORREF pixel, COLORREF from, COLORREF to)
{
    const int p[] = {GetRValue(pixel), GetGValue(pixel), GetBValue(pixel)};
    const int a[] = {GetRValue(from), GetGValue(from), GetBValue(from)};
    const int b[] = {GetRValue(to), GetGValue(to), GetBValue(to)};
    double share = -1;
    for (int i = 0; i < 3; ++i) {
        if (a[i] == b[i]) {
            if (p[i] != a[i])
                return false;
            continue;
        }
        double s = static_cast<double>(p[i] - a[i]) / (b[i] - a[i]);
        if (s < 0 || s > 1 || (share >= 0 && (s - share) * (b[i] - a[i]) > 3) ||
            (share >= 0 && (share - s) * (b[i] - a[i]) > 3))
            return false;
        share = s;
    }
    return true;
}

std::string Picture::NotBetween(COLORREF background, COLORREF text) const
{
    std::string list;
    int shown = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (!Between(At(x, y), background, text) && shown++ < 5)
                list += std::to_string(x) + "," + std::to_string(y) + "=" + Rgb(At(x, y)) + " ";
    return list;
}

bool Picture::operator==(const Picture& other) const
{
    return width == other.width && height == other.height && pixels == other.pixels;
}

std::string Rgb(COLORREF colour)
{
    char text[32];
    std::snprintf(text, sizeof text, "%d,%d,%d", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return text;
}

std::string Differences(const Picture& actual, const Picture& expected)
{
    if (actual.width != expected.width || actual.height != expected.height)
        return "size " + std::to_string(actual.width) + "x" + std::to_string(actual.height) + " / " +
               std::to_string(expected.width) + "x" + std::to_string(expected.height);
    std::string list;
    int shown = 0, total = 0;
    for (int y = 0; y < actual.height; ++y) {
        for (int x = 0; x < actual.width; ++x) {
            if (actual.At(x, y) == expected.At(x, y))
                continue;
            ++total;
            if (shown++ < 5)
                list += std::to_string(x) + "," + std::to_string(y) + ": " + Rgb(actual.At(x, y)) + " / " +
                        Rgb(expected.At(x, y)) + "  ";
        }
    }
    return std::to_string(total) + " pixels differ (actual / expected): " + list;
}

Canvas::Canvas(int width, int height, COLORREF fill) : width(width), height(height)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    memory = CreateCompatibleDC(nullptr);
    void* data = nullptr;
    bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &data, nullptr, 0);
    bits = static_cast<DWORD*>(data);
    previous = SelectObject(memory, bitmap);
    HBRUSH brush = CreateSolidBrush(fill);
    RECT all = {0, 0, width, height};
    FillRect(memory, &all, brush);
    DeleteObject(brush);
}

Canvas::~Canvas()
{
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

Picture Canvas::Read() const
{
    GdiFlush();
    Picture picture;
    picture.width = width;
    picture.height = height;
    picture.pixels.reserve(width * height);
    for (int i = 0; i < width * height; ++i) {
        DWORD pixel = bits[i];
        picture.pixels.push_back(RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF));
    }
    return picture;
}

static SIZE SizeOf(HWND control)
{
    RECT box;
    GetWindowRect(control, &box);
    return {box.right - box.left, box.bottom - box.top};
}

Picture PrintControl(HWND control)
{
    SIZE size = SizeOf(control);
    Canvas canvas(size.cx, size.cy, RGB(1, 2, 3));
    PrintWindow(control, canvas.dc(), 0);
    return canvas.Read();
}

Picture ReadSurface(HWND control)
{
    SIZE size = SizeOf(control);
    Canvas canvas(size.cx, size.cy, RGB(1, 2, 3));
    HDC window = GetWindowDC(control);
    BitBlt(canvas.dc(), 0, 0, size.cx, size.cy, window, 0, 0, SRCCOPY);
    ReleaseDC(control, window);
    return canvas.Read();
}

void DrawIconResource(HDC dc, int icon, int x, int y)
{
    HICON handle = static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(icon), IMAGE_ICON, 16, 16, 0));
    DrawIconEx(dc, x, y, handle, 0, 0, 0, nullptr, DI_NORMAL);
    DestroyIcon(handle);
}

Picture Composed(int bitmap, int icon, int x, int y)
{
    HBITMAP face = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(bitmap));
    BITMAP size = {};
    GetObjectA(face, sizeof size, &size);
    Canvas canvas(size.bmWidth, size.bmHeight, RGB(1, 2, 3));
    HDC source = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(source, face);
    BitBlt(canvas.dc(), 0, 0, size.bmWidth, size.bmHeight, source, 0, 0, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
    DeleteObject(face);
    DrawIconResource(canvas.dc(), icon, x, y);
    return canvas.Read();
}
