// The measurement window's programming buttons and its save, against simulated
// loggers through the real serial port: the dialogs, the save dialog and its
// file dialog are answered by the scripted user.
#include "BancMesure.h"
#include "CPortSerie.h"
#include "Environnement.h"
#include "Simulateur.h"
#include "clsSerie.h"
#include "diaAlarmes.h"
#include "diaNewID.h"
#include "diaParam.h"
#include "prmBoutonAppareil.h"
#include "prmTableWidget.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimeEdit>
#include <QToolButton>
#include <QTranslator>
#include <QUrl>

#include <memory>

namespace
{

// The parameters dialog opened, and its programming done.
const QStringList Programme{"diaParam|PARAMETRAGE|",
                            "information|PARAMETRAGE|Programmation effectuee"};

template <class T> T* Enfant(QWidget* parent, const char* nom)
{
    T* enfant = parent->findChild<T*>(QLatin1String(nom));
    if (!enfant)
        qFatal("no %s in %s", nom, parent->metaObject()->className());
    return enfant;
}

// Fills the parameters dialog as a user would and presses "Programmer".
void Programmer(QDialog* dialogue, const char* mode, int milliers, int periode)
{
    Enfant<QRadioButton>(dialogue, mode)->click();
    if (qstrcmp(mode, "radModeProgram") != 0) {
        Enfant<QSpinBox>(dialogue, "spiPoints")->setValue(milliers);
        Enfant<QTimeEdit>(dialogue, "timPeriode")->setTime(QTime(0, 0).addSecs(periode));
    } else {
        // Start and end together, an hour from now: a start in the past is refused.
        const QDateTime debut = QDateTime::currentDateTime().addSecs(3600);
        Enfant<QDateTimeEdit>(dialogue, "datProgDebut")->setDateTime(debut);
        Enfant<QDateTimeEdit>(dialogue, "datProgFin")->setDateTime(debut);
    }
    Enfant<QToolButton>(dialogue, "btnProgrammer")->click();
}

// Answers the save dialog: comment, export options, then "Enregistrer".
void Enregistrer(QDialog* dialogue, const QString& commentaire, bool exporter, bool ouvrir,
                 bool csv = false, bool utc = false)
{
    Enfant<QTextEdit>(dialogue, "txtCommentaire")->setPlainText(commentaire);
    Enfant<QCheckBox>(dialogue, "chkExcel")->setChecked(exporter);
    Enfant<QCheckBox>(dialogue, "chkOpenXls")->setChecked(ouvrir);
    Enfant<QCheckBox>(dialogue, "chkCsv")->setChecked(csv);
    Enfant<QCheckBox>(dialogue, "chkCsvUtc")->setChecked(utc);
    Enfant<QToolButton>(dialogue, "btnSave")->click();
}

int LignesFichier(const QString& chemin)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    return f.readAll().count('\n');
}

// Stands for the desktop: notes the files it is asked to open.
class Bureau : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> Ouverts;

public slots:
    void Ouvrir(const QUrl& url) { Ouverts << url; }
};

} // namespace

class tst_ProgSauvegarde : public QObject, public BancMesure
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_Dossier;

    QString Texte(const char* etiquette) const { return Etiquette(etiquette)->text(); }
    QString Chemin(const QString& nom) const { return m_Dossier->filePath(nom); }
    QStringList Sauvegardes() const
    {
        return QDir(QDir::homePath() + QStringLiteral("/Vorsen_Logger"))
            .entryList({QStringLiteral("*.ail"), QStringLiteral("*.txt")}, QDir::Files);
    }

    // The window with its only logger selected and answering.
    bool OuvrirAvec(const Simulateur* sim)
    {
        Ouvrir();
        if (!Fenetre->SerieCourante())
            return false;
        // "Q" answered: the port is free for the buttons.
        return QTest::qWaitFor([sim] { return sim->LignesRecues().contains("Q"); }, Attente);
    }

    int Compter(const Simulateur* sim, const QString& ligne) const
    {
        return sim->LignesRecues().count(ligne);
    }

