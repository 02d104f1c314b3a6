// Problem draw by level, the zero injection, and the rules for the board's markers and colours.
#include "drill/problems.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

namespace {

int digitCount(std::uint64_t v) {
    return static_cast<int>(QString::number(v).size());
}

TEST(ProblemDraw, LengthsStayInsideEachLevelsRange) {
    struct Case {
        int level, shortest, longest;
    };
    // The extreme draws: the smallest and the largest random numbers the source can give,
    // including one that rounds up to 1.0 at single precision.
    const double extremes[] = {0.0, 0.3333333, 0.6666667, 0.9999999, 0.99999999999};
    for (const Case c : {Case{1, 4, 6}, Case{2, 6, 8}, Case{3, 8, 10}, Case{4, 12, 14}}) {
        for (double lengthDraw : extremes)
            for (double valueDraw : extremes) {
                FakeRandom rnd;
                rnd.values = {lengthDraw, valueDraw};
                for (int i = 0; i < 14; ++i)
                    rnd.values.push_back(0.0); // no injected zeros
                const std::uint64_t v = drawProblem(c.level, rnd);
                const int n = digitCount(v);
                EXPECT_GE(n, c.shortest) << c.level << " " << lengthDraw << " " << valueDraw;
                EXPECT_LE(n, c.longest) << c.level << " " << lengthDraw << " " << valueDraw;
            }
    }
}

TEST(ProblemDraw, ValueAndLengthFollowTheDraws) {
    FakeRandom rnd;
    // Level 1: length 4 + Int(0.7 × 3) = 6; value 100000 + Int(0.25 × 900000) = 325000.
    rnd.values = {0.7, 0.25, 0.0, 0.0, 0.0, 0.0, 0.0};
    EXPECT_EQ(drawProblem(1, rnd), 325000u);
    // Level 4 at its longest and largest: 14 nines survive when no zero is injected.
    rnd.values = {0.99, 0.9999999};
    for (int i = 0; i < 13; ++i)
        rnd.values.push_back(0.1);
    EXPECT_EQ(digitCount(drawProblem(4, rnd)), 14);
}

TEST(ProblemDraw, ZerosAreInjectedAfterTheLeadingDigitOnly) {
    FakeRandom rnd;
    // 4 digits: 1000 + Int(0.999 × 9000) = 9991; then digits 2..4 drawn 0.9 (zero), 0.5 (kept:
    // 2 × 0.5 is not above 1), 0.51 (zero).
    rnd.values = {0.0, 0.999, 0.9, 0.5, 0.51};
    EXPECT_EQ(drawProblem(1, rnd), 9090u);
    // Every later digit forced to zero still leaves the leading digit.
    rnd.values = {0.0, 0.999, 0.9, 0.9, 0.9};
    EXPECT_EQ(drawProblem(1, rnd), 9000u);
    EXPECT_TRUE(rnd.values.empty()) << "one draw per digit after the first";
}

TEST(ProblemDraw, LevelsWithoutARuleGiveNoProblem) {
    FakeRandom rnd;
    EXPECT_EQ(drawProblem(0, rnd), 0u);
    EXPECT_EQ(drawProblem(5, rnd), 0u);
}

TEST(BoardHelp, MarkersAndColoursAreWithdrawnAsTheRoundGoesOn) {
    EXPECT_TRUE(markersShown(3, 10));
    EXPECT_FALSE(markersShown(4, 10));
    EXPECT_TRUE(groupColoursShown(6, 10));
    EXPECT_FALSE(groupColoursShown(7, 10));
}

TEST(BoardHelp, MarkersAndGroupsOfTheCells) {
    EXPECT_EQ(markerText(1), QString());
    EXPECT_EQ(markerText(2), QStringLiteral("　"));
    EXPECT_EQ(markerText(5), QStringLiteral("万"));
    EXPECT_EQ(markerText(9), QStringLiteral("億"));
    EXPECT_EQ(markerText(13), QStringLiteral("兆"));
    EXPECT_EQ(markerText(15), QStringLiteral("　"));
    const int groups[] = {0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4};
    for (int i = 1; i <= 15; ++i)
        EXPECT_EQ(cellGroup(i), groups[i]) << i;
    EXPECT_EQ(groupColour(1), 0x80FF80u);
    EXPECT_EQ(groupColour(2), 0x80FFFFu);
    EXPECT_EQ(groupColour(3), 0x00FFFFu);
    EXPECT_EQ(groupColour(4), 0x80FF80u);
}

} // namespace
