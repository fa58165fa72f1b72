// Recording series in memory: defaults, running statistics, model codes, dates.
#include "Environnement.h"

#include <clsSerie.h>

#include <limits>

class TestSerie : public QObject
{
    Q_OBJECT

private slots:
    void nouvelleSerie();
    void initialiserRemetAZero();
    void statistiques_data();
    void statistiques();
    void premiereValeurRemetAZero();
    void effacerVoie();
    void codeModele_data();
    void codeModele();
    void texteDate_data();
    void texteDate();
    void texteDateChangementHeure_data();
    void texteDateChangementHeure();
};

namespace
{

const int Acquisition = std::numeric_limits<int>::min();

void VerifierVoiesVides(const clsSerie& s)
{
    for (const TS_VOIE* v : {&s.Temps, &s.Temperature, &s.Humidite}) {
        QVERIFY(v->Valeurs.isEmpty());
        QCOMPARE(v->Moyenne, 0);
        QCOMPARE(v->EcartType, 0);
        QCOMPARE(v->Minimum, 0);
        QCOMPARE(v->Maximum, 0);
        QCOMPARE(v->Somme, 0.0);
        QCOMPARE(v->SommeCarres, 0.0);
        QCOMPARE(v->Commentaire, QString());
    }
}

void VerifierNouvelleSerie(const clsSerie& s)
{
    QCOMPARE(s.Nom, QStringLiteral("New"));
    QCOMPARE(s.NbrePoints, 32000);
    QCOMPARE(s.NbrePointsSauves, 0);
    QCOMPARE(s.Chemin, QString());
    QCOMPARE(s.CheminAuto, QString());
    QCOMPARE(s.NomAuto, QString());
    QCOMPARE(s.Port, QString());
    QCOMPARE(s.Infos.Appareil, 0);
    QCOMPARE(s.Infos.ID, QString());
    QCOMPARE(s.Infos.Frequence, 5);
    QCOMPARE(s.Infos.Unite, QStringLiteral("M"));
    QCOMPARE(s.Infos.Mode, 1);
    QCOMPARE(s.Infos.DateDebut, 0u);
    QCOMPARE(s.Infos.Capteurs, 3);
    VerifierVoiesVides(s);
}

} // namespace

void TestSerie::nouvelleSerie()
{
    clsSerie s;
    VerifierNouvelleSerie(s);
    QVERIFY(!s.parent());
}

void TestSerie::initialiserRemetAZero()
{
    // A series is reused for another file: nothing of the previous one may remain.
    clsSerie s;
    s.Infos.ID = QStringLiteral("LOG1");
    s.Infos.Capteurs = 1;
    s.Nom = QStringLiteral("essai");
    s.Chemin = s.CheminAuto = s.NomAuto = s.Port = QStringLiteral("x");
    s.NbrePoints = 0;
    s.AjouterPoint(100, 200, 300);
    s.setCommentaire(QStringLiteral("c"));
    s.NbrePointsSauves = 1;
    s.Initialiser();
    VerifierNouvelleSerie(s);

    // The channels still divide by the series' own count after Initialiser.
    s.NbrePoints = 0;
    s.AjouterPoint(10, 20, 30);
    s.AjouterPoint(30, 40, 50);
    QCOMPARE(s.Temps.Moyenne, 20);
}

