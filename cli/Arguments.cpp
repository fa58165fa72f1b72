#include "Arguments.h"

#include "ReglesProgrammation.h"

#include <QRegularExpression>

namespace R = ReglesProgrammation;

namespace
{

bool Refuser(QString* erreur, const QString& message)
{
    *erreur = message;
    return false;
}

// Tenths as a number with one decimal: -400 gives "-40.0".
QString TexteDixiemes(int dixiemes)
{
    return QString::number(dixiemes / 10.0, 'f', 1);
}

} // namespace

bool Arguments::Periode(const QString& texte, int* secondes, QString* erreur)
{
    static const QRegularExpression nombre(QStringLiteral("^\\d{1,6}$"));
    static const QRegularExpression duree(QStringLiteral("^(\\d{1,2}):([0-5]\\d):([0-5]\\d)$"));
    int s = -1;
    if (nombre.match(texte).hasMatch()) {
        s = texte.toInt();
    } else {
        const QRegularExpressionMatch m = duree.match(texte);
        if (m.hasMatch())
            s = m.captured(1).toInt() * 3600 + m.captured(2).toInt() * 60 + m.captured(3).toInt();
    }
    if (s < R::PeriodeMin || s > R::PeriodeMax)
        return Refuser(
            erreur, tr("période invalide : %1 (secondes ou H:MM:SS, de 1 s à 6:59:59)").arg(texte));
    *secondes = s;
    return true;
}

bool Arguments::Points(const QString& texte, int* milliers, QString* erreur)
{
    static const QRegularExpression nombre(QStringLiteral("^\\d{1,6}$"));
    const int n = nombre.match(texte).hasMatch() ? texte.toInt() : -1;
    if (n < R::MilliersMin * 1000 || n > R::MilliersMax * 1000 || n % 1000 != 0)
        return Refuser(
            erreur,
            tr("nombre de mesures invalide : %1 (de 1000 à 32000, par milliers)").arg(texte));
    *milliers = n / 1000;
    return true;
}

bool Arguments::Capteurs(const QString& texte, int* masque, QString* erreur)
{
    int m = 0;
    for (const QString& morceau : texte.split(QLatin1Char(','))) {
        const QString nom = morceau.trimmed().toLower();
        if (nom == QLatin1String("temp") || nom == QLatin1String("temperature"))
            m |= 1;
        else if (nom == QLatin1String("humi") || nom == QLatin1String("humidity"))
            m |= 2;
        else
            return Refuser(erreur,
                           tr("capteurs invalides : %1 (temp, humi ou temp,humi)").arg(texte));
    }
    *masque = m;
    return true;
}

bool Arguments::Mode(const QString& texte, int* code, QString* erreur)
{
    static const QMap<QString, int> modes{{QStringLiteral("immediate"), R::MODE_IMMEDIAT},
                                          {QStringLiteral("realtime"), R::MODE_TEMPS_REEL},
                                          {QStringLiteral("manual"), R::MODE_MANUEL},
                                          {QStringLiteral("programmable"), R::MODE_PROGRAMMABLE},
                                          {QStringLiteral("continuous"), R::MODE_CONTINU}};
    if (!modes.contains(texte))
        return Refuser(erreur, tr("mode invalide : %1 (immediate, realtime, manual, continuous "
                                  "ou programmable)")
                                   .arg(texte));
    *code = modes.value(texte);
    return true;
}

bool Arguments::Unite(const QString& texte, QString* unite, QString* erreur)
{
    if (texte == QLatin1String("metric"))
        *unite = QStringLiteral("M");
    else if (texte == QLatin1String("imperial"))
        *unite = QStringLiteral("I");
    else
        return Refuser(erreur, tr("unité invalide : %1 (metric ou imperial)").arg(texte));
    return true;
}

