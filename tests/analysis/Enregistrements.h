#pragma once

#include "IFormatsDate.h"
#include "clsSerie.h"

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