private slots:
    void initTestCase() { QVERIFY2(Simulateur::Disponible(), qPrintable(Simulateur::Programme())); }

    void init()
    {
        QDir(QDir::homePath() + QStringLiteral("/Vorsen_Logger")).removeRecursively();
        m_Dossier = std::make_unique<QTemporaryDir>();
        QVERIFY(m_Dossier->isValid());
        QVERIFY(QDir(m_Dossier->path()).mkpath(QStringLiteral("donnees")));
        CheminDatas = Chemin(QStringLiteral("donnees"));
    }

    void cleanup()
    {
        Vider();
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    }

    // After an accepted parameters dialog the logger is read back, three times
    // at most: the logger answers its probe's "M", then fails the next ones.
    void relecture_data()
    {
        QTest::addColumn<int>("echecs");
        QTest::addColumn<bool>("relu");
        QTest::newRow("third read used") << 2 << true;
        QTest::newRow("three failures change nothing") << 3 << false;
    }
    void relecture()
    {
        QFETCH(int, echecs);
        QFETCH(bool, relu);
        Simulateur* sim = Brancher({"--id", "RB", "--points", "0", "--period", "60", "--fail-after",
                                    "M:1", "--fail-first", QStringLiteral("M:%1").arg(echecs)});
        QVERIFY(sim);
        QVERIFY(OuvrirAvec(sim));
        clsSerie* s = Fenetre->SerieCourante();

        Utilisateur().Scripts["diaParam"] = [](QDialog* d) {
            Programmer(d, "radModeImmediat", 8, 10);
        };
        QTest::mouseClick(Bouton("btnProgParam"), Qt::LeftButton);
        QCOMPARE(Utilisateur().Journal(), Programme);
        QVERIFY(sim->LignesRecues().contains("S 10 M 1 8 3"));
        QCOMPARE(Compter(sim, "M"), 4);

        if (relu) {
            // 8000 readings of two sensors every 10 s.
            QCOMPARE(Texte("lblPoint"), QStringLiteral("4000"));
            QCOMPARE(Texte("lblPeriode"), QStringLiteral("10"));
            QCOMPARE(s->NbrePoints, 4000);
            QCOMPARE(s->Infos.Frequence, 10);
            QCOMPARE(s->Infos.Mode, 1);
        } else {
            QCOMPARE(Texte("lblPoint"), QStringLiteral("0"));
            QCOMPARE(Texte("lblPeriode"), QStringLiteral("60"));
            QCOMPARE(s->NbrePoints, 0);
            QCOMPARE(s->Infos.Frequence, 60);
        }
        QCOMPARE(Texte("lblCapteur"), QStringLiteral("(Temperature et humidite)"));
    }

    // Programming erases the logger's memory: readings it holds that were never
    // downloaded are asked about first, and No sends nothing.
    void programmerAvecMesures_data()
    {
        QTest::addColumn<bool>("telecharger");
        QTest::addColumn<int>("reponse"); // QMessageBox::StandardButton
        QTest::addColumn<bool>("question");
        QTest::addColumn<bool>("envoye");
        QTest::newRow("not downloaded, No") << false << int(QMessageBox::No) << true << false;
        QTest::newRow("not downloaded, Yes") << false << int(QMessageBox::Yes) << true << true;
        QTest::newRow("downloaded first") << true << int(QMessageBox::No) << false << true;
    }
    void programmerAvecMesures()
    {
        QFETCH(bool, telecharger);
        QFETCH(int, reponse);
        QFETCH(bool, question);
        QFETCH(bool, envoye);
        Simulateur* sim = Brancher({"--id", "PLEIN", "--points", "120"});
        QVERIFY(sim);
        QVERIFY(OuvrirAvec(sim));
        if (telecharger)
            QVERIFY(Telecharger());

        Utilisateur().Boutons << QMessageBox::StandardButton(reponse);
        Utilisateur().Scripts["diaParam"] = [](QDialog* d) {
            Programmer(d, "radModeImmediat", 2, 30);
        };
        QTest::mouseClick(Bouton("btnProgParam"), Qt::LeftButton);
        QStringList vus = Programme.mid(0, 1);
        if (question)
            vus << QStringLiteral("question|PLEIN|L'enregistreur peut contenir 60 mesures qui "
                                  "n'ont pas été téléchargées. La programmation va les effacer. "
                                  "Continuer ?");
        if (envoye)
            vus << Programme.at(1);
        QCOMPARE(Utilisateur().Journal(), vus);
        QCOMPARE(sim->LignesRecues().contains("S 30 M 1 2 3"), envoye);
        // The old download is off the screen once the logger has a new recording.
        QCOMPARE(Table("tabData")->rowCount(), telecharger && !envoye ? 60 : 0);
    }

    // The kept parameters dialog shows each logger its own record: a
    // temperature-only 71246 at 30 s, then a two-sensor logger at 60 s.
    void dialogueParAppareil()
    {
        Simulateur* a = Brancher({"--id", "FROID", "--model", "71246", "--sensors", "1", "--period",
                                  "30", "--points", "0"});
        Simulateur* b =
            Brancher({"--id", "DEUX", "--sensors", "3", "--period", "60", "--points", "0"});
        QVERIFY(a && b);
        Ouvrir();
        const QList<prmBoutonAppareil*> boutons = Appareils();
        QCOMPARE(boutons.size(), 2);

        struct Vu {
            bool humi, humiPermis;
            int periode;
        };
        QList<Vu> vus;
        Utilisateur().Scripts["diaParam"] = [&vus](QDialog* d) {
            auto* humi = Enfant<QCheckBox>(d, "chkCapteurHumi");
            vus << Vu{humi->isChecked(), humi->isEnabled(),
                      QTime(0, 0).secsTo(Enfant<QTimeEdit>(d, "timPeriode")->time())};
        };
        const Simulateur* sims[2] = {a, b};
        int arrets[2] = {0, 0};
        for (int i : {0, 1, 0}) {
            QTest::mouseClick(boutons.at(i), Qt::LeftButton);
            const int arretsAttendus = ++arrets[i];
            QTRY_COMPARE_WITH_TIMEOUT(Compter(sims[i], "Q"), arretsAttendus, Attente);
            QTest::mouseClick(Bouton("btnProgParam"), Qt::LeftButton);
        }
        QCOMPARE(vus.size(), 3);
        QVERIFY(!vus.at(0).humi && !vus.at(0).humiPermis && vus.at(0).periode == 30);
        QVERIFY(vus.at(1).humi && vus.at(1).humiPermis && vus.at(1).periode == 60);
        QVERIFY(!vus.at(2).humi && !vus.at(2).humiPermis && vus.at(2).periode == 30);
    }

    // Any mode but real time: "Télécharger" shown and enabled, even for a logger
    // whose memory was empty.
    void autresModes_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("points");
        QTest::newRow("immediate") << "radModeImmediat" << 1 << 2000;
        QTest::newRow("manual start") << "radModeManuel" << 3 << 2000;
        // Start and end together: the dialog's count goes to its least, 1000.
        QTest::newRow("programmable") << "radModeProgram" << 4 << 1000;
        QTest::newRow("continuous") << "radModeContinu" << 5 << 2000;
    }
    void autresModes()
    {
        QFETCH(QString, mode);
        QFETCH(int, code);
        QFETCH(int, points);
        Simulateur* sim = Brancher({"--id", "MODE", "--points", "0", "--sensors", "1"});
        QVERIFY(sim);
        QVERIFY(OuvrirAvec(sim));
        QVERIFY(!Bouton("btnTelecharger")->isEnabled());

        const QByteArray nom = mode.toLatin1();
        Utilisateur().Scripts["diaParam"] = [&nom](QDialog* d) {
            Programmer(d, nom.constData(), 2, 30);
        };
        QTest::mouseClick(Bouton("btnProgParam"), Qt::LeftButton);
        QCOMPARE(Utilisateur().Journal(), Programme);
        clsSerie* s = Fenetre->SerieCourante();
        QCOMPARE(s->Infos.Mode, code);
        QVERIFY(!Bouton("btnTelecharger")->isHidden());
        QVERIFY(Bouton("btnTelecharger")->isEnabled());
        QVERIFY(Bouton("btnStop")->isHidden());
        // Temperature only, as the logger had it.
        QCOMPARE(s->Infos.Capteurs, 1);
        QCOMPARE(s->NbrePoints, points);
        QCOMPARE(Texte("lblPoint"), QString::number(points));
        QCOMPARE(Texte("lblCapteur"), QStringLiteral("(Temperature)"));

        // The dialog is kept and opened again for the next programming.
        QPointer<diaParam> premier = Fenetre->findChild<diaParam*>();
        Utilisateur().Boutons << QMessageBox::Yes; // the readings to come may be erased
        QTest::mouseClick(Bouton("btnProgParam"), Qt::LeftButton);
        QCOMPARE(Utilisateur().Journal().filter("diaParam|").size(), 2);
        QCOMPARE(Fenetre->findChild<diaParam*>(), premier.data());
        QCOMPARE(Fenetre->findChildren<diaParam*>().size(), 1);
    }

    // A dialog kept from before a language change opens in the new language.
    void dialogueSuitLaLangue()
    {
        Simulateur* sim = Brancher({"--id", "LANGUE"});
        QVERIFY(sim);
        QVERIFY(OuvrirAvec(sim));

        QTest::mouseClick(Bouton("btnProgParam"), Qt::LeftButton);

        QTranslator anglais;
        QVERIFY(anglais.load(QStringLiteral(":/i18n/Vorsen_Logger_en.qm")));
        qApp->installTranslator(&anglais);
        ChangerLangue(ANGLAIS);
        QTest::mouseClick(Bouton("btnProgParam"), Qt::LeftButton);
        qApp->removeTranslator(&anglais);

        QCOMPARE(Utilisateur().Journal(),
                 (QStringList{"diaParam|PARAMETRAGE|", "diaParam|SETTINGS|"}));
    }

    // Real time replaces the recording: the next reading the logger streams is
    // point 1, with its arrival time. Its backup, every 20 points, cannot be
    // written at first: said once in the status bar, tried again at each
    // backup, and the line goes when one is written.
    void tempsReel()
    {
        // A reading every 10 s of logger time, 20 ms of wall time.
        Simulateur* sim = Brancher({"--id", "RT", "--points", "40", "--time-scale", "0.002"});
        QVERIFY(sim);
        QVERIFY(OuvrirAvec(sim));
        QVERIFY(Telecharger());
        clsSerie* s = Fenetre->SerieCourante();
        QCOMPARE(s->NbrePoints, 20);
        // A regular file where the backup folder was: even root cannot write there.
        const QString dossierAuto = QDir::homePath() + QStringLiteral("/Vorsen_Logger");
        QVERIFY(QDir(dossierAuto).removeRecursively());
        QFile bouchon(dossierAuto);
        QVERIFY(bouchon.open(QIODevice::WriteOnly));
        bouchon.close();
        QSignalSpy messages(Fenetre, &frmMesure::SIGNAL_Message);

        Utilisateur().Scripts["diaParam"] = [](QDialog* d) {
            Programmer(d, "radModeTempsReel", 4, 10);
        };
        const uint avant = uint(QDateTime::currentSecsSinceEpoch());
        QTest::mouseClick(Bouton("btnProgParam"), Qt::LeftButton);
        QCOMPARE(Utilisateur().Journal(), Programme);
        QVERIFY(sim->LignesRecues().contains("S 10 M 2 4 3"));
        QCOMPARE(s->Infos.Mode, 2);
        QCOMPARE(s->NbrePoints, 0);
        QCOMPARE(Table("tabData")->rowCount(), 0);
        QVERIFY(Bouton("btnTelecharger")->isHidden());
        QVERIFY(!Bouton("btnStop")->isHidden());
        QVERIFY(!Bouton("btnSave")->isEnabled());

        // Backups at points 1, 21 and 41 fail: one line.
        QTRY_VERIFY_WITH_TIMEOUT(s->NbrePoints >= 45, Attente);
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.first().at(0).toString(),
                 QStringLiteral("Impossible d'écrire la sauvegarde automatique dans %1.")
                     .arg(dossierAuto));
        QVERIFY(QFile::remove(dossierAuto) && QDir().mkpath(dossierAuto));
        QTRY_COMPARE_WITH_TIMEOUT(messages.count(), 2, Attente); // point 61: written
        QVERIFY(messages.last().at(0).toString().isEmpty());
        QCOMPARE(Table("tabData")->item(0, 0)->text(), QStringLiteral("1"));
        QVERIFY(uint(s->Temps.Valeurs.first()) >= avant);
        // Stop: the logger gets "Q", the points are backed up, the stream is cut.
        QTest::mouseClick(Bouton("btnStop"), Qt::LeftButton);
        QCOMPARE(sim->LignesRecues().last(), QStringLiteral("Q"));
        QVERIFY(Bouton("btnSave")->isEnabled());
        QVERIFY(!Bouton("btnTelecharger")->isHidden());
        QVERIFY(Bouton("btnStop")->isHidden());
        const int n = s->NbrePoints;
        QCOMPARE(LignesFichier(QDir::homePath() + "/Vorsen_Logger/" + s->NomAuto + ".txt"), n);
    }

    // The model decides what the alarm and identifier dialogs show; both are
    // kept from one opening to the next.
    void dialoguesSelonModele_data()
    {
        QTest::addColumn<QString>("modele");
        QTest::addColumn<bool>("humidite");
        QTest::addColumn<bool>("lcd");
        QTest::newRow("71240") << "71240" << true << true;
        QTest::newRow("71240VX") << "71240VX" << true << true;
        QTest::newRow("71246") << "71246" << false << false;
    }
    void dialoguesSelonModele()
    {
        QFETCH(QString, modele);
        QFETCH(bool, humidite);
        QFETCH(bool, lcd);
        Simulateur* sim = Brancher({"--id", "MOD", "--model", modele});
        QVERIFY(sim);
        QVERIFY(OuvrirAvec(sim));

        QList<bool> vus;
        Utilisateur().Scripts["diaAlarmes"] = [&vus](QDialog* d) {
            vus << Enfant<QGroupBox>(d, "gbxHumiTitre")->isVisible()
                << Enfant<QGroupBox>(d, "gbxHumiMax")->isVisible();
            Enfant<QToolButton>(d, "btnSortir")->click();
        };
        Utilisateur().Scripts["diaNewID"] = [&vus](QDialog* d) {
            vus << Enfant<QGroupBox>(d, "gbxLCD")->isVisible();
            Enfant<QToolButton>(d, "btnSortir")->click();
        };
        for (int fois = 0; fois < 2; ++fois) {
            QTest::mouseClick(Bouton("btnProgAlarme"), Qt::LeftButton);
            QTest::mouseClick(Bouton("btnProgID"), Qt::LeftButton);
        }
        const QStringList ouverts{"diaAlarmes|ALARMES|", "diaNewID|CHANGEMENTS DE BASE|"};
        QCOMPARE(Utilisateur().Journal(), ouverts + ouverts);
        QCOMPARE(vus, (QList<bool>{humidite, humidite, lcd, humidite, humidite, lcd}));
        QCOMPARE(Fenetre->findChildren<diaAlarmes*>().size(), 1);
        QCOMPARE(Fenetre->findChildren<diaNewID*>().size(), 1);
        // Closed with "Sortir": nothing sent, nothing read back.
        QCOMPARE(sim->LignesRecues(), (QStringList{"I", "M", "Q"}));
        QCOMPARE(Texte("lblID"), QStringLiteral("MOD"));
    }

    void nouvelIdentifiant()
    {
        Simulateur* sim = Brancher({"--id", "ANCIEN", "--model", "71240VX"});
        QVERIFY(sim);
        QVERIFY(OuvrirAvec(sim));
        Utilisateur().Scripts["diaNewID"] = [](QDialog* d) {
            QCOMPARE(Enfant<QLineEdit>(d, "linNewID")->text(), QStringLiteral("ANCIEN"));
            Enfant<QLineEdit>(d, "linNewID")->setText(QStringLiteral("CAVE_2"));
            Enfant<QCheckBox>(d, "chkLcdOFF")->click();
            Enfant<QToolButton>(d, "btnProgrammer")->click();
        };
        QTest::mouseClick(Bouton("btnProgID"), Qt::LeftButton);
        QCOMPARE(Utilisateur().Journal(),
                 (QStringList{"diaNewID|CHANGEMENTS DE BASE|",
                              "information|CHANGEMENTS DE BASE|Programmation effectuee"}));
        QCOMPARE(sim->LignesRecues().mid(3), (QStringList{"J CAVE_2 0", "I"}));
        QCOMPARE(Texte("lblID"), QStringLiteral("CAVE_2"));
        QCOMPARE(Fenetre->SerieCourante()->Infos.ID, QStringLiteral("CAVE_2"));
        QCOMPARE(Appareils().first()->text(), QStringLiteral("CAVE_2"));
    }

    // A programming dialog open when its logger is unplugged is rejected: the
    // window reads nothing back and drops the logger.
    void perteDuranteLaProgrammation_data()
    {
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<QString>("dialogue"); // its object name and title
        QTest::newRow("parameters") << "btnProgParam"
                                    << "diaParam|PARAMETRAGE";
        QTest::newRow("alarms") << "btnProgAlarme"
                                << "diaAlarmes|ALARMES";
        QTest::newRow("identifier") << "btnProgID"
                                    << "diaNewID|CHANGEMENTS DE BASE";
    }
    void perteDuranteLaProgrammation()
    {
        QFETCH(QString, bouton);
        QFETCH(QString, dialogue);
        Simulateur* sim = Brancher({"--id", "PARTI"});
        QVERIFY(sim);
        QVERIFY(OuvrirAvec(sim));
        QPointer<QDialog> ouvert;
        // Unplugged while the dialog is open: the window closes it.
        Utilisateur().Scripts[dialogue.section('|', 0, 0)] = [&ouvert, sim](QDialog* d) {
            ouvert = d;
            sim->Arreter();
            QTRY_VERIFY_WITH_TIMEOUT(!d->isVisible(), Attente);
        };
        QTest::mouseClick(Bouton(bouton.toLatin1().constData()), Qt::LeftButton);
        QVERIFY(ouvert);
        QCOMPARE(ouvert->result(), int(QDialog::Rejected));
        QCOMPARE(Utilisateur().Journal(),
                 (QStringList{dialogue + '|',
                              "avertissement|PARTI|Perte de connexion avec l'appareil"}));
        QVERIFY(!Fenetre->SerieCourante());
        QVERIFY(Appareils().isEmpty());
        QCOMPARE(Texte("lblID"), QStringLiteral("Aucun enregistreur sélectionné"));
    }

    // A save writes the two files where the user chose and deletes the backup;
    // the shared data folder becomes the folder the dialog proposed.
    void sauvegarde()
    {
        Simulateur* sim = Brancher({"--id", "SAV", "--points", "60"});
        QVERIFY(sim);
        QVERIFY(OuvrirAvec(sim));
        QVERIFY(Telecharger());
        clsSerie* s = Fenetre->SerieCourante();
        QCOMPARE(Sauvegardes().size(), 2);
        const QString donnees = CheminDatas;
        QVERIFY(QDir().mkpath(Chemin("a")) && QDir().mkpath(Chemin("b")));

        Utilisateur().Scripts["diaSaveCourbe"] = [](QDialog* d) {
            Enregistrer(d, QStringLiteral("Chambre froide"), false, false);
        };
        Utilisateur().Fichiers << Chemin("a/essai.ail");
        QSignalSpy depart(Fenetre, &frmMesure::SIGNAL_StartPbar);
        QTest::mouseClick(Bouton("btnSave"), Qt::LeftButton);
        // A fresh recording: the data folder and the name "New" are proposed.
        const QString propose = donnees + "/New.ail";
        QCOMPARE(Utilisateur().Journal(), (QStringList{"diaSaveCourbe|Sauvegarde|",
                                                       "enregistrer|" + propose + '|' + propose}));
        QCOMPARE(LignesFichier(Chemin("a/essai.txt")), 30);
        QSettings entete(Chemin("a/essai.ail"), QSettings::IniFormat);
        QCOMPARE(entete.value("Temperature/Commentaire").toString(),
                 QStringLiteral("Chambre froide"));
        QCOMPARE(entete.value("Humidite/Commentaire").toString(), QStringLiteral("Chambre froide"));
        QVERIFY(Sauvegardes().isEmpty());
        QCOMPARE(s->NbrePointsSauves, s->NbrePoints);
        QCOMPARE(s->Chemin, Chemin("a"));
        QCOMPARE(s->Nom, QStringLiteral("essai"));
        QCOMPARE(CheminDatas, donnees);
        QVERIFY(Bouton("btnSave")->isEnabled());
        QCOMPARE(depart.count(), 0); // no export asked

        // Saved again elsewhere: the folder of the first save is proposed, with
        // the comment, and becomes the data folder.
        Utilisateur().Scripts["diaSaveCourbe"] = [](QDialog* d) {
            QCOMPARE(Enfant<QTextEdit>(d, "txtCommentaire")->toPlainText(),
                     QStringLiteral("Chambre froide"));
            Enfant<QToolButton>(d, "btnSave")->click();
        };
        Utilisateur().Fichiers << Chemin("b/copie.ail");
        QTest::mouseClick(Bouton("btnSave"), Qt::LeftButton);
        QCOMPARE(Utilisateur().Demandes.last().Texte, Chemin("a/essai.ail"));
        QCOMPARE(LignesFichier(Chemin("b/copie.txt")), 30);
        QCOMPARE(CheminDatas, Chemin("a"));

        // Cancelled: nothing changes.
        Utilisateur().Scripts["diaSaveCourbe"] = [](QDialog* d) {
            Enfant<QToolButton>(d, "btnSortir")->click();
        };
        QTest::mouseClick(Bouton("btnSave"), Qt::LeftButton);
        QCOMPARE(Utilisateur().Journal().filter("diaSaveCourbe|").size(), 3);
        QCOMPARE(CheminDatas, Chemin("a"));
        QCOMPARE(s->Chemin, Chemin("b"));
    }

    // The workbook export after the save, with the progress bar; its two
    // failures are told, the recording's files being written already. A CSV
    // copy asked for beside it lands next to the .ail; its failure is told too
    // and stops neither the save nor the workbook.
    void exportClasseur_data()
    {
        QTest::addColumn<bool>("bloque");
        QTest::addColumn<bool>("ouvrir");
        QTest::addColumn<bool>("bureauRefuse");
        QTest::addColumn<bool>("csv");
        QTest::addColumn<bool>("csvBloque");
        QTest::addColumn<QStringList>("messages"); // "<csv>": the CSV file's path
        QTest::newRow("exported") << false << false << false << false << false << QStringList();
        QTest::newRow("exported and opened")
            << false << true << false << false << false << QStringList();
        QTest::newRow("workbook cannot be written")
            << true << true << false << false << false
            << QStringList{"avertissement|Sauvegarde|L'export vers excel n'a pas fonctionne."};
        QTest::newRow("desktop refuses the workbook")
            << false << true << true << false << false
            << QStringList{"avertissement|Excel|Impossible d'ouvrir le classeur\nIl a été écrit "
                           "dans <xlsx>."};
        QTest::newRow("with a CSV copy in UTC")
            << false << false << false << true << false << QStringList();
        QTest::newRow("CSV copy cannot be written")
            << false << false << false << true << true
            << QStringList{"avertissement|Sauvegarde|Impossible d'écrire le fichier CSV <csv>."};
    }
    void exportClasseur()
    {
        QFETCH(bool, bloque);
        QFETCH(bool, ouvrir);
        QFETCH(bool, bureauRefuse);
        QFETCH(bool, csv);
        QFETCH(bool, csvBloque);
        QFETCH(QStringList, messages);
        const QString fichierCsv = Chemin("donnees/essai.csv");
        messages.replaceInStrings(QStringLiteral("<csv>"), fichierCsv);
        messages.replaceInStrings(QStringLiteral("<xlsx>"), Chemin("donnees/essai.xlsx"));
        Simulateur* sim =
            Brancher({"--id", "XLS", "--points", "50", "--start", "2026-01-10T08:00:00"});
        QVERIFY(sim);
        QVERIFY(OuvrirAvec(sim));
        QVERIFY(Telecharger());
        clsSerie* s = Fenetre->SerieCourante();
        // A folder in the workbook's place: even root cannot write it.
        if (bloque)
            QVERIFY(QDir().mkpath(Chemin("donnees/essai.xlsx")));
        if (csvBloque)
            QVERIFY(QDir().mkpath(fichierCsv));
        Bureau bureau;
        // A handler that cannot be called: the desktop reports a refusal.
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &bureau,
                                        bureauRefuse ? "Absent" : "Ouvrir");

        Utilisateur().Scripts["diaSaveCourbe"] = [ouvrir, csv](QDialog* d) {
            Enregistrer(d, QString(), true, ouvrir, csv, true);
        };
        Utilisateur().Fichiers << Chemin("donnees/essai.ail");
        QSignalSpy depart(Fenetre, &frmMesure::SIGNAL_StartPbar);
        QSignalSpy valeurs(Fenetre, &frmMesure::SIGNAL_SetPbarValue);
        QSignalSpy fin(Fenetre, &frmMesure::SIGNAL_StopPbar);
        QTest::mouseClick(Bouton("btnSave"), Qt::LeftButton);

        // After the save dialog and its file dialog.
        QCOMPARE(Utilisateur().Journal().mid(2), messages);
        QCOMPARE(LignesFichier(Chemin("donnees/essai.txt")), 25);
        QVERIFY(QFileInfo(Chemin("donnees/essai.ail")).isFile());
        QVERIFY(Sauvegardes().isEmpty());
        QCOMPARE(depart.count(), 1);
        QCOMPARE(depart.first().at(0).toString(), QStringLiteral("Export Excel en cours"));
        QCOMPARE(depart.first().at(1).toInt(), 0);
        QCOMPARE(depart.first().at(2).toInt(), 25 + 2);
        QCOMPARE(fin.count(), 1);
        QCOMPARE(CheminDatas, Chemin("donnees"));
        if (bloque) {
            QVERIFY(QFileInfo(Chemin("donnees/essai.xlsx")).isDir());
        } else {
            // From 1 to the last row's 26, rising; at most one value a frame between.
            QList<int> emises;
            for (const QList<QVariant>& v : qAsConst(valeurs))
                emises << v.at(0).toInt();
            QVERIFY(!emises.isEmpty());
            QCOMPARE(emises.first(), 1);
            QCOMPARE(emises.last(), 25 + 1);
            for (int i = 1; i < emises.size(); ++i)
                QVERIFY(emises.at(i) > emises.at(i - 1));
            QFile classeur(Chemin("donnees/essai.xlsx"));
            QVERIFY(classeur.open(QIODevice::ReadOnly));
            QCOMPARE(classeur.read(2), QByteArray("PK")); // a zip container
        }
        const QList<QUrl> ouverts =
            ouvrir && !bloque && !bureauRefuse
                ? QList<QUrl>{QUrl::fromLocalFile(Chemin("donnees/essai.xlsx"))}
                : QList<QUrl>();
        QCOMPARE(bureau.Ouverts, ouverts);
        if (csvBloque) {
            QVERIFY(QFileInfo(fichierCsv).isDir());
        } else if (csv) {
            // The recording as saved, with UTC times as checked in the dialog: from
            // 8:00 in Paris, a reading a minute.
            QFile copie(fichierCsv);
            QVERIFY(copie.open(QIODevice::ReadOnly | QIODevice::Text));
            const QList<QByteArray> lignes = copie.readAll().split('\n');
            QCOMPARE(lignes.size(), 25 + 2); // and the empty piece after the last line
            QCOMPARE(lignes.at(0), QByteArray("timestamp,temperature_C,humidity_pct"));
            QCOMPARE(lignes.at(1), QByteArray("2026-01-10T07:00:00Z,19.3,54.8"));
            QCOMPARE(lignes.at(25), QByteArray("2026-01-10T07:24:00Z,20.0,56.2"));
        } else {
            QVERIFY(!QFileInfo::exists(fichierCsv));
        }

        // The recording no longer drives the progress bar.
        valeurs.clear();
        emit s->XLS_Progress(7);
        QCOMPARE(valeurs.count(), 0);
    }

    // A save that cannot be written says so and keeps the backup, the unsaved
    // state and the save button.
    void sauvegardeImpossible()
    {
        Simulateur* sim = Brancher({"--id", "ERR", "--points", "20"});
        QVERIFY(sim);
        QVERIFY(OuvrirAvec(sim));
        QVERIFY(Telecharger());
        clsSerie* s = Fenetre->SerieCourante();
        // A regular file where the folder should be: even root cannot write there.
        QFile bouchon(Chemin("fichier"));
        QVERIFY(bouchon.open(QIODevice::WriteOnly));
        bouchon.close();

        Utilisateur().Scripts["diaSaveCourbe"] = [](QDialog* d) {
            Enregistrer(d, QString(), true, false);
        };
        Utilisateur().Fichiers << Chemin("fichier/essai.ail");
        QSignalSpy depart(Fenetre, &frmMesure::SIGNAL_StartPbar);
        QTest::mouseClick(Bouton("btnSave"), Qt::LeftButton);
        QCOMPARE(Utilisateur().Journal().mid(2),
                 QStringList{QStringLiteral("avertissement|Sauvegarde|Impossible d'ecrire "
                                            "l'enregistrement dans %1.")
                                 .arg(Chemin("fichier/essai.ail"))});
        QCOMPARE(Sauvegardes().size(), 2);
        QVERIFY(!s->NomAuto.isEmpty());
        QVERIFY(s->NbrePointsSauves != s->NbrePoints);
        QVERIFY(s->Chemin.isEmpty());
        QVERIFY(Bouton("btnSave")->isEnabled());
        QCOMPARE(depart.count(), 0); // no export of a recording that was not saved
        QCOMPARE(CheminDatas, Chemin("donnees"));
    }

    // Unplugged with unsaved points, Yes: the same save runs before the logger
    // is dropped.
    void ouiALaPerteSauvegarde()
    {
        // I, M, Q, the header and 10 lines, then one more reply and it is gone.
        Simulateur* sim = Brancher({"--id", "OUI", "--points", "20", "--unplug-after", "15"});
        QVERIFY(sim);
        QVERIFY(OuvrirAvec(sim));
        QVERIFY(Telecharger());
        Utilisateur().Boutons << QMessageBox::Yes;
        Utilisateur().Scripts["diaSaveCourbe"] = [](QDialog* d) {
            Enregistrer(d, QStringLiteral("perdu"), false, false);
        };
        Utilisateur().Fichiers << Chemin("donnees/sauve.ail");
        Fenetre->Port()->QuitOnLine(); // the 15th reply

        QTRY_VERIFY_WITH_TIMEOUT(Appareils().isEmpty(), Attente);
        const QStringList journal = Utilisateur().Journal();
        QCOMPARE(journal.size(), 3);
        QVERIFY(journal.at(0).startsWith("question|OUI|Perte de connexion avec l'appareil\n"));
        QVERIFY(journal.at(0).endsWith("\nVoulez-vous sauvegarder vos donnees ?"));
        QCOMPARE(journal.at(1), QStringLiteral("diaSaveCourbe|Sauvegarde|"));
        QCOMPARE(LignesFichier(Chemin("donnees/sauve.txt")), 10);
        QSettings entete(Chemin("donnees/sauve.ail"), QSettings::IniFormat);
        QCOMPARE(entete.value("Temperature/Commentaire").toString(), QStringLiteral("perdu"));
        QVERIFY(Sauvegardes().isEmpty());
        QVERIFY(!Fenetre->SerieCourante());
        QCOMPARE(Table("tabData")->rowCount(), 0);
        QVERIFY(!Bouton("btnSave")->isEnabled());
    }
};

VORSEN_TEST_MAIN(tst_ProgSauvegarde, Fenetres)

#include "tst_ProgSauvegarde.moc"
