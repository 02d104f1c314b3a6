// Code page 932 files, the item-list reader and the leading-number parse.
#include "text/cp932.h"
#include "text/itemlist.h"
#include "text/loaderror.h"
#include "text/numparse.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(Cp932, RoundTripsWindowsExtensionsAndHalfWidthKana) {
    const QString text = QStringLiteral("①Ⅰ～ｱｲｳﾚﾍﾞﾙ漢字★先生");
    const QByteArray bytes = cp932::encode(text);
    // ① is 0x8740, Ⅰ 0x8754 and ～ (U+FF5E) 0x8160 in Windows-31J; ｱ is one byte.
    EXPECT_TRUE(bytes.startsWith(QByteArray::fromHex("874087548160b1")));
    EXPECT_EQ(cp932::decode(bytes), text);
}

TEST(Cp932, FileWriteUsesCrLfAndReplacesWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.txt"));
    ASSERT_TRUE(cp932::writeFile(path, QStringLiteral("一\n二\n")));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray::fromHex("88ea0d0a93f10d0a"));
    EXPECT_EQ(*cp932::readFile(path), QStringLiteral("一\r\n二\r\n"));
}

TEST(Cp932, FixedFieldCutsOnCharacterBoundaries) {
    EXPECT_EQ(cp932::fixedField(QStringLiteral("12345"), 5), QByteArray("12345"));
    EXPECT_EQ(cp932::fixedField(QStringLiteral("12"), 5), QByteArray("12   "));
    EXPECT_EQ(cp932::fixedField(QString(), 5), QByteArray("     "));
    // Two double-byte characters take four bytes; the third would split, so a blank follows.
    EXPECT_EQ(cp932::fixedField(QStringLiteral("塾塾塾"), 5).size(), 5);
    EXPECT_EQ(cp932::fixedField(QStringLiteral("塾塾塾"), 5).right(1), QByteArray(" "));
    EXPECT_EQ(cp932::fixedField(QStringLiteral("1塾塾塾"), 5), cp932::encode(QStringLiteral("1塾塾")));
}

QStringList readAll(const QString& text) {
    ItemReader r(text, QStringLiteral("t.txt"), QStringLiteral("/x/t.txt"));
    QStringList items;
    while (!r.atEnd())
        items << r.readText();
    return items;
}

TEST(ItemReader, SplitsOnCommasAndLineBreaks) {
    struct Case {
        QString text;
        QStringList items;
    } cases[] = {
        {QStringLiteral("a,b\r\nc\r\n"), {"a", "b", "c"}},
        {QStringLiteral("  a  ,\tb \r\n"), {"a", "b"}},
        {QStringLiteral("\"a,b\",c\r\n"), {"a,b", "c"}},
        {QStringLiteral("\" a \"x,c"), {" a ", "c"}},
        {QStringLiteral("a\nb"), {"a", "b"}},
        {QStringLiteral("a\r\n\r\n"), {"a"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readAll(c.text), c.items) << c.text.toStdString();
}

TEST(ItemReader, LinesEndingInCommasCarryEmptyItems) {
    // The criteria file's lines: five items each, the last ones empty.
    ItemReader r(QStringLiteral("h1,h2,,,\r\n1,2,,,\r\n"), QStringLiteral("t"), QStringLiteral("t"));
    QStringList items;
    for (int i = 0; i < 10; ++i)
        items << r.readText();
    EXPECT_EQ(items, (QStringList{"h1", "h2", "", "", "", "1", "2", "", "", ""}));
    EXPECT_TRUE(r.atEnd());
}

TEST(ItemReader, ReadingPastTheEndNamesTheFileAndTheItem) {
    ItemReader r(QStringLiteral("1,2\r\n"), QStringLiteral("共通データ.txt"), QStringLiteral("/r/共通データ.txt"));
    EXPECT_EQ(r.readNumber(), 1);
    EXPECT_EQ(r.readNumber(), 2);
    try {
        r.readText();
        FAIL() << "expected an error";
    } catch (const LoadError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("共通データ.txt")));
        EXPECT_TRUE(e.message().contains(QStringLiteral("/r/共通データ.txt")));
        EXPECT_TRUE(e.message().contains(QStringLiteral("3 番目")));
    }
}

TEST(ItemReader, ValuesKeepTextOrNumber) {
    ItemReader r(QStringLiteral("7,abc,1.5,,禁回"), QStringLiteral("t"), QStringLiteral("t"));
    Value a = r.readValue(), b = r.readValue(), c = r.readValue(), d = r.readValue(),
          e = r.readValue();
    EXPECT_TRUE(a.isNumber);
    EXPECT_EQ(a.toText(), QStringLiteral("7"));
    EXPECT_FALSE(b.isNumber);
    EXPECT_EQ(b.toNumber(), 0);
    EXPECT_EQ(c.toText(), QStringLiteral("1.5"));
    EXPECT_TRUE(d.isEmpty());
    EXPECT_EQ(e.toText(), QStringLiteral("禁回"));
}

TEST(ItemReader, MissingFileIsALoadError) {
    QTemporaryDir dir;
    EXPECT_THROW(ItemReader::open(dir.filePath(QStringLiteral("none.txt")), QStringLiteral("none.txt")),
                 LoadError);
}

TEST(LeadingNumber, TakesTheLeadingNumberAndIgnoresTheRest) {
    struct Case {
        const char* text;
        double value;
    } cases[] = {
        {"", 0},          {"abc", 0},      {"12345dudi", 12345}, {"00000dudi", 0},
        {"3年生クラ", 3}, {" 1 2 3", 123},  {"-7x", -7},           {"1.5", 1.5},
        {".5", 0.5},      {"1e3", 1000},   {"1e", 1},             {"+4", 4},
        {"0123", 123},    {"目標Time", 0}, {"2.", 2},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(leadingNumber(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST(LeadingNumber, WholeNumbersStayExactBeyondDoublePrecision) {
    EXPECT_EQ(leadingWholeNumber(u"999999999999999"), 999999999999999LL);
    EXPECT_EQ(leadingWholeNumber(u"123456789012345678"), 123456789012345678LL);
    EXPECT_EQ(leadingWholeNumber(u"12.9"), 12);
    EXPECT_EQ(leadingWholeNumber(u"x12"), 0);
    EXPECT_EQ(leadingWholeNumber(u"12a34"), 12);
}

TEST(NumberFormat, ShortestDecimalAndHalfEven) {
    EXPECT_EQ(shortestDecimal(1.5f), QStringLiteral("1.5"));
    EXPECT_EQ(shortestDecimal(1.1f), QStringLiteral("1.1"));
    EXPECT_EQ(shortestDecimal(60.0), QStringLiteral("60"));
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-0.5), 0);
}

} // namespace
