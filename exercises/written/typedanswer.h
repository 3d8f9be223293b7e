// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// The check of a typed answer on the written-arithmetic screens, free of any
// widget: either the number the child typed after a printed operation, or
// the whole operation typed out.
#include <optional>
#include <string>
#include <string_view>

namespace brasti {

enum class AnswerMode {
    ResultMode,    // the leading number of the text is compared with the result
    OperationMode, // the text is compared character for character with the operation
};

struct ExpectedAnswer {
    int result;            // in ResultMode
    std::string operation; // in OperationMode, as "3+4=7"
};

// The text with every blank (the space character) taken out; everything
// else stays as typed. Texts are UTF-8.
std::string removeBlanks(std::string_view text);

// The leading number of a text, as a child's answer is read: an optional
// sign, digits with at most one decimal point and an optional exponent, or
// "&H"/"&O" followed by hexadecimal or octal digits. Blanks, tabs and line
// feeds are skipped wherever they stand; reading stops at the first
// character that does not fit, and a text that does not begin with a number
// reads as 0. A number too large to hold (a huge exponent, a hexadecimal or
// octal number past 32 bits) reads as nothing: it can be no one's answer.
std::optional<double> readLeadingNumber(std::string_view text);

// Whether the text typed in the answer box is right: blanks are removed,
// then ResultMode compares the leading number as a real number with the
// result (7, 07, +7, 7.0 and 7cm are all 7), OperationMode the whole text
// with the expected operation.
bool CheckTypedAnswer(std::string_view typed, AnswerMode mode, const ExpectedAnswer& expected);

} // namespace brasti
