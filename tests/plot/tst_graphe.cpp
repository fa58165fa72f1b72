#include "CourbeCoupee.h"
#include "CurveData.h"
#include "EchelleTemp.h"
#include "Environnement.h"
#include "GraduationTemps.h"
#include "Grandeurs.h"
#include "HumiScaleDraw.h"
#include "IntervalleRoue.h"
#include "TempScaleDraw.h"
#include "TimeDateScaleDraw.h"
#include "Zoomer.h"

#include <qwt_plot.h>
#include <qwt_plot_canvas.h>

// 2023-07-01 23:30:00 UTC, already 2 July 01:30 in Paris (summer time).
static const uint INSTANT = 1688254200u;

static bool Paris()
{
    return qgetenv("TZ") == "Europe/Paris";
}

class tst_graphe : public QObject
{
    Q_OBJECT

private slots:
    void texteSuivi_data()
    {
        QTest::addColumn<double>("temp");
        QTest::addColumn<double>("humi");
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("modeX");
        QTest::addColumn<QString>("texte");
        const QString valeurs = QStringLiteral("23.5 \u00B0C\n51.2 %\n");
        QTest::newRow("point number") << 235.0 << 512.0 << 42.7 << 0 << valeurs + "#42";
        QTest::newRow("first point") << 235.0 << 512.0 << 0.0 << 0 << valeurs + "#0";
        QTest::newRow("time of day") << 235.0 << 512.0 << 3725.0 << 1 << valeurs + "01:02:05";
        QTest::newRow("time of day, next day")
            << 235.0 << 512.0 << 86400.0 + 59.0 << 1 << valeurs + "00:00:59";
        QTest::newRow("time stamp") << 235.0 << 512.0 << double(INSTANT) + 0.9 << 2
                                    << valeurs + (Paris() ? "01:30:00" : "23:30:00");
        QTest::newRow("x < 0") << 235.0 << 512.0 << -0.5 << 2 << valeurs;
        QTest::newRow("x not a number") << 235.0 << 512.0 << qQNaN() << 2 << valeurs;
        QTest::newRow("time stamp beyond 32 bits") << 235.0 << 512.0 << 4294967296.0 + 3600 << 2
                                                   << valeurs + (Paris() ? "08:28:16" : "07:28:16");
        QTest::newRow("other mode") << 235.0 << 512.0 << 10.0 << 3 << valeurs;
        QTest::newRow("below zero, rounded")
            << -5.0 << 0.04 << -3.0 << 0 << QStringLiteral("-0.5 \u00B0C\n0.0 %\n");
        QTest::newRow("bounds of the axes")
            << -400.0 << 1000.0 << -1.0 << 0 << QStringLiteral("-40.0 \u00B0C\n100.0 %\n");
    }
    void texteSuivi()
    {
        QFETCH(double, temp);
        QFETCH(double, humi);
        QFETCH(double, x);
        QFETCH(int, modeX);
        QFETCH(QString, texte);
        QCOMPARE(Zoomer::TexteSuivi(temp, humi, x, modeX), texte);
    }

    // The tracker reads temperature on the left axis and humidity on the right.
    void suiviSurLeGraphe()
    {
        QwtPlot graphe;
        graphe.enableAxis(QwtPlot::yRight);
        graphe.setAxisScale(QwtPlot::yLeft, -400, 1000);
        graphe.setAxisScale(QwtPlot::yRight, 0, 1000);
        graphe.setAxisScale(QwtPlot::xBottom, 0, 100);
        graphe.resize(600, 400);
        graphe.replot();
        Zoomer zoomer(graphe.canvas());
        QCOMPARE(zoomer.m_ModeX, SYNCHRO_DATE);
        QCOMPARE(zoomer.trackerMode(), QwtPicker::AlwaysOn);
        zoomer.m_ModeX = SYNCHRO_NUMERO;

        const QPoint pos(graphe.transform(QwtPlot::xBottom, 50.5),
                         graphe.transform(QwtPlot::yLeft, 300));
        const QStringList lignes = zoomer.trackerText(pos).text().split('\n');
        QCOMPARE(lignes.size(), 3);
        // One pixel is 1400 / canvas height tenths: well under 1 degree.
        const QString degres = QStringLiteral(" \u00B0C");
        QVERIFY(lignes[0].endsWith(degres));
        QVERIFY(qAbs(lignes[0].chopped(degres.size()).toDouble() - 30.0) < 1.0);
        // (300 + 400) / 1400 of the height: half of the humidity axis.
        QVERIFY(lignes[1].endsWith(QStringLiteral(" %")));
        QVERIFY(qAbs(lignes[1].chopped(2).toDouble() - 50.0) < 1.0);
        QCOMPARE(lignes[2], QStringLiteral("#50"));

        // A recording without humidity has no humidity axis, nor a line for it.
        graphe.enableAxis(QwtPlot::yRight, false);
        const QStringList sans = zoomer.trackerText(pos).text().split('\n');
        QCOMPARE(sans.size(), 2);
        QVERIFY(sans[0].endsWith(degres));
        QVERIFY(sans[1].startsWith('#'));
    }

