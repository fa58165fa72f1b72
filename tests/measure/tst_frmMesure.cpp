// The measurement window against simulated loggers, through the real serial
// port: loggers found at start-up, chosen, downloaded, followed in real time,
// unplugged and plugged in while it watches.
#include "BancMesure.h"
#include "CPortSerie.h"
#include "ClesReglages.h"
#include "CurveData.h"
#include "Environnement.h"
#include "EtatMesure.h"
#include "IntervalleMesures.h"
#include "Simulateur.h"
#include "clsSerie.h"
#include "prmBoutonAppareil.h"
#include "prmTableWidget.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QScopeGuard>
#include <QSerialPort>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QToolBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_marker.h>
#include <qwt_scale_draw.h>

#include <sys/stat.h>
#include <unistd.h>

namespace
{

QString Dossier(const QString& chemin)
{
    return QDir::homePath() + QStringLiteral("/Vorsen_Logger") + chemin;
}

int LignesFichier(const QString& chemin)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    return f.readAll().count('\n');
}

} // namespace

class tst_frmMesure : public QObject, public BancMesure
{
    Q_OBJECT

private:
    QToolBox* Pages() const { return Objet<QToolBox>("tbxActions"); }
    QWidget* Page(const char* nom) const { return Objet<QWidget>(nom); }
    bool PageActive(const char* nom) const
    {
        return Pages()->isItemEnabled(Pages()->indexOf(Page(nom)));
    }
    QwtPlot* Graphe() const { return Objet<QwtPlot>("m_qPlot"); }

    // The temperature (0) and humidity (1) curves.
    QwtPlotCurve* Courbe(int i) const
    {
        return static_cast<QwtPlotCurve*>(Graphe()->itemList(QwtPlotItem::Rtti_PlotCurve).at(i));
    }

    int Compter(const Simulateur* sim, const QString& ligne) const
    {
        return sim->LignesRecues().count(ligne);
    }

    // The backup files of the window's recordings.
    QStringList Sauvegardes(const char* extension) const
    {
        return QDir(Dossier(QString()))
            .entryList({QStringLiteral("*") + QLatin1String(extension)}, QDir::Files, QDir::Name);
    }

private slots:
    void initTestCase() { QVERIFY2(Simulateur::Disponible(), qPrintable(Simulateur::Programme())); }

    void init()
    {
        QDir(Dossier(QString())).removeRecursively();
        QFile::remove(Dossier(QString())); // a test's file in the folder's place
        CheminDatas = QDir::homePath();
    }

    void cleanup() { Vider(); }

    void unAppareilChoisiSansClic()
    {
        Simulateur* sim = Brancher({"--id", "LOG1", "--points", "200", "--sensors", "3"});
        QVERIFY(sim);
        Ouvrir();
        QCOMPARE(Appareils().size(), 1);
        QVERIFY(Appareils().first()->isChecked());
        QCOMPARE(Appareils().first()->text(), QStringLiteral("LOG1"));
        QVERIFY(Fenetre->Port() && Fenetre->Port()->isOpen());
        QTRY_COMPARE_WITH_TIMEOUT(sim->LignesRecues(), (QStringList{"I", "M", "Q"}), Attente);
        QCOMPARE(Pages()->currentWidget(), Page("pgAcquisition"));
        QVERIFY(PageActive("pgProg"));
        QCOMPARE(Etiquette("lblID")->text(), QStringLiteral("LOG1"));
        // 200 readings of two sensors: 100 points.
        QCOMPARE(Etiquette("lblPoint")->text(), QStringLiteral("100"));
        QCOMPARE(Etiquette("lblCapteur")->text(), QStringLiteral("(Temperature et humidite)"));
        QCOMPARE(Etiquette("lblPeriode")->text(), QStringLiteral("60"));
        QVERIFY(Bouton("btnTelecharger")->isEnabled());
        QVERIFY(!Bouton("btnSave")->isEnabled());
        QVERIFY(Bouton("btnStop")->isHidden());
    }

