#include "model/NumberText.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>
#include <limits>

namespace swted {

namespace {

class Scanner {
public:
    explicit Scanner(QStringView text) : s(text) {}

    // The next character, skipping the blanks and tabs that may stand inside
    // a number; 0 at the end.
    QChar peek()
    {
        while (i < s.size() && (s[i] == QLatin1Char(' ') || s[i] == QLatin1Char('\t')))
            ++i;
        return i < s.size() ? s[i] : QChar(0);
    }
    void advance() { ++i; }

private:
    QStringView s;
    qsizetype i = 0;
};

int DigitValue(QChar c, int base)
{
    int d = -1;
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        d = c.unicode() - '0';
    else if (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
        d = c.unicode() - 'a' + 10;
    else if (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
        d = c.unicode() - 'A' + 10;
    return d < base ? d : -1;
}

double PrefixedValue(Scanner &sc, int base)
{
    double v = 0;
    for (int d = DigitValue(sc.peek(), base); d >= 0; d = DigitValue(sc.peek(), base)) {
        v = v * base + d;
        sc.advance();
    }
    return v;
}

} // namespace

double NumericValue(QStringView text)
{
    Scanner sc(text);
    QChar c = sc.peek();
    if (c == QLatin1Char('&')) {
        sc.advance();
        const QChar kind = sc.peek().toUpper();
        if (kind == QLatin1Char('H')) {
            sc.advance();
            return PrefixedValue(sc, 16);
        }
        if (kind == QLatin1Char('O')) {
            sc.advance();
            return PrefixedValue(sc, 8);
        }
        return 0;
    }

    // Collect a clean decimal literal and let the C library convert it, so
    // the result is the correctly rounded double of what was written.
    std::string literal;
    if (c == QLatin1Char('+') || c == QLatin1Char('-')) {
        if (c == QLatin1Char('-'))
            literal += '-';
        sc.advance();
    }
    bool anyDigit = false;
    for (c = sc.peek(); c.isDigit() && c.unicode() < 128; c = sc.peek()) {
        literal += static_cast<char>(c.unicode());
        anyDigit = true;
        sc.advance();
    }
    if (c == QLatin1Char('.')) {
        sc.advance();
        literal += '.';
        for (c = sc.peek(); c.isDigit() && c.unicode() < 128; c = sc.peek()) {
            literal += static_cast<char>(c.unicode());
            anyDigit = true;
            sc.advance();
        }
    }
    if (!anyDigit)
        return 0;
    c = sc.peek().toUpper();
    if (c == QLatin1Char('E') || c == QLatin1Char('D')) {
        sc.advance();
        std::string exponent = "e";
        c = sc.peek();
        if (c == QLatin1Char('+') || c == QLatin1Char('-')) {
            exponent += static_cast<char>(c.unicode());
            sc.advance();
        }
        bool expDigit = false;
        for (c = sc.peek(); c.isDigit() && c.unicode() < 128; c = sc.peek()) {
            exponent += static_cast<char>(c.unicode());
            expDigit = true;
            sc.advance();
        }
        if (expDigit)
            literal += exponent;
    }
    // from_chars ignores the process locale (a decimal comma locale must not
    // change how files read).
    double v = 0;
    const char *first = literal.data();
    const char *last = first + literal.size();
    const auto result = std::from_chars(first, last, v);
    if (result.ec == std::errc::result_out_of_range) {
        const bool tiny = literal.find("e-") != std::string::npos;
        const bool negative = literal[0] == '-';
        if (tiny)
            return negative ? -0.0 : 0.0;
        return negative ? -HUGE_VAL : HUGE_VAL;
    }
    return v;
}

namespace {
template <typename T>
std::optional<T> RoundTo(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    // nearbyint rounds halves to the even neighbour in the default mode.
    const double r = std::nearbyint(value);
    if (r < static_cast<double>(std::numeric_limits<T>::min())
        || r > static_cast<double>(std::numeric_limits<T>::max()))
        return std::nullopt;
    return static_cast<T>(r);
}
} // namespace

std::optional<int16_t> RoundToInt16(double value) { return RoundTo<int16_t>(value); }
std::optional<int32_t> RoundToInt32(double value) { return RoundTo<int32_t>(value); }

QString NumberText(long long n)
{
    return QLatin1Char(' ') + QString::number(n);
}

} // namespace swted