    void cleanup() { DefinirUniteAffichage(CELSIUS); }

    void etiquettes_data()
    {
        QTest::addColumn<bool>("temperature");
        QTest::addColumn<double>("valeur");
        QTest::addColumn<QString>("texte");
        QTest::addColumn<QString>("suivi"); // the tracker's line, in the interface language
        QTest::addColumn<bool>("francais");
        QTest::addColumn<int>("unite");
        const QString degres = QStringLiteral(" \u00B0C");
        const int c = CELSIUS;
        QTest::newRow("0 °C") << true << 0.0 << "0" + degres << "0.0" + degres << false << c;
        QTest::newRow("12.5 °C") << true << 125.0 << "12.5" + degres << "12.5" + degres << false
                                 << c;
        QTest::newRow("-40 °C") << true << -400.0 << "-40" + degres << "-40.0" + degres << false
                                << c;
        QTest::newRow("tick noise")
            << true << 200.00000000003 << "20" + degres << "20.0" + degres << false << c;
        QTest::newRow("tick at -1e-15")
            << true << -1e-15 << "0" + degres << "0.0" + degres << false << c;
        QTest::newRow("55 %") << false << 550.0 << "55 %"
                              << "55.0 %" << false << c;
        QTest::newRow("0.5 %") << false << 5.0 << "0.5 %"
                               << "0.5 %" << false << c;
        // French: decimal comma, no thousands separator.
        QTest::newRow("12,5 °C") << true << 125.0 << "12,5" + degres << "12,5" + degres << true
                                 << c;
        QTest::newRow("-0,5 °C") << true << -5.0 << "-0,5" + degres << "-0,5" + degres << true << c;
        QTest::newRow("6553,5 %") << false << 65535.0 << "6553,5 %"
                                  << "6553,5 %" << true << c;
        // Shown in Fahrenheit: the axis still holds tenths of °C.
        const QString f = QStringLiteral(" \u00B0F");
        const int fa = FAHRENHEIT;
        QTest::newRow("0 °C in °F") << true << 0.0 << "32" + f << "32.0" + f << false << fa;
        QTest::newRow("-40 °C in °F") << true << -400.0 << "-40" + f << "-40.0" + f << false << fa;
        QTest::newRow("37 °C in °F") << true << 370.0 << "98.6" + f << "98.6" + f << false << fa;
        QTest::newRow("100 °C in °F") << true << 1000.0 << "212" + f << "212.0" + f << false << fa;
        QTest::newRow("a tenth of °C in °F")
            << true << 1.0 << "32.18" + f << "32.2" + f << false << fa;
        QTest::newRow("37 °C in °F, French")
            << true << 370.0 << "98,6" + f << "98,6" + f << true << fa;
        QTest::newRow("humidity in °F") << false << 550.0 << "55 %"
                                        << "55.0 %" << false << fa;
    }
    void etiquettes()
    {
        QFETCH(bool, temperature);
        QFETCH(double, valeur);
        QFETCH(QString, texte);
        QFETCH(QString, suivi);
        QFETCH(bool, francais);
        QFETCH(int, unite);
        const QLocale avant;
        QLocale::setDefault(francais ? QLocale(QLocale::French, QLocale::France)
                                     : QLocale(QLocale::English, QLocale::UnitedStates));
        DefinirUniteAffichage(enm_UNITE_TEMP(unite));
        TempScaleDraw temp;
        HumiScaleDraw humi;
        const QwtScaleDraw& echelle = temperature ? static_cast<QwtScaleDraw&>(temp) : humi;
        const QString etiquette = echelle.label(valeur).text();
        const QString ligne =
            Zoomer::TexteSuivi(valeur, valeur, -1, SYNCHRO_NUMERO, temperature ? 1 : 2);
        QLocale::setDefault(avant);
        QCOMPARE(etiquette, texte);
        QCOMPARE(ligne, suivi + "\n");
    }

