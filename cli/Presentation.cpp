#include "Presentation.h"

#include "ExportCsv.h"
#include "clsSerie.h"

#include <QDateTime>
#include <QJsonArray>

namespace
{

// Pads each column to its widest cell, two blanks between columns.
QStringList Aligner(const QList<QStringList>& lignes)
{
    QList<int> largeurs;
    for (const QStringList& ligne : lignes) {
        for (int i = 0; i < ligne.size(); ++i) {
            if (i >= largeurs.size())
                largeurs << 0;
            largeurs[i] = qMax(largeurs[i], ligne.at(i).size());
        }
    }
    QStringList sortie;
    for (const QStringList& ligne : lignes) {
        QString texte;
        for (int i = 0; i < ligne.size(); ++i)
            texte +=
                i + 1 < ligne.size() ? ligne.at(i).leftJustified(largeurs.at(i) + 2) : ligne.at(i);
        sortie << texte;
    }
    return sortie;
}

} // namespace

QString Presentation::DateIso(uint temps)
{
    const int decalage = QDateTime::fromSecsSinceEpoch(temps, Qt::LocalTime).offsetFromUtc();
    return QString::fromLatin1(DateIso8601(temps, decalage, false));
}

QJsonObject Presentation::Json(const TS_ENREGISTREUR& e)
{
    QJsonArray capteurs;
    if (e.Params.Capteurs & 1)
        capteurs.append(QStringLiteral("temperature"));
    if (e.Params.Capteurs & 2)
        capteurs.append(QStringLiteral("humidity"));
    QJsonObject o;
    o.insert(QStringLiteral("port"), e.Port);
    o.insert(QStringLiteral("id"), e.Ids.ID);
    o.insert(QStringLiteral("model"), e.Ids.Modele);
    o.insert(QStringLiteral("info"), e.Ids.Info);
    o.insert(QStringLiteral("readings"), int(e.Params.NbrePoints));
    o.insert(QStringLiteral("points"), PointsParCapteur(e.Params));
    o.insert(QStringLiteral("period"), int(e.Params.Frequence));
    o.insert(QStringLiteral("unit"), e.Params.Unite == QLatin1String("I")
                                         ? QStringLiteral("imperial")
                                         : QStringLiteral("metric"));
    o.insert(QStringLiteral("sensors"), capteurs);
    o.insert(QStringLiteral("start"), DateIso(e.Params.DateDebut));
    return o;
}

QString Presentation::TexteCapteurs(int capteurs)
{
    QStringList noms;
    if (capteurs & 1)
        noms << tr("température");
    if (capteurs & 2)
        noms << tr("humidité");
    return noms.isEmpty() ? tr("aucun") : noms.join(QStringLiteral(", "));
}

QStringList Presentation::Fiche(const TS_ENREGISTREUR& e, enm_LANGUE langue)
{
    const QList<QStringList> lignes{
        {tr("Port :"), e.Port},
        {tr("Identifiant :"), e.Ids.ID},
        {tr("Modèle :"), e.Ids.Modele},
        {tr("Info :"), e.Ids.Info},
        {tr("Points :"),
         tr("%1 (%2 mesures)").arg(PointsParCapteur(e.Params)).arg(e.Params.NbrePoints)},
        {tr("Période :"), tr("%1 s").arg(e.Params.Frequence)},
        {tr("Unité :"), e.Params.Unite == QLatin1String("I") ? tr("impériale") : tr("métrique")},
        {tr("Capteurs :"), TexteCapteurs(e.Params.Capteurs)},
        {tr("Début :"), TexteDate(e.Params.DateDebut, langue)},
    };
    return Aligner(lignes);
}

QStringList Presentation::Tableau(const QList<TS_ENREGISTREUR>& enregistreurs, enm_LANGUE langue)
{
    QList<QStringList> lignes{{tr("PORT"), tr("IDENTIFIANT"), tr("MODÈLE"), tr("POINTS"),
                               tr("PÉRIODE"), tr("CAPTEURS"), tr("DÉBUT")}};
    for (const TS_ENREGISTREUR& e : enregistreurs) {
        lignes << QStringList{e.Port,
                              e.Ids.ID,
                              e.Ids.Modele,
                              QString::number(PointsParCapteur(e.Params)),
                              tr("%1 s").arg(e.Params.Frequence),
                              TexteCapteurs(e.Params.Capteurs),
                              TexteDate(e.Params.DateDebut, langue)};
    }
    return Aligner(lignes);
}

QString Presentation::Duree(qint64 secondes)
{
    const qint64 s = qMax<qint64>(0, secondes);
    const QLatin1Char zero('0');
    if (s < 3600)
        return QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, zero);
    return QStringLiteral("%1:%2:%3")
        .arg(s / 3600)
        .arg(s / 60 % 60, 2, 10, zero)
        .arg(s % 60, 2, 10, zero);
}

QString Presentation::Barre(int recus, int attendus, double secondes, int largeur)
{
    const int total = qMax(attendus, 1);
    const int pleins = int(qint64(largeur) * qBound(0, recus, total) / total);
    QString texte = QLatin1Char('[') + QString(pleins, QLatin1Char('#')) +
                    QString(largeur - pleins, QLatin1Char('.')) + QStringLiteral("] ");
    texte += tr("%1/%2 points").arg(recus).arg(attendus);
    if (recus > 0 && secondes > 0) {
        const double debit = recus / secondes;
        texte += tr(", %1 points/s, %2 restantes")
                     .arg(qRound(debit))
                     .arg(Duree(qint64((attendus - recus) / debit + 0.5)));
    }
    return texte;
}
