// Where the help file is looked for.
#include "../../info/help_path.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(DirectoryPart, UpToTheLastSeparator)
{
    const struct {
        const char* path;
        const char* part;
    } cases[] = {{"C:\\Programs\\Calc\\calc.exe", "C:\\Programs\\Calc\\"},
                 {"C:\\calc.exe", "C:\\"},
                 {"C:calc.exe", "C:"},
                 {"a/b/c.exe", "a/b/"},
                 {"calc.exe", ""},
                 {"", ""}};
    for (const auto& c : cases) {
        char part[64];
        EXPECT_TRUE(DirectoryPart(c.path, part, sizeof part));
        EXPECT_STREQ(part, c.part) << c.path;
    }
}

TEST(HelpFilePath, InTheHelpFolderBesideTheProgramsFolder)
{
    const struct {
        const char* program;
        const char* help;
    } cases[] = {
        {"C:\\Programs\\Calc\\calc.exe", "C:\\Programs\\help\\zelmora.chm"},
        {"C:\\Program Files\\Zelmora\\bin\\zelmora.exe", "C:\\Program Files\\Zelmora\\help\\zelmora.chm"},
        {"C:\\Calc\\calc.exe", "C:\\help\\zelmora.chm"},
        {"C:\\calc.exe", "C:\\help\\zelmora.chm"},
        {"\\\\server\\share\\apps\\calc.exe", "\\\\server\\share\\help\\zelmora.chm"},
        {"calc.exe", "help\\zelmora.chm"},
    };
    for (const auto& c : cases) {
        char help[300];
        EXPECT_TRUE(HelpFilePath(c.program, help, sizeof help));
        EXPECT_STREQ(help, c.help) << c.program;
    }
}

TEST(HelpFilePath, NeverWritesPastItsBuffer)
{
    std::string program = "C:\\" + std::string(250, 'a') + "\\bin\\zelmora.exe";
    char help[300];
    std::memset(help, 'x', sizeof help);
    EXPECT_FALSE(HelpFilePath(program.c_str(), help, 40));
    EXPECT_STREQ(help, "");
    EXPECT_EQ(help[41], 'x');
    EXPECT_TRUE(HelpFilePath(program.c_str(), help, sizeof help));
    EXPECT_EQ(std::string(help), "C:\\" + std::string(250, 'a') + "\\help\\zelmora.chm");
    // Exactly filling the buffer, terminator included, still fits; one less does not.
    int needed = static_cast<int>(std::strlen(help)) + 1;
    EXPECT_TRUE(HelpFilePath(program.c_str(), help, needed));
    EXPECT_FALSE(HelpFilePath(program.c_str(), help, needed - 1));
}

// Each function with a buffer of exactly its result's size, terminator included, and one
// byte less: the first fits, the second is refused with an empty text, and neither writes a
// byte past the size it was given.
TEST(HelpPathBuffers, ExactSizeFitsAndOneLessIsRefused)
{
    const std::string program = "C:\\Programs\\Calc\\calc.exe";
    const struct {
        const char* name;
        bool (*make)(const char*, char*, int);
    } functions[] = {
        {"DirectoryPart", [](const char* p, char* out, int size) { return DirectoryPart(p, out, size); }},
        {"HelpFilePath", [](const char* p, char* out, int size) { return HelpFilePath(p, out, size); }},
        {"HelpViewerParameters",
         [](const char* p, char* out, int size) { return HelpViewerParameters(10, p, out, size); }},
        {"MissingHelpFileText",
         [](const char* p, char* out, int size) { return MissingHelpFileText(p, out, size); }},
    };
    for (const auto& f : functions) {
        SCOPED_TRACE(f.name);
        char whole[100];
        ASSERT_TRUE(f.make(program.c_str(), whole, sizeof whole));
        int exact = static_cast<int>(std::strlen(whole)) + 1;
        for (int size : {exact, exact - 1}) {
            SCOPED_TRACE(size);
            char out[100];
            std::memset(out, 'x', sizeof out);
            EXPECT_EQ(f.make(program.c_str(), out, size), size == exact);
            EXPECT_STREQ(out, size == exact ? whole : "");
            EXPECT_EQ(std::string(out + size, out + sizeof out), std::string(sizeof out - size, 'x'))
                << "written past the end";
        }
    }
}

TEST(HelpTexts, PutThePathInWhole)
{
    const struct {
        int mapId;
        const char* path;
        const char* parameters;
        const char* missing;
    } cases[] = {
        {10, "C:\\Programs\\help\\zelmora.chm", "-mapid 10 C:\\Programs\\help\\zelmora.chm",
         "Файл \"C:\\Programs\\help\\zelmora.chm\" не найден"},
        {60, "C:\\Program Files\\Zelmora\\help\\zelmora.chm",
         "-mapid 60 C:\\Program Files\\Zelmora\\help\\zelmora.chm",
         "Файл \"C:\\Program Files\\Zelmora\\help\\zelmora.chm\" не найден"},
        {10, "", "-mapid 10 ", "Файл \"\" не найден"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        char text[300];
        EXPECT_TRUE(HelpViewerParameters(c.mapId, c.path, text, sizeof text));
        EXPECT_STREQ(text, c.parameters);
        EXPECT_TRUE(MissingHelpFileText(c.path, text, sizeof text));
        EXPECT_STREQ(text, c.missing);
    }
}

TEST(HelpTexts, NeverWritePastTheirBuffer)
{
    const std::string path = "C:\\" + std::string(280, 'a') + "\\help\\zelmora.chm";
    const struct {
        const char* name;
        bool (*make)(const std::string&, char*, int);
    } texts[] = {
        {"parameters", [](const std::string& p, char* out,
                          int size) { return HelpViewerParameters(10, p.c_str(), out, size); }},
        {"message",
         [](const std::string& p, char* out, int size) { return MissingHelpFileText(p.c_str(), out, size); }},
    };
    for (const auto& t : texts) {
        SCOPED_TRACE(t.name);
        char whole[400];
        ASSERT_TRUE(t.make(path, whole, sizeof whole));
        int needed = static_cast<int>(std::strlen(whole)) + 1;
        for (int size : {needed - 1, needed / 2, 8, 1}) {
            SCOPED_TRACE(size);
            char out[400];
            std::memset(out, 'x', sizeof out);
            EXPECT_FALSE(t.make(path, out, size));
            EXPECT_STREQ(out, "");
            EXPECT_EQ(std::string(out + 1, out + sizeof out).find_first_not_of('x', size - 1),
                      std::string::npos)
                << "written past the end";
        }
        char out[400];
        EXPECT_TRUE(t.make(path, out, needed));
        EXPECT_STREQ(out, whole);
    }
}
