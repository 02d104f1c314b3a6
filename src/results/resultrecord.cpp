// The 44-byte record of the results file, written and read field by field in little-endian
// order, and the numeric value of its 5-byte text fields.
#include "results/resultsfile.h"

#include "text/cp932.h"
#include "text/numparse.h"

#include <QtEndian>
#include <cmath>
#include <cstring>
#include <limits>

const QString kResultsFileName = QStringLiteral("成績累積データ.dat");
const QString kResultsTempFileName = QStringLiteral("成績累積データtemp.dat");

namespace {

constexpr int kTextSize = 5;
constexpr std::int64_t kManyDigits = 100'000'000'000'000LL; // beyond this, the general parse

void putDouble(char* at, double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    qToLittleEndian(bits, at);
}

double getDouble(const char* at) {
    std::uint64_t bits = qFromLittleEndian<std::uint64_t>(at);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// A text field as stored: exactly five bytes, blank-padded when shorter.
void putText(char* at, const QByteArray& field) {
    std::memset(at, ' ', kTextSize);
    std::memcpy(at, field.constData(), std::min<qsizetype>(field.size(), kTextSize));
}

void putReserved(char* at, const QByteArray& field) {
    std::memset(at, 0, kTextSize);
    std::memcpy(at, field.constData(), std::min<qsizetype>(field.size(), kTextSize));
}

bool isBlankByte(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::int32_t clampToInt32(double value) {
    if (std::isnan(value))
        return 0;
    if (value >= std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (value <= std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(roundHalfEven(value));
}

} // namespace

QByteArray serializeRecord(const ResultRecord& r) {
    QByteArray bytes(kRecordSize, '\0');
    char* p = bytes.data();
    putDouble(p + 0, r.recordDate);
    putDouble(p + 8, r.recordClock);
    qToLittleEndian(r.Bangou, p + 16);
    qToLittleEndian(r.level, p + 18);
    qToLittleEndian(r.time, p + 20);
    putText(p + 24, r.siteCode);
    putText(p + 29, r.spareText);
    putText(p + 34, r.carriedPoints);
    putReserved(p + 39, r.reserved);
    return bytes;
}

ResultRecord parseRecord(const QByteArray& bytes) {
    Q_ASSERT(bytes.size() == kRecordSize);
    const char* p = bytes.constData();
    ResultRecord r;
    r.recordDate = getDouble(p + 0);
    r.recordClock = getDouble(p + 8);
    r.Bangou = qFromLittleEndian<std::int16_t>(p + 16);
    r.level = qFromLittleEndian<std::int16_t>(p + 18);
    r.time = qFromLittleEndian<std::int32_t>(p + 20);
    r.siteCode = QByteArray(p + 24, kTextSize);
    r.spareText = QByteArray(p + 29, kTextSize);
    r.carriedPoints = QByteArray(p + 34, kTextSize);
    r.reserved = QByteArray(p + 39, kTextSize);
    return r;
}

std::int32_t fieldNumber(const char* bytes, int size) {
    // The usual field holds plain digits ("0    "): read them straight from the bytes. Anything
    // with a fraction or an exponent goes through the program's general leading-number parse.
    if (size == kTextSize && std::memcmp(bytes + 1, "    ", 4) == 0) {
        if (bytes[0] >= '0' && bytes[0] <= '9')
            return bytes[0] - '0';
        if (bytes[0] == ' ')
            return 0;
    }
    int i = 0;
    auto skipBlanks = [&] {
        while (i < size && isBlankByte(bytes[i]))
            ++i;
    };
    skipBlanks();
    bool negative = false;
    if (i < size && (bytes[i] == '-' || bytes[i] == '+'))
        negative = bytes[i++] == '-';
    std::int64_t value = 0;
    for (;;) {
        skipBlanks();
        if (i < size && bytes[i] >= '0' && bytes[i] <= '9' && value < kManyDigits)
            value = value * 10 + (bytes[i++] - '0');
        else
            break;
    }
    if (i < size && (bytes[i] == '.' || bytes[i] == 'e' || bytes[i] == 'E' ||
                     (bytes[i] >= '0' && bytes[i] <= '9')))
        return clampToInt32(leadingNumber(cp932::decode(QByteArray(bytes, size))));
    return clampToInt32(static_cast<double>(negative ? -value : value));
}
