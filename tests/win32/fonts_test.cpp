// The faces the window, the About box, the tips and the caption buttons are drawn in are
// installed where the tests run: each name asked for is the face given, not a substitute.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::string FaceGiven(const char* face, BYTE charset)
{
    LOGFONTA wanted = {};
    wanted.lfHeight = -11;
    wanted.lfCharSet = charset;
    lstrcpynA(wanted.lfFaceName, face, LF_FACESIZE);
    HFONT font = CreateFontIndirectA(&wanted);
    HDC dc = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, font);
    char given[LF_FACESIZE] = "";
    GetTextFaceA(dc, LF_FACESIZE, given);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);
    return given;
}

TEST(Fonts, TheNamedFacesResolveToThemselves)
{
    const struct {
        const char* face;
        BYTE charset;
    } fonts[] = {{"MS Sans Serif", RUSSIAN_CHARSET},
                 {"Tahoma", RUSSIAN_CHARSET},
                 {"Marlett", SYMBOL_CHARSET},
                 {"Symbol", SYMBOL_CHARSET}};
    for (const auto& font : fonts)
        EXPECT_EQ(FaceGiven(font.face, font.charset), font.face);
}

} // namespace
