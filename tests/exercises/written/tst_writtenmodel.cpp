// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// The written-arithmetic decisions without widgets: the reader of a typed
// number, the typed-answer check in both modes, the problems drawn and
// printed, and how the target bar takes rods.
#include "exercises/written/writtenmodel.h"
#include "harness/harness.h"
#include "harness/testmain.h"

#include <cmath>

using namespace brasti;

Q_DECLARE_METATYPE(std::optional<double>)
Q_DECLARE_METATYPE(AnswerMode)
Q_DECLARE_METATYPE(WrittenBoard)

namespace {

WrittenProblem problem(WrittenBoard board, int first, int second)
{
    WrittenProblem p;
    p.board = board;
    p.first = first;
    p.second = second;
    return p;
}

} // namespace

class TestWrittenModel : public QObject {
    Q_OBJECT
private slots:
    void leadingNumber_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<std::optional<double>>("value");
        const auto row = [](const char* name, const QByteArray& text, std::optional<double> value) {
            QTest::newRow(name) << text << value;
        };
        row("plain", "7", 7.0);
        row("leading zero", "07", 7.0);
        row("plus sign", "+7", 7.0);
        row("minus sign", "-7", -7.0);
        row("decimal point", "7.0", 7.0);
        row("a half", "7.5", 7.5);
        row("only a fraction", ".5", 0.5);
        row("point at the end", "7.", 7.0);
        row("second point stops", "1.2.3", 1.2);
        row("letters after", "7cm", 7.0);
        row("letters first", "abc7", 0.0);
        row("empty", "", 0.0);
        row("sign alone", "-", 0.0);
        row("point alone", ".", 0.0);
        row("two signs", "+-7", 0.0);
        row("exponent", "1e1", 10.0);
        row("exponent upper case", "15E-1", 1.5);
        row("exponent with plus", "2e+1", 20.0);
        row("exponent without digits", "7e", 7.0);
        row("exponent sign without digits", "7e-x", 7.0);
        row("blanks skipped", "1 0", 10.0);
        row("tab and line feed skipped", "\t1\n0\t", 10.0);
        row("carriage return stops", "1\r0", 1.0);
        row("hexadecimal", "&H14", 20.0);
        row("hexadecimal lower case", "&hff", 255.0);
        row("octal", "&O24", 20.0);
        row("octal stops at 8", "&O78", 7.0);
        row("ampersand alone", "&", 0.0);
        row("ampersand other letter", "&X14", 0.0);
        row("hexadecimal at 32 bits", "&HFFFFFFFF", 4294967295.0);
        row("hexadecimal past 32 bits", "&H100000000", std::nullopt);
        row("octal past 32 bits", "&O77777777777777", std::nullopt);
        row("hexadecimal with zeros in front", "&H0000000000014", 20.0);
        row("exponent too large", "1e400", std::nullopt);
        row("digits too many", QByteArray(400, '9'), std::nullopt);
        row("exponent too small", "1e-400", 0.0);
        row("digits of another script", "\xd9\xa7", 0.0); // Arabic-Indic seven
        row("full-width digit", "\xef\xbc\x97", 0.0);
        row("minus sign of another kind", "\xe2\x88\x92" "7", 0.0);
        row("nul inside", QByteArray("7\0" "1", 3), 7.0);
        row("control characters", "\x01\x1b" "7", 0.0);
        row("long junk after", "12" + QByteArray(100000, 'x'), 12.0);
    }
    void leadingNumber()
    {
        QFETCH(QByteArray, text);
        QFETCH(std::optional<double>, value);
        const std::optional<double> read = readLeadingNumber(std::string_view(text.constData(), text.size()));
        QCOMPARE(read.has_value(), value.has_value());
        if (value)
            QCOMPARE(*read, *value);
    }

    void typedAnswer_data()
    {
        QTest::addColumn<AnswerMode>("mode");
        QTest::addColumn<WrittenBoard>("board");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("right");
        const AnswerMode result = AnswerMode::ResultMode;
        const AnswerMode operation = AnswerMode::OperationMode;
        const WrittenBoard add = WrittenBoard::Addition10;
        const WrittenBoard sub = WrittenBoard::Subtraction10;
        const auto row = [](const char* name, AnswerMode m, WrittenBoard b, int first, int second, const QString& typed,
                            bool right) { QTest::newRow(name) << m << b << first << second << typed << right; };
        row("result", result, add, 3, 4, "7", true);
        row("result in other forms", result, add, 3, 4, " +07.0cm", true);
        row("result with blanks inside", result, add, 6, 4, "1 0", true);
        row("result a half off", result, add, 3, 4, "7.5", false);
        row("result empty", result, add, 1, 1, "", false);
        row("result of the subtraction", result, sub, 7, 3, "4", true);
        row("the minuend is no result", result, sub, 7, 3, "7", false);
        row("result as hexadecimal", result, add, 5, 5, "&HA", true);
        row("result too large to read", result, add, 3, 4, "1e400", false);
        row("operation", operation, add, 3, 4, "3+4=7", true);
        row("operation with blanks", operation, add, 3, 4, " 3 + 4 = 7 ", true);
        row("operands swapped", operation, add, 3, 4, "4+3=7", false);
        row("leading zero", operation, add, 3, 4, "03+4=7", false);
        row("extra character", operation, add, 3, 4, "3+4=7.", false);
        row("tab is not a blank", operation, add, 3, 4, "3+4=\t7", false);
        row("subtraction", operation, sub, 7, 3, "7-3=4", true);
        row("subtraction in the wrong order", operation, sub, 7, 3, "3-7=4", false);
        row("subtraction with a dash", operation, sub, 7, 3, QString::fromUtf8("7–3=4"), false);
        row("result only", operation, sub, 7, 3, "4", false);
        row("within 20", operation, WrittenBoard::Subtraction20, 14, 6, "14-6=8", true);
        row("the minuend split", operation, WrittenBoard::Subtraction20, 14, 6, "10+4-6=8", false);
        row("ten and ten", operation, WrittenBoard::Addition20, 10, 10, "10+10=20", true);
        row("very long text", operation, add, 3, 4, QString(40000, QLatin1Char('3')), false);
    }
    void typedAnswer()
    {
        QFETCH(AnswerMode, mode);
        QFETCH(WrittenBoard, board);
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(QString, typed);
        QFETCH(bool, right);
        QCOMPARE(CheckTypedAnswer(typed.toStdString(), mode, expectedAnswer(problem(board, first, second))), right);
    }

    void problems_data()
    {
        QTest::addColumn<WrittenBoard>("board");
        QTest::addColumn<std::vector<int>>("draws"); // k out of n, pairwise
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<QString>("printed");
        QTest::addColumn<QString>("written");
        // The sum first (k of 9, plus 1), then Addend1 out of Sum - 1.
        QTest::newRow("addition 3 + 4") << WrittenBoard::Addition10 << std::vector<int>{6, 9, 3, 6} << 3 << 4
                                        << " 3 +  4 = " << "3+4=7";
        QTest::newRow("smallest sum") << WrittenBoard::Addition10 << std::vector<int>{1, 9, 1, 1} << 1 << 1
                                      << " 1 +  1 = " << "1+1=2";
        QTest::newRow("largest sum") << WrittenBoard::Addition10 << std::vector<int>{9, 9, 9, 9} << 9 << 1
                                     << " 9 +  1 = " << "9+1=10";
        QTest::newRow("subtraction 7 - 3") << WrittenBoard::Subtraction10 << std::vector<int>{6, 9, 3, 6} << 7 << 3
                                           << " 7 -  3 = " << "7-3=4";
        QTest::newRow("minuend 2") << WrittenBoard::Subtraction10 << std::vector<int>{1, 9, 1, 1} << 2 << 1
                                   << " 2 -  1 = " << "2-1=1";
        // Within 20: two draws of 1..10; the minuend is 10 more than its draw.
        QTest::newRow("addition 8 + 5") << WrittenBoard::Addition20 << std::vector<int>{8, 10, 5, 10} << 8 << 5
                                        << " 8 +  5 = " << "8+5=13";
        QTest::newRow("subtraction 14 - 6") << WrittenBoard::Subtraction20 << std::vector<int>{4, 10, 6, 10} << 14
                                            << 6 << " 14 -  6 = " << "14-6=8";
        QTest::newRow("subtraction 20 - 10") << WrittenBoard::Subtraction20 << std::vector<int>{10, 10, 10, 10} << 20
                                             << 10 << " 20 -  10 = " << "20-10=10";
    }
    void problems()
    {
        QFETCH(WrittenBoard, board);
        QFETCH(std::vector<int>, draws);
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(QString, printed);
        QFETCH(QString, written);
        harness::ScriptedRandom random;
        for (std::size_t i = 0; i + 1 < draws.size(); i += 2)
            random.pushInt(draws[i], draws[i + 1]);
        const WrittenProblem p = drawProblem(board, random);
        QCOMPARE(random.draws(), 2);
        QCOMPARE(random.fallbackDraws(), 0);
        QCOMPARE(p.first, first);
        QCOMPARE(p.second, second);
        QCOMPARE(QString::fromStdString(printedOperation(p)), printed);
        QCOMPARE(QString::fromStdString(writtenOperation(p)), written);
    }

    void problemsStayInTheirRanges()
    {
        for (std::uint64_t seed = 1; seed <= 2000; ++seed) {
            ClockRandom random(seed);
            const WrittenProblem a = drawProblem(WrittenBoard::Addition10, random);
            QVERIFY(a.first >= 1 && a.second >= 1 && a.result() >= 2 && a.result() <= 10);
            QCOMPARE(a.barLength(), a.result());
            QCOMPARE(a.barStart(), 0);
            const WrittenProblem s = drawProblem(WrittenBoard::Subtraction10, random);
            QVERIFY(s.first >= 2 && s.first <= 10 && s.second >= 1 && s.result() >= 1);
            QCOMPARE(s.barLength(), s.first);
            QCOMPARE(s.barStart(), s.second);
            const WrittenProblem a20 = drawProblem(WrittenBoard::Addition20, random);
            QVERIFY(a20.first >= 1 && a20.first <= 10 && a20.second >= 1 && a20.second <= 10);
            const WrittenProblem s20 = drawProblem(WrittenBoard::Subtraction20, random);
            QVERIFY(s20.first >= 11 && s20.first <= 20 && s20.second >= 1 && s20.second <= 10);
            QCOMPARE(s20.barStart(), s20.second);
        }
    }

    // Every problem of every board, in both answer modes, from an empty bar
    // and from each rod the bar takes on the way: the shown rods fill it as
    // its rule takes them, and the typed answer passes the reader.
    void solutionsPassTheChecks()
    {
        for (WrittenBoard board : {WrittenBoard::Addition10, WrittenBoard::Subtraction10, WrittenBoard::Addition20,
                                   WrittenBoard::Subtraction20})
            for (AnswerMode mode : {AnswerMode::ResultMode, AnswerMode::OperationMode})
                for (int first = 1; first <= 20; ++first)
                    for (int second = 1; second <= 10; ++second) {
                        const WrittenProblem p{board, first, second};
                        if (p.result() < 1 || p.barLength() > 20 || (!isWithinTwenty(board) && p.barLength() > 10)
                            || (board == WrittenBoard::Subtraction20 && first < 11))
                            continue;
                        for (int before : {0, 10}) {
                            RodFill bar = barToFill(p);
                            if (before > 0 && bar.lay(before).verdict != LayVerdict::Placed)
                                continue;
                            const Solution moves = writtenSolution({board, mode}, p, bar);
                            QVERIFY(moves.size() >= 2);
                            for (std::size_t i = 0; i + 2 < moves.size(); ++i)
                                QCOMPARE(bar.lay(moves[i].rod).verdict,
                                         i + 3 == moves.size() ? LayVerdict::Completes : LayVerdict::Placed);
                            QVERIFY(bar.isFull());
                            const Move& typed = moves[moves.size() - 2];
                            QVERIFY(typed.kind == Move::Kind::Type);
                            QVERIFY2(CheckTypedAnswer(typed.text, mode, expectedAnswer(p)), typed.text.c_str());
                            QCOMPARE(moves.back(), Move::press(kEnterControl));
                        }
                    }
    }

};

BRASTI_TEST_MAIN(TestWrittenModel)
#include "tst_writtenmodel.moc"
