#include "FormatsDate.h"

#include <QLocale>
#include <QTime>

namespace {
constexpr qint64 Jour = 86400; // s
}

QString FormatDate(enm_LANGUE langue)
{
    return langue == FRANCAIS ? QStringLiteral(" dd/MM/yyyy") : QStringLiteral(" MM/dd/yyyy");
}

QString FormatHeure(enm_LANGUE langue)
{
    return langue == FRANCAIS ? QStringLiteral("hh:mm:ss") : QStringLiteral("h:mm:ss AP");
}

QString FormatDateHeure(enm_LANGUE langue)
{
    return langue == FRANCAIS ? QStringLiteral(" dd/MM/yyyy\n  hh:mm:ss")
                              : QStringLiteral(" MM/dd/yyyy\n h:mm:ss AP");
}

qint64 SecondesAxe(double valeur)
{
    constexpr qint64 borne = qint64(1) << 40;
    if (qIsNaN(valeur))
        return 0;
    return static_cast<qint64>(qBound(-double(borne), valeur, double(borne)));
}

int SecondesDuJour(qint64 secondes)
{
    const qint64 reste = secondes % Jour;
    return int(reste < 0 ? reste + Jour : reste);
}

QString TexteHeureDuJour(qint64 secondes, const QString& format)
{
    // AM/PM markers stay English whatever the locale, as the formats expect.
    return QLocale::c().toString(QTime(0, 0).addSecs(SecondesDuJour(secondes)), format);
}
