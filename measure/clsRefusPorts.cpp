#include "clsRefusPorts.h"

int clsRefusPorts::Chercher(const QString& port) const
{
    for (int i = 0; i < m_Entrees.size(); ++i) {
        if (m_Entrees.at(i).Port.compare(port, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

bool clsRefusPorts::Noter(const QString& port, RefusPort refus, const QString& groupe)
{
    const int i = Chercher(port);
    if (refus == RefusPort::Aucun) {
        if (i < 0)
            return false;
        m_Entrees.removeAt(i);
        return true;
    }
    if (i >= 0) {
        Entree& entree = m_Entrees[i];
        if (entree.Refus == refus && entree.Groupe == groupe)
            return false;
        entree.Refus = refus;
        entree.Groupe = groupe;
        return true;
    }
    m_Entrees.append(Entree{port, refus, groupe});
    return true;
}

bool clsRefusPorts::Oublier(const QStringList& portsPresents)
{
    bool change = false;
    for (int i = m_Entrees.size() - 1; i >= 0; --i) {
        if (!portsPresents.contains(m_Entrees.at(i).Port, Qt::CaseInsensitive)) {
            m_Entrees.removeAt(i);
            change = true;
        }
    }
    return change;
}
