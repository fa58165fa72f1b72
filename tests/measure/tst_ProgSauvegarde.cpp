// The measurement window's programming buttons and its save, against simulated
// loggers through the real serial port: the dialogs, the save dialog and its
// file dialog are answered offscreen as a user would.
#include "CPortSerie.h"
#include "ExportCsv.h"
#include "Hote.h"
#include "Simulateur.h"
#include "clsSerie.h"
#include "diaAlarmes.h"
#include "diaNewID.h"
#include "diaParam.h"

#include "diaSaveCourbe.h"
#include "frmMesure.h"
#include "prmBoutonAppareil.h"
#include "prmTableWidget.h"
#include "ressources.h"
#include <QTranslator>

#include <QApplication>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimeEdit>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include <functional>
#include <memory>

namespace
{

// Generous waits: the machine is shared and slow.
constexpr int Attente = 20000;

// Answers whatever modal window comes up, from repeating timers (a modal window
// blocks in its own loop): message boxes with a chosen button, logged as
// "title|text"; the file dialog by typing a path; other dialogs through an
// action called once per opening. Three timers, because a timer does not fire
// again while its own slot waits in a nested loop (a dialog's action that opens
// a message box, a file dialog that asks).
class Guichet : public QObject
{
public:
    explicit Guichet(QMessageBox::StandardButton reponse = QMessageBox::Ok) : m_Reponse(reponse)
    {
        connect(&m_Messages, &QTimer::timeout, this, &Guichet::RepondreMessages);
        connect(&m_Fichiers, &QTimer::timeout, this, &Guichet::RepondreFichiers);
        connect(&m_Dialogues, &QTimer::timeout, this, &Guichet::RepondreDialogues);
        m_Messages.start(30);
        m_Fichiers.start(30);
        m_Dialogues.start(30);
    }

    // Called once each time a dialog other than a message box or a file dialog opens.
    std::function<void(QDialog*)> Action;
    // Typed into the file dialog; empty: the file dialog is cancelled.
    QString Fichier;

    QStringList Vus;       // message boxes, "title|text"
    QStringList Proposes;  // files the file dialogs proposed
    QStringList Dialogues; // class names of the dialogs opened

private:
    void RepondreMessages()
    {
        auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!boite || !boite->isVisible())
            return;
        Vus << boite->windowTitle() + QLatin1Char('|') + boite->text();
        QAbstractButton* bouton = boite->button(m_Reponse);
        if (!bouton)
            bouton = boite->button(QMessageBox::Ok);
        // A question the test did not expect gets its default answer, not a hang.
        if (!bouton)
            bouton = boite->defaultButton();
        if (bouton)
            bouton->click();
    }

    void RepondreFichiers()
    {
        auto* dialogue = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialogue || !dialogue->isVisible())
            return;
        Proposes << dialogue->selectedFiles().value(0);
        if (Fichier.isEmpty()) {
            dialogue->reject();
            return;
        }
        auto* champ = dialogue->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        champ->setText(Fichier);
        QTest::keyClick(champ, Qt::Key_Return);
    }

    void RepondreDialogues()
    {
        auto* dialogue = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialogue || !dialogue->isVisible() || qobject_cast<QMessageBox*>(dialogue) ||
            qobject_cast<QFileDialog*>(dialogue) || dialogue == m_Traite)
            return;
        m_Traite = dialogue;
        // A kept dialog may open again before a tick sees it closed.
        connect(
            dialogue, &QDialog::finished, this, [this] { m_Traite = nullptr; },
            Qt::UniqueConnection);
        Dialogues << QString::fromLatin1(dialogue->metaObject()->className());
        if (Action)
            Action(dialogue);
    }

    QMessageBox::StandardButton m_Reponse;
    QTimer m_Messages;
    QTimer m_Fichiers;
    QTimer m_Dialogues;
    QPointer<QDialog> m_Traite;
};

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

