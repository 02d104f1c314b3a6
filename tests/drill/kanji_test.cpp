// Kanji numeral rendering: the worked values, the unit rules and the label font sizes.
#include "drill/kanji.h"

#include <gtest/gtest.h>

namespace {

struct KanjiCase {
    std::uint64_t value;
    const char* text;
};

TEST(RenderKanji, WorkedValuesAndUnitRules) {
    const KanjiCase cases[] = {
        {0, ""},
        {1, "一"},
        {10, "十"},
        {21, "二十一"},
        {110, "百十"},
        {1000, "千"},
        {1001, "千一"},
        {10000, "一万"},
        {11000, "一万千"},
        {10010000, "千一万"},
        {20300000, "二千三十万"},
        {32000000, "三千二百万"},
        {100000000, "一億"},
        {100010000, "一億一万"},
        {1000000000000, "一兆"},
        {1000000000001, "一兆一"},
        {12345678901234, "十二兆三千四百五十六億七千八百九十万千二百三十四"},
        {9999999999999999ULL, "九千九百九十九兆九千九百九十九億九千九百九十九万九千九百九十九"},
        {10000000000000000ULL, ""}, // 17 digits: nothing of the 兆 group and below is set
    };
    for (const auto& c : cases)
        EXPECT_EQ(renderKanji(c.value), QString::fromUtf8(c.text)) << c.value;
}

TEST(RenderKanji, TypedDigitsIgnoreWhatLiesAboveTheChoGroup) {
    EXPECT_EQ(renderKanjiDigits(QStringLiteral("10000000000000005")), QStringLiteral("五"));
    EXPECT_EQ(renderKanjiDigits(QStringLiteral("000320")), QStringLiteral("三百二十"));
}

TEST(ProblemFontSize, TenCharactersKeepTheLargeFont) {
    // 三千三百三十三万三百 has 10 characters; 三千三百三十三万三千三 has 11.
    EXPECT_EQ(renderKanji(33330300).size(), 10);
    EXPECT_EQ(problemFontSize(renderKanji(33330300)), 50);
    EXPECT_EQ(renderKanji(33333003).size(), 11);
    EXPECT_EQ(problemFontSize(renderKanji(33333003)), 40);
}

} // namespace
