// The program in every language: an Italian run shows exactly the texts it
// always showed.
#include "app/program.h"
#include "harness/texts.h"
#include "harness/testmain.h"

#include <QFile>

using namespace brasti;

namespace {

// The Italian texts as they were before any of them went through the
// translation system: the source language must never change by accident.
// To take a new reference after a deliberate change of an Italian text, run
// this test with BRASTI_WRITE_ITALIAN_TEXTS set to the reference's path.
const char* const kReference = "italian-texts.txt";

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        setUpApplication();
    }

    void italianRunShowsTheReferenceTexts()
    {
        const harness::Texts italian = harness::walkProgram();
        if (const QByteArray out = qgetenv("BRASTI_WRITE_ITALIAN_TEXTS"); !out.isEmpty()) {
            QFile file(QString::fromLocal8Bit(out));
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(harness::formatTexts(italian).toUtf8());
            QSKIP("reference written");
        }
        QFile file(QFINDTESTDATA(kReference));
        QVERIFY2(file.open(QIODevice::ReadOnly), kReference);
        const harness::Texts reference = harness::parseTexts(QString::fromUtf8(file.readAll()));
        QStringList changed;
        for (const auto& [key, values] : reference) {
            const auto now = italian.find(key);
            QStringList had = values, has = now == italian.end() ? QStringList() : now->second;
            had.sort();
            has.sort();
            if (had != has)
                changed << QStringLiteral("%1: [%2] now [%3]").arg(key, had.join(QStringLiteral("|")), has.join(QStringLiteral("|")));
        }
        QVERIFY2(changed.isEmpty(), qPrintable(changed.join(QLatin1Char('\n'))));
    }
};

BRASTI_TEST_MAIN(TestTranslations)
#include "tst_translations.moc"
