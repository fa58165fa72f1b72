// Pure line handling of the link: cutting bytes into lines, sorting lines,
// reply tests, parsing, command lines, the adapters' manufacturer filter.
#include <QtTest>

#include "Environnement.h"
#include "TamponLignes.h"
#include "Trames.h"

using Trames::Commande;
using Trames::Nature;

Q_DECLARE_METATYPE(Trames::Nature)
Q_DECLARE_METATYPE(Trames::Commande)

namespace
{

// 2010-01-01 00:00 local time, seconds since 1970 UTC, in the two zones the
// test runs in: Paris is then at UTC+1.
quint32 Origine2010()
{
    return qgetenv("TZ") == "Europe/Paris" ? 1262300400u : 1262304000u;
}

} // namespace

class tst_Trames : public QObject
{
    Q_OBJECT

private slots:
    void fabricant_data()
    {
        QTest::addColumn<QString>("fabricant");
        QTest::addColumn<bool>("pris");

        QTest::newRow("Prolific") << "Prolific" << true;
        QTest::newRow("PROLIFIC") << "PROLIFIC" << true;
        QTest::newRow("prolific") << "prolific" << true;
        QTest::newRow("Linux") << "Prolific Technology Inc." << true;
        QTest::newRow("udev") << "Prolific_Technology_Inc." << true;
        QTest::newRow("udev majuscules") << "PROLIFIC_TECHNOLOGY" << true;
        QTest::newRow("vide") << "" << false;
        QTest::newRow("FTDI") << "FTDI" << false;
        QTest::newRow("Prolifics") << "Prolifics" << false;
        QTest::newRow("Prolific-") << "Prolific-Tech" << false;
        QTest::newRow("blanc devant") << " Prolific" << false;
        QTest::newRow("Prolifi") << "Prolifi" << false;
        QTest::newRow("autre marque") << "Silicon Labs" << false;
    }

    void fabricant()
    {
        QFETCH(QString, fabricant);
        QFETCH(bool, pris);
        QCOMPARE(Trames::FabricantProlific(fabricant), pris);
    }

    // Bytes as received, in the pieces the port reads them, each piece cut at
    // once as the link does -> lines cut at CR (nothing else stripped) + remainder.
    void couperLignes_data()
    {
        QTest::addColumn<QList<QByteArray>>("morceaux");
        QTest::addColumn<QList<QByteArray>>("lignes");
        QTest::addColumn<QByteArray>("reste");

        using L = QList<QByteArray>;
        QTest::newRow("une ligne") << L{"i ID 71240 X\r"} << L{"i ID 71240 X"} << QByteArray();
        QTest::newRow("demi ligne") << L{"i ID 71"} << L{} << QByteArray("i ID 71");
        QTest::newRow("deux lignes") << L{"c 1 2\r>\r"} << L{"c 1 2", ">"} << QByteArray();
        QTest::newRow("ligne et demie") << L{"d 1\rd 2"} << L{"d 1"} << QByteArray("d 2");
        QTest::newRow("CR seul") << L{"\r"} << L{""} << QByteArray();
        QTest::newRow("CR CR") << L{">\r\r"} << L{">", ""} << QByteArray();
        QTest::newRow("LF garde") << L{"i a b c\r\n>"} << L{"i a b c"} << QByteArray("\n>");
        QTest::newRow("vide") << L{} << L{} << QByteArray();
        QTest::newRow("ligne sur trois lectures")
            << L{"d 1", "2 3", "4\rd"} << L{"d 12 34"} << QByteArray("d");
        QTest::newRow("reste puis suite")
            << L{"d 1\rd 2", "\rd 3\r", "m"} << L{"d 1", "d 2", "d 3"} << QByteArray("m");
        QTest::newRow("CR au debut d'une lecture")
            << L{"> ", "\r>\r"} << L{"> ", ">"} << QByteArray();
    }

    void couperLignes()
    {
        QFETCH(QList<QByteArray>, morceaux);
        QFETCH(QList<QByteArray>, lignes);
        QFETCH(QByteArray, reste);
        TamponLignes tampon;
        QList<QByteArray> obtenues;
        QByteArray ligne;
        for (const QByteArray& morceau : morceaux) {
            tampon.Ajouter(morceau);
            while (tampon.Couper(&ligne))
                obtenues << ligne;
        }
        QCOMPARE(obtenues, lignes);
        QCOMPARE(tampon.Reste(), reste);
        QCOMPARE(tampon.Taille(), reste.size());
    }