    // Statistics and table cells: a temperature converts as one, a difference of
    // two (standard deviation, spread) by the factor alone; humidity never.
    void textesDesValeurs_data()
    {
        QTest::addColumn<int>("unite");
        QTest::addColumn<bool>("ecart");
        QTest::addColumn<bool>("humidite");
        QTest::addColumn<double>("dixiemes");
        QTest::addColumn<QString>("texte");
        const int c = CELSIUS;
        const int f = FAHRENHEIT;
        QTest::newRow("0 °C") << f << false << false << 0.0 << "32.0 \u00B0F";
        QTest::newRow("-40 °C") << f << false << false << -400.0 << "-40.0 \u00B0F";
        QTest::newRow("37.0 °C") << f << false << false << 370.0 << "98.6 \u00B0F";
        QTest::newRow("-17.8 °C, no minus zero") << f << false << false << -178.0 << "0.0 \u00B0F";
        QTest::newRow("mean kinetic temperature") << f << false << false << 262.6 << "79.3 \u00B0F";
        QTest::newRow("spread of 1.0 °C") << f << true << false << 10.0 << "1.8 \u00B0F";
        QTest::newRow("standard deviation of 0.5 °C") << f << true << false << 5.0 << "0.9 \u00B0F";
        QTest::newRow("no spread") << f << true << false << 0.0 << "0.0 \u00B0F";
        QTest::newRow("spread in °C") << c << true << false << 10.0 << "1.0 \u00B0C";
        QTest::newRow("37.0 °C in °C") << c << false << false << 370.0 << "37.0 \u00B0C";
        QTest::newRow("humidity") << f << false << true << 550.0 << "55.0 %";
        QTest::newRow("humidity spread") << f << true << true << 100.0 << "10.0 %";
    }
    void textesDesValeurs()
    {
        QFETCH(int, unite);
        QFETCH(bool, ecart);
        QFETCH(bool, humidite);
        QFETCH(double, dixiemes);
        QFETCH(QString, texte);
        DefinirUniteAffichage(enm_UNITE_TEMP(unite));
        const QString u = humidite ? UniteHumi() : UniteTemp();
        QCOMPARE(ecart ? TexteEcart(dixiemes, u) : TexteMesure(dixiemes, u), texte);
        if (!ecart) // the number alone, for a column titled with its unit
            QCOMPARE(TexteNombre(dixiemes, u) + (humidite ? UniteHumi() : UniteTempAffichee()),
                     texte);
    }

