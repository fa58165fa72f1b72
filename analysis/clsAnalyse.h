#pragma once

#include "Limites.h"
#include "Synchro.h"
#include "TableauImprime.h"
#include "prmCheckBox.h"
#include "prmLabelCouleur.h"

#include <QColor>
#include <QFileInfo>
#include <QObject>
#include <QPointer>
#include <QPushButton>
#include <QString>
#include <QVector>
#include <QtNumeric>

#include <memory>

class LignesLimites;
class QPrinter;
class QwtPlot;
class QwtPlotCurve;
class QwtPlotDirectPainter;
class CurveData;
class clsSerie;
class frmAnalyse;
class prmTableWidget;
struct TS_VOIE;

// What an entry draws: a channel of the recording, or the dew point derived from
// both, which lies on the temperature axis.
enum enm_MESURE { MESURE_TEMPERATURE = 1, MESURE_HUMIDITE = 2, MESURE_ROSEE = 4 };

// Columns of the legend table, as the entries fill them.
enum enm_COLONNE_LEGENDE {
    COL_AFFICHER = 0,
    COL_COULEUR,
    COL_DATAS,
    COL_IMPRIMER,
    COL_SUPPRIMER,
    COL_MESURE,
    COL_DATE,
    COL_HEURE,
    COL_FREQUENCE,
    COL_POINTS,
    COL_MOYENNE,
    COL_ECART_TYPE,
    COL_MINIMUM,
    COL_MAXIMUM,
    COL_ETENDUE,
    COL_TCM, // mean kinetic temperature, temperature curves only
    COL_LIMITES,
    COL_BTN_LIMITES,
    COL_NOM, // with a warning mark when the files changed since their save
    COL_COMMENTAIRE,
    COL_BTN_COMMENTAIRE
};

// Columns of the range table.
enum enm_COLONNE_PLAGE {
    PLAGE_COULEUR = 0,
    PLAGE_POINTS,
    PLAGE_MOYENNE,
    PLAGE_ECART_TYPE,
    PLAGE_MINIMUM,
    PLAGE_MAXIMUM,
    PLAGE_ETENDUE,
    PLAGE_TCM,
    PLAGE_SOUS,
    PLAGE_SUR,
    PLAGE_EXCURSIONS,
    PLAGE_PLUS_LONGUE
};

// Figures of an entry against its limits over a range, as texts: each empty
// when it does not apply (no limit on that side, not a temperature curve).
struct TextesConservation {
    QString Tcm;        // mean kinetic temperature
    QString Sous;       // time below the lower limit, "h:mm (share %)"
    QString Sur;        // time above the upper limit
    QString Excursions; // number of runs outside
    QString PlusLongue; // the longest run, "h:mm" and its start
};

// One curve of the analysis view: one measure of one recording. It reads its own
// copy of the recording, owns the plotted curve, the dashed lines of its limits
// and the widgets of its row of the legend table, and answers them.
class clsAnalyse : public QObject
{
    Q_OBJECT

public:
    // mesure: enm_MESURE. The window reads Charge() right after: an entry whose
    // recording could not be read, or does not hold that measure (both sensors
    // for the dew point), is dropped.
    clsAnalyse(frmAnalyse* fenetre, QwtPlot* plot, prmTableWidget* legende,
               const QFileInfo& fichier, int mesure, const QColor& couleur, enm_SYNCHRO mode);
    ~clsAnalyse() override;

    bool Charge() const { return m_Charge; }
    // Why nothing was loaded, for the user; empty when the recording simply has
    // no such channel (a temperature-only logger asked for humidity).
    const QString& Raison() const { return m_Raison; }
    // What the user must know of an entry that was loaded (a points file cut
    // short); empty otherwise.
    const QString& Avertissement() const { return m_Avertissement; }
    int Mesure() const { return m_Mesure; }
    // QwtPlot::yLeft (temperature, dew point) or QwtPlot::yRight (humidity).
    int Axe() const;
    // Minimum and maximum of the entry's channel, tenths.
    int ValeurMin() const;
    int ValeurMax() const;
    // The same widened to the limits: what the value axis must show.
    int BasEchelle() const;
    int HautEchelle() const;
    // The entry's value at each point of the recording, tenths; NaN where it has
    // none (a dew point out of the formula's range).
    const QVector<double>& Valeurs() const { return m_Valeurs; }
    const TS_LIMITES& Limites() const;
    // Whether the recording's files changed outside the program since their save.
    bool Modifiee() const { return m_Modifiee; }
    // "file – measure", as the user tells the curves apart.
    QString NomCourbe() const;
    // Smallest and largest x of the plotted points (in mode 1 a recording over
    // midnight wraps back to 0, so these need not be its first and last points).
    double XMin() const;
    double XMax() const;
    bool Affichee() const;
    // Row of the legend table that holds this entry, -1 if none.
    int LigneLegende() const;
    // Writes the legend row's language-dependent cells again (measure, date,
    // time, statistics; the mean kinetic temperature follows the window's ΔH/R).
    void MajLangue();
    QColor Couleur() const { return m_Couleur; }
    QwtPlotCurve* Courbe() const { return m_Courbe; }
    const clsSerie* Serie() const { return m_Serie; }
    const CurveData* Points() const { return m_Points; }

