#include "channels/textnumbers.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <string>

namespace {

bool IsDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool IsCSpace(QChar c)
{
    return c == QLatin1Char(' ') || (c >= QLatin1Char('\t') && c <= QLatin1Char('\r'));
}

// Reads the digits at text[*i...] into digits; returns how many there were.
int TakeDigits(const QString &text, int *i, std::string *digits)
{
    int count = 0;
    for (; *i < text.size() && IsDigit(text.at(*i)); ++*i, ++count)
        *digits += text.at(*i).toLatin1();
    return count;
}

} // namespace

// The number is handed to strtod as digits and an exponent only, so the process
// locale's decimal point plays no part.
double LeadingNumber(const QString &text)
{
    int i = 0;
    const int n = text.size();
    while (i < n && IsCSpace(text.at(i)))
        ++i;
    std::string number;
    if (i < n && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+')))
        number += text.at(i++).toLatin1();
    int digits = TakeDigits(text, &i, &number);
    int fractionDigits = 0;
    if (i < n && text.at(i) == QLatin1Char('.')) {
        ++i;
        fractionDigits = TakeDigits(text, &i, &number);
    }
    if (digits + fractionDigits == 0)
        return 0.0;
    long long exponent = 0;
    if (i + 1 < n && (text.at(i) == QLatin1Char('e') || text.at(i) == QLatin1Char('E'))) {
        int j = i + 1;
        const bool negative = text.at(j) == QLatin1Char('-');
        if (negative || text.at(j) == QLatin1Char('+'))
            ++j;
        for (; j < n && IsDigit(text.at(j)); ++j) {
            if (exponent < 100000) // far beyond any double: the result is inf or 0 already
                exponent = exponent * 10 + text.at(j).digitValue();
        }
        if (negative)
            exponent = -exponent;
    }
    number += 'e' + std::to_string(exponent - fractionDigits);
    return std::strtod(number.c_str(), nullptr);
}

bool ReadInteger(const QString &text, int *pos, int *value)
{
    int i = *pos;
    const int n = text.size();
    while (i < n && IsCSpace(text.at(i)))
        ++i;
    bool negative = false;
    if (i < n && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+')))
        negative = text.at(i++) == QLatin1Char('-');
    const int firstDigit = i;
    long long number = 0;
    for (; i < n && IsDigit(text.at(i)); ++i)
        number = std::min<long long>(number * 10 + text.at(i).digitValue(), 1LL << 32);
    if (i == firstDigit)
        return false;
    number = negative ? -number : number;
    *value = static_cast<int>(std::clamp<long long>(
        number, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    *pos = i;
    return true;
}

int LeadingInteger(const QString &text)
{
    int pos = 0;
    int value = 0;
    return ReadInteger(text, &pos, &value) ? value : 0;
}

bool IsPlainDecimal(const QString &text)
{
    const QString number = text.trimmed();
    int i = 0;
    std::string digits;
    const int whole = TakeDigits(number, &i, &digits);
    int fraction = 0;
    if (i < number.size() && number.at(i) == QLatin1Char('.')) {
        ++i;
        fraction = TakeDigits(number, &i, &digits);
    }
    return i == number.size() && whole + fraction > 0;
}