    // In Fahrenheit the ticks of a temperature axis fall on round °F values.
    void graduationFahrenheit()
    {
        DefinirUniteAffichage(FAHRENHEIT);
        EchelleTemp echelle;
        // 15.0 to 30.0 °C: 59 to 86 °F, ticks at 60, 65 ... 85 °F, in tenths of °C.
        const QwtScaleDiv div = echelle.divideScale(150, 300, 8, 5);
        const QList<double> majeures{155.555555555556, 183.333333333333, 211.111111111111,
                                     238.888888888889, 266.666666666667, 294.444444444444};
        QCOMPARE(div.lowerBound(), 150.0);
        QCOMPARE(div.upperBound(), 300.0);
        const QList<double> obtenues = div.ticks(QwtScaleDiv::MajorTick);
        QCOMPARE(obtenues.size(), majeures.size());
        for (int i = 0; i < majeures.size(); ++i)
            QCOMPARE(obtenues.at(i), majeures.at(i));
        // Bounds on round °F values (-50 and 150 °F) keep their end ticks; 0, 50
        // and 100 °F between them.
        const QList<double> bornes{-455.555555555556, -177.777777777778, 100.0, 377.777777777778,
                                   655.555555555556};
        const QList<double> ticks =
            echelle.divideScale(bornes.first(), bornes.last(), 8, 5).ticks(QwtScaleDiv::MajorTick);
        QCOMPARE(ticks.size(), bornes.size());
        for (int i = 0; i < bornes.size(); ++i)
            QCOMPARE(ticks.at(i), bornes.at(i));
        // In Celsius the engine is the linear one.
        DefinirUniteAffichage(CELSIUS);
        QCOMPARE(echelle.divideScale(150, 300, 8, 5).ticks(QwtScaleDiv::MajorTick),
                 QwtLinearScaleEngine().divideScale(150, 300, 8, 5).ticks(QwtScaleDiv::MajorTick));
    }