    void texteLigne_data()
    {
        QTest::addColumn<QByteArray>("brute");
        QTest::addColumn<QString>("texte");
        QTest::newRow("ascii") << QByteArray("m 1 2") << "m 1 2";
        QTest::newRow("NUL") << QByteArray("ab\0cd", 5) << "ab";
        QTest::newRow("NUL en tete") << QByteArray("\0i", 2) << "";
        QTest::newRow("latin-1") << QByteArray("i \xe9t\xe9") << QString::fromUtf8("i été");
    }

    void texteLigne()
    {
        QFETCH(QByteArray, brute);
        QFETCH(QString, texte);
        QCOMPARE(Trames::TexteLigne(brute), texte);
    }

    void bornerTampon_data()
    {
        QTest::addColumn<QByteArray>("recu");
        QTest::addColumn<bool>("vide");
        QTest::newRow("4096 sans CR") << QByteArray(4096, 'x') << false;
        QTest::newRow("4097 sans CR") << QByteArray(4097, 'x') << true;
        QTest::newRow("100000 sans CR") << QByteArray(100000, 'x') << true;
        QTest::newRow("5000 avec CR") << QByteArray(4999, 'x') + '\r' << false;
        QTest::newRow("court") << QByteArray("i 1") << false;
        QTest::newRow("4097 sans CR apres une ligne")
            << QByteArray("d 1\r") + QByteArray(4097, 'x') << true;
    }

    void bornerTampon()
    {
        QFETCH(QByteArray, recu);
        QFETCH(bool, vide);
        TamponLignes tampon;
        tampon.Ajouter(recu);
        // What the link leaves after cutting its lines.
        QByteArray ligne;
        if (recu.startsWith("d 1\r"))
            QVERIFY(tampon.Couper(&ligne));
        const int avant = tampon.Taille();
        QCOMPARE(tampon.Borner(), vide);
        QCOMPARE(tampon.Taille(), vide ? 0 : avant);
    }

    void classer_data()
    {
        QTest::addColumn<QString>("ligne");
        QTest::addColumn<bool>("attente");
        QTest::addColumn<Nature>("nature");

        QTest::newRow("d") << "d 235" << false << Nature::Donnees;
        QTest::newRow("v") << "v 235 567" << false << Nature::Donnees;
        QTest::newRow("d pendant entete") << "d 235" << true << Nature::Donnees;
        QTest::newRow("d seul") << "d" << false << Nature::Donnees;
        QTest::newRow("m entete") << "m 8 60 M 0 0 3" << true << Nature::Entete;
        QTest::newRow("m court entete") << "m 8" << true << Nature::Entete;
        QTest::newRow("m reponse") << "m 8 60 M 0 0 3" << false << Nature::Reponse;
        QTest::newRow("i") << "i ID 71240 X" << true << Nature::Reponse;
        QTest::newRow(">") << ">" << false << Nature::Reponse;
        QTest::newRow("D majuscule") << "D 1" << false << Nature::Reponse;
        QTest::newRow("M majuscule") << "M 1" << true << Nature::Reponse;
        QTest::newRow("blanc devant") << " d 1" << false << Nature::Reponse;
        QTest::newRow("vide (NUL)") << "" << true << Nature::Reponse;
    }

    void classer()
    {
        QFETCH(QString, ligne);
        QFETCH(bool, attente);
        QFETCH(Nature, nature);
        QCOMPARE(Trames::Classer(ligne, attente), nature);
    }

    void donnees_data()
    {
        QTest::addColumn<QString>("ligne");
        QTest::addColumn<int>("nombre");
        QTest::addColumn<int>("valeur1");
        QTest::addColumn<int>("valeur2");

        QTest::newRow("d 235") << "d 235" << 1 << 235 << 0;
        QTest::newRow("v 235 567") << "v 235 567" << 2 << 235 << 567;
        QTest::newRow("d seul") << "d" << 0 << 0 << 0;
        QTest::newRow("trois valeurs") << "d 1 2 3" << 2 << 1 << 2;
        QTest::newRow("pas un nombre") << "d abc" << 1 << 0 << 0;
        QTest::newRow("hors 16 bits") << "d 70000 65535" << 2 << 0 << 65535;
        QTest::newRow("negatif") << "d -5" << 1 << 0 << 0;
        QTest::newRow("double blanc") << "d  5" << 2 << 0 << 5;
        QTest::newRow("blanc final") << "v 235 " << 2 << 235 << 0;
        QTest::newRow("zero") << "d 0" << 1 << 0 << 0;
    }

