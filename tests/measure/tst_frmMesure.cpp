// The measurement window against simulated loggers, through the real serial
// port: loggers found at start-up, chosen, downloaded, followed in real time,
// unplugged and plugged in while it watches.
#include "CPortSerie.h"
#include "ClesReglages.h"
#include "CurveData.h"
#include "EtatMesure.h"
#include "Hote.h"
#include "IFormatsDate.h"
#include "IntervalleMesures.h"
#include "Simulateur.h"
#include "clsSerie.h"
#include "frmMesure.h"
#include "prmBoutonAppareil.h"
#include "prmTableWidget.h"
#include "ressources.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSerialPort>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>
#include <QToolBox>
#include <QToolButton>
#include <QVBoxLayout>

#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_marker.h>
#include <qwt_scale_draw.h>
#include <qwt_wheel.h>

#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

// Generous waits: the machine is shared and slow.
constexpr int Attente = 20000;

// Answers message boxes as a user would, from a repeating timer (a modal box
// blocks in its own loop), and logs "title|text" of each.
class Repondeur : public QObject
{
public:
    explicit Repondeur(QMessageBox::StandardButton reponse) : m_Reponse(reponse)
    {
        connect(&m_Timer, &QTimer::timeout, this, [this] {
            auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!boite || !boite->isVisible())
                return;
            Vus << boite->windowTitle() + QLatin1Char('|') + boite->text();
            QAbstractButton* bouton = boite->button(m_Reponse);
            if (!bouton)
                bouton = boite->button(QMessageBox::Ok);
            if (bouton)
                bouton->click();
        });
        m_Timer.start(50);
    }
    QStringList Vus;

private:
    QMessageBox::StandardButton m_Reponse;
    QTimer m_Timer;
};

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