    void etiquettesDeTemps_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<double>("pas"); // s between the axis's major ticks, 0: none
        QTest::addColumn<double>("valeur");
        QTest::addColumn<QString>("texte");
        // The main window's date-time formats, French then English.
        const QString fr = QStringLiteral(" dd/MM/yyyy\n  hh:mm:ss");
        const QString en = QStringLiteral(" MM/dd/yyyy\n h:mm:ss AP");
        const double t = INSTANT;
        QTest::newRow("french") << fr << 0.0 << t
                                << (Paris() ? " 02/07/2023\n  01:30:00"
                                            : " 01/07/2023\n  23:30:00");
        QTest::newRow("english") << en << 0.0 << t
                                 << (Paris() ? " 07/02/2023\n 1:30:00 AM"
                                             : " 07/01/2023\n 11:30:00 PM");
        QTest::newRow("fraction truncated")
            << QStringLiteral("hh:mm:ss") << 0.0 << t + 0.99 << (Paris() ? "01:30:00" : "23:30:00");
        QTest::newRow("epoch") << QStringLiteral("yyyy-MM-dd hh:mm") << 0.0 << 0.0
                               << (Paris() ? "1970-01-01 01:00" : "1970-01-01 00:00");
        // The axis of a single point at the epoch starts one second before it.
        QTest::newRow("before the epoch")
            << QStringLiteral("yyyy-MM-dd hh:mm:ss") << 0.0 << -1.0
            << (Paris() ? "1970-01-01 00:59:59" : "1969-12-31 23:59:59");
        // On round steps: one line, the time or, at midnight and for days, the day.
        const double minuit = QDateTime(QDate(2023, 7, 2), QTime(0, 0)).toSecsSinceEpoch();
        QTest::newRow("hours") << fr << 3600.0 << t << (Paris() ? "01:30" : "23:30");
        QTest::newRow("midnight names the day") << fr << 3600.0 << minuit << "02/07";
        QTest::newRow("english, whole hour") << en << 3600.0 << minuit + 18 * 3600 << "6 PM";
        QTest::newRow("english, minutes")
            << en << 600.0 << t + 600 << (Paris() ? "1:40 AM" : "11:40 PM");
        QTest::newRow("seconds kept below a minute")
            << fr << 30.0 << t + 30 << (Paris() ? "01:30:30" : "23:30:30");
        QTest::newRow("days") << en << 86400.0 << t + 86400 << (Paris() ? "07/03" : "07/02");
    }
    void etiquettesDeTemps()
    {
        QFETCH(QString, format);
        QFETCH(double, pas);
        QFETCH(double, valeur);
        QFETCH(QString, texte);
        TimeDateScaleDraw dessin(format);
        if (pas > 0)
            dessin.setScaleDiv(QwtScaleDiv(INSTANT, INSTANT + 4 * pas, QList<double>(),
                                           QList<double>(),
                                           {double(INSTANT), INSTANT + pas, INSTANT + 2 * pas}));
        QCOMPARE(dessin.label(valeur).text(), texte);
    }

    // The time axis's title gives the dates its labels belong to.
    void titreDates()
    {
        const TimeDateScaleDraw dessin(QStringLiteral(" dd/MM/yyyy\n  hh:mm:ss"));
        const double midi = QDateTime(QDate(2026, 12, 6), QTime(12, 0)).toSecsSinceEpoch();
        QCOMPARE(dessin.TitreDates(midi, midi + 3600), QStringLiteral("06/12/2026"));
        QCOMPARE(dessin.TitreDates(midi, midi + 86400), QStringLiteral("06/12/2026 - 07/12/2026"));
    }

    // A curve read as times of day breaks where it passes midnight.
    void troncons_data()
    {
        QTest::addColumn<QList<double>>("x");
        QTest::addColumn<int>("de");
        QTest::addColumn<int>("a");
        QTest::addColumn<QList<int>>("bornes"); // first, last of each run
        QTest::newRow("one day") << QList<double>{100, 200, 300} << 0 << -1 << QList<int>{0, 2};
        QTest::newRow("over midnight")
            << QList<double>{86000, 86300, 200, 500} << 0 << -1 << QList<int>{0, 1, 2, 3};
        QTest::newRow("two midnights")
            << QList<double>{86300, 100, 86300, 100} << 0 << 3 << QList<int>{0, 0, 1, 2, 3, 3};
        QTest::newRow("equal times do not break")
            << QList<double>{5, 5, 6} << 0 << -1 << QList<int>{0, 2};
        QTest::newRow("the direct painter's last segment")
            << QList<double>{86000, 86300, 200, 500} << 2 << 3 << QList<int>{2, 3};
    }
    void troncons()
    {
        QFETCH(QList<double>, x);
        QFETCH(int, de);
        QFETCH(int, a);
        QFETCH(QList<int>, bornes);
        CurveData points;
        for (double v : x)
            points.append(QPointF(v, 1.0));
        QList<int> obtenues;
        for (const QPair<int, int>& t : TronconsCroissants(points, de, a))
            obtenues << t.first << t.second;
        QCOMPARE(obtenues, bornes);
    }

    // Time axes step on round times, as many as the axis has room for.
    void graduationTemps_data()
    {
        QTest::addColumn<double>("debut");
        QTest::addColumn<double>("fin");
        QTest::addColumn<int>("intervalles");
        QTest::addColumn<int>("decalage");
        QTest::addColumn<double>("pas");
        QTest::addColumn<QList<double>>("majeures");
        QTest::addColumn<int>("mineures");
        QTest::newRow("20 hours, room for 5")
            << 1000.0 << 73000.0 << 5 << 0 << 14400.0
            << QList<double>{14400, 28800, 43200, 57600, 72000} << 15;
        QTest::newRow("20 hours, room for 7")
            << 1000.0 << 73000.0 << 7 << 0 << 10800.0
            << QList<double>{10800, 21600, 32400, 43200, 54000, 64800} << 34;
        QTest::newRow("local offset of a quarter hour")
            << 0.0 << 7200.0 << 4 << 900 << 1800.0 << QList<double>{900, 2700, 4500, 6300} << 21;
        QTest::newRow("seconds") << 0.0 << 40.0 << 5 << 0 << 10.0
                                 << QList<double>{0, 10, 20, 30, 40} << 16;
        QTest::newRow("no room: one step")
            << 0.0 << 7200.0 << 0 << 0 << 7200.0 << QList<double>{0, 7200} << 3;
        QTest::newRow("empty interval") << 5.0 << 5.0 << 5 << 0 << 0.0 << QList<double>{} << 0;
    }
    void graduationTemps()
    {
        QFETCH(double, debut);
        QFETCH(double, fin);
        QFETCH(int, intervalles);
        QFETCH(int, decalage);
        const TS_GRADUATION g = GraduationTemps(debut, fin, intervalles, decalage);
        QTEST(g.Pas, "pas");
        QTEST(g.Majeures, "majeures");
        QTEST(g.Mineures.size(), "mineures");
    }

    void roue_data()
    {
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<double>("etendue");
        QTest::addColumn<double>("plancher");
        QTest::addColumn<double>("plafond");
        QTest::addColumn<double>("nouveauMin");
        QTest::addColumn<double>("nouveauMax");
        QTest::newRow("centre kept")
            << 100.0 << 400.0 << 200.0 << TEMP_PLANCHER << TEMP_PLAFOND << 150.0 << 350.0;
        QTest::newRow("held by the floor")
            << -400.0 << -300.0 << 300.0 << TEMP_PLANCHER << TEMP_PLAFOND << -400.0 << -100.0;
        QTest::newRow("held by the ceiling")
            << 900.0 << 1000.0 << 300.0 << TEMP_PLANCHER << TEMP_PLAFOND << 700.0 << 1000.0;
        QTest::newRow("humidity floor")
            << 0.0 << 100.0 << 400.0 << HUMI_PLANCHER << HUMI_PLAFOND << 0.0 << 400.0;
        QTest::newRow("whole temperature range")
            << 0.0 << 10.0 << 1400.0 << TEMP_PLANCHER << TEMP_PLAFOND << -400.0 << 1000.0;
        QTest::newRow("narrowed") << 0.0 << 1000.0 << 10.0 << HUMI_PLANCHER << HUMI_PLAFOND << 495.0
                                  << 505.0;
        QTest::newRow("half tenths")
            << 0.0 << 15.0 << 10.0 << HUMI_PLANCHER << HUMI_PLAFOND << 2.5 << 12.5;
    }
    void roue()
    {
        QFETCH(double, min);
        QFETCH(double, max);
        QFETCH(double, etendue);
        QFETCH(double, plancher);
        QFETCH(double, plafond);
        QFETCH(double, nouveauMin);
        QFETCH(double, nouveauMax);
        const QwtInterval intervalle = IntervalleRoue(min, max, etendue, plancher, plafond);
        QCOMPARE(intervalle.minValue(), nouveauMin);
        QCOMPARE(intervalle.maxValue(), nouveauMax);
    }

    // Without auto-replot, as a plot that is not shown yet.
    void roueSurLeGraphe()
    {
        QwtPlot graphe;
        const auto intervalle = [&graphe](int axe) {
            graphe.updateAxes();
            return graphe.axisInterval(axe);
        };
        graphe.enableAxis(QwtPlot::yRight);
        graphe.setAxisScale(QwtPlot::yLeft, 100, 400);
        graphe.setAxisScale(QwtPlot::yRight, 0, 100);
        AppliquerRoue(&graphe, QwtPlot::yLeft, 200, TEMP_PLANCHER, TEMP_PLAFOND);
        QCOMPARE(intervalle(QwtPlot::yLeft).minValue(), 150.0);
        QCOMPARE(intervalle(QwtPlot::yLeft).maxValue(), 350.0);
        QCOMPARE(intervalle(QwtPlot::yRight).maxValue(), 100.0);
        AppliquerRoue(&graphe, QwtPlot::yRight, 400, HUMI_PLANCHER, HUMI_PLAFOND);
        QCOMPARE(intervalle(QwtPlot::yRight).minValue(), 0.0);
        QCOMPARE(intervalle(QwtPlot::yRight).maxValue(), 400.0);
    }

    void rectangleDesPoints()
    {
        CurveData donnees;
        QVERIFY(donnees.boundingRect().width() < 0);
        donnees.append(QPointF(1, 5));
        donnees.append(QPointF(3, -2));
        donnees.append(QPointF(2, 10));
        QCOMPARE(donnees.size(), size_t(3));
        QCOMPARE(donnees.sample(1), QPointF(3, -2));
        QCOMPARE(donnees.boundingRect(), QRectF(1, -2, 2, 12));

        // A point appended after a first computation still counts.
        donnees.append(QPointF(10, 20));
        QCOMPARE(donnees.boundingRect(), QRectF(1, -2, 9, 22));

        donnees.clear();
        QCOMPARE(donnees.size(), size_t(0));
        QVERIFY(donnees.boundingRect().width() < 0);

        donnees.append(QPointF(4, 7));
        QCOMPARE(donnees.boundingRect(), QRectF(4, 7, 0, 0));
    }
};

VORSEN_GUI_TEST_MAIN(tst_graphe)
#include "tst_graphe.moc"
