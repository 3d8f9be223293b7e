// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#pragma once
// What a child who listens instead of looking hears beyond the controls'
// names: the problem of each screen in one sentence, where a rod now lies
// after a move, and the few details of given rods. Every such text is made
// here, from whole sentences with places for the numbers, translated as
// every other text, and nowhere else; the README lists them for teachers.
//
// Numbers stay digits ("brasto 7"): a screen reader says them as words. The
// signs of an operation are words of their own ("3 più 4 uguale"): a speech
// engine says nothing for a printed " - ", and "3 + 4 =" is no sentence.
#include <QString>

#include <vector>

namespace brasti {
class NumberSpeller;
}

namespace brasti::spoken {

// "brasto 7"
QString rod(int k);
// "brasto 9, brasto 2 e brasto 5"
QString rods(const std::vector<int>& ks);

// After a move: "brasto 4 nella casella 1", where = inPlace(holder's name).
QString placed(int k, const QString& where);

// --- ordering -----------------------------------------------------------
// "Ordina dal minore al maggiore brasto 9, brasto 2 e brasto 5 nelle 3
// caselle." With no rods listed, all ten are in play.
QString ordering(bool ascending, const std::vector<int>& drawn, int slotCount);

// --- comparison ---------------------------------------------------------
// "Trova il brasto in mezzo tra brasto 3 e brasto 5."
QString middleRod(int low, int high);
// "Trova i brasti vicini di brasto 6: il più corto a sinistra, il più lungo a destra."
QString neighbours(int middle);
// "Il brasto 4 è maggiore del brasto da mettere nella scatola a destra."
// The sign is '>', '<' or '='; shownLeft: the given rod stands left of it.
QString relation(int shown, char sign, bool shownLeft);
// "A sinistra brasto 3, a destra brasto 7: scegli il segno."
QString signBetween(int left, int right);

// --- rod and number -----------------------------------------------------
// The shown rod of "dal brasto al numero" is not named by its number, which
// is the answer: it is named by its colour, as a child sees it, and its
// length is told unit by unit, one "tac" each, for the child to count.
QString colourName(int k);       // "verde"
QString unnamedRod(int k);       // "brasto verde"
QString units(int k);            // "tac, tac, tac"
QString rodToNumber(int k);      // "Quanto vale il brasto verde? Conta le sue unità: tac, tac, tac."
// "Scegli il brasto del numero sette.": the word, in the speller's language,
// whether the screen shows the word or the digits, for a child who reads neither.
QString numberToRod(int n, const NumberSpeller& speller);
// "Componi quindici nella casella del numero: prima il brasto 10, poi il brasto che manca."
QString numberWithTen(int n, const NumberSpeller& speller);

// --- composing ----------------------------------------------------------
// "Componi il 10: metti accanto al brasto 3 il brasto che manca."
QString makeTen(int given);
// "Trova la somma: il brasto lungo come brasto 2 e brasto 5 insieme."
QString sum(int first, int second);
// "Trova la differenza: il brasto che, con brasto 3, è lungo come brasto 8."
QString difference(int whole, int part);
// "Componi il brasto 7 mettendo dei brasti in fila."
QString composeRod(int target);
// "Componi 15: la barra del 10 e brasto 5."
QString composeWithTen(int target);

// --- written ------------------------------------------------------------
// The printed operation "3 + 4 =" or "14 - 6 =" as it is heard: "3 più 4
// uguale", "14 meno 6 uguale". The sign is '+' or '-'.
QString operation(int first, char sign, int second);
// Any written operation of the screens as it is heard, its blanks left aside:
// " 3 +  4 = " is "3 più 4 uguale", "9-7=2" "9 meno 7 uguale 2", " 14 = 10 +  4"
// "14 uguale 10 più 4", "2 + 3 + 2 = 7" "2 più 3 più 2 uguale 7". Any other
// text ("7", a word) is heard as written.
QString operationInWords(const QString& written);
// "3 più 4 uguale: riempi la barra della somma, poi scrivi il risultato."
QString additionResult(int first, int second);
// "Sotto la barra della somma: brasto 3 e brasto 4; riempila, poi scrivi l'addizione."
QString additionOperation(int first, int second);
// "7 meno 3 uguale: completa la barra della differenza, poi scrivi il risultato."
QString subtractionResult(int minuend, int subtrahend);
// "Sopra: brasto 10 e brasto 4; sotto: brasto 6; completa la barra della
// differenza, poi scrivi la sottrazione." The minuend within 10 is one bar,
// "la barra lunga come brasto 7".
QString subtractionOperation(int minuend, int subtrahend);

// The given bar of a subtraction within 10, read when the keyboard reaches
// it: "lunga come brasto 7".
QString aslongAs(int k);

// What already lies in a bar or row, added to a problem heard again:
// " Già nella riga da riempire: brasto 4 e brasto 2." Empty when nothing does.
QString alreadyIn(const QString& where, const std::vector<int>& ks);

} // namespace brasti::spoken
