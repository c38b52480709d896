// Where the help file lies, and the texts built around its path.
#ifndef ZELMORA_HELP_PATH_H
#define ZELMORA_HELP_PATH_H

// The leading part of path up to and including its last "\", "/" or ":"; empty when none.
// Returns false, with an empty result, when it does not fit into size characters.
bool DirectoryPart(const char* path, char* part, int size);

// The help file in the "help" folder of the parent of the executable's folder
// (the root itself when the executable lies at most one level below it).
// Returns false, with an empty result, when the path does not fit into size characters.
bool HelpFilePath(const char* executablePath, char* helpPath, int size);

// The stand-alone viewer's parameters: "-mapid N path", the path not quoted.
// Returns false, with an empty result, when they do not fit into size characters.
bool HelpViewerParameters(int mapId, const char* helpPath, char* parameters, int size);

// The message for a missing help file: Файл "path" не найден.
// Returns false, with an empty result, when it does not fit into size characters.
bool MissingHelpFileText(const char* helpPath, char* text, int size);

#endif