bool Arguments::Debut(const QString& texte, QDateTime* debut, QString* erreur)
{
    QString iso = texte.trimmed();
    if (iso.size() > 10 && iso.at(10) == QLatin1Char(' '))
        iso[10] = QLatin1Char('T');
    static const QRegularExpression forme(
        QStringLiteral("^\\d{4}-\\d{2}-\\d{2}T\\d{2}:\\d{2}(:\\d{2})?(Z|[+-]\\d{2}:\\d{2})?$"));
    const QDateTime t =
        forme.match(iso).hasMatch() ? QDateTime::fromString(iso, Qt::ISODate) : QDateTime();
    if (!t.isValid())
        return Refuser(erreur,
                       tr("date invalide : %1 (AAAA-MM-JJTHH:MM, heure locale)").arg(texte));
    const QDateTime locale = t.toLocalTime();
    if (locale < R::DebutMin() || locale > R::DebutMax())
        return Refuser(
            erreur, tr("date hors du calendrier de l'enregistreur (2010 à 2099) : %1").arg(texte));
    *debut = locale;
    return true;
}

bool Arguments::Seuil(const QString& texte, int min, int max, int* dixiemes, QString* erreur)
{
    static const QRegularExpression forme(QStringLiteral("^(-?)(\\d{1,4})(?:[.,](\\d))?$"));
    const QRegularExpressionMatch m = forme.match(texte.trimmed());
    int v = 0;
    bool ok = m.hasMatch();
    if (ok) {
        v = m.captured(2).toInt() * 10 + (m.captured(3).isEmpty() ? 0 : m.captured(3).toInt());
        if (!m.captured(1).isEmpty())
            v = -v;
        ok = v >= min && v <= max;
    }
    if (!ok)
        return Refuser(erreur, tr("seuil invalide : %1 (une décimale au plus, de %2 à %3)")
                                   .arg(texte, TexteDixiemes(min), TexteDixiemes(max)));
    *dixiemes = v;
    return true;
}

bool Arguments::Afficheur(const QString& texte, bool* allume, QString* erreur)
{
    if (texte == QLatin1String("on"))
        *allume = true;
    else if (texte == QLatin1String("off"))
        *allume = false;
    else
        return Refuser(erreur, tr("affichage invalide : %1 (on ou off)").arg(texte));
    return true;
}

bool Arguments::Programmation(const TS_LIGNE& ligne, const DAC::TS_PARAMETRES& actuels,
                              bool humidite, const QDateTime& maintenant, TS_PROGRAMMATION* prog,
                              QString* erreur)
{
    TS_PROGRAMMATION p;
    if (!Mode(ligne.Valeur(QStringLiteral("mode")), &p.Mode, erreur))
        return false;

    // What is not given stays as the logger has it; the count, as in the dialog, is 32000.
    int periode = qBound(R::PeriodeMin, int(actuels.Frequence), R::PeriodeMax);
    if (ligne.Present(QStringLiteral("period")) &&
        !Periode(ligne.Valeur(QStringLiteral("period")), &periode, erreur))
        return false;
    int milliers = R::MilliersMax;
    if (ligne.Present(QStringLiteral("points")) &&
        !Points(ligne.Valeur(QStringLiteral("points")), &milliers, erreur))
        return false;
    int capteurs = actuels.Capteurs & (humidite ? 3 : 1);
    if (ligne.Present(QStringLiteral("sensors"))) {
        if (!Capteurs(ligne.Valeur(QStringLiteral("sensors")), &capteurs, erreur))
            return false;
        if ((capteurs & 2) && !humidite)
            return Refuser(erreur, tr("ce modèle ne mesure pas l'humidité"));
    }
    if (capteurs == 0)
        capteurs = 1;
    QString unite = actuels.Unite == QLatin1String("I") ? QStringLiteral("I") : QStringLiteral("M");
    if (ligne.Present(QStringLiteral("unit")) &&
        !Unite(ligne.Valeur(QStringLiteral("unit")), &unite, erreur))
        return false;

    const bool programmable = p.Mode == R::MODE_PROGRAMMABLE;
    if (ligne.Present(QStringLiteral("start")) != programmable)
        return Refuser(erreur, programmable ? tr("le mode programmable demande --start")
                                            : tr("--start ne sert qu'en mode programmable"));
    if (programmable) {
        if (!Debut(ligne.Valeur(QStringLiteral("start")), &p.Debut, erreur))
            return false;
        if (R::DebutPasse(p.Debut, maintenant))
            return Refuser(erreur, tr("le début programmé est déjà passé : %1")
                                       .arg(ligne.Valeur(QStringLiteral("start"))));
    }

    p.Params.NbrePoints = quint16(milliers * 1000);
    p.Params.Frequence = quint16(periode);
    p.Params.Unite = unite;
    p.Params.Capteurs = quint8(capteurs);
    // A programmable start is sent as its time in logger seconds, the other modes as their code.
    p.Params.DateDebut = programmable ? quint32(SecondesDepuis2010(p.Debut)) : quint32(p.Mode);
    *prog = p;
    return true;
}

