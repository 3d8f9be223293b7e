// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "exercises/written/typedanswer.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

namespace brasti {
namespace {

// Hexadecimal and octal numbers hold 32 bits at most.
constexpr std::uint64_t kLargestBasedNumber = 0xFFFFFFFFu;

bool isSkipped(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

int digitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 99;
}

bool isDecimalDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Walks a text, stepping over the characters the reader skips.
class Cursor {
public:
    explicit Cursor(std::string_view text) : text_(text) {}
    // The next character that is not skipped, or '\0' at the end.
    char peek()
    {
        while (i_ < text_.size() && isSkipped(text_[i_]))
            ++i_;
        return i_ < text_.size() ? text_[i_] : '\0';
    }
    void take() { ++i_; }
    std::size_t position() const { return i_; }
    void rewind(std::size_t position) { i_ = position; }

private:
    std::string_view text_;
    std::size_t i_ = 0;
};

std::optional<double> readBased(Cursor& in)
{
    const char letter = in.peek();
    int base = 0;
    if (letter == 'h' || letter == 'H')
        base = 16;
    else if (letter == 'o' || letter == 'O')
        base = 8;
    else
        return 0.0;
    in.take();
    std::uint64_t value = 0;
    for (int digit = digitValue(in.peek()); digit < base; digit = digitValue(in.peek())) {
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
        if (value > kLargestBasedNumber)
            return std::nullopt;
        in.take();
    }
    return static_cast<double>(value);
}

// The power of ten of the first significant digit of "digits[.digits][e[sign]digits]",
// near enough to tell a number too large for a double from one too small.
long long magnitude(std::string_view number)
{
    long long power = 0;
    bool point = false;
    bool significant = false;
    std::size_t i = 0;
    for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
        if (number[i] == '.') {
            point = true;
            continue;
        }
        significant = significant || number[i] != '0';
        if (!point && significant)
            ++power; // an integer digit from the first significant one on
        else if (point && !significant)
            --power; // a zero between the point and the first significant digit
    }
    long long exponent = 0;
    const bool negative = i + 1 < number.size() && number[i + 1] == '-';
    for (++i; i < number.size(); ++i)
        if (isDecimalDigit(number[i]))
            exponent = std::min(exponent * 10 + (number[i] - '0'), 1000000LL);
    return power + (negative ? -exponent : exponent);
}

// Converts plain ASCII "[sign]digits[.digits][e[sign]digits]" whatever the
// program's locale says a decimal point is, the same on every platform. Too
// large to hold is infinite; too small to hold is 0.
double toDouble(std::string_view number)
{
    const bool negative = number.front() == '-';
    if (number.front() == '+' || number.front() == '-')
        number.remove_prefix(1);
    double value = 0;
#if defined(__cpp_lib_to_chars)
    const bool outOfRange =
        std::from_chars(number.data(), number.data() + number.size(), value).ec == std::errc::result_out_of_range;
#else
    // The browser's C++ library converts no floating point with from_chars;
    // its C library (musl) reads "." in strtod whatever the locale says.
    const std::string text(number);
    errno = 0;
    value = std::strtod(text.c_str(), nullptr);
    const bool outOfRange = errno == ERANGE;
#endif
    if (outOfRange)
        value = magnitude(number) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -value : value;
}

} // namespace

std::string removeBlanks(std::string_view text)
{
    std::string compact;
    compact.reserve(text.size());
    for (char c : text)
        if (c != ' ')
            compact += c;
    return compact;
}

std::optional<double> readLeadingNumber(std::string_view text)
{
    Cursor in(text);
    if (in.peek() == '&') {
        in.take();
        return readBased(in);
    }

    std::string number;
    if (in.peek() == '+' || in.peek() == '-') {
        number += in.peek();
        in.take();
    }
    bool point = false;
    int digits = 0;
    for (char c = in.peek(); isDecimalDigit(c) || (c == '.' && !point); c = in.peek()) {
        point = point || c == '.';
        digits += c == '.' ? 0 : 1;
        number += c;
        in.take();
    }
    if (digits == 0)
        return 0.0;

    // An exponent counts only with at least one digit: "7e" and "7e+" read as 7.
    if (in.peek() == 'e' || in.peek() == 'E') {
        const std::size_t before = in.position();
        std::string exponent = "e";
        in.take();
        if (in.peek() == '+' || in.peek() == '-') {
            exponent += in.peek();
            in.take();
        }
        bool any = false;
        for (char c = in.peek(); isDecimalDigit(c); c = in.peek()) {
            exponent += c;
            any = true;
            in.take();
        }
        if (any)
            number += exponent;
        else
            in.rewind(before);
    }

    const double value = toDouble(number);
    // Too small to hold reads as (nearly) 0; too large is no number at all.
    if (std::isinf(value))
        return std::nullopt;
    return value;
}

bool CheckTypedAnswer(std::string_view typed, AnswerMode mode, const ExpectedAnswer& expected)
{
    const std::string compact = removeBlanks(typed);
    if (mode == AnswerMode::OperationMode)
        return compact == expected.operation;
    const std::optional<double> value = readLeadingNumber(compact);
    return value && *value == static_cast<double>(expected.result);
}

} // namespace brasti
