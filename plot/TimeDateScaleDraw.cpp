#include "TimeDateScaleDraw.h"

#include "FormatsDate.h"

#include <QDateTime>
#include <QFontMetrics>
#include <QLocale>

namespace
{
constexpr double Jour = 86400.0;
}

TimeDateScaleDraw::TimeDateScaleDraw(const QString& format) : m_Format(format) {}

TimeDateScaleDraw::~TimeDateScaleDraw() = default;

QString TimeDateScaleDraw::FormatDate() const
{
    const int saut = m_Format.indexOf(QLatin1Char('\n'));
    return (saut < 0 ? m_Format : m_Format.left(saut)).trimmed();
}

QString TimeDateScaleDraw::FormatHeure(double pas, bool heurePleine) const
{
    QString format = m_Format.mid(m_Format.indexOf(QLatin1Char('\n')) + 1).trimmed();
    if (pas >= 60)
        format.remove(QStringLiteral(":ss"));
    if (pas >= 3600 && heurePleine && format.startsWith(QLatin1Char('h')) &&
        !format.startsWith(QLatin1String("hh")))
        format.remove(QStringLiteral(":mm"));
    return format;
}

QString TimeDateScaleDraw::FormatJour() const
{
    QString format = FormatDate();
    format.remove(QStringLiteral("/yyyy"));
    format.remove(QStringLiteral("yyyy/"));
    return format;
}

int TimeDateScaleDraw::LargeurEtiquette(double pas, const QFont& police) const
{
    const QFontMetrics mesure(police);
    const QLocale c = QLocale::c();
    const QDateTime exemple(QDate(2026, 12, 28), QTime(12, pas >= 3600 ? 0 : 58, 58));
    const int jour = mesure.horizontalAdvance(c.toString(exemple, FormatJour()));
    if (pas >= Jour)
        return jour;
    return qMax(jour, mesure.horizontalAdvance(c.toString(exemple, FormatHeure(pas, true))));
}

QString TimeDateScaleDraw::TitreDates(double debut, double fin) const
{
    const QLocale c = QLocale::c();
    const QDate premier = QDateTime::fromSecsSinceEpoch(SecondesAxe(debut), Qt::LocalTime).date();
    const QDate dernier = QDateTime::fromSecsSinceEpoch(SecondesAxe(fin), Qt::LocalTime).date();
    const QString format = FormatDate();
    if (premier == dernier)
        return c.toString(premier, format);
    return c.toString(premier, format) + QStringLiteral(" - ") + c.toString(dernier, format);
}

QwtText TimeDateScaleDraw::label(double value) const
{
    // An axis may start before 1970 (a single point at 0 gets [-1, 1]): signed seconds.
    const QDateTime date = QDateTime::fromSecsSinceEpoch(SecondesAxe(value), Qt::LocalTime);
    // The C locale keeps "AM"/"PM" whatever the system language is.
    const QLocale c = QLocale::c();
    const QList<double> graduations = scaleDiv().ticks(QwtScaleDiv::MajorTick);
    if (graduations.isEmpty() || !m_Format.contains(QLatin1Char('\n')))
        return QwtText(c.toString(date, m_Format));

    // One tick alone: its step is at least the axis's span.
    const double pas = graduations.size() > 1 ? graduations.at(1) - graduations.at(0)
                                              : scaleDiv().range();
    // The first label of each new day names the day.
    const QDate veille =
        QDateTime::fromSecsSinceEpoch(SecondesAxe(value - pas), Qt::LocalTime).date();
    if (pas >= Jour || (veille != date.date() && date.time() == QTime(0, 0)))
        return QwtText(c.toString(date, FormatJour()));
    return QwtText(c.toString(date, FormatHeure(pas, date.time().minute() == 0)));
}