    // Appends the row of the range [premier, dernier] to the range table; its
    // colour swatch becomes the entry's range swatch.
    void CalculerPlage(prmTableWidget* table, double premier, double dernier);
    // Deletes the range swatch, if any.
    void SupprimerPlage();
    // The mean kinetic temperature and the excursions over the points whose x
    // lies from premier to dernier (the whole recording by default).
    TextesConservation Conservation(double premier = -qInf(), double dernier = qInf()) const;
    // Takes the curve and its limit lines off the plot, before the entry goes.
    void Retirer();
    // ΔH/R of the mean kinetic temperature, K: the window's.
    double DeltaHsurR() const;
    prmLabelCouleur* SwatchPlage() const { return m_lblPlage.data(); }
    // The recording's points, one row each.
    void RemplirTableau(prmTableWidget* table);

    // Prints the recording's points on an already set-up printer (Imprimer()
    // without its dialog): on every page the recording's name, its logger, the
    // page number and the columns' header, over as many groups of columns side
    // by side as the width holds.
    void ImprimerSur(QPrinter* printer) const;

public slots:
    void CouleurChanged(QColor newCouleur);
    void MasquerCourbe();
    void SuppCourbe();
    void ModifCommentaire();
    void ModifLimites();
    void AffDatas();
    void Imprimer();

private:
    // Tells the user that the recording's header could not be written: `phrase`
    // with the header file's name for %1. The change stays in the view.
    void AnnoncerNonEcrit(const QString& phrase) const;
    // Mean, deviation, minimum, maximum, range, mean kinetic temperature and
    // limits in the legend row lig.
    void EcrireStatistiques(int lig);
    TS_VOIE& Voie() const;
    TS_LIMITES& LimitesModifiables();
    // "Temperature", "Humidite" or "Point de rosée" in the current language.
    QString NomMesure() const;
    // The file name in the legend row lig, marked when the files changed.
    void EcrireNom(int lig);
    // The dew point of each point, its samples and statistics.
    void CalculerRosee();
    // The recording's points as ImprimerSur() prints them, one row each.
    TableauImprime TableauPoints() const;
    QPushButton* NouveauBouton(const char* image, const QString& tooltip);
    void AjouterLigneLegende();

    frmAnalyse* m_Fenetre;
    QwtPlot* m_Plot;
    prmTableWidget* m_Legende;
    clsSerie* m_Serie = nullptr;
    QwtPlotCurve* m_Courbe = nullptr;
    CurveData* m_Points = nullptr; // owned by the curve
    QwtPlotDirectPainter* m_Painter = nullptr;
    std::unique_ptr<LignesLimites> m_Lignes;
    QColor m_Couleur; // both swatches show and edit it in place
    int m_Mesure;
    QVector<double> m_Valeurs; // tenths per point, NaN where none
    QVector<double> m_X;       // x of each point
    QVector<uint> m_Temps;     // time stamp of each point
    // The dew point's statistics: its own channel, whose divisor is the number
    // of points that have one.
    int m_NbreRosee = 0;
    std::unique_ptr<TS_VOIE> m_Rosee;
    bool m_Modifiee = false;
    QString m_Unite;
    QString m_NomFichier; // base name, no folder, no extension
    // The tables delete their cell widgets when a row goes: guarded pointers.
    QPointer<prmLabelCouleur> m_lblCouleur;
    QPointer<prmLabelCouleur> m_lblPlage;
    QPointer<QPushButton> m_btnSupp;
    QPointer<QPushButton> m_btnDatas;
    QPointer<QPushButton> m_btnImprimer;
    QPointer<QPushButton> m_btnCommentaire;
    QPointer<QPushButton> m_btnLimites;
    QPointer<prmCheckBox> m_chkAfficher;
    bool m_Charge = false;
    QString m_Raison;
    QString m_Avertissement;
    enm_SYNCHRO m_Mode;
};
