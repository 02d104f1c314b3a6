// Era date formatting through ICU's Japanese calendar.
#include "startup/eradate.h"

#include <unicode/locid.h>
#include <unicode/smpdtfmt.h>
#include <unicode/unistr.h>

namespace {

QString fromIcu(const icu::UnicodeString& s) {
    return QString(reinterpret_cast<const QChar*>(s.getBuffer()), s.length());
}

} // namespace

QString eraDateText(const QDate& day) {
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale locale("ja_JP@calendar=japanese");
    // Era name, year of the era (1 stays 1), then month, two-digit day and the short weekday.
    icu::SimpleDateFormat format(icu::UnicodeString::fromUTF8("GGGGy年 M月 dd日（E）"), locale,
                                 status);
    if (U_FAILURE(status))
        return day.toString(QStringLiteral("yyyy年 M月 dd日"));
    // Work in UTC so that the date shown is exactly the calendar date given.
    format.setTimeZone(*icu::TimeZone::getGMT());
    UDate millis = static_cast<UDate>(QDate(1970, 1, 1).daysTo(day)) * 86400000.0;
    icu::UnicodeString out;
    format.format(millis, out);
    return fromIcu(out);
}

std::uint32_t seasonColourForMonth(int month) {
    if (month <= 2)
        return 0xFF8000;
    if (month <= 5)
        return 0xC0FFC0;
    if (month <= 8)
        return 0x00C0C0;
    if (month <= 11)
        return 0xC04000;
    return 0xC0FFC0;
}
