// The per-level criteria table and its file "タイム回数データ.txt".
#pragma once
#include "startup/appstate.h"

#include <QString>

constexpr int kCriteriaMaxLines = 36; // heading plus levels 1..35
extern const QString kCriteriaFileName;

// Reads the file into the twelve columns; entry k is line k (entry 0 the heading line).
// Entries beyond the last line keep their values. Throws LoadError.
void readCriteriaTable(ProgramState& program, const QString& dataFolder);

// Reports a level the program offers whose minimumTime or targetTime is below 1: the drill and
// the points divide by them.
void checkOfferedLevels(const ProgramState& program, const QString& dataFolder);

// The file text for lines 0..lastLine, in the format the program writes (CR LF added on save).
QString criteriaFileText(const ProgramState& program, int lastLine);
// Writes lines 0..lastLine to the data folder, replacing the file whole. Returns false and the
// reason when it cannot be written.
bool writeCriteriaTable(const ProgramState& program, int lastLine, const QString& dataFolder,
                        QString* errorText);
