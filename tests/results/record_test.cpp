// The 44-byte record as it lies on disk, and the numeric value of its text fields.
#include "resultstestutil.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Student 27, level 3, 95 seconds, written on 2026-12-11 at 10:30:15 at the site "東京塾"
// (cut to five bytes on a character boundary: "東京" and a blank).
const QByteArray kOneRecord = QByteArray::fromHex("00000000e0a3e640"
                                                  "2ed8822dd802dc3f"
                                                  "1b00"
                                                  "0300"
                                                  "5f000000"
                                                  "938c8b9e20"
                                                  "2020202020"
                                                  "3020202020"
                                                  "0000000000");

TEST(ResultRecordLayout, ARoundIsWrittenByteForByte) {
    QTemporaryDir dir;
    auto state = makeState(dir.path());
    state->installation.siteCode = QStringLiteral("東京塾");
    state->student.studentNumber = 27;
    state->round.levelIndex = 3;
    state->round.roundTime = 95;
    FakeClock clock(QDateTime(QDate(2026, 12, 11), QTime(10, 30, 15, 600)));
    recordRound(*state, clock);
    EXPECT_EQ(readBytes(state->installation.dataFolder + kResultsFileName).toHex(),
              kOneRecord.toHex());
}

TEST(ResultRecordLayout, ParsesFieldByFieldAndWritesTheSameBytesBack) {
    const ResultRecord r = parseRecord(kOneRecord);
    EXPECT_EQ(r.recordDate, 46367.0);
    EXPECT_DOUBLE_EQ(r.recordClock, (10 * 3600 + 30 * 60 + 15) / 86400.0);
    EXPECT_EQ(r.Bangou, 27);
    EXPECT_EQ(r.level, 3);
    EXPECT_EQ(r.time, 95);
    EXPECT_EQ(r.siteCode, QByteArray("\x93\x8c\x8b\x9e "));
    EXPECT_EQ(r.spareText, QByteArray("     "));
    EXPECT_EQ(r.carriedPoints, QByteArray("0    "));
    EXPECT_EQ(r.reserved, QByteArray(5, '\0'));
    EXPECT_EQ(serializeRecord(r), kOneRecord);

    // Stored reserved bytes and negative numbers survive a round trip unchanged.
    ResultRecord odd = r;
    odd.reserved = QByteArray::fromHex("01ff7f8000");
    odd.Bangou = -2;
    odd.time = -123456;
    odd.recordDate = -1.5;
    EXPECT_EQ(serializeRecord(parseRecord(serializeRecord(odd))), serializeRecord(odd));
}

TEST(ResultRecordLayout, TextFieldsReadAsLeadingNumbers) {
    struct Case {
        const char* bytes;
        std::int32_t value;
    } cases[] = {{"0    ", 0},
                 {"     ", 0},
                 {"12   ", 12},
                 {" 1 2 ", 12},
                 {"-7   ", -7},
                 {"2.5  ", 2},
                 {"3.5  ", 4},
                 {"99999", 99999},
                 {"12ab3", 12},
                 {"1e3  ", 1000},
                 {"\x93\x8c"
                  "3  ",
                  0}};
    for (const Case& c : cases)
        EXPECT_EQ(fieldNumber(c.bytes, 5), c.value) << c.bytes;
}

} // namespace
