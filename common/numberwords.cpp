// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "common/numberwords.h"

#include <array>

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

} // namespace

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
