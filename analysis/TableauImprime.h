#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QVector>

class QPaintDevice;
class QPainter;

// A table drawn with a painter, row by row, for the report and the printouts.
// Column widths come from the font's metrics on the device: a number, a date or
// a time is never wrapped; a text column (a name, a comment) wraps between its
// words only. The caller places the header and the rows, page by page.
class TableauImprime
{
public:
    // texte: cells that may wrap between words. The header wraps between its
    // words whatever the column.
    void AjouterColonne(const QString& entete, Qt::Alignment alignement = Qt::AlignHCenter,
                        bool texte = false);
    // couleur: a square of that colour in a first column (a curve's row).
    void AjouterLigne(const QStringList& cellules, const QColor& couleur = QColor());
    int NbreLignes() const { return m_Lignes.size(); }
    // A light rule under every row, for rows of several lines.
    void setFilets(bool filets) { m_Filets = filets; }

    // Lays the columns out within `largeur` (device units) in a font of
    // `points`, or of a smaller size, by half points down to `pointsMini`: the
    // largest at which the columns fit, and the whole table within `hauteur`
    // when that is given. False when no size does; the table is then laid out
    // at the largest size that fits the width, else at `pointsMini` past it.
    bool Disposer(const QPaintDevice* device, double largeur, double points, double pointsMini,
                  double hauteur = 0);
    double Points() const { return m_Points; }
    double Largeur() const;
    // The header and every row.
    double Hauteur() const;
    double HauteurEntete() const { return m_HauteurEntete; }
    double HauteurLigne(int ligne) const { return m_Hauteurs.at(ligne); }

    // Both from the top left corner `coin`, after Disposer().
    void DessinerEntete(QPainter* painter, const QPointF& coin) const;
    void DessinerLigne(QPainter* painter, int ligne, const QPointF& coin) const;

private:
    struct Colonne {
        QString Entete;
        Qt::Alignment Alignement;
        bool Texte;
    };
    struct Ligne {
        QStringList Cellules;
        QColor Couleur;
    };
    // Widths at a font size: false when they do not fit.
    bool Largeurs(const QPaintDevice* device, double largeur, double points);
    void Hauteurs(const QPaintDevice* device);
    bool AvecCarres() const;

    QList<Colonne> m_Colonnes;
    bool m_Filets = false;
    QList<Ligne> m_Lignes;
    double m_Points = 8;
    QFont m_Police;
    QFont m_PoliceEntete;
    double m_MargeX = 0; // inside a cell, each side
    double m_MargeY = 0;
    double m_LargeurCarres = 0; // the squares' column, 0 without squares
    QVector<double> m_Largeurs;
    QVector<double> m_Hauteurs;
    double m_HauteurEntete = 0;
};
