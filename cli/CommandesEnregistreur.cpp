// The commands that read a logger: list, info, download, monitor.
#include "Commandes.h"

#include "Arguments.h"
#include "CPortSerie.h"
#include "ClesReglages.h"
#include "Console.h"
#include "EnvironnementCli.h"
#include "ExportCsv.h"
#include "Presentation.h"
#include "ReglesProgrammation.h"
#include "clsLiaison.h"
#include "clsSerie.h"
#include "clsSignaux.h"
#include "clsSuivi.h"
#include "clsTelechargement.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>

namespace
{

// The formats download writes besides the recording pair.
struct TS_FORMATS {
    bool Csv = false;
    bool Xlsx = false;
};

} // namespace

int Commandes::Liste(const TS_LIGNE& ligne, enm_LANGUE langue)
{
    QList<TS_ENREGISTREUR> trouves;
    QJsonArray erreurs;
    for (const QString& port : CPortSerie::ListePorts()) {
        TS_ENREGISTREUR e;
        QString message;
        if (clsLiaison::Sonder(port, &e, &message) == SORTIE_OK) {
            trouves << e;
            continue;
        }
        Console::Message(message);
        QJsonObject erreur;
        erreur.insert(QStringLiteral("port"), port);
        erreur.insert(QStringLiteral("message"), message);
        erreurs.append(erreur);
    }

    if (ligne.Present(QStringLiteral("json"))) {
        QJsonArray enregistreurs;
        for (const TS_ENREGISTREUR& e : trouves)
            enregistreurs.append(Presentation::Json(e));
        QJsonObject sortie;
        sortie.insert(QStringLiteral("loggers"), enregistreurs);
        sortie.insert(QStringLiteral("errors"), erreurs);
        Console::Json(sortie);
    } else if (!trouves.isEmpty()) {
        Console::Ligne(Presentation::Tableau(trouves, langue).join(QLatin1Char('\n')));
    } else {
        Console::Message(tr("aucun enregistreur trouvé"));
    }
    return SORTIE_OK;
}

int Commandes::Info(const TS_LIGNE& ligne, enm_LANGUE langue)
{
    clsLiaison liaison;
    const enm_SORTIE sortie = liaison.Ouvrir(ligne.Positionnels.at(0));
    if (sortie != SORTIE_OK) {
        Console::Message(liaison.Message());
        return sortie;
    }
    liaison.Fermer();
    Afficher(liaison.Enregistreur(), ligne.Present(QStringLiteral("json")), langue);
    return SORTIE_OK;
}