class tst_ProgSauvegarde : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Hote> m_Hote;
    frmMesure* m_Fenetre = nullptr;
    QString m_CheminDatas;
    std::unique_ptr<QTemporaryDir> m_Dossier;
    QList<Simulateur*> m_Sims;

    QToolButton* Bouton(const char* nom) const { return Enfant<QToolButton>(m_Fenetre, nom); }
    QString Texte(const char* etiquette) const
    {
        return Enfant<QLabel>(m_Fenetre, etiquette)->text();
    }
    QString Chemin(const QString& nom) const { return m_Dossier->filePath(nom); }
    QStringList Sauvegardes() const
    {
        return QDir(QDir::homePath() + QStringLiteral("/Vorsen_Logger"))
            .entryList({QStringLiteral("*.ail"), QStringLiteral("*.txt")}, QDir::Files);
    }

    Simulateur* Brancher(const QStringList& options, bool lister = true)
    {
        auto* sim = new Simulateur(this);
        if (!sim->Demarrer(options)) {
            qWarning("%s", qPrintable(sim->Erreur()));
            delete sim;
            return nullptr;
        }
        if (lister)
            CPortSerie::AjouterPortsManuels({sim->Lien()});
        m_Sims << sim;
        return sim;
    }

    // The window with its only logger selected and answering.
    bool Ouvrir(const Simulateur* sim)
    {
        m_Hote.reset(new Hote(FRANCAIS));
        m_Fenetre = new frmMesure(m_Hote.get(), &m_CheminDatas);
        m_Hote->layout()->addWidget(m_Fenetre);
        m_Hote->show();
        m_Fenetre->Rechercher();
        if (!m_Fenetre->SerieCourante())
            return false;
        // "Q" answered: the port is free for the buttons.
        return QTest::qWaitFor([sim] { return sim->LignesRecues().contains("Q"); }, Attente);
    }

    bool Telecharger()
    {
        QSignalSpy fin(m_Fenetre, &frmMesure::SIGNAL_StopPbar);
        QTest::mouseClick(Bouton("btnTelecharger"), Qt::LeftButton);
        return fin.wait(Attente) || fin.count() > 0;
    }

    int Compter(const Simulateur* sim, const QString& ligne) const
    {
        return sim->LignesRecues().count(ligne);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(Simulateur::Disponible(), qPrintable(Simulateur::Programme()));
        initRessources();
    }

    void init()
    {
        QDir(QDir::homePath() + QStringLiteral("/Vorsen_Logger")).removeRecursively();
        m_Dossier = std::make_unique<QTemporaryDir>();
        QVERIFY(m_Dossier->isValid());
        QVERIFY(QDir(m_Dossier->path()).mkpath(QStringLiteral("donnees")));
        m_CheminDatas = Chemin(QStringLiteral("donnees"));
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
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        // Ports released with deleteLater.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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
        QVERIFY(Ouvrir(sim));
        clsSerie* s = m_Fenetre->SerieCourante();

        Guichet guichet;
        guichet.Action = [](QDialog* d) { Programmer(d, "radModeImmediat", 8, 10); };
        QTest::mouseClick(Bouton("btnProgParam"), Qt::LeftButton);
        QCOMPARE(guichet.Dialogues, QStringList{"diaParam"});
        QCOMPARE(guichet.Vus, QStringList{"PARAMETRAGE|Programmation effectuee"});
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
        QVERIFY(Ouvrir(sim));
        if (telecharger)
            QVERIFY(Telecharger());

        Guichet guichet{QMessageBox::StandardButton(reponse)};
        guichet.Action = [](QDialog* d) {
            Programmer(d, "radModeImmediat", 2, 30);
            if (d->isVisible())
                d->reject();
        };
        QTest::mouseClick(Bouton("btnProgParam"), Qt::LeftButton);
        QStringList vus;
        if (question)
            vus << QStringLiteral("PLEIN|L'enregistreur peut contenir 60 mesures qui n'ont pas "
                                  "été téléchargées. La programmation va les effacer. Continuer ?");
        if (envoye)
            vus << QStringLiteral("PARAMETRAGE|Programmation effectuee");
        QCOMPARE(guichet.Vus, vus);
        QCOMPARE(sim->LignesRecues().contains("S 30 M 1 2 3"), envoye);
        // The old download is off the screen once the logger has a new recording.
        QCOMPARE(Enfant<prmTableWidget>(m_Fenetre, "tabData")->rowCount(),
                 telecharger && !envoye ? 60 : 0);
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
        m_Hote.reset(new Hote(FRANCAIS));
        m_Fenetre = new frmMesure(m_Hote.get(), &m_CheminDatas);
        m_Hote->layout()->addWidget(m_Fenetre);
        m_Hote->show();
        m_Fenetre->Rechercher();
        const QList<prmBoutonAppareil*> boutons = m_Fenetre->findChildren<prmBoutonAppareil*>();
        QCOMPARE(boutons.size(), 2);

        struct Vu {
            bool humi, humiPermis;
            int periode;
        };
        QList<Vu> vus;
        Guichet guichet;
        guichet.Action = [&vus](QDialog* d) {
            auto* humi = Enfant<QCheckBox>(d, "chkCapteurHumi");
            vus << Vu{humi->isChecked(), humi->isEnabled(),
                      QTime(0, 0).secsTo(Enfant<QTimeEdit>(d, "timPeriode")->time())};
            d->reject();
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
        QVERIFY(Ouvrir(sim));
        QVERIFY(!Bouton("btnTelecharger")->isEnabled());

        Guichet guichet(QMessageBox::Yes);
        const QByteArray nom = mode.toLatin1();
        guichet.Action = [&nom](QDialog* d) { Programmer(d, nom.constData(), 2, 30); };
        QTest::mouseClick(Bouton("btnProgParam"), Qt::LeftButton);
        QCOMPARE(guichet.Vus, QStringList{"PARAMETRAGE|Programmation effectuee"});
        clsSerie* s = m_Fenetre->SerieCourante();
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
        QPointer<diaParam> premier = m_Fenetre->findChild<diaParam*>();
        QTest::mouseClick(Bouton("btnProgParam"), Qt::LeftButton);
        QCOMPARE(guichet.Dialogues.size(), 2);
        QCOMPARE(m_Fenetre->findChild<diaParam*>(), premier.data());
        QCOMPARE(m_Fenetre->findChildren<diaParam*>().size(), 1);
    }

    // A dialog kept from before a language change opens in the new language.
    void dialogueSuitLaLangue()
    {
        Simulateur* sim = Brancher({"--id", "LANGUE"});
        QVERIFY(sim);
        QVERIFY(Ouvrir(sim));

        Guichet guichet;
        QStringList titres;
        guichet.Action = [&titres](QDialog* d) {
            titres << d->windowTitle();
            d->reject();
        };
        QTest::mouseClick(Bouton("btnProgParam"), Qt::LeftButton);

        QTranslator anglais;
        QVERIFY(anglais.load(QStringLiteral(":/i18n/Vorsen_Logger_en.qm")));
        qApp->installTranslator(&anglais);
        m_Fenetre->MajLangue(ANGLAIS);
        QTest::mouseClick(Bouton("btnProgParam"), Qt::LeftButton);
        qApp->removeTranslator(&anglais);

        QCOMPARE(titres, (QStringList{"PARAMETRAGE", "SETTINGS"}));
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
        QVERIFY(Ouvrir(sim));
        QVERIFY(Telecharger());
        clsSerie* s = m_Fenetre->SerieCourante();
        QCOMPARE(s->NbrePoints, 20);
        // A regular file where the backup folder was: even root cannot write there.
        const QString dossierAuto = QDir::homePath() + QStringLiteral("/Vorsen_Logger");
        QVERIFY(QDir(dossierAuto).removeRecursively());
        QFile bouchon(dossierAuto);
        QVERIFY(bouchon.open(QIODevice::WriteOnly));
        bouchon.close();
        QSignalSpy messages(m_Fenetre, &frmMesure::SIGNAL_Message);

        Guichet guichet;
        guichet.Action = [](QDialog* d) { Programmer(d, "radModeTempsReel", 4, 10); };
        const uint avant = uint(QDateTime::currentSecsSinceEpoch());
        QTest::mouseClick(Bouton("btnProgParam"), Qt::LeftButton);
        QCOMPARE(guichet.Vus, QStringList{"PARAMETRAGE|Programmation effectuee"});
        QVERIFY(sim->LignesRecues().contains("S 10 M 2 4 3"));
        QCOMPARE(s->Infos.Mode, 2);
        QCOMPARE(s->NbrePoints, 0);
        QCOMPARE(Enfant<prmTableWidget>(m_Fenetre, "tabData")->rowCount(), 0);
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
        QCOMPARE(Enfant<prmTableWidget>(m_Fenetre, "tabData")->item(0, 0)->text(),
                 QStringLiteral("1"));
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
        QVERIFY(Ouvrir(sim));

        QList<bool> vus;
        Guichet guichet;
        guichet.Action = [&vus](QDialog* d) {
            if (auto* alarmes = qobject_cast<diaAlarmes*>(d))
                vus << Enfant<QGroupBox>(alarmes, "gbxHumiTitre")->isVisible()
                    << Enfant<QGroupBox>(alarmes, "gbxHumiMax")->isVisible();
            else
                vus << Enfant<QGroupBox>(d, "gbxLCD")->isVisible();
            Enfant<QToolButton>(d, "btnSortir")->click();
        };
        for (int fois = 0; fois < 2; ++fois) {
            QTest::mouseClick(Bouton("btnProgAlarme"), Qt::LeftButton);
            QTest::mouseClick(Bouton("btnProgID"), Qt::LeftButton);
        }
        QCOMPARE(guichet.Dialogues,
                 (QStringList{"diaAlarmes", "diaNewID", "diaAlarmes", "diaNewID"}));
        QCOMPARE(vus, (QList<bool>{humidite, humidite, lcd, humidite, humidite, lcd}));
        QCOMPARE(m_Fenetre->findChildren<diaAlarmes*>().size(), 1);
        QCOMPARE(m_Fenetre->findChildren<diaNewID*>().size(), 1);
        // Closed with "Sortir": nothing sent, nothing read back.
        QCOMPARE(sim->LignesRecues(), (QStringList{"I", "M", "Q"}));
        QCOMPARE(Texte("lblID"), QStringLiteral("MOD"));
    }

    void nouvelIdentifiant()
    {
        Simulateur* sim = Brancher({"--id", "ANCIEN", "--model", "71240VX"});
        QVERIFY(sim);
        QVERIFY(Ouvrir(sim));
        Guichet guichet;
        guichet.Action = [](QDialog* d) {
            QCOMPARE(Enfant<QLineEdit>(d, "linNewID")->text(), QStringLiteral("ANCIEN"));
            Enfant<QLineEdit>(d, "linNewID")->setText(QStringLiteral("CAVE_2"));
            Enfant<QCheckBox>(d, "chkLcdOFF")->click();
            Enfant<QToolButton>(d, "btnProgrammer")->click();
        };
        QTest::mouseClick(Bouton("btnProgID"), Qt::LeftButton);
        QCOMPARE(guichet.Vus, QStringList{"CHANGEMENTS DE BASE|Programmation effectuee"});
        QCOMPARE(sim->LignesRecues().mid(3), (QStringList{"J CAVE_2 0", "I"}));
        QCOMPARE(Texte("lblID"), QStringLiteral("CAVE_2"));
        QCOMPARE(m_Fenetre->SerieCourante()->Infos.ID, QStringLiteral("CAVE_2"));
        QCOMPARE(m_Fenetre->findChildren<prmBoutonAppareil*>().first()->text(),
                 QStringLiteral("CAVE_2"));
    }

    // A programming dialog open when its logger is unplugged is rejected: the
    // window reads nothing back and drops the logger.
    void perteDuranteLaProgrammation_data()
    {
        QTest::addColumn<QString>("bouton");
        QTest::newRow("parameters") << "btnProgParam";
        QTest::newRow("alarms") << "btnProgAlarme";
        QTest::newRow("identifier") << "btnProgID";
    }
    void perteDuranteLaProgrammation()
    {
        QFETCH(QString, bouton);
        Simulateur* sim = Brancher({"--id", "PARTI"});
        QVERIFY(sim);
        QVERIFY(Ouvrir(sim));
        Guichet guichet;
        QPointer<QDialog> dialogue;
        guichet.Action = [&dialogue, sim](QDialog* d) {
            dialogue = d;
            sim->Arreter();
        };
        QTest::mouseClick(Bouton(bouton.toLatin1().constData()), Qt::LeftButton);
        QVERIFY(dialogue);
        QVERIFY(!dialogue->isVisible());
        QCOMPARE(dialogue->result(), int(QDialog::Rejected));
        QCOMPARE(guichet.Vus, QStringList{"PARTI|Perte de connexion avec l'appareil"});
        QVERIFY(!m_Fenetre->SerieCourante());
        QVERIFY(m_Fenetre->findChildren<prmBoutonAppareil*>().isEmpty());
        QCOMPARE(Texte("lblID"), QStringLiteral("Aucun enregistreur sélectionné"));
    }

    // A save writes the two files where the user chose and deletes the backup;
    // the shared data folder becomes the folder the dialog proposed.
    void sauvegarde()
    {
        Simulateur* sim = Brancher({"--id", "SAV", "--points", "60"});
        QVERIFY(sim);
        QVERIFY(Ouvrir(sim));
        QVERIFY(Telecharger());
        clsSerie* s = m_Fenetre->SerieCourante();
        QCOMPARE(Sauvegardes().size(), 2);
        const QString donnees = m_CheminDatas;
        QVERIFY(QDir().mkpath(Chemin("a")) && QDir().mkpath(Chemin("b")));

        Guichet guichet;
        guichet.Action = [](QDialog* d) {
            Enregistrer(d, QStringLiteral("Chambre froide"), false, false);
        };
        guichet.Fichier = Chemin("a/essai.ail");
        QSignalSpy depart(m_Fenetre, &frmMesure::SIGNAL_StartPbar);
        QTest::mouseClick(Bouton("btnSave"), Qt::LeftButton);
        QCOMPARE(guichet.Dialogues, QStringList{"diaSaveCourbe"});
        // A fresh recording: the data folder and the name "New" are proposed.
        QCOMPARE(guichet.Proposes, QStringList{donnees + "/New.ail"});
        QVERIFY(guichet.Vus.isEmpty());
        QCOMPARE(LignesFichier(Chemin("a/essai.txt")), 30);
        QSettings entete(Chemin("a/essai.ail"), QSettings::IniFormat);
        QCOMPARE(entete.value("Temperature/Commentaire").toString(),
                 QStringLiteral("Chambre froide"));
        QCOMPARE(entete.value("Humidite/Commentaire").toString(), QStringLiteral("Chambre froide"));
        QVERIFY(Sauvegardes().isEmpty());
        QCOMPARE(s->NbrePointsSauves, s->NbrePoints);
        QCOMPARE(s->Chemin, Chemin("a"));
        QCOMPARE(s->Nom, QStringLiteral("essai"));
        QCOMPARE(m_CheminDatas, donnees);
        QVERIFY(Bouton("btnSave")->isEnabled());
        QCOMPARE(depart.count(), 0); // no export asked

        // Saved again elsewhere: the folder of the first save is proposed, with
        // the comment, and becomes the data folder.
        guichet.Action = [](QDialog* d) {
            QCOMPARE(Enfant<QTextEdit>(d, "txtCommentaire")->toPlainText(),
                     QStringLiteral("Chambre froide"));
            Enfant<QToolButton>(d, "btnSave")->click();
        };
        guichet.Fichier = Chemin("b/copie.ail");
        QTest::mouseClick(Bouton("btnSave"), Qt::LeftButton);
        QCOMPARE(guichet.Proposes.last(), Chemin("a/essai.ail"));
        QCOMPARE(LignesFichier(Chemin("b/copie.txt")), 30);
        QCOMPARE(m_CheminDatas, Chemin("a"));

        // Cancelled: nothing changes.
        guichet.Action = [](QDialog* d) { Enfant<QToolButton>(d, "btnSortir")->click(); };
        QTest::mouseClick(Bouton("btnSave"), Qt::LeftButton);
        QCOMPARE(guichet.Dialogues.size(), 3);
        QCOMPARE(m_CheminDatas, Chemin("a"));
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
            << QStringList{"Sauvegarde|L'export vers excel n'a pas fonctionne."};
        QTest::newRow("desktop refuses the workbook")
            << false << true << true << false << false
            << QStringList{"Excel|Impossible d'ouvrir le classeur\nIl a été écrit dans <xlsx>."};
        QTest::newRow("with a CSV copy in UTC")
            << false << false << false << true << false << QStringList();
        QTest::newRow("CSV copy cannot be written")
            << false << false << false << true << true
            << QStringList{"Sauvegarde|Impossible d'écrire le fichier CSV <csv>."};
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
        Simulateur* sim = Brancher({"--id", "XLS", "--points", "50"});
        QVERIFY(sim);
        QVERIFY(Ouvrir(sim));
        QVERIFY(Telecharger());
        clsSerie* s = m_Fenetre->SerieCourante();
        // A folder in the workbook's place: even root cannot write it.
        if (bloque)
            QVERIFY(QDir().mkpath(Chemin("donnees/essai.xlsx")));
        if (csvBloque)
            QVERIFY(QDir().mkpath(fichierCsv));
        Bureau bureau;
        // A handler that cannot be called: the desktop reports a refusal.
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &bureau,
                                        bureauRefuse ? "Absent" : "Ouvrir");

        Guichet guichet;
        guichet.Action = [ouvrir, csv](QDialog* d) {
            Enregistrer(d, QString(), true, ouvrir, csv, true);
        };
        guichet.Fichier = Chemin("donnees/essai.ail");
        QSignalSpy depart(m_Fenetre, &frmMesure::SIGNAL_StartPbar);
        QSignalSpy valeurs(m_Fenetre, &frmMesure::SIGNAL_SetPbarValue);
        QSignalSpy fin(m_Fenetre, &frmMesure::SIGNAL_StopPbar);
        QTest::mouseClick(Bouton("btnSave"), Qt::LeftButton);

        QCOMPARE(guichet.Vus, messages);
        QCOMPARE(LignesFichier(Chemin("donnees/essai.txt")), 25);
        QVERIFY(QFileInfo(Chemin("donnees/essai.ail")).isFile());
        QVERIFY(Sauvegardes().isEmpty());
        QCOMPARE(depart.count(), 1);
        QCOMPARE(depart.first().at(0).toString(), QStringLiteral("Export Excel en cours"));
        QCOMPARE(depart.first().at(1).toInt(), 0);
        QCOMPARE(depart.first().at(2).toInt(), 25 + 2);
        QCOMPARE(fin.count(), 1);
        QCOMPARE(m_CheminDatas, Chemin("donnees"));
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
            // The recording as saved, with UTC times as checked in the dialog.
            const QString attendu = Chemin("attendu.csv");
            QVERIFY(EcrireCsv(*s, attendu, true));
            QFile copie(fichierCsv);
            QFile reference(attendu);
            QVERIFY(copie.open(QIODevice::ReadOnly) && reference.open(QIODevice::ReadOnly));
            QCOMPARE(copie.readAll(), reference.readAll());
            QCOMPARE(LignesFichier(fichierCsv), 25 + 1);
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
        QVERIFY(Ouvrir(sim));
        QVERIFY(Telecharger());
        clsSerie* s = m_Fenetre->SerieCourante();
        // A regular file where the folder should be: even root cannot write there.
        QFile bouchon(Chemin("fichier"));
        QVERIFY(bouchon.open(QIODevice::WriteOnly));
        bouchon.close();

        Guichet guichet;
        guichet.Action = [](QDialog* d) { Enregistrer(d, QString(), true, false); };
        guichet.Fichier = Chemin("fichier/essai.ail");
        QSignalSpy depart(m_Fenetre, &frmMesure::SIGNAL_StartPbar);
        QTest::mouseClick(Bouton("btnSave"), Qt::LeftButton);
        QCOMPARE(
            guichet.Vus,
            QStringList{QStringLiteral("Sauvegarde|Impossible d'ecrire l'enregistrement dans %1.")
                            .arg(Chemin("fichier/essai.ail"))});
        QCOMPARE(Sauvegardes().size(), 2);
        QVERIFY(!s->NomAuto.isEmpty());
        QVERIFY(s->NbrePointsSauves != s->NbrePoints);
        QVERIFY(s->Chemin.isEmpty());
        QVERIFY(Bouton("btnSave")->isEnabled());
        QCOMPARE(depart.count(), 0); // no export of a recording that was not saved
        QCOMPARE(m_CheminDatas, Chemin("donnees"));
    }

    // Unplugged with unsaved points, Yes: the same save runs before the logger
    // is dropped.
    void ouiALaPerteSauvegarde()
    {
        // I, M, Q, the header and 10 lines, then one more reply and it is gone.
        Simulateur* sim = Brancher({"--id", "OUI", "--points", "20", "--unplug-after", "15"});
        QVERIFY(sim);
        QVERIFY(Ouvrir(sim));
        QVERIFY(Telecharger());
        Guichet guichet(QMessageBox::Yes);
        guichet.Action = [](QDialog* d) { Enregistrer(d, QStringLiteral("perdu"), false, false); };
        guichet.Fichier = Chemin("donnees/sauve.ail");
        m_Fenetre->Port()->QuitOnLine(); // the 15th reply

        QTRY_VERIFY_WITH_TIMEOUT(m_Fenetre->findChildren<prmBoutonAppareil*>().isEmpty(), Attente);
        QCOMPARE(guichet.Vus.size(), 1);
        QVERIFY(guichet.Vus.first().startsWith("OUI|Perte de connexion avec l'appareil\n"));
        QVERIFY(guichet.Vus.first().endsWith("\nVoulez-vous sauvegarder vos donnees ?"));
        QCOMPARE(guichet.Dialogues, QStringList{"diaSaveCourbe"});
        QCOMPARE(LignesFichier(Chemin("donnees/sauve.txt")), 10);
        QSettings entete(Chemin("donnees/sauve.ail"), QSettings::IniFormat);
        QCOMPARE(entete.value("Temperature/Commentaire").toString(), QStringLiteral("perdu"));
        QVERIFY(Sauvegardes().isEmpty());
        QVERIFY(!m_Fenetre->SerieCourante());
        QCOMPARE(Enfant<prmTableWidget>(m_Fenetre, "tabData")->rowCount(), 0);
        QVERIFY(!Bouton("btnSave")->isEnabled());
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
    app.setApplicationName(QStringLiteral("Vorsen_Logger_tst_ProgSauvegarde"));
    tst_ProgSauvegarde tests;
    return QTest::qExec(&tests, argc, argv);
}

#include "tst_ProgSauvegarde.moc"
