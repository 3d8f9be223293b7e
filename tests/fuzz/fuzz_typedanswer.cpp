// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// The reader of typed answers under random text. Besides crashes, hangs and
// leaks, every reading is checked against a second reader built another way:
// the text is first stripped of the characters the reader skips, and the
// number is then converted by the C library's strtod in the C locale, not by
// the reader's own conversion. Any difference is a fault of one of them.
//
// The first byte of the input chooses the check's mode and expected result;
// the rest is the typed text.
#include "exercises/written/typedanswer.h"
#include "broken.h"

#include <algorithm>
#include <charconv>
#include <clocale>
#include <locale.h>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace {

[[noreturn]] void broken(const char* what, std::string_view text)
{
    fuzz::broken("typed-answer reader", what, text);
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The text as the reader sees it: blanks, tabs and line feeds do not count.
std::string withoutSkipped(std::string_view text)
{
    std::string kept;
    for (const char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            kept += c;
    return kept;
}

// "&H" or "&O" and as many digits of that base as follow; nothing past 32 bits.
std::optional<double> expectedBased(std::string_view text)
{
    if (text.size() < 2)
        return 0.0;
    int base = 0;
    if (text[1] == 'h' || text[1] == 'H')
        base = 16;
    else if (text[1] == 'o' || text[1] == 'O')
        base = 8;
    else
        return 0.0;
    const std::string_view digits = text.substr(2);
    const char* const end = digits.data() + digits.size();
    // from_chars takes upper- and lower-case hexadecimal digits and no prefix or sign.
    if (digits.empty() || digits.front() == '-' || digits.front() == '+')
        return 0.0;
    std::uint64_t value = 0;
    const auto [stop, error] = std::from_chars(digits.data(), end, value, base);
    if (stop == digits.data())
        return 0.0;
    if (error == std::errc::result_out_of_range || value > 0xFFFFFFFFu)
        return std::nullopt;
    return static_cast<double>(value);
}

std::optional<double> expectedNumber(const std::string& text)
{
    if (!text.empty() && text.front() == '&')
        return expectedBased(text);
    std::string_view rest = text;
    bool negative = false;
    if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    // strtod would also read "inf", "nan", hexadecimal and a second sign; the reader reads none.
    if (rest.empty() || !(isDigit(rest.front()) || rest.front() == '.'))
        return 0.0;
    std::size_t length = 0;
    bool point = false;
    for (; length < rest.size() && (isDigit(rest[length]) || (rest[length] == '.' && !point)); ++length)
        point = point || rest[length] == '.';
    if (length < rest.size() && (rest[length] == 'e' || rest[length] == 'E')) {
        std::size_t exponent = length + 1;
        if (exponent < rest.size() && (rest[exponent] == '+' || rest[exponent] == '-'))
            ++exponent;
        if (exponent < rest.size() && isDigit(rest[exponent])) {
            while (exponent < rest.size() && isDigit(rest[exponent]))
                ++exponent;
            length = exponent;
        }
    }
    const std::string number(rest.substr(0, length));
    if (number == ".")
        return 0.0; // a point with no digit
    // The C library's own conversion, in the C locale: the reader has its own.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    const double value = strtod_l(number.c_str(), nullptr, cLocale);
    // Too large to hold is no number; too small reads as (nearly) 0.
    if (std::isinf(value))
        return std::nullopt;
    return negative ? -value : value;
}

void checkReading(std::string_view text)
{
    const std::optional<double> read = brasti::readLeadingNumber(text);
    const std::string kept = withoutSkipped(text);
    const char first = kept.empty() ? '\0' : kept.front();

    if (read && !std::isfinite(*read))
        broken("a reading that is not a finite number", text);
    if (read && *read != 0.0 && !(isDigit(first) || first == '+' || first == '-' || first == '.' || first == '&'))
        broken("a number read from text that starts with no digit, sign, point or prefix", text);
    if (read && *read < 0.0 && first != '-')
        broken("a negative number without a minus sign", text);
    if (!read && !(first == '&' || kept.find_first_of("eE") != std::string::npos
                   || std::count_if(kept.begin(), kept.end(), isDigit) > 300))
        broken("no number, from text neither huge nor based", text);
    if (first == '&' && read && (*read != std::floor(*read) || *read < 0.0 || *read > 4294967295.0))
        broken("a based number that is no 32-bit whole number", text);

    const std::optional<double> expected = expectedNumber(kept);
    if (read.has_value() != expected.has_value())
        broken(read ? "read a number too large to hold" : "refused a number that holds", text);
    if (read && *read != *expected) {
        std::fprintf(stderr, "read %.17g, expected %.17g\n", *read, *expected);
        broken("the reading differs from the second reader", text);
    }
}

void checkAnswer(std::string_view text, unsigned char control)
{
    const std::string compact = brasti::removeBlanks(text);
    if (compact.find(' ') != std::string::npos
        || compact.size() + static_cast<std::size_t>(std::count(text.begin(), text.end(), ' ')) != text.size())
        broken("removing blanks took away more or less than the blanks", text);

    if (control & 0x80) {
        const brasti::ExpectedAnswer operation{0, "3+4=7"};
        const bool right = brasti::CheckTypedAnswer(text, brasti::AnswerMode::OperationMode, operation);
        if (right != (compact == operation.operation))
            broken("an operation judged other than as typed", text);
    } else {
        const int result = control % 41 - 20; // the screens ask 0 to 20; a sign must matter
        const brasti::ExpectedAnswer answer{result, ""};
        const bool right = brasti::CheckTypedAnswer(text, brasti::AnswerMode::ResultMode, answer);
        const std::optional<double> expected = expectedNumber(withoutSkipped(compact));
        if (right != (expected && *expected == result))
            broken("a result judged other than the number it starts with", text);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    checkReading(text);
    checkAnswer(text, data[0]);
    return 0;
}
