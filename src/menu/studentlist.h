// The student list of the personal report panel: the level menu's own read of the roster.
#pragma once
#include "startup/appstate.h"

#include <QDate>
#include <QStringList>

// Reads the roster file, keeps every student's name (without surrounding blanks), birth year and
// grade label by number, and returns one row per student of status 0 in file order:
// grade label, " /  ", name, "/" and the number. Throws LoadError for a bad roster, before any
// table is changed.
QStringList fillStudentList(AppState& state, const QDate& today);