class tst_frmMesure : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Hote> m_Hote;
    frmMesure* m_Fenetre = nullptr;
    QString m_CheminDatas;
    QList<Simulateur*> m_Sims;

    // The window's widgets, by object name.
    template <class T> T* Objet(const char* nom) const
    {
        T* objet = m_Fenetre->findChild<T*>(QLatin1String(nom));
        if (!objet)
            qFatal("no %s in the window", nom);
        return objet;
    }
    QToolButton* Bouton(const char* nom) const { return Objet<QToolButton>(nom); }
    QLabel* Etiquette(const char* nom) const { return Objet<QLabel>(nom); }
    prmTableWidget* Table(const char* nom) const { return Objet<prmTableWidget>(nom); }
    QToolBox* Pages() const { return Objet<QToolBox>("tbxActions"); }
    QWidget* Page(const char* nom) const { return Objet<QWidget>(nom); }
    bool PageActive(const char* nom) const
    {
        return Pages()->isItemEnabled(Pages()->indexOf(Page(nom)));
    }
    QwtPlot* Graphe() const { return Objet<QwtPlot>("m_qPlot"); }

    // A simulated logger, reachable through the window's port list.
    Simulateur* Brancher(const QStringList& options)
    {
        auto* sim = new Simulateur(this);
        if (!sim->Demarrer(options)) {
            qWarning("%s", qPrintable(sim->Erreur()));
            delete sim;
            return nullptr;
        }
        CPortSerie::AjouterPortsManuels({sim->Lien()});
        m_Sims << sim;
        return sim;
    }

    void Ouvrir(enm_LANGUE langue = FRANCAIS)
    {
        m_Hote.reset(new Hote(langue));
        m_Fenetre = new frmMesure(m_Hote.get(), &m_CheminDatas);
        m_Hote->layout()->addWidget(m_Fenetre);
        m_Hote->show();
        m_Fenetre->Rechercher();
    }

    QList<prmBoutonAppareil*> Boutons() const
    {
        return m_Fenetre->findChildren<prmBoutonAppareil*>();
    }
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

    // Downloads the selected logger and waits for its last point.
    bool Telecharger()
    {
        QSignalSpy fin(m_Fenetre, &frmMesure::SIGNAL_StopPbar);
        QTest::mouseClick(Bouton("btnTelecharger"), Qt::LeftButton);
        return fin.wait(Attente) || fin.count() > 0;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(Simulateur::Disponible(), qPrintable(Simulateur::Programme()));
        initRessources();
    }

    void init()
    {
        QDir(Dossier(QString())).removeRecursively();
        QFile::remove(Dossier(QString())); // a test's file in the folder's place
        m_CheminDatas = QDir::homePath();
        CPortSerie::ViderPortsManuels();
    }

    void cleanup()
    {
        delete m_Fenetre;
        m_Fenetre = nullptr;
        m_Hote.reset();
        qDeleteAll(m_Sims);
        m_Sims.clear();
        CPortSerie::ViderPortsManuels();
        // Ports released with deleteLater.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void unAppareilChoisiSansClic()
    {
        Simulateur* sim = Brancher({"--id", "LOG1", "--points", "200", "--sensors", "3"});
        QVERIFY(sim);
        Ouvrir();
        QCOMPARE(Boutons().size(), 1);
        QVERIFY(Boutons().first()->isChecked());
        QCOMPARE(Boutons().first()->text(), QStringLiteral("LOG1"));
        QVERIFY(m_Fenetre->Port() && m_Fenetre->Port()->isOpen());
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
        QCOMPARE(Boutons().size(), 2);
        QVERIFY(!Boutons().at(0)->isChecked() && !Boutons().at(1)->isChecked());
        QVERIFY(!m_Fenetre->SerieCourante());
        QVERIFY(!m_Fenetre->Port());
        QCOMPARE(Pages()->currentWidget(), Page("pgAppareil"));
        QVERIFY(!PageActive("pgProg"));

        prmBoutonAppareil* boutonB = Boutons().at(1);
        QCOMPARE(boutonB->text(), QStringLiteral("BBB"));
        QTest::mouseClick(boutonB, Qt::LeftButton);
        QVERIFY(boutonB->isChecked());
        QCOMPARE(Etiquette("lblID")->text(), QStringLiteral("BBB"));
        QCOMPARE(Pages()->currentWidget(), Page("pgAcquisition"));
        QTRY_COMPARE_WITH_TIMEOUT(Compter(b, "Q"), 1, Attente);
        QCOMPARE(Compter(a, "Q"), 0);

        // Clicking the selected logger again keeps its port as it is.
        CPortSerie* port = m_Fenetre->Port();
        QTest::mouseClick(boutonB, Qt::LeftButton);
        QVERIFY(boutonB->isChecked());
        QCOMPARE(m_Fenetre->Port(), port);
        QVERIFY(port->isOpen());

        // The other logger: the first port is released, the display cleared.
        QTest::mouseClick(Boutons().at(0), Qt::LeftButton);
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
        QTest::newRow("two sensors, 200 readings") << 3 << 200 << 1 << 100;
        QTest::newRow("stored real time becomes 1") << 3 << 130 << 2 << 65;
        QTest::newRow("temperature only") << 1 << 51 << 1 << 51;
        QTest::newRow("humidity only") << 2 << 49 << 3 << 49;
    }
    void telechargement()
    {
        QFETCH(int, capteurs);
        QFETCH(int, lectures);
        QFETCH(int, modeAvant);
        QFETCH(int, points);
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
        QVERIFY(m_Fenetre->SerieCourante());
        clsSerie* s = m_Fenetre->SerieCourante();
        s->Infos.Mode = modeAvant;
        QTRY_VERIFY_WITH_TIMEOUT(Bouton("btnTelecharger")->isEnabled(), Attente);

        QSignalSpy depart(m_Fenetre, &frmMesure::SIGNAL_StartPbar);
        QSignalSpy valeurs(m_Fenetre, &frmMesure::SIGNAL_SetPbarValue);
        QVERIFY(Telecharger());
        QCOMPARE(sim->LignesRecues().last(), QStringLiteral("D"));

        // Progress: started once for the expected count, one value per point.
        QCOMPARE(depart.count(), 1);
        QCOMPARE(depart.first().at(0).toString(), QStringLiteral("Telechargement en cours"));
        QCOMPARE(depart.first().at(1).toInt(), 0);
        QCOMPARE(depart.first().at(2).toInt(), points);
        QCOMPARE(valeurs.count(), points);
        QCOMPARE(valeurs.last().at(0).toInt(), points);
        QCOMPARE(m_Fenetre->Acquisition().Etat().NbreAttendus, points);
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
        QCOMPARE(tab->item(0, 1)->text(), debut.toString("dd/MM/yyyy"));
        QCOMPARE(tab->item(1, 2)->text(), debut.addSecs(frequence).toString("hh:mm:ss"));
        QCOMPARE(tab->item(points - 1, 3)->text(),
                 QString::number(s->Temperature.Valeurs.last() / 10.0, 'f', 1) +
                     QString::fromUtf8(" °C"));
        QCOMPARE(tab->item(points - 1, 4)->text(),
                 QString::number(s->Humidite.Valeurs.last() / 10.0, 'f', 1) + " %");
        QCOMPARE(Table("tabStat")->item(0, 0)->text(), QString::number(points));
        QCOMPARE(Table("tabStat")->item(3, 0)->text(),
                 QString::number(s->Temperature.Minimum / 10.0, 'f', 1) + QString::fromUtf8(" °C"));
        QCOMPARE(Table("tabStat")->item(5, 1)->text(),
                 QString::number((s->Humidite.Maximum - s->Humidite.Minimum) / 10.0, 'f', 1) +
                     " %");
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
        QVERIFY((m_Fenetre->Etat() != enm_ETAT_MESURE::Telechargement));
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
        const QString premiere = m_Fenetre->SerieCourante()->NomAuto;
        QVERIFY(Telecharger());
        // A second download replaces the first on screen, not in its backup.
        QCOMPARE(m_Fenetre->SerieCourante()->NbrePoints, 30);
        QCOMPARE(Table("tabData")->rowCount(), 30);
        QCOMPARE(int(Courbe(0)->dataSize()), 30);
        QCOMPARE(Sauvegardes(".ail").size(), 2);
        QVERIFY(m_Fenetre->SerieCourante()->NomAuto != premiere);
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
        QTest::mouseClick(Boutons().at(0), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(Bouton("btnTelecharger")->isEnabled(), Attente);
        QSignalSpy depart(m_Fenetre, &frmMesure::SIGNAL_StartPbar);
        QSignalSpy fin(m_Fenetre, &frmMesure::SIGNAL_StopPbar);
        QTest::mouseClick(Bouton("btnTelecharger"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(Table("tabData")->rowCount() >= 10, Attente);
        QCOMPARE(depart.count(), 1);
        QCOMPARE(fin.count(), 0);

        QTest::mouseClick(Boutons().at(1), Qt::LeftButton);
        QCOMPARE(fin.count(), 1);
        QVERIFY((m_Fenetre->Etat() != enm_ETAT_MESURE::Telechargement));
        QCOMPARE(Etiquette("lblID")->text(), QStringLiteral("BBB"));
        QCOMPARE(Table("tabData")->rowCount(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(Bouton("btnTelecharger")->isEnabled(), Attente);
        QVERIFY(Telecharger());
        QCOMPARE(m_Fenetre->SerieCourante()->NbrePoints, 20);
        QCOMPARE(Table("tabData")->rowCount(), 20);

        const clsSerie* serieA = m_Fenetre->Series().at(0);
        const int recus = serieA->NbrePoints;
        QVERIFY(recus >= 10 && recus < 2000);
        QVERIFY(!serieA->NomAuto.isEmpty());
        QCOMPARE(LignesFichier(Dossier("/") + serieA->NomAuto + ".txt"), recus);
        for (int i : {0, 1}) {
            QTest::mouseClick(Boutons().at(i), Qt::LeftButton);
            const int n = i == 0 ? recus : 20;
            QCOMPARE(Table("tabData")->rowCount(), n);
            QCOMPARE(int(Courbe(0)->dataSize()), n);
            QCOMPARE(Table("tabStat")->item(0, 0)->text(), QString::number(n));
            QCOMPARE(Table("tabData")->item(n - 1, 0)->text(), QString::number(n));
            QTRY_VERIFY_WITH_TIMEOUT(Bouton("btnTelecharger")->isEnabled(), Attente);
            QVERIFY(Bouton("btnSave")->isEnabled());
            QCOMPARE(m_Fenetre->Etat(), enm_ETAT_MESURE::Donnees);
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
        QSignalSpy perte(m_Fenetre, &frmMesure::SIGNAL_PerteConnexion);
        QSignalSpy finPbar(m_Fenetre, &frmMesure::SIGNAL_StopPbar);
        Repondeur repondeur(QMessageBox::No);
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
                QSignalSpy message(m_Fenetre, &frmMesure::SIGNAL_Message);
                QVERIFY(Telecharger());
                QCOMPARE(message.count(), 1);
            }
            QVERIFY(Bouton("btnSave")->isEnabled());
            if (cas == QLatin1String("sauve")) // as the save would: every point saved
                m_Fenetre->SerieCourante()->NbrePointsSauves =
                    m_Fenetre->SerieCourante()->NbrePoints;
            finPbar.clear();
            m_Fenetre->Port()->QuitOnLine(); // the last line before the unplug
        }
        const QString nomAuto = m_Fenetre->SerieCourante()->NomAuto;

        QTRY_COMPARE_WITH_TIMEOUT(perte.count(), 1, Attente);
        QTRY_COMPARE_WITH_TIMEOUT(repondeur.Vus.size(), 1, Attente);
        QTRY_VERIFY_WITH_TIMEOUT(Boutons().isEmpty(), Attente);
        const int lignes = Table("tabData")->rowCount();
        QStringList sauvegardes = Sauvegardes(".txt");
        QCOMPARE(sauvegardes.size(), bloque ? 0 : 1);
        // Unsaved readings: the user is told where their backup is, then asked.
        const QStringList message = repondeur.Vus.first().split(QLatin1Char('\n'));
        QCOMPARE(message.at(0), QStringLiteral("LOST|Perte de connexion avec l'appareil"));
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
        QVERIFY(!m_Fenetre->SerieCourante());
        QVERIFY(!m_Fenetre->Port());
        QVERIFY(m_Fenetre->Series().isEmpty());
        QCOMPARE(m_Fenetre->Etat(), enm_ETAT_MESURE::AucunAppareil);
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
        Repondeur repondeur(QMessageBox::Ok);
        QSignalSpy finPbar(m_Fenetre, &frmMesure::SIGNAL_StopPbar);
        QTest::mouseClick(Bouton("btnTelecharger"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(repondeur.Vus.size(), 1, Attente);

        const clsSerie* s = m_Fenetre->SerieCourante();
        QVERIFY(s);
        QCOMPARE(s->NbrePoints, 30);
        QCOMPARE(finPbar.count(), 1);
        QCOMPARE(Sauvegardes(".ail"), QStringList{s->NomAuto + ".ail"});
        QCOMPARE(LignesFichier(Dossier("/") + s->NomAuto + ".txt"), 30);
        QCOMPARE(repondeur.Vus.first(),
                 QStringLiteral("MUET|Perte de connexion avec l'appareil\n"
                                "Les 30 mesures reçues sont conservées dans %1.")
                     .arg(Dossier("/") + s->NomAuto + ".ail"));
        QCOMPARE(m_Fenetre->Etat(), enm_ETAT_MESURE::Donnees);
        QCOMPARE(Table("tabData")->rowCount(), 30);
        QCOMPARE(Graphe()->axisInterval(QwtPlot::xBottom).maxValue(),
                 double(s->Infos.DateDebut + 29 * s->Infos.Frequence));
        QVERIFY(Bouton("btnSave")->isEnabled());
        QVERIFY(Bouton("btnTelecharger")->isEnabled());
        QVERIFY(PageActive("pgProg"));
        QCOMPARE(Boutons().size(), 1);
        QVERIFY(m_Fenetre->Port()->isOpen());
    }

    void departsEtArrivees()
    {
        Simulateur* a = Brancher({"--id", "AAA"});
        Simulateur* b = Brancher({"--id", "BBB"});
        QVERIFY(a && b);
        Ouvrir();
        QCOMPARE(Boutons().size(), 2);
        Repondeur repondeur(QMessageBox::Ok);

        // A logger that is not selected vanishes silently at the next tick; the
        // only one left is then selected.
        QVERIFY(b->Arreter());
        QTRY_COMPARE_WITH_TIMEOUT(Boutons().size(), 1, Attente);
        QCOMPARE(Boutons().first()->text(), QStringLiteral("AAA"));
        QTRY_VERIFY_WITH_TIMEOUT(Boutons().first()->isChecked(), Attente);
        QTRY_COMPARE_WITH_TIMEOUT(Compter(a, "Q"), 1, Attente);
        QCOMPARE(m_Fenetre->SerieCourante()->Infos.ID, QStringLiteral("AAA"));

        // One plugged in gets its button; the selection stays.
        Simulateur* c = Brancher({"--id", "CCC", "--model", "71246"});
        QVERIFY(c);
        QTRY_COMPARE_WITH_TIMEOUT(Boutons().size(), 2, Attente);
        QCOMPARE(Boutons().at(1)->text(), QStringLiteral("CCC"));
        QVERIFY(!Boutons().at(1)->isChecked());
        QCOMPARE(m_Fenetre->SerieCourante()->Infos.ID, QStringLiteral("AAA"));
        QCOMPARE(m_Fenetre->Series().last()->Infos.Appareil, 3);
        // The spacer stays below the buttons.
        auto* lay = Objet<QVBoxLayout>("layAppareil");
        QVERIFY(lay->itemAt(lay->count() - 1)->spacerItem());
        QVERIFY(repondeur.Vus.isEmpty());
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
        QCOMPARE(Boutons().size(), 2);
        Simulateur* c = Brancher({"--id", "CCC"});
        QVERIFY(c);
        QTest::mouseClick(Boutons().at(0), Qt::LeftButton); // returns after the 1 s wait for ">"
        QCOMPARE(Compter(a, "Q"), 1);
        QVERIFY(c->LignesRecues().isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(Boutons().size(), 3, Attente);
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
        QVERIFY(Boutons().isEmpty());
        QVERIFY(!Etiquette("lblAucunAppareil")->isHidden());
        const QString texte =
            muet
                ? QStringLiteral("Aucune réponse de l'appareil sur le port %1.").arg(sim->Lien())
                : QStringLiteral("Le port %1 est utilise par un autre programme.").arg(sim->Lien());
        QTRY_COMPARE_WITH_TIMEOUT(Etiquette("lblAccesPort")->text(), texte, Attente);
        QVERIFY(!Etiquette("lblAccesPort")->isHidden());
        if (libere) {
            autre.close();
            QTRY_COMPARE_WITH_TIMEOUT(Boutons().size(), 1, Attente);
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
        QVERIFY(Boutons().isEmpty());
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
        QVERIFY(Brancher({"--id", "LNG", "--points", "6"}));
        Ouvrir(FRANCAIS);
        QVERIFY(Telecharger());
        QCOMPARE(Table("tabData")->item(0, 1)->text().mid(2, 1), QStringLiteral("/"));
        const QRegularExpression virgule(QStringLiteral("^-?\\d+,\\d \u00B0C$"));
        QVERIFY(virgule.match(Table("tabData")->item(0, 3)->text()).hasMatch());
        QVERIFY(Table("tabStat")->item(1, 0)->text().contains(QLatin1Char(',')));
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        m_Hote->m_Langue = ANGLAIS;
        m_Fenetre->MajLangue(ANGLAIS);
        QCOMPARE(Table("tabData")->item(0, 3)->text(),
                 QString::number(m_Fenetre->SerieCourante()->Temperature.Valeurs.first() / 10.0,
                                 'f', 1) +
                     QStringLiteral(" \u00B0C"));
        QVERIFY(Table("tabStat")->item(1, 0)->text().contains(QLatin1Char('.')));
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
        // Rows already in the table follow the new language.
        const QDateTime premier =
            QDateTime::fromSecsSinceEpoch(m_Fenetre->SerieCourante()->Temps.Valeurs.first());
        QCOMPARE(Table("tabData")->item(0, 1)->text(), premier.toString("MM/dd/yyyy"));
        QCOMPARE(Table("tabData")->item(0, 2)->text(), premier.toString("h:mm:ss AP"));
    }

    void destructionEcritLeDossier()
    {
        Ouvrir();
        m_CheminDatas = QStringLiteral("/tmp/donnees-mesure");
        delete m_Fenetre;
        m_Fenetre = nullptr;
        QCOMPARE(ClesReglages::LireCheminDatas(), QStringLiteral("/tmp/donnees-mesure"));
    }
};

int main(int argc, char** argv)
{
    // Settings, backups (home folder) and files of this run stay in temporary places.
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir maison;
    qputenv("HOME", QFile::encodeName(maison.path()));
    QApplication app(argc, argv);
    app.setOrganizationName(QStringLiteral("Vorsen"));
    app.setApplicationName(QStringLiteral("Vorsen_Logger_tst_frmMesure"));
    tst_frmMesure tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "tst_frmMesure.moc"
