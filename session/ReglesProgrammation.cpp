#include "ReglesProgrammation.h"

namespace ReglesProgrammation
{

QDateTime DebutMin()
{
    return QDateTime(QDate(2010, 1, 1), QTime(0, 0));
}

QDateTime DebutMax()
{
    return QDateTime(QDate(2099, 12, 31), QTime(23, 59, 59));
}

bool DebutPasse(const QDateTime& debut, const QDateTime& maintenant)
{
    return SecondesDepuis2010(debut) <= SecondesDepuis2010(maintenant);
}

bool IdentifiantValide(const QString& id)
{
    if (id.isEmpty() || id.size() > LongueurMaxIdentifiant)
        return false;
    for (const QChar c : id) {
        const ushort u = c.unicode();
        if (!((u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_'))
            return false;
    }
    return true;
}

bool MesureHumidite(int codeModele)
{
    return codeModele != 3;
}

DAC::TS_ALARMES AlarmesEnvoyees(const ClesReglages::SeuilsAlarmes& seuils, bool humidite)
{
    DAC::TS_ALARMES a;
    a.Actives = quint8(seuils.Actives & (humidite ? 15 : 3));
    a.TempMax = qint16(a.Actives & 1 ? seuils.TempMax : 0);
    a.TempMin = qint16(a.Actives & 2 ? seuils.TempMin : 0);
    a.HumiMax = qint16(a.Actives & 4 ? seuils.HumiMax : 0);
    a.HumiMin = qint16(a.Actives & 8 ? seuils.HumiMin : 0);
    return a;
}

bool SeuilsInverses(const DAC::TS_ALARMES& alarmes)
{
    const bool temperature = (alarmes.Actives & 3) == 3 && alarmes.TempMin >= alarmes.TempMax;
    const bool humidite = (alarmes.Actives & 12) == 12 && alarmes.HumiMin >= alarmes.HumiMax;
    return temperature || humidite;
}

int MesuresNonTelechargees(int pointsEnregistreur, int pointsTelecharges)
{
    if (pointsEnregistreur <= 0 || pointsTelecharges >= pointsEnregistreur)
        return 0;
    return pointsEnregistreur;
}

} // namespace ReglesProgrammation
