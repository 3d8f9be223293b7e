// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
#include "common/spoken.h"

#include "common/numberwords.h"

#include <QCoreApplication>
#include <QStringList>
#include <array>

namespace brasti::spoken {
namespace {

// The sentences' translation context.
class Spoken {
    Q_DECLARE_TR_FUNCTIONS(brasti::Spoken)
};

// The rods' colours as a child names them, rod 1 to rod 10.
const std::array<const char*, 10> kColourNames = {
    QT_TRANSLATE_NOOP("brasti::Spoken", "bianco"),      QT_TRANSLATE_NOOP("brasti::Spoken", "rosso"),
    QT_TRANSLATE_NOOP("brasti::Spoken", "verde"),       QT_TRANSLATE_NOOP("brasti::Spoken", "fucsia"),
    QT_TRANSLATE_NOOP("brasti::Spoken", "giallo"),      QT_TRANSLATE_NOOP("brasti::Spoken", "verde scuro"),
    QT_TRANSLATE_NOOP("brasti::Spoken", "nero"),        QT_TRANSLATE_NOOP("brasti::Spoken", "marrone"),
    QT_TRANSLATE_NOOP("brasti::Spoken", "blu"),         QT_TRANSLATE_NOOP("brasti::Spoken", "arancione")};

// "a, b e c"
QString listed(const QStringList& items)
{
    if (items.size() <= 1)
        return items.join(QString());
    //: The last two items of a list: "brasto 2 e brasto 5".
    return Spoken::tr("%1 e %2").arg(QStringList(items.mid(0, items.size() - 1)).join(QStringLiteral(", ")),
                                     items.last());
}

// A number in the words of the language the program speaks, as a listener
// says it: "sette", "seven".
QString inWords(int n, const NumberSpeller& speller)
{
    return QString::fromStdString(speller.words(static_cast<std::int16_t>(n))).toLower();
}

// A printed operation before its result, "3 + 4 =", as it is heard. Whole
// sentences: each language says an operation its own way.
QString heardOperation(const QString& first, QChar sign, const QString& second)
{
    if (sign == u'-')
        //: A printed operation "7 - 3 =" as it is heard, before its result.
        return Spoken::tr("%1 meno %2 uguale").arg(first, second);
    //: A printed operation "3 + 4 =" as it is heard, before its result.
    return Spoken::tr("%1 più %2 uguale").arg(first, second);
}

} // namespace

QString rod(int k)
{
    return Spoken::tr("brasto %1").arg(k);
}

QString rods(const std::vector<int>& ks)
{
    QStringList names;
    for (int k : ks)
        names << rod(k);
    return listed(names);
}

QString placed(int k, const QString& where)
{
    return QStringLiteral("%1 %2").arg(rod(k), where);
}

QString ordering(bool ascending, const std::vector<int>& drawn, int slotCount)
{
    const QString order = ascending ? Spoken::tr("dal minore al maggiore") : Spoken::tr("dal maggiore al minore");
    if (drawn.empty())
        return Spoken::tr("Ordina %1 tutti i brasti nelle %2 caselle.").arg(order).arg(slotCount);
    return Spoken::tr("Ordina %1 %2 nelle %3 caselle.").arg(order, rods(drawn)).arg(slotCount);
}

QString middleRod(int low, int high)
{
    return Spoken::tr("Trova il brasto in mezzo tra %1 e %2.").arg(rod(low), rod(high));
}

QString neighbours(int middle)
{
    return Spoken::tr("Trova i brasti vicini di %1: il più corto a sinistra, il più lungo a destra.")
        .arg(rod(middle));
}

QString relation(int shown, char sign, bool shownLeft)
{
    // Whole sentences: each language words a comparison its own way.
    if (shownLeft)
        return (sign == '>'   ? Spoken::tr("Il %1 è maggiore del brasto da mettere nella scatola a destra.")
                : sign == '<' ? Spoken::tr("Il %1 è minore del brasto da mettere nella scatola a destra.")
                              : Spoken::tr("Il %1 è uguale al brasto da mettere nella scatola a destra."))
            .arg(rod(shown));
    return (sign == '>'   ? Spoken::tr("Il brasto da mettere nella scatola a sinistra è maggiore del %1.")
            : sign == '<' ? Spoken::tr("Il brasto da mettere nella scatola a sinistra è minore del %1.")
                          : Spoken::tr("Il brasto da mettere nella scatola a sinistra è uguale al %1."))
        .arg(rod(shown));
}

QString signBetween(int left, int right)
{
    return Spoken::tr("A sinistra %1, a destra %2: scegli il segno.").arg(rod(left), rod(right));
}

QString colourName(int k)
{
    return k >= 1 && k <= 10 ? Spoken::tr(kColourNames[static_cast<std::size_t>(k - 1)]) : QString();
}

QString unnamedRod(int k)
{
    return Spoken::tr("brasto %1", "a rod named by its colour: brasto verde").arg(colourName(k));
}

QString units(int k)
{
    QStringList ticks;
    for (int i = 0; i < k; ++i)
        //: One unit of a rod, said as the child counts it.
        ticks << Spoken::tr("tac");
    return ticks.join(QStringLiteral(", "));
}

QString rodToNumber(int k)
{
    return Spoken::tr("Quanto vale il %1? Conta le sue unità: %2.").arg(unnamedRod(k), units(k));
}

QString numberToRod(int n, const NumberSpeller& speller)
{
    return Spoken::tr("Scegli il brasto del numero %1.").arg(inWords(n, speller));
}

QString numberWithTen(int n, const NumberSpeller& speller)
{
    return Spoken::tr("Componi %1 nella casella del numero: prima il brasto 10, poi il brasto che manca.")
        .arg(inWords(n, speller));
}

QString makeTen(int given)
{
    return Spoken::tr("Componi il 10: metti accanto al %1 il brasto che manca.").arg(rod(given));
}

QString sum(int first, int second)
{
    return Spoken::tr("Trova la somma: il brasto lungo come %1 e %2 insieme.").arg(rod(first), rod(second));
}

QString difference(int whole, int part)
{
    return Spoken::tr("Trova la differenza: il brasto che, con %1, è lungo come %2.").arg(rod(part), rod(whole));
}

QString composeRod(int target)
{
    return Spoken::tr("Componi il %1 mettendo dei brasti in fila.").arg(rod(target));
}

QString composeWithTen(int target)
{
    return Spoken::tr("Componi %1: la barra del 10 e %2.").arg(target).arg(rod(target - 10));
}

QString operation(int first, char sign, int second)
{
    return heardOperation(QString::number(first), QLatin1Char(sign), QString::number(second));
}

QString operationInWords(const QString& written)
{
    // The numbers as written, and the sign after each.
    QStringList numbers;
    QString signs;
    for (qsizetype i = 0; i < written.size();) {
        const QChar c = written.at(i);
        if (c.isSpace()) {
            ++i;
        } else if (c >= u'0' && c <= u'9' && numbers.size() == signs.size()) {
            const qsizetype from = i;
            while (i < written.size() && written.at(i) >= u'0' && written.at(i) <= u'9')
                ++i;
            numbers << written.mid(from, i - from);
        } else if ((c == u'+' || c == u'-' || c == u'=') && numbers.size() == signs.size() + 1) {
            signs += c;
            ++i;
        } else {
            return written;
        }
    }
    if (numbers.size() == 2 && (signs == QLatin1String("+=") || signs == QLatin1String("-=")))
        return heardOperation(numbers[0], signs[0], numbers[1]);
    // Whole sentences, each language saying an operation its own way.
    if (numbers.size() == 3 && signs == QLatin1String("-="))
        //: A written subtraction "7 - 3 = 4" as it is heard.
        return Spoken::tr("%1 meno %2 uguale %3").arg(numbers[0], numbers[1], numbers[2]);
    if (numbers.size() == 3 && signs == QLatin1String("=+"))
        //: A number written as a sum, "14 = 10 + 4", as it is heard.
        return Spoken::tr("%1 uguale %2 più %3").arg(numbers[0], numbers[1], numbers[2]);
    if (numbers.size() >= 3 && numbers.size() == signs.size() + 1 && signs.endsWith(u'=')
        && signs.count(u'+') == signs.size() - 1) {
        // A sum of two or more numbers: the first ones joined two by two.
        QString first = numbers[0];
        for (qsizetype k = 1; k + 2 < numbers.size(); ++k)
            //: The first numbers of a sum of three or more, "2 + 3" in "2 + 3 + 2 = 7", as heard.
            first = Spoken::tr("%1 più %2").arg(first, numbers[k]);
        //: A written addition "3 + 4 = 7" as it is heard; %1 may be a longer sum, "2 più 3".
        return Spoken::tr("%1 più %2 uguale %3").arg(first, numbers[numbers.size() - 2], numbers.last());
    }
    return written;
}

QString additionResult(int first, int second)
{
    return Spoken::tr("%1: riempi la barra della somma, poi scrivi il risultato.").arg(operation(first, '+', second));
}

QString additionOperation(int first, int second)
{
    return Spoken::tr("Sotto la barra della somma: %1; riempila, poi scrivi l'addizione.")
        .arg(rods({first, second}));
}

QString subtractionResult(int minuend, int subtrahend)
{
    return Spoken::tr("%1: completa la barra della differenza, poi scrivi il risultato.")
        .arg(operation(minuend, '-', subtrahend));
}

QString subtractionOperation(int minuend, int subtrahend)
{
    // Above 10 the given rods are named; within 10 the bar is.
    QString above;
    if (minuend > 10)
        above = rods({10, minuend - 10});
    else
        //: The given bar of a subtraction within 10: "la barra lunga come brasto 7".
        above = Spoken::tr("la barra %1").arg(aslongAs(minuend));
    return Spoken::tr("Sopra: %1; sotto: %2; completa la barra della differenza, poi scrivi la sottrazione.")
        .arg(above, rod(subtrahend));
}

QString aslongAs(int k)
{
    return Spoken::tr("lunga come %1").arg(rod(k));
}

QString alreadyIn(const QString& where, const std::vector<int>& ks)
{
    if (ks.empty())
        return QString();
    //: Added to a problem's sentence, with its leading blank: " Già nella riga da riempire: brasto 4."
    return Spoken::tr(" Già %1: %2.").arg(where, rods(ks));
}

} // namespace brasti::spoken
