#include "clsSurveillance.h"

TS_SURVEILLANCE clsSurveillance::Comparer(const QStringList& listes, const QStringList& connus,
                                          const QString& selectionne, bool tenu)
{
    TS_SURVEILLANCE r;
    r.Perte = !selectionne.isEmpty() && !tenu;
    for (const QString& port : connus) {
        // The selected logger goes only through its loss.
        if (port != selectionne && !listes.contains(port, Qt::CaseInsensitive))
            r.Departs << port;
    }
    // Loggers that went are looked for again as they come back.
    for (const QString& port : listes) {
        if (!connus.contains(port, Qt::CaseInsensitive) && !r.Arrivees.contains(port))
            r.Arrivees << port;
    }
    return r;
}

QString clsSurveillance::SelectionAuto(const QStringList& connus, const QString& selectionne)
{
    return selectionne.isEmpty() && connus.size() == 1 ? connus.first() : QString();
}

bool clsSurveillance::NoterSonde(const QString& port, bool repondu)
{
    const QString cle = port.toLower();
    const bool avant = m_Echecs.value(cle).Echecs >= SondesSansReponse;
    if (repondu) {
        m_Echecs.remove(cle);
    } else {
        Sondes& s = m_Echecs[cle];
        s.Port = port;
        ++s.Echecs;
    }
    const bool apres = m_Echecs.value(cle).Echecs >= SondesSansReponse;
    return avant != apres;
}

bool clsSurveillance::Oublier(const QStringList& listes)
{
    bool change = false;
    for (auto it = m_Echecs.begin(); it != m_Echecs.end();) {
        if (!listes.contains(it.key(), Qt::CaseInsensitive)) {
            change = change || it.value().Echecs >= SondesSansReponse;
            it = m_Echecs.erase(it);
        } else {
            ++it;
        }
    }
    return change;
}

QStringList clsSurveillance::Muets() const
{
    QStringList muets;
    for (auto it = m_Echecs.cbegin(); it != m_Echecs.cend(); ++it) {
        if (it.value().Echecs >= SondesSansReponse)
            muets << it.value().Port;
    }
    return muets;
}
