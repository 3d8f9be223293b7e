// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "common/numberwords.h"

#include <array>
#include <string_view>

namespace brasti {
namespace {

const std::array<const char*, 21> kUnits = {
    "",       "UNO",     "DUE",    "TRE",         "QUATTRO",  "CINQUE",    "SEI",
    "SETTE",  "OTTO",    "NOVE",   "DIECI",       "UNDICI",   "DODICI",    "TREDICI",
    "QUATTORDICI", "QUINDICI", "SEDICI", "DICIASSETTE", "DICIOTTO", "DICIANNOVE", "VENTI"};

const std::array<const char*, 10> kTens = {
    "", "", "VENTI", "TRENTA", "QUARANTA", "CINQUANTA", "SESSANTA", "SETTANTA", "OTTANTA", "NOVANTA"};

void dropLast(std::string& s, std::size_t count)
{
    s.erase(s.size() - std::min(count, s.size()));
}

const std::array<const char*, 20> kEnglishUnits = {
    "",        "ONE",     "TWO",       "THREE",    "FOUR",     "FIVE",    "SIX",
    "SEVEN",   "EIGHT",   "NINE",      "TEN",      "ELEVEN",   "TWELVE",  "THIRTEEN",
    "FOURTEEN", "FIFTEEN", "SIXTEEN",  "SEVENTEEN", "EIGHTEEN", "NINETEEN"};

const std::array<const char*, 10> kEnglishTens = {
    "", "", "TWENTY", "THIRTY", "FORTY", "FIFTY", "SIXTY", "SEVENTY", "EIGHTY", "NINETY"};

// 1 to 99: "SEVEN", "FORTY", "FORTY-TWO".
std::string englishBelowHundred(int n)
{
    if (n < 20)
        return kEnglishUnits[static_cast<std::size_t>(n)];
    std::string words = kEnglishTens[static_cast<std::size_t>(n / 10)];
    if (n % 10 != 0)
        words += std::string("-") + kEnglishUnits[static_cast<std::size_t>(n % 10)];
    return words;
}

// 1 to 999, British style: "ONE HUNDRED AND FIVE".
std::string englishBelowThousand(int n)
{
    std::string words;
    if (n >= 100) {
        words = std::string(kEnglishUnits[static_cast<std::size_t>(n / 100)]) + " HUNDRED";
        if (n % 100 != 0)
            words += " AND ";
    }
    if (n % 100 != 0)
        words += englishBelowHundred(n % 100);
    return words;
}

// 1 to 29 are single words in Spanish, with their written accents:
// DIECISÉIS, VEINTIDÓS.
const std::array<const char*, 30> kSpanishUnits = {
    "",           "UNO",         "DOS",         "TRES",        "CUATRO",      "CINCO",
    "SEIS",       "SIETE",       "OCHO",        "NUEVE",       "DIEZ",        "ONCE",
    "DOCE",       "TRECE",       "CATORCE",     "QUINCE",      "DIECISÉIS",   "DIECISIETE",
    "DIECIOCHO",  "DIECINUEVE",  "VEINTE",      "VEINTIUNO",   "VEINTIDÓS",   "VEINTITRÉS",
    "VEINTICUATRO", "VEINTICINCO", "VEINTISÉIS", "VEINTISIETE", "VEINTIOCHO", "VEINTINUEVE"};

const std::array<const char*, 10> kSpanishTens = {
    "", "", "", "TREINTA", "CUARENTA", "CINCUENTA", "SESENTA", "SETENTA", "OCHENTA", "NOVENTA"};

// 500, 700 and 900 are not built from their digit's word.
const std::array<const char*, 10> kSpanishHundreds = {
    "",              "CIENTO",     "DOSCIENTOS", "TRESCIENTOS", "CUATROCIENTOS",
    "QUINIENTOS",    "SEISCIENTOS", "SETECIENTOS", "OCHOCIENTOS", "NOVECIENTOS"};

// 1 to 999 where the hundreds, tens and units are words of a table each,
// the first units up to `units.size()` single words, and 100 alone a word
// of its own (Spanish, Portuguese).
template <std::size_t Units>
struct BelowThousandWords {
    const char* hundred;                      // 100 alone
    const std::array<const char*, 10>& hundreds;
    const char* afterHundreds;                // between the hundreds and the rest
    const std::array<const char*, 10>& tens;
    const std::array<const char*, Units>& units;
    const char* afterTens;                    // between the tens and the units
};

template <std::size_t Units>
std::string belowThousand(int n, const BelowThousandWords<Units>& w)
{
    if (n == 100)
        return w.hundred;
    std::string words;
    if (n >= 100) {
        words = w.hundreds[static_cast<std::size_t>(n / 100)];
        if (n % 100 != 0)
            words += w.afterHundreds;
    }
    const int rest = n % 100;
    if (rest != 0 && rest < static_cast<int>(Units)) {
        words += w.units[static_cast<std::size_t>(rest)];
    } else if (rest != 0) {
        words += w.tens[static_cast<std::size_t>(rest / 10)];
        if (rest % 10 != 0)
            words += std::string(w.afterTens) + w.units[static_cast<std::size_t>(rest % 10)];
    }
    return words;
}

// 1 to 999: "TREINTA Y DOS", "CIEN", but "CIENTO UNO".
std::string spanishBelowThousand(int n)
{
    return belowThousand(n, BelowThousandWords<30>{"CIEN", kSpanishHundreds, " ", kSpanishTens, kSpanishUnits, " Y "});
}

// French, in the 1990 reform's spelling that French school programmes have
// taught since 2016: every part of a compound number joined by hyphens.
const std::array<const char*, 17> kFrenchUnits = {
    "",      "UN",   "DEUX",   "TROIS",    "QUATRE", "CINQ",  "SIX",  "SEPT", "HUIT",
    "NEUF",  "DIX",  "ONZE",   "DOUZE",    "TREIZE", "QUATORZE", "QUINZE", "SEIZE"};

// Seventy and ninety count on from sixty and eighty: "SOIXANTE-DIX".
const std::array<const char*, 10> kFrenchTens = {
    "", "", "VINGT", "TRENTE", "QUARANTE", "CINQUANTE", "SOIXANTE", "SOIXANTE", "QUATRE-VINGT", "QUATRE-VINGT"};

// 1 to 99: "DIX-SEPT", "VINGT-ET-UN", "SOIXANTE-ET-ONZE", "QUATRE-VINGTS",
// but "QUATRE-VINGT-UN".
std::string frenchBelowHundred(int n)
{
    if (n < 17)
        return kFrenchUnits[static_cast<std::size_t>(n)];
    if (n < 20)
        return std::string("DIX-") + kFrenchUnits[static_cast<std::size_t>(n - 10)];
    const int tens = n / 10;
    const int rest = (tens == 7 || tens == 9) ? n % 20 : n % 10;
    std::string words = kFrenchTens[static_cast<std::size_t>(tens)];
    if (rest == 0)
        return tens == 8 ? words + "S" : words;
    // "ET" joins one and eleven to the tens, except after eighty.
    if ((rest == 1 || rest == 11) && tens < 8)
        words += "-ET";
    return words + "-" + frenchBelowHundred(rest);
}

// 1 to 999: "CENT", "DEUX-CENTS", but "DEUX-CENT-TROIS".
std::string frenchBelowThousand(int n)
{
    const int hundreds = n / 100;
    const int rest = n % 100;
    std::string words;
    if (hundreds > 1)
        words = std::string(kFrenchUnits[static_cast<std::size_t>(hundreds)]) + "-";
    if (hundreds > 0)
        words += rest == 0 && hundreds > 1 ? "CENTS" : "CENT";
    if (hundreds > 0 && rest > 0)
        words += "-";
    if (rest > 0)
        words += frenchBelowHundred(rest);
    return words;
}

// Portuguese as Brazil writes it: "DEZESSEIS", not Portugal's "DEZASSEIS";
// "QUATORZE", the common Brazilian form of "CATORZE".
const std::array<const char*, 20> kPortugueseUnits = {
    "",       "UM",      "DOIS",   "TRÊS",     "QUATRO",    "CINCO",     "SEIS",
    "SETE",   "OITO",    "NOVE",   "DEZ",      "ONZE",      "DOZE",      "TREZE",
    "QUATORZE", "QUINZE", "DEZESSEIS", "DEZESSETE", "DEZOITO", "DEZENOVE"};

const std::array<const char*, 10> kPortugueseTens = {
    "", "", "VINTE", "TRINTA", "QUARENTA", "CINQUENTA", "SESSENTA", "SETENTA", "OITENTA", "NOVENTA"};

const std::array<const char*, 10> kPortugueseHundreds = {
    "",           "CENTO",      "DUZENTOS",  "TREZENTOS", "QUATROCENTOS",
    "QUINHENTOS", "SEISCENTOS", "SETECENTOS", "OITOCENTOS", "NOVECENTOS"};

// 1 to 999, "E" between every part: "CEM", but "CENTO E UM",
// "DUZENTOS E TRINTA E QUATRO".
std::string portugueseBelowThousand(int n)
{
    return belowThousand(n, BelowThousandWords<20>{"CEM", kPortugueseHundreds, " E ", kPortugueseTens,
                                                   kPortugueseUnits, " E "});
}

class Italian final : public NumberSpeller {
public:
    std::string words(std::int16_t n) const override { return NumberToWords(n); }
};

// What a language says around its thousands; the rest of the frame (zero,
// the sign, the thousands before the rest) is the same in all of them.
struct ThousandsRules {
    const char* zero;
    const char* minus; // with its blank: the sign is no part of a compound
    std::string (*belowThousand)(int);
    std::string (*thousands)(int); // 1 to 32, with the word for thousand
    std::string (*joiner)(int);    // between the thousands and a rest of 1 to 999
};

class ThousandsSpeller final : public NumberSpeller {
public:
    explicit constexpr ThousandsSpeller(ThousandsRules rules) : rules_(rules) {}