    void deuxAppareilsAuChoix()
    {
        Simulateur* a = Brancher({"--id", "AAA"});
        Simulateur* b = Brancher({"--id", "BBB"});
        QVERIFY(a && b);
        Ouvrir();
        QCOMPARE(Appareils().size(), 2);
        QVERIFY(!Appareils().at(0)->isChecked() && !Appareils().at(1)->isChecked());
        QVERIFY(!Fenetre->SerieCourante());
        QVERIFY(!Fenetre->Port());
        QCOMPARE(Pages()->currentWidget(), Page("pgAppareil"));
        QVERIFY(!PageActive("pgProg"));

        prmBoutonAppareil* boutonB = Appareils().at(1);
        QCOMPARE(boutonB->text(), QStringLiteral("BBB"));
        QTest::mouseClick(boutonB, Qt::LeftButton);
        QVERIFY(boutonB->isChecked());
        QCOMPARE(Etiquette("lblID")->text(), QStringLiteral("BBB"));
        QCOMPARE(Pages()->currentWidget(), Page("pgAcquisition"));
        QTRY_COMPARE_WITH_TIMEOUT(Compter(b, "Q"), 1, Attente);
        QCOMPARE(Compter(a, "Q"), 0);

        // Clicking the selected logger again keeps its port as it is.
        CPortSerie* port = Fenetre->Port();
        QTest::mouseClick(boutonB, Qt::LeftButton);
        QVERIFY(boutonB->isChecked());
        QCOMPARE(Fenetre->Port(), port);
        QVERIFY(port->isOpen());

        // The other logger: the first port is released, the display cleared.
        QTest::mouseClick(Appareils().at(0), Qt::LeftButton);
        QCOMPARE(Etiquette("lblID")->text(), QStringLiteral("AAA"));
        QTRY_COMPARE_WITH_TIMEOUT(Compter(a, "Q"), 1, Attente);
        QCOMPARE(Compter(b, "Q"), 1);
        QVERIFY(!boutonB->isChecked());
    }

