// The shared state of the program: where its files are, what the program and its levels are,
// who is practising and how the current round stands, plus the program-wide tables. One
// AppState lives in App for the whole run; screens set it and then ask App for the next screen.
#pragma once
#include "results/resultstables.h"
#include "roster/rostertables.h"
#include "sound/soundstate.h"
#include "text/value.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

constexpr int kMaxLevel = 35;           // levels 1..35; index 0 is never a level
constexpr int kLevelSlots = kMaxLevel + 1;
constexpr int kMaxStudent = 5000;       // students 1..5000; index 0 is nobody
constexpr int kStudentSlots = kMaxStudent + 1;

struct InstallationState {
    QString appFolder;          // the program's own folder, ending with "/"
    QString rootFolder;         // the family root from the path file, ending with "/"
    QString programFolderName;  // last component of appFolder
    QString dataFolder;         // rootFolder + programFolderName + "/"
    QString soundFolder;        // rootFolder + "音フォルダ/"
    Value schoolYearStartMonth;
    QString siteTitle;
    QString siteCode;           // the five-character code split off the title, or empty
    Value commonItem3;
    Value commonItem4;
    Value dataChangePassword;
    std::uint32_t seasonColour = 0; // 0xRRGGBB
};

struct ProgramState {
    QString programName;
    int printButtonMode = 0;
    int allLevelsOpen = 0;
    std::int16_t levelCount = 0;
    int lastLevel = 0;
    std::array<QString, kLevelSlots> levelNames{};
    std::array<std::int16_t, kLevelSlots> levelTimed{};
    // Criteria table: entry k holds level k; entry 0 holds the heading line of the file.
    std::array<std::int32_t, kLevelSlots> targetTime{};
    std::array<std::int32_t, kLevelSlots> minimumTime{};
    std::array<std::int32_t, kLevelSlots> clearPoints{};
    std::array<std::int16_t, kLevelSlots> clearCount{};
    std::array<float, kLevelSlots> pointRate{};
    std::array<Value, kLevelSlots> overdoCount{};
    std::array<Value, kLevelSlots> overdoPoints{};
    std::array<Value, kLevelSlots> judgePeriod{};
    std::array<Value, kLevelSlots> overdoPeriod{};
    std::array<Value, kLevelSlots> criteriaCol10{};
    std::array<Value, kLevelSlots> criteriaCol11{};
    std::array<Value, kLevelSlots> criteriaCol12{};
    int criteriaLines = 0; // lines read from the criteria file, heading included
};

struct StudentState {
    std::int16_t studentNumber = 0;
    QString studentName;
    QString studentGradeText;
    std::int32_t signInTime = 0; // seconds since midnight when the name was confirmed
    QString gradeFilterText;     // grade filter chosen on the name screen, for the level menu
};

struct RoundState {
    std::int16_t levelIndex = 0;
    std::int16_t problemCount = 0;
    std::int32_t answeredCount = 0;
    float roundStartTime = 0;
    std::int64_t roundStartTick = 0; // monotonic tick at the start, for true elapsed seconds
    std::int32_t elapsedTime = 0;
    std::int32_t timeLimit = 0;
    double barScale = 0;
    std::int16_t roundOutcome = 0;
    std::int16_t roundComplete = 0;
    std::int16_t roundEnded = 0;
    std::int16_t judgeBusy = 0;
    std::int32_t roundTime = 0;
    std::int16_t carriedPoints = 0;
    std::int16_t todayRoundTotal = 0;
    // Whether the student has passed the last level, as the level menu last computed it; the
    // end-of-round screen reads it to suggest moving on from an overdone level.
    std::int16_t lastLevelPassed = 0;
};

struct AppState {
    InstallationState installation;
    ProgramState program;
    StudentState student;
    RoundState round;
    SoundState sound;
    ResultsTables results;
    RosterTables roster;
};