    void donnees()
    {
        QFETCH(QString, ligne);
        QFETCH(int, nombre);
        QFETCH(int, valeur1);
        QFETCH(int, valeur2);
        const Trames::Donnees d = Trames::LireDonnees(ligne);
        QCOMPARE(d.Nombre, nombre);
        QCOMPARE(int(d.Valeur1), valeur1);
        QCOMPARE(int(d.Valeur2), valeur2);
    }

    void parametres_data()
    {
        QTest::addColumn<QString>("ligne");
        QTest::addColumn<bool>("entete");
        QTest::addColumn<int>("nbrePoints");
        QTest::addColumn<int>("frequence");
        QTest::addColumn<QString>("unite");
        QTest::addColumn<qint64>("debut"); // seconds after 2010-01-01 00:00 local
        QTest::addColumn<int>("capteurs");

        QTest::newRow("complet") << "m 32000 60 M 0 3C 3" << true << 32000 << 60 << "M"
                                 << qint64(60) << 3;
        QTest::newRow("capteurs 259")
            << "m 100 1 I 1 0 259" << true << 100 << 1 << "I" << qint64(65536) << 3;
        QTest::newRow("pas des nombres")
            << "m x y M zz qq 1" << true << 0 << 0 << "M" << qint64(0) << 1;
        QTest::newRow("champs en plus")
            << "m 8 60 M 0 0 3 9 9" << true << 8 << 60 << "M" << qint64(0) << 3;
        QTest::newRow("cinq blancs") << "m 8 60 M 0 0" << false << 8 << 60 << "M" << qint64(0) << 0;
        QTest::newRow("champ vide") << "m 8  M 0 0 2" << true << 8 << 0 << "M" << qint64(0) << 2;
    }

    void parametres()
    {
        QFETCH(QString, ligne);
        QFETCH(bool, entete);
        QFETCH(int, nbrePoints);
        QFETCH(int, frequence);
        QFETCH(QString, unite);
        QFETCH(qint64, debut);
        QFETCH(int, capteurs);
        QCOMPARE(Trames::EnteteValide(ligne), entete);
        const DAC::TS_PARAMETRES p = Trames::LireParametres(ligne);
        QCOMPARE(int(p.NbrePoints), nbrePoints);
        QCOMPARE(int(p.Frequence), frequence);
        QCOMPARE(p.Unite, unite);
        QCOMPARE(p.DateDebut, quint32(Origine2010() + debut));
        QCOMPARE(int(p.Capteurs), capteurs);
    }

    void identifiants()
    {
        DAC::TS_IDENTIFIANTS ids =
            Trames::LireIdentifiants(QStringLiteral("i CAVE_1 71240VX 12 99"));
        QCOMPARE(ids.ID, QStringLiteral("CAVE_1"));
        QCOMPARE(ids.Modele, QStringLiteral("71240VX"));
        QCOMPARE(ids.Info, QStringLiteral("12"));
        ids = Trames::LireIdentifiants(QStringLiteral("i  71246 "));
        QCOMPARE(ids.ID, QString());
        QCOMPARE(ids.Modele, QStringLiteral("71246"));
        QCOMPARE(ids.Info, QString());
    }

    void reponses_data()
    {
        QTest::addColumn<Commande>("commande");
        QTest::addColumn<QString>("reponse");
        QTest::addColumn<bool>("acceptee");

        QTest::newRow("I trois blancs") << Commande::LireIdentifiants << "i ID 71240 X" << true;
        QTest::newRow("I deux blancs") << Commande::LireIdentifiants << "i ID 71240" << false;
        QTest::newRow("I blancs vides") << Commande::LireIdentifiants << "i   " << true;
        QTest::newRow("I etiquette") << Commande::LireIdentifiants << "I ID 71240 X" << false;
        QTest::newRow("I m") << Commande::LireIdentifiants << "m ID 71240 X" << false;
        QTest::newRow("M six blancs") << Commande::LireParametres << "m 1 2 M 0 0 3" << true;
        QTest::newRow("M cinq blancs") << Commande::LireParametres << "m 1 2 M 0 0" << false;
        QTest::newRow("M ?") << Commande::LireParametres << "? 1 2 M 0 0 3" << false;
        QTest::newRow("J deux blancs") << Commande::SetIdentifiants << "i ID 1" << true;
        QTest::newRow("J un blanc") << Commande::SetIdentifiants << "i ID" << false;
        QTest::newRow("J etiquette") << Commande::SetIdentifiants << "> ID 1" << false;
        QTest::newRow("S m six") << Commande::SetParametres << "m 60 M 1 32 3 x" << true;
        QTest::newRow("S ? six") << Commande::SetParametres << "? 60 M 1 32 3 x" << true;
        QTest::newRow("S ? seul") << Commande::SetParametres << "?" << false;
        QTest::newRow("S m cinq") << Commande::SetParametres << "m 60 M 1 32 3" << false;
        QTest::newRow("S autre") << Commande::SetParametres << "i 60 M 1 32 3 x" << false;
        QTest::newRow("A >") << Commande::SetAlarmes << ">" << true;
        QTest::newRow("A > suite") << Commande::SetAlarmes << "> ok" << true;
        QTest::newRow("A <") << Commande::SetAlarmes << "<" << false;
        QTest::newRow("C deux blancs") << Commande::SetClock << "c 600 x" << true;
        QTest::newRow("C un blanc") << Commande::SetClock << "c 600" << false;
        QTest::newRow("C majuscule") << Commande::SetClock << "C 600 x" << false;
        QTest::newRow("Q >") << Commande::QuitOnLine << ">" << true;
        QTest::newRow("Q autre") << Commande::QuitOnLine << "i" << false;
        QTest::newRow("Q vide") << Commande::QuitOnLine << "" << false;
    }