    void telechargement_data()
    {
        QTest::addColumn<int>("capteurs");
        QTest::addColumn<int>("lectures");
        QTest::addColumn<int>("modeAvant");
        QTest::addColumn<int>("points");
        // The last row's temperature and humidity, the lowest temperature and the
        // humidity's range, as the tables show them.
        QTest::addColumn<QStringList>("textes");
        QTest::newRow("two sensors, 200 readings")
            << 3 << 200 << 1 << 100 << QStringList{"20.4 °C", "55.4 %", "19.3 °C", "1.7 %"};
        QTest::newRow("stored real time becomes 1")
            << 3 << 130 << 2 << 65 << QStringList{"20.1 °C", "56.1 %", "19.3 °C", "1.6 %"};
        QTest::newRow("temperature only")
            << 1 << 51 << 1 << 51 << QStringList{"20.1 °C", "0.0 %", "19.3 °C", "0.0 %"};
        QTest::newRow("humidity only")
            << 2 << 49 << 3 << 49 << QStringList{"0.0 °C", "56.2 %", "0.0 °C", "1.5 %"};
    }
    void telechargement()
    {
        QFETCH(int, capteurs);
        QFETCH(int, lectures);
        QFETCH(int, modeAvant);
        QFETCH(int, points);
        QFETCH(QStringList, textes);
        const QDateTime debut(QDate(2026, 1, 10), QTime(8, 0));
        const uint frequence = 30;
        Simulateur* sim =
            Brancher({"--id", "DL1", "--points", QString::number(lectures), "--sensors",
                      QString::number(capteurs), "--period", QString::number(frequence), "--start",
                      debut.toString(Qt::ISODate)});
        QVERIFY(sim);
        // Alarms programmed into DL1 earlier: a maximum of 25.0 °C and a minimum
        // of 30.0 % in force, a temperature minimum that is not.
        ClesReglages::SeuilsAlarmes seuils;
        seuils.Actives = 1 | 8;
        seuils.TempMax = 250;
        seuils.TempMin = -100;
        seuils.HumiMin = 300;
        ClesReglages::EcrireAlarmes(QStringLiteral("DL1"), seuils);
        const auto oublier = qScopeGuard([] { QSettings().remove(QStringLiteral("Alarmes")); });
        Ouvrir(FRANCAIS);
        QVERIFY(Fenetre->SerieCourante());
        clsSerie* s = Fenetre->SerieCourante();
        s->Infos.Mode = modeAvant;
        QTRY_VERIFY_WITH_TIMEOUT(Bouton("btnTelecharger")->isEnabled(), Attente);

        QSignalSpy depart(Fenetre, &frmMesure::SIGNAL_StartPbar);
        QSignalSpy valeurs(Fenetre, &frmMesure::SIGNAL_SetPbarValue);
        QVERIFY(Telecharger());
        QCOMPARE(sim->LignesRecues().last(), QStringLiteral("D"));

        // Progress: started once for the expected count, one value per point.
        QCOMPARE(depart.count(), 1);
        QCOMPARE(depart.first().at(0).toString(), QStringLiteral("Telechargement en cours"));
        QCOMPARE(depart.first().at(1).toInt(), 0);
        QCOMPARE(depart.first().at(2).toInt(), points);
        QCOMPARE(valeurs.count(), points);
        QCOMPARE(valeurs.last().at(0).toInt(), points);
        QCOMPARE(Fenetre->Acquisition().Etat().NbreAttendus, points);
        QCOMPARE(Etiquette("lblPoint")->text(), QString::number(points));

        // The recording: stamps from the start, one period apart.
        QCOMPARE(s->NbrePoints, points);
        QCOMPARE(s->Infos.Mode, modeAvant == 2 ? 1 : modeAvant);
        QCOMPARE(s->Infos.Capteurs, capteurs);
        const uint t0 = uint(debut.toSecsSinceEpoch());
        QCOMPARE(s->Infos.DateDebut, t0);
        QCOMPARE(s->Temps.Valeurs.size(), points);
        for (int i = 0; i < points; ++i)
            QCOMPARE(uint(s->Temps.Valeurs.at(i)), t0 + uint(i) * frequence);
        const QList<int>& absents = capteurs == 1 ? s->Humidite.Valeurs : s->Temperature.Valeurs;
        if (capteurs != 3)
            QCOMPARE(absents.count(0), points);
        const QList<int>& mesures = capteurs == 2 ? s->Humidite.Valeurs : s->Temperature.Valeurs;
        QVERIFY(mesures.count(0) < points);

        // Table, statistics and curves.
        prmTableWidget* tab = Table("tabData");
        QCOMPARE(tab->rowCount(), points);
        QCOMPARE(tab->item(0, 0)->text(), QStringLiteral("1"));
        QCOMPARE(tab->item(points - 1, 0)->text(), QString::number(points));
        QCOMPARE(tab->item(0, 1)->text(), QStringLiteral("10/01/2026"));
        QCOMPARE(tab->item(1, 2)->text(), QStringLiteral("08:00:30"));
        QCOMPARE(Table("tabStat")->item(0, 0)->text(), QString::number(points));
        QCOMPARE((QStringList{tab->item(points - 1, 3)->text(), tab->item(points - 1, 4)->text(),
                              Table("tabStat")->item(3, 0)->text(),
                              Table("tabStat")->item(5, 1)->text()}),
                 textes);
        QCOMPARE(int(Courbe(0)->dataSize()), points);
        QCOMPARE(int(Courbe(1)->dataSize()), points);
        // Only the channels the logger measures are shown.
        const bool temp = capteurs & 1;
        const bool humi = capteurs & 2;
        QCOMPARE(Courbe(0)->isVisible(), temp);
        QCOMPARE(Courbe(1)->isVisible(), humi);
        QCOMPARE(Graphe()->axisEnabled(QwtPlot::yLeft), temp);
        QCOMPARE(Graphe()->axisEnabled(QwtPlot::yRight), humi);
        QCOMPARE(tab->isColumnHidden(3), !temp);
        QCOMPARE(tab->isColumnHidden(4), !humi);
        QCOMPARE(Table("tabStat")->isColumnHidden(1), !humi);
        QCOMPARE(Courbe(0)->sample(points - 1),
                 QPointF(t0 + (points - 1) * frequence, s->Temperature.Valeurs.last()));

        // The time axis ends on the last point; the value axes hold every reading.
        const QwtInterval x = Graphe()->axisInterval(QwtPlot::xBottom);
        QCOMPARE(x.minValue(), double(t0));
        QCOMPARE(x.maxValue(), double(t0 + (points - 1) * frequence));
        const QwtInterval gauche = Graphe()->axisInterval(QwtPlot::yLeft);
        QVERIFY(gauche.minValue() <= s->Temperature.Minimum);
        QVERIFY(gauche.maxValue() >= s->Temperature.Maximum);
        const QwtInterval droite = Graphe()->axisInterval(QwtPlot::yRight);
        QVERIFY(droite.minValue() <= s->Humidite.Minimum);
        QVERIFY(droite.maxValue() >= s->Humidite.Maximum);

        // The alarms in force are the recording's limits: dashed lines on the
        // axes of the channels measured, which show them.
        QVERIFY(s->Temperature.Limites == (TS_LIMITES{std::nullopt, 250}));
        QVERIFY(s->Humidite.Limites == (TS_LIMITES{300, std::nullopt}));
        QList<QPair<int, double>> lignes;
        for (QwtPlotItem* item : Graphe()->itemList(QwtPlotItem::Rtti_PlotMarker))
            if (item->isVisible())
                lignes << qMakePair(item->yAxis(), static_cast<QwtPlotMarker*>(item)->yValue());
        QList<QPair<int, double>> attendues;
        if (temp)
            attendues << qMakePair(int(QwtPlot::yLeft), 250.0);
        if (humi)
            attendues << qMakePair(int(QwtPlot::yRight), 300.0);
        QCOMPARE(lignes, attendues);
        if (temp)
            QVERIFY(gauche.maxValue() >= 250);
        if (humi)
            QVERIFY(droite.minValue() <= 300);

        // End of the download: backup written, saving possible, download again.
        QVERIFY(Bouton("btnSave")->isEnabled());
        QVERIFY(Bouton("btnTelecharger")->isEnabled());
        QVERIFY((Fenetre->Etat() != enm_ETAT_MESURE::Telechargement));
        const QStringList sauvegardes = Sauvegardes(".ail");
        QCOMPARE(sauvegardes.size(), 1);
        QVERIFY(sauvegardes.first().startsWith(QStringLiteral("DL1_")));
        QCOMPARE(LignesFichier(Dossier("/") + s->NomAuto + ".txt"), points);
        QSettings entete(Dossier("/") + s->NomAuto + ".ail", QSettings::IniFormat);
        QCOMPARE(entete.value("Mode").toInt(), modeAvant == 2 ? 1 : modeAvant);
        QCOMPARE(entete.value("NbrePoints").toInt(), points);
        QCOMPARE(entete.value("Temperature/LimiteHaute").toInt(), 250);
        QCOMPARE(entete.value("Humidite/LimiteBasse").toInt(), 300);
        QVERIFY(!entete.contains("Temperature/LimiteBasse"));
    }