void TestSerie::statistiques_data()
{
    QTest::addColumn<QList<int>>("valeurs");
    // Acquisition: NbrePoints raised before each point (AjouterPoint from 0);
    // otherwise the count the series holds while the values are appended.
    QTest::addColumn<int>("nbrePoints");
    QTest::addColumn<int>("moyenne");
    QTest::addColumn<int>("ecartType");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");

    QTest::newRow("200 220 240, écart 16.33 tronqué")
        << QList<int>{200, 220, 240} << Acquisition << 220 << 16 << 200 << 240;
    QTest::newRow("1 et 2 sur 4 points") << QList<int>{1, 2} << 4 << 0 << 0 << 1 << 2;
    QTest::newRow("haut de 16 bits, carrés exacts")
        << QList<int>{50000, 60000} << Acquisition << 55000 << 5000 << 50000 << 60000;
    QTest::newRow("tronqué vers zéro, pas vers le bas")
        << QList<int>{-3, -4} << Acquisition << -3 << 0 << -4 << -3;
    QTest::newRow("un seul point") << QList<int>{235} << Acquisition << 235 << 0 << 235 << 235;
    QTest::newRow("compte nul: pas de division par zéro")
        << QList<int>{100, 200} << 0 << 0 << 0 << 100 << 200;
    QTest::newRow("compte négatif d'un mauvais fichier")
        << QList<int>{100, 200} << -7 << 0 << 0 << 100 << 200;
    // Squares of time stamps exceed the 53-bit mantissa: the variance of equal
    // values can round below zero, which must give 0 and not NaN.
    QTest::newRow("horodatages égaux, variance arrondie")
        << QVector<int>(6, 1459339509).toList() << Acquisition << 1459339509 << 0 << 1459339509
        << 1459339509;
    QTest::newRow("valeurs égales sur un compte plus grand")
        << QList<int>{1000, 1000} << 3 << 666 << 471 << 1000 << 1000;
}

void TestSerie::statistiques()
{
    QFETCH(QList<int>, valeurs);
    QFETCH(int, nbrePoints);

    clsSerie s;
    if (nbrePoints == Acquisition) {
        s.NbrePoints = 0;
        for (int v : valeurs)
            s.AjouterPoint(1000, v, 0);
        QCOMPARE(s.NbrePoints, valeurs.size());
        QCOMPARE(s.Temps.Valeurs.size(), valeurs.size());
        QCOMPARE(s.Humidite.Valeurs.size(), valeurs.size());
    } else {
        s.NbrePoints = nbrePoints;
        for (int v : valeurs)
            s.Temperature.Ajouter(v);
        QCOMPARE(s.NbrePoints, nbrePoints);
    }
    const TS_VOIE& t = s.Temperature;
    QCOMPARE(t.Valeurs, valeurs);
    QTEST(t.Moyenne, "moyenne");
    QTEST(t.EcartType, "ecartType");
    QTEST(t.Minimum, "minimum");
    QTEST(t.Maximum, "maximum");
    double somme = 0;
    for (int v : valeurs)
        somme += v;
    QCOMPARE(t.Somme, somme);
}

void TestSerie::premiereValeurRemetAZero()
{
    // A cleared channel preset for the plot's range (minimum 1000, maximum -400)
    // shows the first reading after one point.
    clsSerie s;
    s.NbrePoints = 0;
    s.Temperature.Effacer();
    s.Temperature.Minimum = 1000;
    s.Temperature.Maximum = -400;
    s.Temperature.Moyenne = 77;
    s.Temperature.EcartType = 5;
    s.AjouterPoint(1459339509, 235, 512);
    QCOMPARE(s.Temperature.Minimum, 235);
    QCOMPARE(s.Temperature.Maximum, 235);
    QCOMPARE(s.Temperature.Moyenne, 235);
    QCOMPARE(s.Temperature.EcartType, 0);
    QCOMPARE(s.Temps.Minimum, 1459339509);
    QCOMPARE(s.Temps.Maximum, 1459339509);
}

void TestSerie::effacerVoie()
{
    clsSerie s;
    s.NbrePoints = 0;
    s.AjouterPoint(1, 200, 300);
    s.AjouterPoint(2, 260, 310);
    s.setCommentaire(QStringLiteral("serre"));
    s.EffacerVoies();
    VerifierVoiesVides(s);
    // The next acquisition starts from scratch.
    s.NbrePoints = 0;
    s.AjouterPoint(3, 100, 0);
    QCOMPARE(s.Temperature.Moyenne, 100);
    QCOMPARE(s.Temperature.Maximum, 100);
}