    void reponses()
    {
        QFETCH(Commande, commande);
        QFETCH(QString, reponse);
        QFETCH(bool, acceptee);
        QCOMPARE(Trames::ReponseAcceptee(commande, reponse), acceptee);
    }

    void lignesCommandes_data()
    {
        QTest::addColumn<QString>("obtenue");
        QTest::addColumn<QString>("attendue");

        DAC::TS_PARAMETRES p;
        p.NbrePoints = 32000;
        p.Frequence = 60;
        p.Unite = QStringLiteral("M");
        p.DateDebut = 1;
        p.Capteurs = 3;
        QTest::newRow("S") << Trames::LigneSetParametres(p) << "S 60 M 1 32 3";
        p.NbrePoints = 32999;
        QTest::newRow("S 32999") << Trames::LigneSetParametres(p) << "S 60 M 1 32 3";
        p.NbrePoints = 1000;
        p.Frequence = 25199;
        p.Unite = QStringLiteral("I");
        p.DateDebut = 4000000000u;
        p.Capteurs = 1;
        QTest::newRow("S programmable")
            << Trames::LigneSetParametres(p) << "S 25199 I 4000000000 1 1";
        p.Unite = QStringLiteral("%1");
        QTest::newRow("S unite %1") << Trames::LigneSetParametres(p) << "S 25199 %1 4000000000 1 1";

        DAC::TS_ALARMES a;
        a.Actives = 2;
        a.TempMin = -400;
        QTest::newRow("A") << Trames::LigneSetAlarmes(a) << "A 2 0 -400 0 0";
        a.Actives = 15;
        a.TempMax = 1000;
        a.HumiMax = 900;
        a.HumiMin = 100;
        QTest::newRow("A toutes") << Trames::LigneSetAlarmes(a) << "A 15 1000 -400 900 100";

        const QDateTime dixMinutes(QDate(2010, 1, 1), QTime(0, 10), Qt::LocalTime);
        QTest::newRow("C 600") << Trames::LigneSetClock(uint(SecondesDepuis2010(dixMinutes)))
                               << "C 600";
        QTest::newRow("C max") << Trames::LigneSetClock(4294967295u) << "C 4294967295";
        QTest::newRow("J 0") << Trames::LigneSetIdentifiants(QStringLiteral("CAVE_1"), false)
                             << "J CAVE_1 0";
        QTest::newRow("J 1") << Trames::LigneSetIdentifiants(QStringLiteral("CAVE_1"), true)
                             << "J CAVE_1 1";
    }

    void lignesCommandes()
    {
        QFETCH(QString, obtenue);
        QFETCH(QString, attendue);
        QCOMPARE(obtenue, attendue);
    }

    void encodage()
    {
        QCOMPARE(Trames::EncoderCommande(QStringLiteral("I")), QByteArray("I\r\n"));
        QCOMPARE(Trames::EncoderCommande(QStringLiteral("A 2 0 -400 0 0")),
                 QByteArray("A 2 0 -400 0 0\r\n"));
        QCOMPARE(Trames::EncoderCommande(QString::fromUtf8("J \u00e9")), QByteArray("J \xe9\r\n"));
    }
};

VORSEN_DATA_TEST_MAIN(tst_Trames)
#include "tst_Trames.moc"
