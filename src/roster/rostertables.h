// The roster tables, shared by every screen: the listed students of the last read and the
// per-number names, birth years and grade labels of everyone in the roster file.
#pragma once
#include <QString>
#include <cstdint>
#include <vector>

constexpr int kRosterSlots = 5001; // student numbers 0..5000

struct RosterRecord {
    std::int16_t number = 0;
    std::int16_t birthYear = 0;
    std::int16_t spareNumber1 = 0;
    std::int16_t spareNumber2 = 0;
    QString name;       // 20 characters, cut or padded with blanks
    QString spareText1; // 20 characters
    QString spareText2; // 20 characters
};

struct RosterTables {
    std::vector<RosterRecord> rosterRecords = std::vector<RosterRecord>(kRosterSlots);
    std::vector<QString> studentNames = std::vector<QString>(kRosterSlots);
    std::vector<std::int16_t> studentBirthYears = std::vector<std::int16_t>(kRosterSlots);
    std::vector<QString> studentGradeLabels = std::vector<QString>(kRosterSlots);
    std::vector<int> rosterNumbers = std::vector<int>(kRosterSlots); // 1..rosterCount
    int rosterCount = 0;
    int schoolYear = 0;
};