    std::string words(std::int16_t value) const override
    {
        int n = value;
        if (n == 0)
            return rules_.zero;
        std::string words;
        if (n < 0) {
            words = rules_.minus;
            n = -n;
        }
        const int thousands = n / 1000;
        const int rest = n % 1000;
        if (thousands > 0)
            words += rules_.thousands(thousands) + (rest > 0 ? rules_.joiner(rest) : std::string());
        if (rest > 0)
            words += rules_.belowThousand(rest);
        return words;
    }

private:
    ThousandsRules rules_;
};

const ThousandsSpeller kEnglish({
    "ZERO",
    "MINUS ",
    englishBelowThousand,
    [](int thousands) { return englishBelowThousand(thousands) + " THOUSAND"; },
    // "ONE THOUSAND AND FIVE", but "ONE THOUSAND ONE HUNDRED".
    [](int rest) { return std::string(rest < 100 ? " AND " : " "); },
});

const ThousandsSpeller kSpanish({
    "CERO",
    "MENOS ",
    spanishBelowThousand,
    // "MIL", not "UNO MIL"; before "MIL" one is "UN", and twenty-one
    // "VEINTIÚN": "TREINTA Y UN MIL".
    [](int thousands) {
        if (thousands == 1)
            return std::string("MIL");
        std::string group = spanishBelowThousand(thousands);
        if (thousands % 10 == 1 && thousands % 100 != 11) {
            group.erase(group.size() - 1); // "UNO" to "UN"
            if (thousands % 100 == 21)
                group.replace(group.size() - 2, 2, "ÚN");
        }
        return group + " MIL";
    },
    [](int) { return std::string(" "); },
});

const ThousandsSpeller kFrench({
    "ZÉRO",
    "MOINS ",
    frenchBelowThousand,
    // "MILLE", never "UN-MILLE", and it takes no "S". The thousands go up
    // to 32 only, so no "QUATRE-VINGTS" or "CENTS" stands before it.
    [](int thousands) { return thousands > 1 ? frenchBelowThousand(thousands) + "-MILLE" : std::string("MILLE"); },
    [](int) { return std::string("-"); },
});

const ThousandsSpeller kPortuguese({
    "ZERO",
    "MENOS ",
    portugueseBelowThousand,
    // "MIL", not "UM MIL".
    [](int thousands) { return thousands > 1 ? portugueseBelowThousand(thousands) + " MIL" : std::string("MIL"); },
    // "E" after "MIL" only when what follows is a single part: "MIL E UM",
    // "MIL E DUZENTOS", but "MIL DUZENTOS E UM".
    [](int rest) { return std::string(rest < 100 || rest % 100 == 0 ? " E " : " "); },
});

class Digits final : public NumberSpeller {
public:
    std::string words(std::int16_t n) const override { return std::to_string(n); }
};

} // namespace

const NumberSpeller& italianSpeller()
{
    static const Italian speller;
    return speller;
}

const NumberSpeller& englishSpeller()
{
    return kEnglish;
}

const NumberSpeller& spanishSpeller()
{
    return kSpanish;
}

const NumberSpeller& frenchSpeller()
{
    return kFrench;
}

const NumberSpeller& portugueseSpeller()
{
    return kPortuguese;
}

const NumberSpeller& digitSpeller()
{
    static const Digits speller;
    return speller;
}

const NumberSpeller& spellerFor(std::string_view language)
{
    if (language == "it")
        return italianSpeller();
    if (language == "en")
        return englishSpeller();
    if (language == "es")
        return spanishSpeller();
    if (language == "fr")
        return frenchSpeller();
    if (language == "pt")
        return portugueseSpeller();
    return digitSpeller();
}

std::string NumberToWords(std::int16_t value)
{
    // Worked in 64 bits so the general group rule holds without overflow.
    std::int64_t n = value;
    std::string result;
    for (int k = 3; k >= 0; --k) {
        std::int64_t scale = 1;
        for (int i = 0; i < k; ++i)
            scale *= 1000;
        const std::int64_t g = n / scale;
        if (g <= 0)
            continue;

        std::int64_t r = g;
        if (r > 99) {
            const std::int64_t h = r / 100;
            r -= 100 * h;
            if (h != 1)
                result += kUnits[static_cast<std::size_t>(h)];
            result += "CENTO";
        }
        if (r <= 20) {
            result += kUnits[static_cast<std::size_t>(r)];
        } else {
            const std::int64_t t = r / 10;
            const std::int64_t u = r - 10 * t;
            result += kTens[static_cast<std::size_t>(t)];
            // VENTUNO, VENTOTTO: the tens word loses its final vowel.
            if (u == 1 || u == 8)
                dropLast(result, 1);
            result += kUnits[static_cast<std::size_t>(u)];
        }

        if (k == 1) {
            if (g == 1) {
                dropLast(result, 3);
                result += "MILLE";
            } else {
                result += "MILA";
            }
        } else if (k == 2) {
            if (g == 1) {
                dropLast(result, 3);
                result += "UNMILIONE";
            } else {
                result += "MILIONI";
            }
        } else if (k == 3) {
            if (g == 1)
                result = "UNMILIARDO";
            else
                result += "MILIARDI";
        }
        n -= g * scale;
    }
    return result.empty() ? "ZERO" : result;
}

} // namespace brasti