void TestSerie::codeModele_data()
{
    QTest::addColumn<QString>("modele");
    QTest::addColumn<int>("code");
    QTest::newRow("71240") << "71240" << 1;
    QTest::newRow("71240VX") << "71240VX" << 2;
    QTest::newRow("71240vx minuscules") << "71240vx" << 2;
    QTest::newRow("71240Vx mélangé") << "71240Vx" << 2;
    QTest::newRow("71246") << "71246" << 3;
    QTest::newRow("71246 avec blanc") << "71246 " << 0;
    QTest::newRow("71240 avec blanc") << " 71240" << 0;
    QTest::newRow("71246vx") << "71246VX" << 0;
    QTest::newRow("vide") << "" << 0;
    QTest::newRow("autre") << "71241" << 0;
}

void TestSerie::codeModele()
{
    QFETCH(QString, modele);
    QTEST(CodeModele(modele), "code");
}

void TestSerie::texteDate_data()
{
    QTest::addColumn<QDateTime>("local");
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("texte");

    // 30 March 2016 is after the spring change of Europe/Paris.
    const QDateTime apresMidi(QDate(2016, 3, 30), QTime(14, 5, 9), Qt::LocalTime);
    const QDateTime matin(QDate(2016, 1, 2), QTime(9, 5, 9), Qt::LocalTime);
    const QDateTime minuit(QDate(2016, 12, 31), QTime(0, 0, 0), Qt::LocalTime);
    QTest::newRow("anglais après-midi") << apresMidi << 0 << "03/30/2016 2:05:09 PM";
    QTest::newRow("français après-midi") << apresMidi << 1 << "30/03/2016 14:05:09";
    QTest::newRow("anglais matin") << matin << 0 << "01/02/2016 9:05:09 AM";
    QTest::newRow("français matin") << matin << 1 << "02/01/2016 09:05:09";
    QTest::newRow("anglais minuit") << minuit << 0 << "12/31/2016 12:00:00 AM";
    QTest::newRow("français minuit") << minuit << 1 << "31/12/2016 00:00:00";
    QTest::newRow("autre style") << apresMidi << 2 << "Wed Mar 30 14:05:09 2016";
}

void TestSerie::texteDate()
{
    QFETCH(QDateTime, local);
    QFETCH(int, style);
    QTEST(TexteDate(static_cast<uint>(local.toSecsSinceEpoch()), style), "texte");
}

void TestSerie::texteDateChangementHeure_data()
{
    // Dates of successive stamps, as a table lists them, across a change of
    // offset in Europe/Paris (none in UTC): 10 and 1 minute before, 1 s before,
    // at the change and 5 minutes after.
    QTest::addColumn<uint>("changement"); // s since 1970 UTC
    QTest::addColumn<QStringList>("utc");
    QTest::addColumn<QStringList>("paris");
    QTest::newRow("printemps") << 1459040400u
                               << QStringList{"27/03/2016 00:50:00", "27/03/2016 00:59:00",
                                              "27/03/2016 00:59:59", "27/03/2016 01:00:00",
                                              "27/03/2016 01:05:00"}
                               << QStringList{"27/03/2016 01:50:00", "27/03/2016 01:59:00",
                                              "27/03/2016 01:59:59", "27/03/2016 03:00:00",
                                              "27/03/2016 03:05:00"};
    QTest::newRow("automne") << 1477789200u
                             << QStringList{"30/10/2016 00:50:00", "30/10/2016 00:59:00",
                                            "30/10/2016 00:59:59", "30/10/2016 01:00:00",
                                            "30/10/2016 01:05:00"}
                             << QStringList{"30/10/2016 02:50:00", "30/10/2016 02:59:00",
                                            "30/10/2016 02:59:59", "30/10/2016 02:00:00",
                                            "30/10/2016 02:05:00"};
}

void TestSerie::texteDateChangementHeure()
{
    QFETCH(uint, changement);
    QFETCH(QStringList, utc);
    QFETCH(QStringList, paris);
    QStringList textes;
    for (const int ecart : {-600, -60, -1, 0, 300})
        textes << TexteDate(changement + uint(ecart), 1);
    QCOMPARE(textes, qgetenv("TZ") == "Europe/Paris" ? paris : utc);
}

VORSEN_DATA_TEST_MAIN(TestSerie)
#include "tst_serie.moc"
