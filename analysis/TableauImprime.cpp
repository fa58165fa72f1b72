#include "TableauImprime.h"

#include "MiseEnPage.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>

#include <numeric>

namespace
{
const QColor GrisEntete(110, 110, 110);
const QColor GrisFilet(200, 200, 200);

// The widest run of a text between blanks: a narrower column would have to
// break a word.
double PlusLongMot(const QFontMetricsF& mesure, const QString& texte)
{
    static const QRegularExpression blancs(QStringLiteral("\\s+"));
    double plusLong = 0;
    for (const QString& mot : texte.split(blancs, Qt::SkipEmptyParts))
        plusLong = qMax(plusLong, mesure.horizontalAdvance(mot));
    return plusLong;
}

double Somme(const QVector<double>& largeurs)
{
    return std::accumulate(largeurs.cbegin(), largeurs.cend(), 0.0);
}
} // namespace

void TableauImprime::AjouterColonne(const QString& entete, Qt::Alignment alignement, bool texte)
{
    m_Colonnes << Colonne{entete, alignement, texte};
}

void TableauImprime::AjouterLigne(const QStringList& cellules, const QColor& couleur)
{
    m_Lignes << Ligne{cellules, couleur};
}

bool TableauImprime::AvecCarres() const
{
    for (const Ligne& ligne : m_Lignes)
        if (ligne.Couleur.isValid())
            return true;
    return false;
}

bool TableauImprime::Disposer(const QPaintDevice* device, double largeur, double points,
                              double pointsMini, double hauteur)
{
    double premiere = 0; // the first size whose columns fit the width
    for (double taille = points; taille >= pointsMini - 0.01; taille -= 0.5) {
        if (!Largeurs(device, largeur, taille))
            continue;
        Hauteurs(device);
        if (hauteur <= 0 || Hauteur() <= hauteur)
            return true;
        if (premiere == 0)
            premiere = taille;
    }
    // Too high at every size: the largest that fits the width; too wide at
    // every size: the smallest, past the width.
    Largeurs(device, largeur, premiere > 0 ? premiere : pointsMini);
    Hauteurs(device);
    return false;
}

double TableauImprime::Hauteur() const
{
    return m_HauteurEntete + Somme(m_Hauteurs);
}

bool TableauImprime::Largeurs(const QPaintDevice* device, double largeur, double points)
{
    m_Points = points;
    m_Police = PoliceImpression(points);
    m_PoliceEntete = PoliceImpression(points, true);
    auto* peint = const_cast<QPaintDevice*>(device);
    const QFontMetricsF mesure(m_Police, peint);
    const QFontMetricsF mesureEntete(m_PoliceEntete, peint);
    m_MargeX = mesure.height() * 0.25;
    m_MargeY = mesure.height() * 0.15;
    m_LargeurCarres = AvecCarres() ? mesure.height() * 0.8 + 2 * m_MargeX : 0;

    // The narrowest a column may be (its widest word of text, its widest
    // number), and the width that keeps each of its cells on one line. A
    // hundredth of the font's height on top, for rounding in the layout.
    QVector<double> minis, entieres;
    const double jeu = 2 * m_MargeX + mesure.height() / 100;
    for (int col = 0; col < m_Colonnes.size(); ++col) {
        const Colonne& colonne = m_Colonnes.at(col);
        double mini = PlusLongMot(mesureEntete, colonne.Entete);
        double entiere = mesureEntete.horizontalAdvance(colonne.Entete);
        for (const Ligne& ligne : qAsConst(m_Lignes)) {
            const QString cellule = ligne.Cellules.value(col);
            const double une = mesure.horizontalAdvance(cellule);
            entiere = qMax(entiere, une);
            mini = qMax(mini, colonne.Texte ? PlusLongMot(mesure, cellule) : une);
        }
        minis << mini + jeu;
        entieres << entiere + jeu;
    }

    const double place = largeur - m_LargeurCarres;
    if (Somme(entieres) <= place) {
        m_Largeurs = entieres;
        return true;
    }
    m_Largeurs = minis;
    if (Somme(minis) > place)
        return false;
    // The room left goes to the columns that wrap, as much as each would take.
    const double reste = place - Somme(minis);
    const double manque = Somme(entieres) - Somme(minis);
    for (int col = 0; col < m_Largeurs.size(); ++col)
        m_Largeurs[col] += reste * (entieres.at(col) - minis.at(col)) / manque;
    return true;
}

