#pragma once

#include "IFormatsDate.h"
#include "clsSerie.h"

#include <QFile>
#include <QList>
#include <QString>
#include <QWidget>

// A recording as the measurement window saves it: <dir>/<nom>.ail and .txt,
// one point every `periode` s from `debut` (s since 1970 UTC), from the logger `id`.
inline bool EcrireEnregistrement(const QString& dir, const QString& nom, uint debut, int periode,
                                 const QList<int>& temperatures, const QList<int>& humidites,
                                 int capteurs = 3, const QString& commentaire = QString(),
                                 const QString& id = QStringLiteral("LOG1"))
{
    clsSerie serie;
    serie.NbrePoints = 0;
    serie.Infos.Appareil = 1;
    serie.Infos.ID = id;
    serie.Infos.Frequence = periode;
    serie.Infos.DateDebut = debut;
    serie.Infos.Capteurs = capteurs;
    for (int i = 0; i < temperatures.size(); ++i)
        serie.AjouterPoint(debut + uint(i * periode), temperatures.at(i),
                           i < humidites.size() ? humidites.at(i) : 0);
    serie.setCommentaire(commentaire);
    return serie.Sauvegarder(nom, dir);
}

// Two hours of a cold room at 5.0 to 5.4 °C, a point a minute: a 30-minute
// excursion at 9.0 °C from point 21, two short ones (8.5 °C at points 71 and 72,
// 12.0 °C at point 101). Above 8.0 °C: 33 points of 120.
inline QList<int> ChambreFroide()
{
    QList<int> temperatures;
    for (int i = 0; i < 120; ++i)
        temperatures << (i >= 20 && i < 50    ? 90
                         : i == 70 || i == 71 ? 85
                         : i == 100           ? 120
                                              : 50 + i % 5);
    return temperatures;
}

// The limits of one curve (clsSerie::MajLimites: 1, 2 or 4) of a saved recording.
inline bool EcrireLimites(const QString& dir, const QString& nom, int courbe,
                          const TS_LIMITES& limites)
{
    clsSerie serie;
    if (!serie.Ouvrir(nom, dir, 3))
        return false;
    (courbe == 1   ? serie.Temperature.Limites
     : courbe == 2 ? serie.Humidite.Limites
                   : serie.LimitesRosee) = limites;
    return serie.MajLimites(courbe);
}

// Replaces the first `avant` of a file by `apres`, as a text editor would.
inline bool Retoucher(const QString& chemin, const QByteArray& avant, const QByteArray& apres)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return false;
    QByteArray octets = fichier.readAll();
    fichier.close();
    const int i = octets.indexOf(avant);
    if (i < 0 || !fichier.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    octets.replace(i, avant.size(), apres);
    return fichier.write(octets) == octets.size();
}

// n values from `depart`, one more each point.
inline QList<int> Rampe(int depart, int n, int pas = 1)
{
    QList<int> valeurs;
    for (int i = 0; i < n; ++i)
        valeurs << depart + i * pas;
    return valeurs;
}

// Stands in for the main window: the language and its date formats.
class HoteAnalyse : public QWidget, public IFormatsDate
{
public:
    explicit HoteAnalyse(enm_LANGUE langue = FRANCAIS) : m_Langue(langue) {}

    enm_LANGUE Langue() const override { return m_Langue; }
    QString FormatDate() const override
    {
        return m_Langue == FRANCAIS ? QStringLiteral(" dd/MM/yyyy") : QStringLiteral(" MM/dd/yyyy");
    }
    QString FormatDateHeure() const override
    {
        return m_Langue == FRANCAIS ? QStringLiteral(" dd/MM/yyyy\n  hh:mm:ss")
                                    : QStringLiteral(" MM/dd/yyyy\n h:mm:ss AP");
    }
    QString FormatHeure() const override
    {
        return m_Langue == FRANCAIS ? QStringLiteral("hh:mm:ss") : QStringLiteral("h:mm:ss AP");
    }

    enm_LANGUE m_Langue;
};
