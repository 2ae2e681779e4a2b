#include "script_args.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Skips leading blanks and reads an optional sign; true for a minus.
bool SkipBlanksAndSign(std::string_view& text)
{
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    text.remove_prefix(i);
    return negative;
}

int32_t Saturated(double value)
{
    if (std::isnan(value)) return 0;
    if (value >= 2147483647.0) return std::numeric_limits<int32_t>::max();
    if (value <= -2147483648.0) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value); // truncates toward zero
}

} // namespace

int32_t ReadInteger(std::string_view text)
{
    bool negative = SkipBlanksAndSign(text);
    int64_t value = 0;
    for (char c : text) {
        if (!IsDigit(c)) break;
        value = value * 10 + (c - '0');
        if (value > int64_t{1} << 32) break; // already beyond any 32-bit value
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

double ReadDecimal(std::string_view text)
{
    bool negative = SkipBlanksAndSign(text);
    size_t i = 0, digits = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return 0.0;
    // An exponent counts only with at least one digit: "5e" is 5.
    bool smallExponent = false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        bool minus = false;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) minus = text[j++] == '-';
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) ++j;
            i = j;
            smallExponent = minus;
        }
    }
    double value = 0.0;
    auto [end, error] = std::from_chars(text.data(), text.data() + i, value, std::chars_format::general);
    (void)end;
    if (error == std::errc::result_out_of_range)
        value = smallExponent ? 0.0 : std::numeric_limits<double>::infinity();
    return negative ? -value : value;
}

int32_t ReadPosition(std::string_view text, int32_t reference)
{
    if (text.empty() || text[0] != '%') return ReadInteger(text);
    return Saturated(ReadDecimal(text.substr(1)) * reference * 0.01);
}

bool ArgumentCursor::Next(std::string_view& argument)
{
    if (!m_next) return false;
    const char* comma = std::strchr(m_next, ',');
    if (comma) {
        argument = std::string_view(m_next, static_cast<size_t>(comma - m_next));
        m_next = comma + 1;
    } else {
        argument = std::string_view(m_next);
        m_next = nullptr;
    }
    return true;
}