void TableauImprime::Hauteurs(const QPaintDevice* device)
{
    auto* peint = const_cast<QPaintDevice*>(device);
    const QFontMetricsF mesure(m_Police, peint);
    const QFontMetricsF mesureEntete(m_PoliceEntete, peint);
    const auto hauteur = [](const QFontMetricsF& m, double largeur, const QString& texte) {
        return m.boundingRect(QRectF(0, 0, largeur, 1e9), Qt::AlignLeft | Qt::TextWordWrap, texte)
            .height();
    };
    m_HauteurEntete = mesureEntete.height();
    for (int col = 0; col < m_Colonnes.size(); ++col)
        m_HauteurEntete =
            qMax(m_HauteurEntete, hauteur(mesureEntete, m_Largeurs.at(col) - 2 * m_MargeX,
                                          m_Colonnes.at(col).Entete));
    m_HauteurEntete += 2 * m_MargeY;

    m_Hauteurs.clear();
    for (const Ligne& ligne : qAsConst(m_Lignes)) {
        double h = mesure.height();
        for (int col = 0; col < m_Colonnes.size(); ++col)
            if (m_Colonnes.at(col).Texte)
                h = qMax(h, hauteur(mesure, m_Largeurs.at(col) - 2 * m_MargeX,
                                    ligne.Cellules.value(col)));
        m_Hauteurs << h + 2 * m_MargeY;
    }
}

double TableauImprime::Largeur() const
{
    return m_LargeurCarres + Somme(m_Largeurs);
}

void TableauImprime::DessinerEntete(QPainter* painter, const QPointF& coin) const
{
    painter->save();
    painter->setFont(m_PoliceEntete);
    painter->setPen(Qt::black);
    double x = coin.x() + m_LargeurCarres;
    for (int col = 0; col < m_Colonnes.size(); ++col) {
        const double largeur = m_Largeurs.at(col);
        // Headers of one line and of two end on the same line.
        painter->drawText(QRectF(x + m_MargeX, coin.y() + m_MargeY, largeur - 2 * m_MargeX,
                                 m_HauteurEntete - 2 * m_MargeY),
                          Qt::AlignHCenter | Qt::AlignBottom | Qt::TextWordWrap,
                          m_Colonnes.at(col).Entete);
        x += largeur;
    }
    QPen trait(GrisEntete);
    trait.setWidthF(QFontMetricsF(m_Police, painter->device()).lineWidth());
    painter->setPen(trait);
    const double y = coin.y() + m_HauteurEntete;
    painter->drawLine(QPointF(coin.x(), y), QPointF(coin.x() + Largeur(), y));
    painter->restore();
}

void TableauImprime::DessinerLigne(QPainter* painter, int ligne, const QPointF& coin) const
{
    const Ligne& l = m_Lignes.at(ligne);
    const double hauteur = m_Hauteurs.at(ligne);
    painter->save();
    if (l.Couleur.isValid()) {
        // A rectangle rather than a picture or a symbol of some font: the same
        // whatever fonts the system has, sharp at any zoom.
        QColor couleur = l.Couleur;
        couleur.setAlpha(255);
        const double cote = m_LargeurCarres - 2 * m_MargeX;
        painter->fillRect(QRectF(coin.x() + m_MargeX, coin.y() + (hauteur - cote) / 2, cote, cote),
                          couleur);
    }
    painter->setFont(m_Police);
    painter->setPen(Qt::black);
    double x = coin.x() + m_LargeurCarres;
    for (int col = 0; col < m_Colonnes.size(); ++col) {
        const Colonne& colonne = m_Colonnes.at(col);
        const double largeur = m_Largeurs.at(col);
        const int options = colonne.Alignement | Qt::AlignVCenter |
                            (colonne.Texte ? Qt::TextWordWrap : Qt::TextSingleLine);
        painter->drawText(QRectF(x + m_MargeX, coin.y() + m_MargeY, largeur - 2 * m_MargeX,
                                 hauteur - 2 * m_MargeY),
                          options, l.Cellules.value(col));
        x += largeur;
    }
    if (m_Filets) {
        QPen trait(GrisFilet);
        trait.setWidthF(QFontMetricsF(m_Police, painter->device()).lineWidth());
        painter->setPen(trait);
        const double y = coin.y() + hauteur;
        painter->drawLine(QPointF(coin.x(), y), QPointF(coin.x() + Largeur(), y));
    }
    painter->restore();
}