bool Arguments::TempsReel(const TS_LIGNE& ligne, const DAC::TS_PARAMETRES& actuels, bool humidite,
                          TS_PROGRAMMATION* prog, QString* erreur)
{
    TS_PROGRAMMATION p;
    p.Mode = R::MODE_TEMPS_REEL;
    int periode = qBound(R::PeriodeMin, int(actuels.Frequence), R::PeriodeMax);
    if (ligne.Present(QStringLiteral("period")) &&
        !Periode(ligne.Valeur(QStringLiteral("period")), &periode, erreur))
        return false;
    const int capteurs = actuels.Capteurs & (humidite ? 3 : 1);
    p.Params.NbrePoints = quint16(R::MilliersMax * 1000);
    p.Params.Frequence = quint16(periode);
    p.Params.Unite =
        actuels.Unite == QLatin1String("I") ? QStringLiteral("I") : QStringLiteral("M");
    p.Params.Capteurs = quint8(capteurs == 0 ? 1 : capteurs);
    p.Params.DateDebut = R::MODE_TEMPS_REEL;
    *prog = p;
    return true;
}

bool Arguments::Alarmes(const TS_LIGNE& ligne, bool humidite, ClesReglages::SeuilsAlarmes* seuils,
                        QString* erreur)
{
    struct Champ {
        const char* Option;
        int Bit;
        int* Valeur;
        int Min;
        int Max;
    };
    ClesReglages::SeuilsAlarmes s;
    const Champ champs[] = {
        {"temp-max", 1, &s.TempMax, R::TemperatureMin, R::TemperatureMax},
        {"temp-min", 2, &s.TempMin, R::TemperatureMin, R::TemperatureMax},
        {"humi-max", 4, &s.HumiMax, R::HumiditeMin, R::HumiditeMax},
        {"humi-min", 8, &s.HumiMin, R::HumiditeMin, R::HumiditeMax},
    };
    for (const Champ& c : champs) {
        const QString option = QLatin1String(c.Option);
        if (!ligne.Present(option))
            continue;
        if (c.Bit >= 4 && !humidite)
            return Refuser(erreur, tr("ce modèle ne mesure pas l'humidité"));
        if (!Seuil(ligne.Valeur(option), c.Min, c.Max, c.Valeur, erreur))
            return false;
        s.Actives |= c.Bit;
    }
    if (R::SeuilsInverses(R::AlarmesEnvoyees(s, humidite)))
        return Refuser(erreur, tr("le seuil minimum doit être inférieur au seuil maximum"));
    *seuils = s;
    return true;
}

bool Arguments::Identifiant(const TS_LIGNE& ligne, QString* id, bool* afficheur, QString* erreur)
{
    const QString nouveau = ligne.Positionnels.value(1).toUpper();
    if (!R::IdentifiantValide(nouveau))
        return Refuser(erreur, tr("identifiant invalide : %1 (1 à 20 lettres, chiffres ou _)")
                                   .arg(ligne.Positionnels.value(1)));
    bool allume = true;
    if (ligne.Present(QStringLiteral("display")) &&
        !Afficheur(ligne.Valeur(QStringLiteral("display")), &allume, erreur))
        return false;
    *id = nouveau;
    *afficheur = allume;
    return true;
}
