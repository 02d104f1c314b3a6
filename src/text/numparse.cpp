// Leading-number parsing and number formatting shared by every reader and writer.
#include "text/numparse.h"

#include <charconv>
#include <cmath>

namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; }

// Collects the characters of the leading number with the blanks taken out; `exact` tells whether
// the number used every non-blank character of the text.
QString leadingNumberText(QStringView text, bool* exact = nullptr) {
    QString out;
    qsizetype i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && isBlank(text[i]))
            ++i;
    };
    auto digits = [&] {
        int n = 0;
        for (;;) {
            skipBlanks();
            if (i < text.size() && text[i] >= u'0' && text[i] <= u'9') {
                out += text[i++];
                ++n;
            } else {
                return n;
            }
        }
    };
    skipBlanks();
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        out += text[i++];
    int intDigits = digits();
    int fracDigits = 0;
    if (i < text.size() && text[i] == u'.') {
        qsizetype save = i;
        ++i;
        out += u'.';
        fracDigits = digits();
        if (fracDigits == 0 && intDigits == 0) {
            i = save;
            out.chop(1);
        }
    }
    if (intDigits + fracDigits > 0 && i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype save = i;
        QString saveOut = out;
        out += u'e';
        ++i;
        if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
            out += text[i++];
        if (digits() == 0) {
            i = save;
            out = saveOut;
        }
    }
    if (intDigits + fracDigits == 0)
        out.clear();
    if (exact) {
        skipBlanks();
        *exact = !out.isEmpty() && i == text.size();
    }
    return out;
}

} // namespace

double leadingNumber(QStringView text) {
    QString s = leadingNumberText(text);
    if (s.isEmpty())
        return 0.0;
    QByteArray b = s.toLatin1();
    double v = 0.0;
    const char* first = b.constData();
    if (*first == '+')
        ++first;
    std::from_chars(first, b.constData() + b.size(), v);
    return v;
}

std::int64_t leadingWholeNumber(QStringView text) {
    QString s = leadingNumberText(text);
    if (s.isEmpty())
        return 0;
    if (s.contains(u'e')) {
        double v = leadingNumber(text);
        return std::isfinite(v) && std::fabs(v) < 9.2e18 ? static_cast<std::int64_t>(v) : 0;
    }
    bool negative = s.startsWith(u'-');
    std::int64_t v = 0;
    for (QChar c : s) {
        if (c == u'.')
            break;
        if (c.isDigit()) {
            if (v > (INT64_MAX - 9) / 10)
                break; // more digits than the type holds: keep what fits
            v = v * 10 + (c.unicode() - u'0');
        }
    }
    return negative ? -v : v;
}

bool isNumeric(QStringView text) {
    bool exact = false;
    leadingNumberText(text, &exact);
    return exact;
}

std::int64_t roundHalfEven(double value) { return static_cast<std::int64_t>(std::nearbyint(value)); }

QString shortestDecimal(double value) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, value);
    return QString::fromLatin1(buf, r.ptr - buf);
}

QString shortestDecimal(float value) {
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, value);
    return QString::fromLatin1(buf, r.ptr - buf);
}
