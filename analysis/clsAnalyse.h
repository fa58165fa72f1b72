#ifndef CLSANALYSE_H
#define CLSANALYSE_H

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

class QPrinter;
class QwtPlot;
class QwtPlotCurve;
class QwtPlotDirectPainter;
class CurveData;
class clsSerie;
class frmAnalyse;
class prmTableWidget;
struct TS_VOIE;

// One curve of the analysis view: one measure of one recording. It reads its own
// copy of the recording, owns the plotted curve and the widgets of its row of the
// legend table, and answers them.
class clsAnalyse : public QObject
{
    Q_OBJECT

public:
    // mesure: 1 temperature, 2 humidity. The window reads Charge() right after:
    // an entry whose recording could not be read, or does not hold that measure,
    // is dropped.
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
    // Minimum and maximum of the entry's channel, tenths.
    int ValeurMin() const;
    int ValeurMax() const;
    // Smallest and largest x of the plotted points (in mode 1 a recording over
    // midnight wraps back to 0, so these need not be its first and last points).
    double XMin() const;
    double XMax() const;
    bool Affichee() const;
    // Row of the legend table that holds this entry, -1 if none.
    int LigneLegende() const;
    // Writes the legend row's language-dependent cells again (measure, date, time).
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
    void AffDatas();
    void Imprimer();

private:
    // Mean, deviation, minimum, maximum and range in the legend row lig.
    void EcrireStatistiques(int lig);
    TS_VOIE& Voie() const;
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
    QColor m_Couleur; // both swatches show and edit it in place
    int m_Mesure;
    QString m_Unite;
    QString m_NomFichier; // base name, no folder, no extension
    // The tables delete their cell widgets when a row goes: guarded pointers.
    QPointer<prmLabelCouleur> m_lblCouleur;
    QPointer<prmLabelCouleur> m_lblPlage;
    QPointer<QPushButton> m_btnSupp;
    QPointer<QPushButton> m_btnDatas;
    QPointer<QPushButton> m_btnImprimer;
    QPointer<QPushButton> m_btnCommentaire;
    QPointer<prmCheckBox> m_chkAfficher;
    bool m_Charge = false;
    QString m_Raison;
    QString m_Avertissement;
    enm_SYNCHRO m_Mode;
};

#endif
