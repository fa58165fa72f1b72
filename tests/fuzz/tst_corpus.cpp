// The seeds and reproducers of the fuzz targets (corpus/<target>/), replayed
// through each target's properties: a regression found by fuzzing fails here,
// in every build, with or without clang.
#include "Environnement.h"
#include "Fuzz.h"

#include <QDir>
#include <QFile>

#include <functional>

namespace
{

const QString DossierCorpus = QStringLiteral(VORSEN_SOURCE_DIR "/tests/fuzz/corpus");

const QMap<QString, std::function<int(const uint8_t*, size_t)>>& Cibles()
{
    static const QMap<QString, std::function<int(const uint8_t*, size_t)>> cibles{
        {QStringLiteral("trames"), CibleTrames},   {QStringLiteral("reponses"), CibleReponses},
        {QStringLiteral("paire"), CiblePaire},     {QStringLiteral("analyse"), CibleAnalyse},
        {QStringLiteral("service"), CibleService},
    };
    return cibles;
}

} // namespace

class tst_corpus : public QObject
{
    Q_OBJECT

private slots:
    // Each target keeps a corpus of its own.
    void corpus()
    {
        for (const QString& cible : Cibles().keys())
            QVERIFY2(!QDir(DossierCorpus + QLatin1Char('/') + cible).isEmpty(), qPrintable(cible));
    }

    void rejouer_data()
    {
        QTest::addColumn<QString>("cible");
        QTest::addColumn<QString>("fichier");
        for (const QString& cible : Cibles().keys()) {
            const QDir dossier(DossierCorpus + QLatin1Char('/') + cible);
            for (const QString& nom : dossier.entryList(QDir::Files, QDir::Name))
                QTest::newRow(qPrintable(cible + QLatin1Char('/') + nom))
                    << cible << dossier.filePath(nom);
        }
    }
    void rejouer()
    {
        QFETCH(QString, cible);
        QFETCH(QString, fichier);
        QFile f(fichier);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray octets = f.readAll();
        Manquements().clear();
        Cibles().value(cible)(reinterpret_cast<const uint8_t*>(octets.constData()),
                              size_t(octets.size()));
        QVERIFY2(Manquements().isEmpty(), qPrintable(Manquements().join(QLatin1Char('\n'))));
    }
};

VORSEN_GUI_TEST_MAIN(tst_corpus)
#include "tst_corpus.moc"
