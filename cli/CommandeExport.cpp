// export: a saved recording converted to CSV, a workbook or its PDF report.
#include "Commandes.h"

#include "Console.h"
#include "ExportCsv.h"
#include "clsExcel.h"
#include "clsSerie.h"

#include <QFileInfo>

int Commandes::Exporter(const TS_LIGNE& ligne, enm_LANGUE langue, const EcrivainPdf& pdf)
{
    const QString format = ligne.Valeur(QStringLiteral("format"));
    if (format != QLatin1String("csv") && format != QLatin1String("xlsx") &&
        format != QLatin1String("pdf"))
        return Usage(ligne, tr("format invalide : %1 (csv, xlsx ou pdf)").arg(format));

    // The header and its points file, both there: a missing header would read as
    // an empty recording, a missing points file as a recording without points.
    const QFileInfo entete(ligne.Positionnels.at(0));
    if (!entete.isFile()) {
        Console::Message(tr("le fichier %1 n'existe pas").arg(entete.filePath()));
        return SORTIE_FICHIER;
    }
    const QString dossier = entete.absolutePath();
    QString base = entete.fileName();
    base.remove(QStringLiteral(".ail"), Qt::CaseInsensitive); // as the recording reader does
    const QString points = dossier + QLatin1Char('/') + base + QStringLiteral(".txt");
    if (!QFileInfo(points).isFile()) {
        Console::Message(tr("le fichier de points %1 manque").arg(points));
        return SORTIE_FICHIER;
    }
    clsSerie serie;
    if (!serie.Ouvrir(entete.fileName(), dossier, 3)) {
        Console::Message(tr("%1 n'est pas un enregistrement lisible").arg(entete.filePath()));
        return SORTIE_FICHIER;
    }

    // The output: a file, a folder to put it in, or beside the recording.
    const QString extension = QLatin1Char('.') + format;
    QString sortie = ligne.Valeur(QStringLiteral("output"));
    if (sortie.isEmpty())
        sortie = dossier + QLatin1Char('/') + base + extension;
    else if (QFileInfo(sortie).isDir())
        sortie = sortie + QLatin1Char('/') + base + extension;
    else if (!sortie.endsWith(extension, Qt::CaseInsensitive))
        sortie += extension;
    sortie = QFileInfo(sortie).absoluteFilePath();

    bool ecrit = false;
    if (format == QLatin1String("csv")) {
        ecrit = EcrireCsv(serie, sortie, ligne.Present(QStringLiteral("utc")));
    } else if (format == QLatin1String("xlsx")) {
        clsExcel classeur;
        // The workbook goes to <path>.xlsx.
        ecrit = classeur.Exporter(sortie.left(sortie.size() - extension.size()), langue, serie);
    } else {
        ecrit = pdf && pdf(entete.absoluteFilePath(), sortie, langue);
    }
    if (!ecrit) {
        Console::Message(tr("impossible d'écrire %1").arg(sortie));
        return SORTIE_FICHIER;
    }
    Console::Ligne(sortie);
    return SORTIE_OK;
}
