// Installation folders and settings files: the path file beside the program folder, the common
// settings of the family root, then the program identity, the criteria table and the cue list.
#pragma once
#include "startup/appstate.h"

#include <QString>

// Turns a folder or file path as written in a settings file into this system's form: "\" is a
// separator like "/". A Windows drive letter cannot be reached here and throws LoadError.
QString toLocalPath(const QString& written, const QString& fileName, const QString& filePath);

// Splits item 2 of the common settings into the five-character site code and the title.
void splitSiteTitle(const QString& item, QString* siteCode, QString* siteTitle);

// Reads everything start-up needs; `programFolder` is the folder of the executable. Throws
// LoadError with the program's message on the first problem; nothing is written.
void loadSettings(AppState& state, const QString& programFolder);
