#include "common/spoken.h"

#include "common/numberwords.h"

#include <QStringList>
#include <array>

namespace brasti::spoken {
namespace {

// The rods' colours as a child names them, rod 1 to rod 10.
const std::array<const char*, 10> kColourNames = {"bianco", "rosso", "verde",      "fucsia", "giallo",
                                                  "verde scuro", "nero", "marrone", "blu", "arancione"};

// "a, b e c"
QString listed(const QStringList& items)
{
    if (items.size() <= 1)
        return items.join(QString());
    return QStringList(items.mid(0, items.size() - 1)).join(QStringLiteral(", ")) + QStringLiteral(" e ")
         + items.last();
}

} // namespace

QString rod(int k)
{
    return QStringLiteral("brasto %1").arg(k);
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
    const QString order = ascending ? QStringLiteral("dal minore al maggiore") : QStringLiteral("dal maggiore al minore");
    if (drawn.empty())
        return QStringLiteral("Ordina %1 tutti i brasti nelle %2 caselle.").arg(order).arg(slotCount);
    return QStringLiteral("Ordina %1 %2 nelle %3 caselle.").arg(order, rods(drawn)).arg(slotCount);
}

QString middleRod(int low, int high)
{
    return QStringLiteral("Trova il brasto in mezzo tra %1 e %2.").arg(rod(low), rod(high));
}

QString neighbours(int middle)
{
    return QStringLiteral("Trova i brasti vicini di %1: il più corto a sinistra, il più lungo a destra.")
        .arg(rod(middle));
}

QString relation(int shown, char sign, bool shownLeft)
{
    const QString word = sign == '>'   ? QStringLiteral("è maggiore del")
                         : sign == '<' ? QStringLiteral("è minore del")
                                       : QStringLiteral("è uguale al");
    if (shownLeft)
        return QStringLiteral("Il %1 %2 brasto da mettere nella scatola a destra.").arg(rod(shown), word);
    return QStringLiteral("Il brasto da mettere nella scatola a sinistra %1 %2.").arg(word, rod(shown));
}

QString signBetween(int left, int right)
{
    return QStringLiteral("A sinistra %1, a destra %2: scegli il segno.").arg(rod(left), rod(right));
}

QString colourName(int k)
{
    return k >= 1 && k <= 10 ? QString::fromUtf8(kColourNames[static_cast<std::size_t>(k - 1)]) : QString();
}

QString unnamedRod(int k)
{
    return QStringLiteral("brasto %1").arg(colourName(k));
}

QString units(int k)
{
    QStringList ticks;
    for (int i = 0; i < k; ++i)
        ticks << QStringLiteral("tac");
    return ticks.join(QStringLiteral(", "));
}

QString rodToNumber(int k)
{
    return QStringLiteral("Quanto vale il %1? Conta le sue unità: %2.").arg(unnamedRod(k), units(k));
}

QString numberToRod(int n, bool inWords)
{
    const QString number = inWords ? QString::fromStdString(NumberToWords(static_cast<std::int16_t>(n))).toLower()
                                   : QString::number(n);
    return QStringLiteral("Scegli il brasto del numero %1.").arg(number);
}

QString numberWithTen(int n)
{
    return QStringLiteral("Componi %1 nella casella del numero: prima il brasto 10, poi il brasto che manca.")
        .arg(QString::fromStdString(NumberToWords(static_cast<std::int16_t>(n))).toLower());
}

QString makeTen(int given)
{
    return QStringLiteral("Componi il 10: metti accanto al %1 il brasto che manca.").arg(rod(given));
}

QString sum(int first, int second)
{
    return QStringLiteral("Trova la somma: il brasto lungo come %1 e %2 insieme.").arg(rod(first), rod(second));
}

QString difference(int whole, int part)
{
    return QStringLiteral("Trova la differenza: il brasto che, con %1, è lungo come %2.").arg(rod(part), rod(whole));
}

QString composeRod(int target)
{
    return QStringLiteral("Componi il %1 mettendo dei brasti in fila.").arg(rod(target));
}

QString composeWithTen(int target)
{
    return QStringLiteral("Componi %1: la barra del 10 e %2.").arg(target).arg(rod(target - 10));
}

QString operation(int first, char sign, int second)
{
    return QStringLiteral("%1 %2 %3 =").arg(first).arg(QLatin1Char(sign)).arg(second);
}

QString additionResult(int first, int second)
{
    return QStringLiteral("%1: riempi la barra della somma, poi scrivi il risultato.").arg(operation(first, '+', second));
}

QString additionOperation(int first, int second)
{
    return QStringLiteral("Sotto la barra della somma: %1; riempila, poi scrivi l'addizione.")
        .arg(rods({first, second}));
}

QString subtractionResult(int minuend, int subtrahend)
{
    return QStringLiteral("%1: completa la barra della differenza, poi scrivi il risultato.")
        .arg(operation(minuend, '-', subtrahend));
}

QString subtractionOperation(int minuend, int subtrahend)
{
    const QString above = minuend > 10 ? rods({10, minuend - 10}) : QStringLiteral("la barra ") + aslongAs(minuend);
    return QStringLiteral("Sopra: %1; sotto: %2; completa la barra della differenza, poi scrivi la sottrazione.")
        .arg(above, rod(subtrahend));
}

QString aslongAs(int k)
{
    return QStringLiteral("lunga come %1").arg(rod(k));
}

QString alreadyIn(const QString& where, const std::vector<int>& ks)
{
    if (ks.empty())
        return QString();
    return QStringLiteral(" Già %1: %2.").arg(where, rods(ks));
}

} // namespace brasti::spoken