    void telechargerDeNouveau()
    {
        Simulateur* sim = Brancher({"--id", "DL2", "--points", "60", "--sensors", "3"});
        QVERIFY(sim);
        Ouvrir();
        QTRY_VERIFY_WITH_TIMEOUT(Bouton("btnTelecharger")->isEnabled(), Attente);
        QVERIFY(Telecharger());
        const QString premiere = Fenetre->SerieCourante()->NomAuto;
        QVERIFY(Telecharger());
        // A second download replaces the first on screen, not in its backup.
        QCOMPARE(Fenetre->SerieCourante()->NbrePoints, 30);
        QCOMPARE(Table("tabData")->rowCount(), 30);
        QCOMPARE(int(Courbe(0)->dataSize()), 30);
        QCOMPARE(Sauvegardes(".ail").size(), 2);
        QVERIFY(Fenetre->SerieCourante()->NomAuto != premiere);
        QCOMPARE(LignesFichier(Dossier("/") + premiere + ".txt"), 30);
    }

    // Choosing another logger during a download ends it: its progress bar goes,
    // what it received is backed up, the display shows the new logger. Coming
    // back shows each logger's points again.
    void autreAppareilPendantUnTelechargement()
    {
        Simulateur* a = Brancher({"--id", "AAA", "--points", "4000", "--paced"});
        Simulateur* b = Brancher({"--id", "BBB", "--points", "40"});
        QVERIFY(a && b);
        Ouvrir();
        QTest::mouseClick(Appareils().at(0), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(Bouton("btnTelecharger")->isEnabled(), Attente);
        QSignalSpy depart(Fenetre, &frmMesure::SIGNAL_StartPbar);
        QSignalSpy fin(Fenetre, &frmMesure::SIGNAL_StopPbar);
        QTest::mouseClick(Bouton("btnTelecharger"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(Table("tabData")->rowCount() >= 10, Attente);
        QCOMPARE(depart.count(), 1);
        QCOMPARE(fin.count(), 0);

        QTest::mouseClick(Appareils().at(1), Qt::LeftButton);
        QCOMPARE(fin.count(), 1);
        QVERIFY((Fenetre->Etat() != enm_ETAT_MESURE::Telechargement));
        QCOMPARE(Etiquette("lblID")->text(), QStringLiteral("BBB"));
        QCOMPARE(Table("tabData")->rowCount(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(Bouton("btnTelecharger")->isEnabled(), Attente);
        QVERIFY(Telecharger());
        QCOMPARE(Fenetre->SerieCourante()->NbrePoints, 20);
        QCOMPARE(Table("tabData")->rowCount(), 20);

        const clsSerie* serieA = Fenetre->Series().at(0);
        const int recus = serieA->NbrePoints;
        QVERIFY(recus >= 10 && recus < 2000);
        QVERIFY(!serieA->NomAuto.isEmpty());
        QCOMPARE(LignesFichier(Dossier("/") + serieA->NomAuto + ".txt"), recus);
        for (int i : {0, 1}) {
            QTest::mouseClick(Appareils().at(i), Qt::LeftButton);
            const int n = i == 0 ? recus : 20;
            QCOMPARE(Table("tabData")->rowCount(), n);
            QCOMPARE(int(Courbe(0)->dataSize()), n);
            QCOMPARE(Table("tabStat")->item(0, 0)->text(), QString::number(n));
            QCOMPARE(Table("tabData")->item(n - 1, 0)->text(), QString::number(n));
            QTRY_VERIFY_WITH_TIMEOUT(Bouton("btnTelecharger")->isEnabled(), Attente);
            QVERIFY(Bouton("btnSave")->isEnabled());
            QCOMPARE(Fenetre->Etat(), enm_ETAT_MESURE::Donnees);
        }
    }

    // The selected logger unplugged. Points the user has not saved are offered for
    // saving (No clears them); a download cut short is backed up first and the
    // user told where; a saved recording only gets the warning and stays shown.
    // A backup that could not be written is not offered as a refuge.
    void perte_data()
    {
        QTest::addColumn<QString>("cas");
        QTest::newRow("complete download, not saved") << "complet";
        QTest::newRow("saved recording") << "sauve";
        QTest::newRow("download cut short") << "interrompu";
        QTest::newRow("backup not written") << "bloque";
    }
    void perte()
    {
        QFETCH(QString, cas);
        const bool interrompu = cas == QLatin1String("interrompu");
        const bool bloque = cas == QLatin1String("bloque");
        // I, M, Q, the header and 100 data lines, then one more reply: gone. Cut
        // short: after 30 data lines, paced so that the first ones arrive first.
        // Backup not written: two downloads, then the reply.
        QStringList options{"--id", "LOST",           "--points",
                            "200",  "--unplug-after", interrompu ? "34" : bloque ? "206" : "105"};
        if (interrompu)
            options << "--paced";
        Simulateur* sim = Brancher(options);
        QVERIFY(sim);
        Ouvrir();
        QTRY_VERIFY_WITH_TIMEOUT(Bouton("btnTelecharger")->isEnabled(), Attente);
        QSignalSpy perte(Fenetre, &frmMesure::SIGNAL_PerteConnexion);
        QSignalSpy finPbar(Fenetre, &frmMesure::SIGNAL_StopPbar);
        Utilisateur().Boutons << QMessageBox::No;
        if (interrompu) {
            QTest::mouseClick(Bouton("btnTelecharger"), Qt::LeftButton);
        } else {
            QVERIFY(Telecharger());
            if (bloque) {
                // A regular file where the backup folder was: even root cannot write there.
                QVERIFY(QDir(Dossier(QString())).removeRecursively());
                QFile bouchon(Dossier(QString()));
                QVERIFY(bouchon.open(QIODevice::WriteOnly));
                bouchon.close();
                QSignalSpy message(Fenetre, &frmMesure::SIGNAL_Message);
                QVERIFY(Telecharger());
                QCOMPARE(message.count(), 1);
            }
            QVERIFY(Bouton("btnSave")->isEnabled());
            if (cas == QLatin1String("sauve")) // as the save would: every point saved
                Fenetre->SerieCourante()->NbrePointsSauves = Fenetre->SerieCourante()->NbrePoints;
            finPbar.clear();
            Fenetre->Port()->QuitOnLine(); // the last line before the unplug
        }
        const QString nomAuto = Fenetre->SerieCourante()->NomAuto;

        QTRY_COMPARE_WITH_TIMEOUT(perte.count(), 1, Attente);
        QTRY_COMPARE_WITH_TIMEOUT(Utilisateur().Demandes.size(), 1, Attente);
        QTRY_VERIFY_WITH_TIMEOUT(Appareils().isEmpty(), Attente);
        const int lignes = Table("tabData")->rowCount();
        QStringList sauvegardes = Sauvegardes(".txt");
        QCOMPARE(sauvegardes.size(), bloque ? 0 : 1);
        // Unsaved readings: the user is told where their backup is, then asked.
        const QStringList message = Utilisateur().Journal().first().split(QLatin1Char('\n'));
        QCOMPARE(message.at(0), (cas == QLatin1String("sauve") ? QStringLiteral("avertissement")
                                                               : QStringLiteral("question")) +
                                    QStringLiteral("|LOST|Perte de connexion avec l'appareil"));
        if (bloque) {
            QCOMPARE(message.size(), 2);
            QCOMPARE(message.at(1), QStringLiteral("Voulez-vous sauvegarder vos donnees ?"));
            return;
        }
        const int recus = LignesFichier(Dossier("/") + sauvegardes.first());
        if (cas == QLatin1String("sauve")) {
            QCOMPARE(message.size(), 1);
            QCOMPARE(lignes, 100);
            QCOMPARE(finPbar.count(), 0);
        } else {
            QCOMPARE(message.size(), 3);
            QCOMPARE(message.at(1), QStringLiteral("Les %1 mesures reçues sont conservées dans %2.")
                                        .arg(recus)
                                        .arg(Dossier("/") + Sauvegardes(".ail").first()));
            QCOMPARE(message.at(2), QStringLiteral("Voulez-vous sauvegarder vos donnees ?"));
            QCOMPARE(lignes, 0);
        }
        if (cas == QLatin1String("complet")) {
            QCOMPARE(recus, 100);
        } else if (interrompu) {
            // Every point read before the loss is in the backup, written at the loss.
            QVERIFY(nomAuto.isEmpty());
            QVERIFY(recus > 0 && recus <= 30);
            QCOMPARE(finPbar.count(), 1); // the progress bar goes with the logger
        }
        QCOMPARE(int(Courbe(0)->dataSize()), lignes);
        QVERIFY(!Fenetre->SerieCourante());
        QVERIFY(!Fenetre->Port());
        QVERIFY(Fenetre->Series().isEmpty());
        QCOMPARE(Fenetre->Etat(), enm_ETAT_MESURE::AucunAppareil);
        QCOMPARE(Pages()->currentWidget(), Page("pgAppareil"));
        QVERIFY(!Bouton("btnSave")->isEnabled());
        QVERIFY(!Bouton("btnTelecharger")->isEnabled());
        QVERIFY(!PageActive("pgProg"));
        // The header and the device page say that no logger is there.
        QCOMPARE(Etiquette("lblID")->text(), QStringLiteral("Aucun enregistreur sélectionné"));
        QVERIFY(Etiquette("lblPoint")->text().isEmpty());
        QVERIFY(Etiquette("lblPeriodeSuffixe")->isHidden());
        QVERIFY(!Etiquette("lblAucunAppareil")->isHidden());
    }

    // A logger that falls silent part-way through a download, its port still
    // open: 5 s later the download ends as interrupted, its points backed up and
    // the user told as for a loss. The logger and its points stay, to be saved
    // or downloaded again.
    void telechargementMuet()
    {
        // I, M, Q, the header and 30 data lines, then nothing.
        Simulateur* sim = Brancher({"--id", "MUET", "--points", "200", "--silent-after", "34"});
        QVERIFY(sim);
        Ouvrir();
        QTRY_VERIFY_WITH_TIMEOUT(Bouton("btnTelecharger")->isEnabled(), Attente);
        QSignalSpy finPbar(Fenetre, &frmMesure::SIGNAL_StopPbar);
        QTest::mouseClick(Bouton("btnTelecharger"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(Utilisateur().Demandes.size(), 1, Attente);

        const clsSerie* s = Fenetre->SerieCourante();
        QVERIFY(s);
        QCOMPARE(s->NbrePoints, 30);
        QCOMPARE(finPbar.count(), 1);
        QCOMPARE(Sauvegardes(".ail"), QStringList{s->NomAuto + ".ail"});
        QCOMPARE(LignesFichier(Dossier("/") + s->NomAuto + ".txt"), 30);
        QCOMPARE(Utilisateur().Journal().first(),
                 QStringLiteral("avertissement|MUET|Perte de connexion avec l'appareil\n"
                                "Les 30 mesures reçues sont conservées dans %1.")
                     .arg(Dossier("/") + s->NomAuto + ".ail"));
        QCOMPARE(Fenetre->Etat(), enm_ETAT_MESURE::Donnees);
        QCOMPARE(Table("tabData")->rowCount(), 30);
        QCOMPARE(Graphe()->axisInterval(QwtPlot::xBottom).maxValue(),
                 double(s->Infos.DateDebut + 29 * s->Infos.Frequence));
        QVERIFY(Bouton("btnSave")->isEnabled());
        QVERIFY(Bouton("btnTelecharger")->isEnabled());
        QVERIFY(PageActive("pgProg"));
        QCOMPARE(Appareils().size(), 1);
        QVERIFY(Fenetre->Port()->isOpen());
    }

    void departsEtArrivees()
    {
        Simulateur* a = Brancher({"--id", "AAA"});
        Simulateur* b = Brancher({"--id", "BBB"});
        QVERIFY(a && b);
        Ouvrir();
        QCOMPARE(Appareils().size(), 2);

        // A logger that is not selected vanishes silently at the next tick; the
        // only one left is then selected.
        QVERIFY(b->Arreter());
        QTRY_COMPARE_WITH_TIMEOUT(Appareils().size(), 1, Attente);
        QCOMPARE(Appareils().first()->text(), QStringLiteral("AAA"));
        QTRY_VERIFY_WITH_TIMEOUT(Appareils().first()->isChecked(), Attente);
        QTRY_COMPARE_WITH_TIMEOUT(Compter(a, "Q"), 1, Attente);
        QCOMPARE(Fenetre->SerieCourante()->Infos.ID, QStringLiteral("AAA"));

        // One plugged in gets its button; the selection stays.
        Simulateur* c = Brancher({"--id", "CCC", "--model", "71246"});
        QVERIFY(c);
        QTRY_COMPARE_WITH_TIMEOUT(Appareils().size(), 2, Attente);
        QCOMPARE(Appareils().at(1)->text(), QStringLiteral("CCC"));
        QVERIFY(!Appareils().at(1)->isChecked());
        QCOMPARE(Fenetre->SerieCourante()->Infos.ID, QStringLiteral("AAA"));
        QCOMPARE(Fenetre->Series().last()->Infos.Appareil, 3);
        // The spacer stays below the buttons.
        auto* lay = Objet<QVBoxLayout>("layAppareil");
        QVERIFY(lay->itemAt(lay->count() - 1)->spacerItem());
        QVERIFY(Utilisateur().Demandes.isEmpty());
    }

    // While a command of the window waits for its reply (here "Q" of a logger
    // that does not answer it: one second), the watch ticks are skipped: a logger
    // plugged in meanwhile is probed only afterwards.
    void tickPendantUneCommande()
    {
        Simulateur* a = Brancher({"--id", "MUET", "--no-reply", "Q"});
        Simulateur* b = Brancher({"--id", "BBB"});
        QVERIFY(a && b);
        Ouvrir();
        QCOMPARE(Appareils().size(), 2);
        Simulateur* c = Brancher({"--id", "CCC"});
        QVERIFY(c);
        QTest::mouseClick(Appareils().at(0), Qt::LeftButton); // returns after the 1 s wait for ">"
        QCOMPARE(Compter(a, "Q"), 1);
        QVERIFY(c->LignesRecues().isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(Appareils().size(), 3, Attente);
    }

    // A port another program holds, or whose device never answers: the user is
    // told once, until the port is free or answers (the logger then gets its
    // button) or goes.
    void portSansAppareil_data()
    {
        QTest::addColumn<bool>("muet");
        QTest::addColumn<bool>("libere");
        QTest::newRow("held, then released") << false << true;
        QTest::newRow("held, then unplugged") << false << false;
        QTest::newRow("silent, then unplugged") << true << false;
    }
    void portSansAppareil()
    {
        QFETCH(bool, muet);
        QFETCH(bool, libere);
        Simulateur* sim = Brancher(muet ? QStringList{"--id", "MUET", "--no-reply", "I"}
                                        : QStringList{"--id", "BUSY"});
        QVERIFY(sim);
        QSerialPort autre(sim->Lien());
        if (!muet)
            QVERIFY(autre.open(QIODevice::ReadWrite));
        // Closed at once when the simulator goes (Qt would report the loss in a busy loop).
        connect(&autre, &QSerialPort::errorOccurred, &autre,
                [&autre](QSerialPort::SerialPortError e) {
                    if (e == QSerialPort::ReadError || e == QSerialPort::ResourceError)
                        autre.close();
                });
        Ouvrir();
        QVERIFY(Appareils().isEmpty());
        QVERIFY(!Etiquette("lblAucunAppareil")->isHidden());
        const QString texte =
            muet
                ? QStringLiteral("Aucune réponse de l'appareil sur le port %1.").arg(sim->Lien())
                : QStringLiteral("Le port %1 est utilise par un autre programme.").arg(sim->Lien());
        QTRY_COMPARE_WITH_TIMEOUT(Etiquette("lblAccesPort")->text(), texte, Attente);
        QVERIFY(!Etiquette("lblAccesPort")->isHidden());
        if (libere) {
            autre.close();
            QTRY_COMPARE_WITH_TIMEOUT(Appareils().size(), 1, Attente);
            QVERIFY(Etiquette("lblAucunAppareil")->isHidden());
        } else {
            QVERIFY(sim->Arreter());
        }
        QTRY_VERIFY_WITH_TIMEOUT(Etiquette("lblAccesPort")->isHidden(), Attente);
        QVERIFY(Etiquette("lblAccesPort")->text().isEmpty());
    }

    // A device node this user may not open. Root opens anything: skipped then.
    void permissionRefusee()
    {
        if (::geteuid() == 0)
            QSKIP("root bypasses the permissions of device nodes");
        Simulateur* sim = Brancher({"--id", "DENY"});
        QVERIFY(sim);
        const QString noeud = QFileInfo(sim->Lien()).canonicalFilePath();
        QVERIFY(::chmod(QFile::encodeName(noeud).constData(), 0) == 0);
        Ouvrir();
        QVERIFY(Appareils().isEmpty());
        // No group may open a node of mode 000: the advice is the udev rule.
        QCOMPARE(Etiquette("lblAccesPort")->text(),
                 QStringLiteral("Accès refusé au port %1 : votre utilisateur ne peut pas "
                                "l'ouvrir. Installez la règle udev de Vorsen Logger pour "
                                "l'adaptateur des enregistreurs (voir le manuel), puis "
                                "rebranchez-le.")
                     .arg(sim->Lien()));
        QVERIFY(sim->Arreter());
        QTRY_VERIFY_WITH_TIMEOUT(Etiquette("lblAccesPort")->isHidden(), Attente);
    }

    // A language change reaches the tables' dates and decimal marks and the time
    // axis. The main window sets the default locale with the language.
    void changementDeLangue()
    {
        const auto retour = qScopeGuard([avant = QLocale()] { QLocale::setDefault(avant); });
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        QVERIFY(Brancher({"--id", "LNG", "--points", "6", "--start", "2026-01-10T08:00:00"}));
        Ouvrir(FRANCAIS);
        QVERIFY(Telecharger());
        // The first row's date, time and temperature, and the mean temperature.
        const auto textes = [this] {
            return QStringList{
                Table("tabData")->item(0, 1)->text(), Table("tabData")->item(0, 2)->text(),
                Table("tabData")->item(0, 3)->text(), Table("tabStat")->item(1, 0)->text()};
        };
        QCOMPARE(textes(), (QStringList{"10/01/2026", "08:00:00", "19,3 °C", "19,6 °C"}));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        ChangerLangue(ANGLAIS);
        // Rows already in the table follow the new language.
        QCOMPARE(textes(), (QStringList{"01/10/2026", "8:00:00 AM", "19.3 °C", "19.6 °C"}));
        QCOMPARE(Table("tabData")->m_Langue, ANGLAIS);
        QCOMPARE(Table("tabStat")->m_Langue, ANGLAIS);
        const QDateTime instant(QDate(2026, 3, 4), QTime(15, 6, 7));
        // English times on the axis (with or without seconds, as its step asks).
        const QString heure = Graphe()
                                  ->axisScaleDraw(QwtPlot::xBottom)
                                  ->label(instant.toSecsSinceEpoch())
                                  .text()
                                  .section(QLatin1Char('\n'), 0, 0);
        QVERIFY2(heure.startsWith(QLatin1String("3:06")) && heure.endsWith(QLatin1String(" PM")),
                 qPrintable(heure));
        QCOMPARE(Etiquette("lblCapteur")->text(), QStringLiteral("(Temperature et humidite)"));
    }

    void destructionEcritLeDossier()
    {
        Ouvrir();
        CheminDatas = QStringLiteral("/tmp/donnees-mesure");
        delete Fenetre;
        QCOMPARE(ClesReglages::LireCheminDatas(), QStringLiteral("/tmp/donnees-mesure"));
    }
};

VORSEN_TEST_MAIN(tst_frmMesure, Fenetres)
#include "tst_frmMesure.moc"
