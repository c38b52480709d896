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
