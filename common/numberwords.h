// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// Numbers written out in words, in capitals, as the screens show them: one
// speller for each language that has one.
#include <cstdint>
#include <string>
#include <string_view>

namespace brasti {

class NumberSpeller {
public:
    virtual ~NumberSpeller() = default;
    // The words for n; every value from 0 to 32767 has them.
    virtual std::string words(std::int16_t n) const = 0;
};

// Italian, one word without blanks ("VENTUNO", "MILLEUNO"); "ZERO" for 0
// and for negative numbers.
const NumberSpeller& italianSpeller();
// English, with blanks and hyphens ("TWENTY-ONE", "ONE HUNDRED AND ONE");
// "MINUS" before a negative number.
const NumberSpeller& englishSpeller();
// Spanish, with blanks ("VEINTIUNO", "CIENTO UNO", "TREINTA Y DOS MIL"), in
// UTF-8; "MENOS" before a negative number.
const NumberSpeller& spanishSpeller();
// French, in the 1990 reform's spelling, hyphens between all the parts
// ("VINGT-ET-UN", "DEUX-CENT-TROIS", "MILLE-DEUX-CENTS"), in UTF-8; "MOINS"
// before a negative number.
const NumberSpeller& frenchSpeller();
// Portuguese as Brazil writes it ("DEZESSEIS", "CENTO E UM", "MIL E
// DUZENTOS"), in UTF-8; "MENOS" before a negative number.
const NumberSpeller& portugueseSpeller();
// A language without a speller of its own writes numbers in digits, which
// every reader knows, rather than in another language's words.
const NumberSpeller& digitSpeller();

// The speller of a language, as the program names it by its two letters
// ("it", "en", "es", "fr", "pt"); the digits for any other.
const NumberSpeller& spellerFor(std::string_view language);

// The Italian words, as italianSpeller() gives them.
std::string NumberToWords(std::int16_t n);

} // namespace brasti
