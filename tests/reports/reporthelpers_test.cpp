// The shared report pieces: marks, grade filter, name cells, aligned numbers and the merge sort.
#include "reports/reporthelpers.h"

#include <gtest/gtest.h>

namespace {

TEST(GradeMark, MarksElementaryAndJuniorHighOnly) {
    const struct {
        int grade;
        const char16_t* mark;
    } cases[] = {{1, u"①"}, {4, u"④"},  {6, u"⑥"},   {7, u"Ⅰ"},
                 {9, u"Ⅲ"}, {0, u"　"}, {10, u"　"}, {-3, u"　"}};
    for (const auto& c : cases)
        EXPECT_EQ(gradeMark(c.grade), QString::fromUtf16(c.mark)) << c.grade;
}

TEST(ReportGradeFilter, NameScreenGroupsPlusFamily) {
    const struct {
        const char16_t* filter;
        int grade;
        bool shown;
    } cases[] = {
        {u"全学年", -2, true},     {u"全学年", 14, true},    {u"家族", 13, true},
        {u"家族", 0, true},        {u"中学生全体", 7, true}, {u"中学生全体", 10, false},
        {u"小学生全体", 0, false}, {u"小学生全体", 6, true}, {u"中１", 7, true},
        {u"中１", 8, false},       {u"小４", 4, true},       {u"", 4, false},
        {u"高１", 10, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(reportGradeFilter(QString::fromUtf16(c.filter), c.grade), c.shown)
            << QString::fromUtf16(c.filter).toStdString() << " " << c.grade;
}

TEST(NameCells, PadCutAndTrim) {
    EXPECT_EQ(nameCell(QStringLiteral("山田")), QStringLiteral("山田　　　"));
    EXPECT_EQ(nameCell(QStringLiteral("寿限無寿限無寿")), QStringLiteral("寿限無寿限"));
    EXPECT_EQ(nameCell(QStringLiteral("山田　太郎          ")), QStringLiteral("山田　太郎"));
    EXPECT_EQ(nameCell(QString()), QStringLiteral("　　　　　"));
    // The date lists trim both ends and add only four spaces.
    EXPECT_EQ(shortName(QStringLiteral("  林  ")), QStringLiteral("林　　　　"));
    EXPECT_EQ(shortName(QString()), QStringLiteral("　　　　"));
    EXPECT_EQ(shortName(QStringLiteral("長谷川みどり")), QStringLiteral("長谷川みど"));
}

TEST(RowMarks, CurrentStudentGetsDots) {
    EXPECT_EQ(rowMark(5, 5, 4), QStringLiteral("●"));
    EXPECT_EQ(rowMark(6, 5, 4), QStringLiteral("④"));
    EXPECT_EQ(endMark(5, 5), QStringLiteral("●"));
    EXPECT_EQ(endMark(6, 5), QStringLiteral("　"));
    // No current student: nobody is marked, not even a number 0.
    EXPECT_EQ(rowMark(0, 0, 4), QStringLiteral("④"));
}

TEST(RightAligned, PadsAndKeepsLastCharacters) {
    EXPECT_EQ(rightAligned(45, 6), QStringLiteral("    45"));
    EXPECT_EQ(rightAligned(5, 6), QStringLiteral("     5"));
    EXPECT_EQ(rightAligned(1234, 3), QStringLiteral("234"));
    EXPECT_EQ(rightAligned(100, 2), QStringLiteral("00"));
    EXPECT_EQ(rightAligned(3, 2), QStringLiteral(" 3"));
}

struct Sorted {
    std::vector<std::int64_t> keys;
    std::vector<int> items;
};

Sorted sortOf(std::vector<std::int64_t> keys, int passes) {
    std::vector<int> items(keys.size());
    for (std::size_t i = 0; i < items.size(); ++i)
        items[i] = static_cast<int>(i);
    const int n = static_cast<int>(keys.size()) - 1;
    for (int p = 0; p < passes; ++p)
        mergeSortByKey(n, keys, items);
    return {keys, items};
}

TEST(MergeSortByKey, OnePassPutsEqualKeysRightHalfFirst) {
    // Entry 0 is never touched; items are the original positions.
    const auto once = sortOf({-1, 30, 10, 30, 20, 10, 30}, 1);
    EXPECT_EQ(once.keys, (std::vector<std::int64_t>{-1, 10, 10, 20, 30, 30, 30}));
    EXPECT_EQ(once.items, (std::vector<int>{0, 5, 2, 4, 6, 3, 1}));
    // The second pass reverses the equal keys once more: back to their first order.
    const auto twice = sortOf({-1, 30, 10, 30, 20, 10, 30}, 2);
    EXPECT_EQ(twice.items, (std::vector<int>{0, 2, 5, 4, 1, 3, 6}));
}

TEST(MergeSortByKey, TinyAndSortedInputs) {
    EXPECT_EQ(sortOf({0}, 1).items, (std::vector<int>{0}));
    EXPECT_EQ(sortOf({0, 7}, 1).items, (std::vector<int>{0, 1}));
    EXPECT_EQ(sortOf({0, 7, 7}, 1).items, (std::vector<int>{0, 2, 1}));
    EXPECT_EQ(sortOf({0, 1, 2, 3, 4, 5}, 1).items, (std::vector<int>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(sortOf({0, 5, 4, 3, 2, 1}, 1).items, (std::vector<int>{0, 5, 4, 3, 2, 1}));
}

} // namespace