int Commandes::Telecharger(const TS_LIGNE& ligne, enm_LANGUE langue)
{
    TS_FORMATS formats;
    for (const QString& valeur : ligne.Valeurs(QStringLiteral("format"))) {
        for (const QString& format : valeur.split(QLatin1Char(','))) {
            if (format == QLatin1String("csv"))
                formats.Csv = true;
            else if (format == QLatin1String("xlsx"))
                formats.Xlsx = true;
            else if (format != QLatin1String("ail"))
                return Usage(ligne, tr("format invalide : %1 (ail, csv ou xlsx)").arg(format));
        }
    }
    const bool json = ligne.Present(QStringLiteral("json"));
    const bool utc = ligne.Present(QStringLiteral("utc"));
    QString nom = ligne.Valeur(QStringLiteral("name"));
    if (ligne.Present(QStringLiteral("name")) && (nom.isEmpty() || nom.contains(QLatin1Char('/'))))
        return Usage(ligne, tr("nom de fichier invalide : %1").arg(nom));

    // The folder before the logger: a download is not made for nothing.
    const QString dossier =
        QFileInfo(ligne.Present(QStringLiteral("output")) ? ligne.Valeur(QStringLiteral("output"))
                                                          : QStringLiteral("."))
            .absoluteFilePath();
    if (!QFileInfo(dossier).isDir() && !QDir().mkpath(dossier)) {
        Console::Message(tr("impossible de créer le dossier %1").arg(dossier));
        return SORTIE_FICHIER;
    }

    clsLiaison liaison;
    enm_SORTIE sortie = liaison.Ouvrir(ligne.Positionnels.at(0));
    if (sortie != SORTIE_OK) {
        Console::Message(liaison.Message());
        return sortie;
    }
    // A logger still streaming in real time would mix its readings with the download.
    liaison.ArreterFlux();
    const TS_ENREGISTREUR& enregistreur = liaison.Enregistreur();

    clsSerie serie;
    serie.Infos.ID = enregistreur.Ids.ID;
    serie.Infos.Appareil = CodeModele(enregistreur.Ids.Modele);
    serie.Port = enregistreur.Port;
    clsTelechargement telechargement(liaison.Port(), &serie);
    const bool barre = EnvironnementCli::Terminal(2);
    if (barre) {
        telechargement.setProgression([](int recus, int attendus, double secondes) {
            Console::Progression(Presentation::Barre(recus, attendus, secondes));
        });
    }
    const clsTelechargement::enm_FIN fin = telechargement.Executer();
    liaison.Fermer();
    if (barre)
        Console::TerminerProgression();

    const int recus = telechargement.Recus();
    const int attendus = telechargement.Attendus();
    switch (fin) {
    case clsTelechargement::Complet:
        break;
    case clsTelechargement::Refus:
        Console::Message(tr("l'enregistreur du port %1 a refusé le téléchargement (réponse « %2 »)")
                             .arg(enregistreur.Port, telechargement.ReponseRefus()));
        return SORTIE_REFUS;
    case clsTelechargement::Silence:
    case clsTelechargement::Perte: {
        const QString cause =
            fin == clsTelechargement::Perte
                ? tr("l'enregistreur du port %1 a disparu").arg(enregistreur.Port)
                : tr("l'enregistreur du port %1 ne répond plus").arg(enregistreur.Port);
        if (recus == 0) {
            Console::Message(tr("%1 : aucune mesure reçue").arg(cause));
            return SORTIE_SILENCE;
        }
        Console::Message(tr("%1 après %2 points sur %3 : les fichiers contiennent ces %2 points")
                             .arg(cause)
                             .arg(recus)
                             .arg(attendus));
        sortie = SORTIE_SILENCE;
        break;
    }
    }

    // The recording pair, named like the automatic backup unless --name is given.
    bool ecrit;
    if (nom.isEmpty()) {
        ecrit = serie.SauvegardeAuto(dossier);
        nom = serie.NomAuto;
        serie.Nom = nom;
        serie.Chemin = dossier;
    } else {
        ecrit = serie.Sauvegarder(nom, dossier);
        nom = serie.Nom;
    }
    const QString base = dossier + QLatin1Char('/') + nom;
    if (!ecrit) {
        Console::Message(tr("impossible d'écrire %1").arg(base + QStringLiteral(".ail")));
        return SORTIE_FICHIER;
    }
    QStringList fichiers{base + QStringLiteral(".ail"), base + QStringLiteral(".txt")};
    if (formats.Csv) {
        const QString csv = CheminCsv(dossier, nom);
        if (!EcrireCsv(serie, csv, utc)) {
            Console::Message(tr("impossible d'écrire %1").arg(csv));
            return SORTIE_FICHIER;
        }
        fichiers << csv;
    }
    if (formats.Xlsx) {
        if (!serie.ExportExcel(langue)) {
            Console::Message(tr("impossible d'écrire %1").arg(base + QStringLiteral(".xlsx")));
            return SORTIE_FICHIER;
        }
        fichiers << base + QStringLiteral(".xlsx");
    }

    // A later programming knows these readings are safe.
    if (fin == clsTelechargement::Complet) {
        ClesReglages::Telechargement telecharge;
        telecharge.DateDebut = serie.Infos.DateDebut;
        telecharge.Points = recus;
        ClesReglages::EcrireTelechargement(enregistreur.Ids.ID, telecharge);
    }

    if (json) {
        QJsonObject objet;
        objet.insert(QStringLiteral("logger"), Presentation::Json(enregistreur));
        objet.insert(QStringLiteral("complete"), fin == clsTelechargement::Complet);
        objet.insert(QStringLiteral("points"), recus);
        objet.insert(QStringLiteral("expected"), attendus);
        objet.insert(QStringLiteral("start"), Presentation::DateIso(serie.Infos.DateDebut));
        objet.insert(QStringLiteral("files"), QJsonArray::fromStringList(fichiers));
        Console::Json(objet);
    } else {
        Console::Ligne(fichiers.join(QLatin1Char('\n')));
    }
    return sortie;
}

int Commandes::Suivre(const TS_LIGNE& ligne)
{
    clsLiaison liaison;
    enm_SORTIE sortie = liaison.Ouvrir(ligne.Positionnels.at(0));
    if (sortie != SORTIE_OK) {
        Console::Message(liaison.Message());
        return sortie;
    }
    const TS_ENREGISTREUR enregistreur = liaison.Enregistreur();
    const bool humidite = ReglesProgrammation::MesureHumidite(CodeModele(enregistreur.Ids.Modele));
    TS_PROGRAMMATION prog;
    QString erreur;
    if (!Arguments::TempsReel(ligne, enregistreur.Params, humidite, &prog, &erreur))
        return Usage(ligne, erreur);
    if (!EffacementPermis(enregistreur, ligne.Present(QStringLiteral("yes"))))
        return SORTIE_USAGE;

    // Ctrl+C and SIGTERM from now on end the stream properly.
    clsSignaux signaux;
    clsSuivi suivi(liaison.Port(), prog.Params.Capteurs, prog.Params.Frequence,
                   ligne.Present(QStringLiteral("utc")));
    QObject::connect(&signaux, &clsSignaux::Arret, &suivi, &clsSuivi::Arreter);
    suivi.Brancher();

    // The clock first, as the dialog does; its failure alone is not reported.
    liaison.Programmer(QStringLiteral("C"), [](CPortSerie& port) {
        return port.SetClock(uint(SecondesDepuis2010(QDateTime::currentDateTime())));
    });
    sortie = liaison.Programmer(
        QStringLiteral("S"), [&prog](CPortSerie& port) { return port.SetParametres(prog.Params); });
    if (sortie != SORTIE_OK) {
        Console::Message(liaison.Message());
        return sortie;
    }

    const clsSuivi::enm_FIN fin = suivi.Executer();
    if (fin == clsSuivi::Perte) {
        Console::Message(tr("l'enregistreur du port %1 a disparu après %2 mesures")
                             .arg(enregistreur.Port)
                             .arg(suivi.Lignes()));
        return SORTIE_SILENCE;
    }
    // So that the logger does not keep streaming.
    sortie =
        liaison.Programmer(QStringLiteral("Q"), [](CPortSerie& port) { return port.QuitOnLine(); });
    liaison.Fermer();
    if (sortie != SORTIE_OK) {
        Console::Message(liaison.Message());
        return sortie;
    }
    return SORTIE_OK;
}
