#include "CalculsAnalyse.h"
#include "CalculsConservation.h"
#include "Environnement.h"
#include "Synchro.h"
#include "TimeScaleDraw.h"
#include "prmQwtPlotPicker.h"

#include <qwt_plot.h>

// 2023-03-26 00:59:00 UTC: 01:59:00 in Paris, a minute before the clocks go
// forward to 03:00.
static const uint AVANT_ETE = 1679792340u;
// 2023-07-01 12:00:00 UTC, 14:00 in Paris.
static const uint MIDI_UTC = 1688212800u;

static bool Paris()
{
    return qgetenv("TZ") == "Europe/Paris";
}

class tst_calculsAnalyse : public QObject
{
    Q_OBJECT

private slots:
    void valeurX_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<uint>("temps");
        QTest::addColumn<int>("mode");
        QTest::addColumn<double>("x");
        // Local 23:59:30 on 15 January, whatever the zone.
        const uint avantMinuit = uint(
            QDateTime(QDate(2023, 1, 15), QTime(23, 59, 30), Qt::LocalTime).toSecsSinceEpoch());

        QTest::newRow("number, first point") << 0 << AVANT_ETE << int(SYNCHRO_NUMERO) << 1.0;
        QTest::newRow("number, point 42") << 41 << AVANT_ETE << int(SYNCHRO_NUMERO) << 42.0;
        QTest::newRow("time of day, before midnight")
            << 0 << avantMinuit << int(SYNCHRO_HEURE) << 86370.0;
        QTest::newRow("time of day, after midnight wraps")
            << 1 << avantMinuit + 60 << int(SYNCHRO_HEURE) << 30.0;
        QTest::newRow("time of day, before the change")
            << 0 << AVANT_ETE << int(SYNCHRO_HEURE) << (Paris() ? 7140.0 : 3540.0);
        // Two minutes later the clocks of Paris read 03:01.
        QTest::newRow("time of day, after the change")
            << 1 << AVANT_ETE + 120 << int(SYNCHRO_HEURE) << (Paris() ? 10860.0 : 3660.0);
        QTest::newRow("date, before the change")
            << 0 << AVANT_ETE << int(SYNCHRO_DATE) << double(AVANT_ETE);
        QTest::newRow("date, after the change: two minutes on")
            << 1 << AVANT_ETE + 120 << int(SYNCHRO_DATE) << double(AVANT_ETE + 120);
    }
    void valeurX()
    {
        QFETCH(int, index);
        QFETCH(uint, temps);
        QFETCH(int, mode);
        QFETCH(double, x);
        QCOMPARE(ValeurX(index, temps, mode), x);
    }

    void intervalleVertical_data()
    {
        QTest::addColumn<double>("bas");
        QTest::addColumn<double>("haut");
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        // A span of 4 tenths gets a margin of 0.2666... on each side.
        QTest::newRow("all equal: span 4 centred")
            << 235.0 << 235.0 << 232.733333333333 << 237.266666666667;
        QTest::newRow("span 2 widened to 4")
            << 200.0 << 202.0 << 198.733333333333 << 203.266666666667;
        QTest::newRow("span 4 kept") << 200.0 << 204.0 << 199.733333333333 << 204.266666666667;
        QTest::newRow("span 60") << 200.0 << 260.0 << 196.0 << 264.0;
        QTest::newRow("below zero") << -150.0 << -90.0 << -154.0 << -86.0;
    }
    void intervalleVertical()
    {
        QFETCH(double, bas);
        QFETCH(double, haut);
        QFETCH(double, min);
        QFETCH(double, max);
        const QwtInterval intervalle = IntervalleVertical(bas, haut);
        QCOMPARE(intervalle.minValue(), min);
        QCOMPARE(intervalle.maxValue(), max);
    }

    void intervalleHorizontal()
    {
        QCOMPARE(IntervalleHorizontal(1, 120), QwtInterval(1, 120));
        // A one-point recording keeps an axis with a width.
        QCOMPARE(IntervalleHorizontal(7, 7), QwtInterval(6, 8));
    }

    void statsPlage_data()
    {
        QTest::addColumn<QVector<QPointF>>("points");
        QTest::addColumn<double>("premier");
        QTest::addColumn<double>("dernier");
        QTest::addColumn<QList<int>>("stats"); // points, mean, deviation, min, max
        const QVector<QPointF> rampe{{10, 200}, {20, 210}, {30, 220}, {40, 230}, {50, 240}};
        QTest::newRow("bounds between points")
            << rampe << 15.0 << 45.0 << QList<int>{3, 220, 8, 210, 230};
        QTest::newRow("bounds on points are included")
            << rampe << 20.0 << 40.0 << QList<int>{3, 220, 8, 210, 230};
        QTest::newRow("last bound just below a point")
            << rampe << 20.0 << 39.0 << QList<int>{2, 215, 5, 210, 220};
        QTest::newRow("whole recording")
            << rampe << 0.0 << 100.0 << QList<int>{5, 220, 14, 200, 240};
        QTest::newRow("no point inside") << rampe << 41.0 << 49.0 << QList<int>{0, 0, 0, 0, 0};
        // 200.5 and 0.5 truncated to whole tenths; fractions of y are dropped first.
        QTest::newRow("mean and deviation truncated")
            << QVector<QPointF>{{1, 200}, {2, 201.9}} << 1.0 << 2.0
            << QList<int>{2, 200, 0, 200, 201};
        QTest::newRow("truncated toward zero below zero")
            << QVector<QPointF>{{1, -5}, {2, -6}} << 1.0 << 2.0 << QList<int>{2, -5, 0, -6, -5};
        // Time of day over midnight: the evening is past the range, the morning
        // after it is inside.
        QTest::newRow("recording over midnight")
            << QVector<QPointF>{{79200, 100}, {86100, 110}, {300, 120}, {3900, 130}, {7500, 900}}
            << 0.0 << 7200.0 << QList<int>{2, 125, 5, 120, 130};
    }
    void statsPlage()
    {
        QFETCH(QVector<QPointF>, points);
        QFETCH(double, premier);
        QFETCH(double, dernier);
        QFETCH(QList<int>, stats);
        const StatsPlage s = CalculerStatsPlage(points, premier, dernier);
        QCOMPARE((QList<int>{s.Points, s.Moyenne, s.EcartType, s.Minimum, s.Maximum}), stats);
    }

    void bornes_data()
    {
        QTest::addColumn<double>("ancre");
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("mode");
        QTest::addColumn<double>("axeMin");
        QTest::addColumn<double>("axeMax");
        QTest::addColumn<qint64>("premier");
        QTest::addColumn<qint64>("dernier");
        QTest::newRow("drag to the right") << 3.7 << 8.2 << 0 << 1.0 << 20.0 << 3LL << 8LL;
        QTest::newRow("drag to the left") << 8.2 << 3.7 << 0 << 1.0 << 20.0 << 3LL << 8LL;
        QTest::newRow("number: left of the first point is 1")
            << -2.5 << 6.0 << 0 << -3.0 << 20.0 << 1LL << 6LL;
        QTest::newRow("number: below 1 is 1") << 0.6 << 6.0 << 0 << 0.0 << 20.0 << 1LL << 6LL;
        QTest::newRow("past the axis: its bounds truncated")
            << 50.0 << 250.0 << 1 << 60.5 << 200.9 << 60LL << 200LL;
        QTest::newRow("time of day: no floor at 1")
            << 0.5 << 90.0 << 1 << 0.0 << 200.0 << 0LL << 90LL;
    }
    void bornes()
    {
        QFETCH(double, ancre);
        QFETCH(double, x);
        QFETCH(int, mode);
        QFETCH(double, axeMin);
        QFETCH(double, axeMax);
        QFETCH(qint64, premier);
        QFETCH(qint64, dernier);
        const BornesPlage b = CalculerBornes(XBorne(ancre, mode), XBorne(x, mode), axeMin, axeMax);
        QCOMPARE(b.Premier, premier);
        QCOMPARE(b.Dernier, dernier);
    }

    void texteBorne_data()
    {
        QTest::addColumn<qint64>("n");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("texte");
        QTest::newRow("point number") << 12LL << 0 << QString() << "#12";
        QTest::newRow("time of day, French") << 3725LL << 1 << "hh:mm:ss"
                                             << "01:02:05";
        QTest::newRow("time of day, English") << 3725LL << 1 << "h:mm:ss AP"
                                              << "1:02:05 AM";
        QTest::newRow("afternoon, English") << 46805LL << 1 << "h:mm:ss AP"
                                            << "1:00:05 PM";
        QTest::newRow("date and time on one line")
            << qint64(MIDI_UTC) << 2 << " dd/MM/yyyy\n  hh:mm:ss"
            << (Paris() ? "01/07/2023 14:00:00" : "01/07/2023 12:00:00");
        QTest::newRow("date and time, English")
            << qint64(MIDI_UTC) << 2 << " MM/dd/yyyy\n h:mm:ss AP"
            << (Paris() ? "07/01/2023 2:00:00 PM" : "07/01/2023 12:00:00 PM");
    }
    void texteBorne()
    {
        QFETCH(qint64, n);
        QFETCH(int, mode);
        QFETCH(QString, format);
        QFETCH(QString, texte);
        QCOMPARE(TexteBorne(n, mode, format), texte);
    }

    void hauteurPlage_data()
    {
        QTest::addColumn<int>("entete");
        QTest::addColumn<int>("ligne");
        QTest::addColumn<int>("lignes");
        QTest::addColumn<int>("hauteur");
        QTest::newRow("one row") << 30 << 30 << 1 << 63;         // 29 + 4 + 61 / 2
        QTest::newRow("three rows") << 30 << 30 << 3 << 124;     // 33 + 183 / 2
        QTest::newRow("odd halves") << 25 << 22 << 2 << 73;      // 28 + 90 / 2
        QTest::newRow("fourteen rows") << 26 << 30 << 14 << 456; // 29 + 854 / 2
    }
    void hauteurPlage()
    {
        QFETCH(int, entete);
        QFETCH(int, ligne);
        QFETCH(int, lignes);
        QFETCH(int, hauteur);
        QCOMPARE(HauteurPlage(entete, ligne, lignes), hauteur);
    }

    void texteFrequence_data()
    {
        QTest::addColumn<int>("secondes");
        QTest::addColumn<QString>("texte");
        QTest::newRow("90 s") << 90 << "00:01:30";
        QTest::newRow("5 s") << 5 << "00:00:05";
        QTest::newRow("2 h 5 min") << 7500 << "02:05:00";
    }
    void texteFrequence()
    {
        QFETCH(int, secondes);
        QFETCH(QString, texte);
        QCOMPARE(TexteFrequence(secondes), texte);
    }

    void timeScaleDraw_data()
    {
        QTest::addColumn<double>("valeur");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("texte");
        QTest::newRow("French") << 3725.6 << "hh:mm:ss"
                                << "01:02:05";
        QTest::newRow("English") << 3725.0 << "h:mm:ss AP"
                                 << "1:02:05 AM";
        QTest::newRow("past 24 hours wraps") << 86459.0 << "hh:mm:ss"
                                             << "00:00:59";
    }
    void timeScaleDraw()
    {
        QFETCH(double, valeur);
        QFETCH(QString, format);
        QFETCH(QString, texte);
        QCOMPARE(TimeScaleDraw(format).label(valeur).text(), texte);
    }

    // Expected values worked out apart from the program (by hand and with
    // another calculator), never with its own formulas.
    void temperatureCinetique_data()
    {
        QTest::addColumn<QVector<double>>("dixiemes");
        QTest::addColumn<double>("deltaHsurR");
        QTest::addColumn<double>("mkt"); // tenths of °C, NaN for none
        const double rien = qQNaN();
        QTest::newRow("constant temperature gives itself")
            << QVector<double>{50, 50, 50} << 10000.0 << 50.0;
        QTest::newRow("20 and 30 °C half the time each")
            << QVector<double>{200, 300} << 10000.0 << 262.599;
        QTest::newRow("a smaller activation energy")
            << QVector<double>{200, 300} << 8000.0 << 260.090;
        QTest::newRow("below zero") << QVector<double>{-200, -100} << 10000.0 << -133.630;
        QTest::newRow("2, 8 and 25 °C") << QVector<double>{20, 80, 250} << 10000.0 << 170.163;
        QTest::newRow("values left out are not counted")
            << QVector<double>{200, rien, 300} << 10000.0 << 262.599;
        QTest::newRow("no value") << QVector<double>{rien} << 10000.0 << rien;
        QTest::newRow("no activation energy") << QVector<double>{200} << 0.0 << rien;
    }
    void temperatureCinetique()
    {
        QFETCH(QVector<double>, dixiemes);
        QFETCH(double, deltaHsurR);
        QFETCH(double, mkt);
        const double calcule = TemperatureCinetiqueMoyenne(dixiemes, deltaHsurR);
        if (qIsNaN(mkt))
            QVERIFY2(qIsNaN(calcule), qPrintable(QString::number(calcule)));
        else
            QVERIFY2(qAbs(calcule - mkt) < 0.005, qPrintable(QString::number(calcule)));
    }

    void pointDeRosee_data()
    {
        QTest::addColumn<double>("temperature"); // tenths
        QTest::addColumn<double>("humidite");    // tenths
        QTest::addColumn<double>("rosee");       // tenths of °C, NaN for none
        const double rien = qQNaN();
        QTest::newRow("20 °C at 50 %") << 200.0 << 500.0 << 92.552;
        QTest::newRow("25 °C at 80 %") << 250.0 << 800.0 << 213.069;
        QTest::newRow("saturated: the temperature itself") << 0.0 << 1000.0 << 0.0;
        QTest::newRow("-10 °C at 60 %") << -100.0 << 600.0 << -163.052;
        QTest::newRow("-45 °C, lowest valid") << -450.0 << 500.0 << -511.539;
        QTest::newRow("60 °C, highest valid") << 600.0 << 100.0 << 175.318;
        QTest::newRow("below -45 °C") << -451.0 << 500.0 << rien;
        QTest::newRow("above 60 °C") << 601.0 << 500.0 << rien;
        QTest::newRow("0 % humidity") << 200.0 << 0.0 << rien;
        QTest::newRow("negative humidity") << 200.0 << -5.0 << rien;
    }
    void pointDeRosee()
    {
        QFETCH(double, temperature);
        QFETCH(double, humidite);
        QFETCH(double, rosee);
        const double calcule = PointDeRosee(temperature, humidite);
        if (qIsNaN(rosee))
            QVERIFY2(qIsNaN(calcule), qPrintable(QString::number(calcule)));
        else
            QVERIFY2(qAbs(calcule - rosee) < 0.005, qPrintable(QString::number(calcule)));
    }

    // One point a minute from MIDI_UTC, x the point number.
    void excursions_data()
    {
        QTest::addColumn<QVector<double>>("valeurs");
        QTest::addColumn<double>("premier");
        QTest::addColumn<double>("dernier");
        QTest::addColumn<QVariant>("basse");
        QTest::addColumn<QVariant>("haute");
        // points, below, above, runs, points of the longest, its first point (1-based, 0 none)
        QTest::addColumn<QList<int>>("attendu");
        const double rien = qQNaN();
        const QVector<double> froid{50, 90, 95, 60, 85, 70, 40};
        const QVariant aucune;
        QTest::newRow("no limit") << froid << 1.0 << 7.0 << aucune << aucune
                                  << QList<int>{7, 0, 0, 0, 0, 0};
        QTest::newRow("above 8.0: two runs, the first longest")
            << froid << 1.0 << 7.0 << aucune << QVariant(80) << QList<int>{7, 0, 3, 2, 2, 2};
        QTest::newRow("both limits")
            << froid << 1.0 << 7.0 << QVariant(45) << QVariant(80) << QList<int>{7, 1, 3, 3, 2, 2};
        QTest::newRow("a value on a limit is inside")
            << froid << 1.0 << 7.0 << QVariant(40) << QVariant(95) << QList<int>{7, 0, 0, 0, 0, 0};
        QTest::newRow("from below to above at once: one run")
            << QVector<double>{50, 10, 100, 50} << 1.0 << 4.0 << QVariant(20) << QVariant(80)
            << QList<int>{4, 1, 1, 1, 2, 2};
        QTest::newRow("equal runs: the first is the longest")
            << QVector<double>{90, 50, 90} << 1.0 << 3.0 << aucune << QVariant(80)
            << QList<int>{3, 0, 2, 2, 1, 1};
        QTest::newRow("the range cuts a run")
            << froid << 3.0 << 5.0 << aucune << QVariant(80) << QList<int>{3, 0, 2, 2, 1, 3};
        QTest::newRow("a value left out ends a run and counts nowhere")
            << QVector<double>{90, rien, 90, 90} << 1.0 << 4.0 << aucune << QVariant(80)
            << QList<int>{3, 0, 3, 2, 2, 3};
        QTest::newRow("no point in the range")
            << froid << 8.0 << 9.0 << aucune << QVariant(80) << QList<int>{0, 0, 0, 0, 0, 0};
    }
    void excursions()
    {
        QFETCH(QVector<double>, valeurs);
        QFETCH(double, premier);
        QFETCH(double, dernier);
        QFETCH(QVariant, basse);
        QFETCH(QVariant, haute);
        QFETCH(QList<int>, attendu);
        QVector<uint> temps;
        QVector<double> x;
        for (int i = 0; i < valeurs.size(); ++i) {
            temps << MIDI_UTC + uint(60 * i);
            x << i + 1.0;
        }
        TS_LIMITES limites;
        if (basse.isValid())
            limites.Basse = basse.toInt();
        if (haute.isValid())
            limites.Haute = haute.toInt();
        const StatsExcursions s = CalculerExcursions(valeurs, temps, x, premier, dernier, limites);
        const int premierPoint =
            s.PointsPlusLongue > 0 ? int(s.DebutPlusLongue - MIDI_UTC) / 60 + 1 : 0;
        QCOMPARE((QList<int>{s.Points, s.PointsSous, s.PointsSur, s.Nombre, s.PointsPlusLongue,
                             premierPoint}),
                 attendu);
    }

    void duree_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<int>("periode");
        QTest::addColumn<QString>("texte");
        QTest::newRow("half an hour") << 30 << 60 << "0:30";
        QTest::newRow("rounded down below half a minute") << 2 << 14 << "0:00";
        QTest::newRow("rounded up from half a minute") << 3 << 10 << "0:01";
        QTest::newRow("past a day") << 1625 << 60 << "27:05";
        QTest::newRow("a bad period counts nothing") << 5 << -60 << "0:00";
    }
    void duree()
    {
        QFETCH(int, points);
        QFETCH(int, periode);
        QFETCH(QString, texte);
        QCOMPARE(TexteDuree(points, periode), texte);
    }

    void texteLimites()
    {
        const QString c = QStringLiteral(" \u00B0C");
        QCOMPARE(TexteLimites({20, 80}, c), QStringLiteral("2.0 \u2026 8.0 \u00B0C"));
        QCOMPARE(TexteLimites({-255, std::nullopt}, c), QStringLiteral("\u2265 -25.5 \u00B0C"));
        QCOMPARE(TexteLimites({std::nullopt, 650}, QStringLiteral(" %")),
                 QStringLiteral("\u2264 65.0 %"));
        QCOMPARE(TexteLimites({}, c), QString());
    }

    void part()
    {
        QCOMPARE(PartDixiemes(1, 8), 125);
        QCOMPARE(PartDixiemes(2, 3), 667);
        QCOMPARE(PartDixiemes(1, 3), 333);
        QCOMPARE(PartDixiemes(3, 0), 0);
    }

    // The range picker's tracker: no third line at x = 0 or left of it.
    void suiviPicker_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("texte"); // the third line
        QTest::newRow("point number") << 42.5 << 0 << "#42";
        QTest::newRow("time of day") << 725.5 << 1 << "00:12:05";
        QTest::newRow("x < 0, number") << -20.0 << 0 << "";
        QTest::newRow("x < 0, time of day") << -20.0 << 1 << "";
    }
    void suiviPicker()
    {
        QFETCH(double, x);
        QFETCH(int, mode);
        QFETCH(QString, texte);
        QwtPlot graphe;
        graphe.enableAxis(QwtPlot::yRight);
        graphe.setAxisScale(QwtPlot::yLeft, -400, 1000);
        graphe.setAxisScale(QwtPlot::yRight, 0, 1000);
        // An axis 0.8 wide around x: whatever pixel x falls on, the value under
        // it lies within 0.4 of x.
        graphe.setAxisScale(QwtPlot::xBottom, x - 0.4, x + 0.4);
        graphe.resize(800, 400);
        graphe.replot();
        prmQwtPlotPicker picker(QwtPlot::xBottom, QwtPlot::yRight, QwtPicker::RectRubberBand,
                                QwtPicker::AlwaysOn, graphe.canvas());
        picker.m_ModeX = enm_SYNCHRO(mode);
        const QPoint pos(graphe.transform(QwtPlot::xBottom, x),
                         graphe.transform(QwtPlot::yLeft, 300));
        const QStringList lignes = picker.trackerText(pos).text().split('\n');
        QCOMPARE(lignes.size(), 3);
        QVERIFY(lignes.at(0).endsWith(QStringLiteral(" \u00B0C")));
        QVERIFY(lignes.at(1).endsWith(QStringLiteral(" %")));
        QCOMPARE(lignes.last(), texte);
    }
};

VORSEN_GUI_TEST_MAIN(tst_calculsAnalyse)
#include "tst_calculsAnalyse.moc"
