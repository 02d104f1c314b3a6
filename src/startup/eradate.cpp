// Era date formatting through ICU's Japanese calendar.
#include "startup/eradate.h"

#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/smpdtfmt.h>
#include <unicode/unistr.h>

#include <memory>

namespace {

QString fromIcu(const icu::UnicodeString& s) {
    return QString(reinterpret_cast<const QChar*>(s.getBuffer()), s.length());
}

} // namespace

QString eraDateText(const QDate& day) {
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale locale("ja_JP@calendar=japanese");
    // The era name comes from ICU's Japanese calendar; the year of the era is taken as a plain
    // number (ICU would write the first year as 元年, the program writes 1).
    icu::SimpleDateFormat eraFormat(icu::UnicodeString::fromUTF8("GGGG"), locale, status);
    std::unique_ptr<icu::Calendar> calendar(icu::Calendar::createInstance(
        icu::TimeZone::getGMT()->clone(), locale, status));
    if (U_FAILURE(status))
        return day.toString(QStringLiteral("yyyy年 M月 dd日"));
    // Work in UTC so that the date shown is exactly the calendar date given.
    eraFormat.setTimeZone(*icu::TimeZone::getGMT());
    const UDate millis = static_cast<UDate>(QDate(1970, 1, 1).daysTo(day)) * 86400000.0;
    calendar->setTime(millis, status);
    const int eraYear = calendar->get(UCAL_YEAR, status);
    icu::UnicodeString era;
    eraFormat.format(millis, era);
    static const char16_t* weekdays[] = {u"月", u"火", u"水", u"木", u"金", u"土", u"日"};
    return QStringLiteral("%1%2年 %3月 %4日（%5）")
        .arg(fromIcu(era))
        .arg(eraYear)
        .arg(day.month())
        .arg(day.day(), 2, 10, QChar(u'0'))
        .arg(QString::fromUtf16(weekdays[day.dayOfWeek() - 1]));
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
