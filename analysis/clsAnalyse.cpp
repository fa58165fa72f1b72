#include "clsAnalyse.h"

#include "CalculsAnalyse.h"
#include "CalculsConservation.h"
#include "CourbeCoupee.h"
#include "CurveData.h"
#include "Dialogues.h"
#include "Grandeurs.h"
#include "IconeLimites.h"
#include "LignesLimites.h"
#include "MiseEnPage.h"
#include "clsSerie.h"
#include "diaLimites.h"
#include "diaMajComment.h"
#include "frmAnalyse.h"
#include "prmCheckBox.h"
#include "prmLabelCouleur.h"
#include "prmTableWidget.h"

#include <QDateTime>
#include <QDir>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QStyle>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_directpainter.h>

namespace
{
const QString StylePastille = QStringLiteral("margin: 5px;");

// The printed table of the points.
const double PointsNom = 12;
const double PointsTableau = 8;
const double PointsTableauMini = 6;

// Values the limits may take, tenths: a dew point goes below the coldest
// temperature the loggers read.
const int LimiteTempMin = -1000;
const int LimiteTempMax = 1000;

} // namespace

clsAnalyse::clsAnalyse(frmAnalyse* fenetre, QwtPlot* plot, prmTableWidget* legende,
                       const QFileInfo& fichier, int mesure, const QColor& couleur,
                       enm_SYNCHRO mode)
    : QObject(nullptr), m_Fenetre(fenetre), m_Plot(plot), m_Legende(legende), m_Mesure(mesure),
      m_Unite(mesure == MESURE_HUMIDITE ? UniteHumi() : UniteTemp()),
      m_NomFichier(fichier.completeBaseName()), m_Mode(mode)
{
    m_Serie = new clsSerie();
    // A missing header would read as a default, empty recording: nothing to draw.
    // Ouvrir() reads the header, then refuses a channel outside the mask before
    // reading the points; the view reads them itself for a mask it does not know.
    // The dew point needs both channels.
    const bool rosee = mesure == MESURE_ROSEE;
    bool lu = fichier.isFile() &&
              m_Serie->Ouvrir(fichier.fileName(), fichier.absolutePath(), rosee ? 3 : mesure);
    const int voies = VoiesMesurees(m_Serie->Infos.Capteurs);
    const bool enregistree = rosee ? voies == 3 : (voies & mesure) != 0;
    if (!lu && enregistree && fichier.isFile()) {
        m_Serie->LireDonnees();
        lu = true;
    }
    // The header of one save beside the points of another (a save interrupted
    // between its two files): neither its statistics nor its points can be trusted.
    const bool discordante = lu && m_Serie->EtatPaire() == clsSerie::enm_PAIRE::Discordante;
    const QFileInfo points(fichier.dir(), m_Serie->Nom + QStringLiteral(".txt"));
    if (lu && enregistree && !discordante && rosee)
        CalculerRosee();
    // The other channel of a one-sensor recording holds zeros: no entry for it.
    const int nbre = m_Serie->NbrePointsPresents();
    if (!lu || !enregistree || discordante || nbre == 0 || (rosee && m_Rosee->Valeurs.isEmpty())) {
        if (!fichier.isFile())
            m_Raison = tr("Le fichier n'existe pas.");
        else if (!enregistree)
            m_Raison.clear();
        else if (!points.isFile())
            m_Raison = tr("Son fichier de points %1 est introuvable.").arg(points.fileName());
        else if (discordante)
            m_Raison = tr("Les fichiers %1 et %2 ne correspondent pas.")
                           .arg(m_Serie->Nom + QStringLiteral(".ail"), points.fileName());
        else if (nbre > 0)
            m_Raison = tr("Aucun de ses points ne donne de point de rosée : il faut une "
                          "température de -45 à 60 °C et une humidité au-dessus de 0 %.");
        else
            m_Raison =
                tr("Ni son en-tête ni son fichier de points ne contiennent de mesure lisible.");
        delete m_Serie;
        m_Serie = nullptr;
        return;
    }
    // Ouvrir() strips every ".ail" of the name: the legend shows the name it read.
    m_NomFichier = m_Serie->Nom;
    if (m_Serie->EtatPaire() == clsSerie::enm_PAIRE::Coupee)
        m_Avertissement = tr("Le fichier %1 est coupé : seuls ses %n premiers points sont lus.",
                             nullptr, m_Serie->NbrePointsPresents())
                              .arg(QDir::toNativeSeparators(points.absoluteFilePath()));
    m_Modifiee = m_Serie->Integrite() == clsSerie::enm_INTEGRITE::Modifiee;

    m_Couleur = couleur;
    // Read as times of day, a recording over midnight goes back to 0: its line
    // breaks there.
    m_Courbe = new CourbeCoupee(QString());
    m_Points = new CurveData();
    m_Courbe->setPen(QPen(m_Couleur, 0, Qt::SolidLine)); // 0: one-pixel cosmetic pen
    m_Courbe->setRenderHint(QwtPlotItem::RenderAntialiased);
    m_Courbe->setYAxis(Axe());

    // Never past the lists: a short points file leaves NbrePoints above them.
    const QList<int>& temps = m_Serie->Temps.Valeurs;
    m_X.reserve(nbre);
    m_Temps.reserve(nbre);
    const QList<int>* voie = rosee ? nullptr : &Voie().Valeurs;
    if (voie)
        m_Valeurs.reserve(nbre);
    for (int i = 0; i < nbre; ++i) {
        m_Temps << static_cast<uint>(temps.at(i));
        m_X << ValeurX(i, m_Temps.last(), mode);
        if (voie)
            m_Valeurs << voie->at(i);
        // A point without a dew point has no sample: the line joins its neighbours.
        if (!qIsNaN(m_Valeurs.at(i)))
            m_Points->append(QPointF(m_X.last(), m_Valeurs.at(i)));
    }
    m_Courbe->setData(m_Points);
    m_Courbe->attach(m_Plot);
    m_Painter = new QwtPlotDirectPainter();
    m_Painter->drawSeries(m_Courbe, 0, int(m_Points->size()) - 1);
    m_Lignes = std::make_unique<LignesLimites>(m_Plot, Axe());
    m_Lignes->Regler(Limites(), m_Couleur);

    AjouterLigneLegende();
    m_Charge = true;
}

void clsAnalyse::CalculerRosee()
{
    // Tenths rounded, as a logger's readings are whole tenths.
    m_Rosee = std::make_unique<TS_VOIE>(&m_NbreRosee);
    m_Rosee->Commentaire = m_Serie->Commentaire();
    const int nbre = m_Serie->NbrePointsPresents();
    m_Valeurs.reserve(nbre);
    for (int i = 0; i < nbre; ++i) {
        const double rosee =
            PointDeRosee(m_Serie->Temperature.Valeurs.at(i), m_Serie->Humidite.Valeurs.at(i));
        if (qIsNaN(rosee)) {
            m_Valeurs << rosee;
            continue;
        }
        m_Valeurs << qRound(rosee);
        ++m_NbreRosee;
        m_Rosee->Ajouter(qRound(rosee));
    }
}

clsAnalyse::~clsAnalyse()
{
    if (m_lblCouleur)
        disconnect(m_lblCouleur, nullptr, this, nullptr);
    if (m_btnSupp)
        disconnect(m_btnSupp, nullptr, this, nullptr);
    if (m_btnDatas)
        disconnect(m_btnDatas, nullptr, this, nullptr);
    if (m_chkAfficher)
        disconnect(m_chkAfficher, nullptr, this, nullptr);
    if (m_Courbe)
        m_Courbe->detach();
    m_Lignes.reset();
    // The swatches show m_Couleur: they go before it.
    delete m_lblPlage.data();
    delete m_lblCouleur.data();
    delete m_chkAfficher.data();
    delete m_btnDatas.data();
    delete m_btnImprimer.data();
    delete m_btnSupp.data();
    delete m_btnCommentaire.data();
    delete m_btnLimites.data();
    delete m_Painter;
    delete m_Courbe; // deletes its CurveData
    delete m_Serie;
}

TS_VOIE& clsAnalyse::Voie() const
{
    switch (m_Mesure) {
    case MESURE_ROSEE:
        return *m_Rosee;
    case MESURE_HUMIDITE:
        return m_Serie->Humidite;
    default:
        return m_Serie->Temperature;
    }
}

TS_LIMITES& clsAnalyse::LimitesModifiables()
{
    switch (m_Mesure) {
    case MESURE_ROSEE:
        return m_Serie->LimitesRosee;
    case MESURE_HUMIDITE:
        return m_Serie->Humidite.Limites;
    default:
        return m_Serie->Temperature.Limites;
    }
}

const TS_LIMITES& clsAnalyse::Limites() const
{
    return const_cast<clsAnalyse*>(this)->LimitesModifiables();
}

int clsAnalyse::Axe() const
{
    return m_Mesure == MESURE_HUMIDITE ? QwtPlot::yRight : QwtPlot::yLeft;
}

QString clsAnalyse::NomCourbe() const
{
    const QTableWidgetItem* mesure = m_Legende->item(LigneLegende(), COL_MESURE);
    return m_NomFichier + QStringLiteral(" \u2013 ") + (mesure ? mesure->text() : QString());
}

int clsAnalyse::ValeurMin() const
{
    return Voie().Minimum;
}

int clsAnalyse::ValeurMax() const
{
    return Voie().Maximum;
}

int clsAnalyse::BasEchelle() const
{
    const TS_LIMITES& limites = Limites();
    return qMin(ValeurMin(),
                qMin(limites.Basse.value_or(INT_MAX), limites.Haute.value_or(INT_MAX)));
}

int clsAnalyse::HautEchelle() const
{
    const TS_LIMITES& limites = Limites();
    return qMax(ValeurMax(),
                qMax(limites.Basse.value_or(INT_MIN), limites.Haute.value_or(INT_MIN)));
}

double clsAnalyse::XMin() const
{
    return m_Points->boundingRect().left();
}

double clsAnalyse::XMax() const
{
    return m_Points->boundingRect().right();
}

bool clsAnalyse::Affichee() const
{
    return m_chkAfficher && m_chkAfficher->isChecked();
}

void clsAnalyse::MajLangue()
{
    const int lig = LigneLegende();
    if (lig < 0 || !m_Serie)
        return;
    m_Legende->SetTexte(lig, COL_MESURE, NomMesure());
    m_Legende->SetDateHeure(lig, COL_DATE, m_Serie->Infos.DateDebut);
    EcrireNom(lig);
    EcrireStatistiques(lig);
}

QString clsAnalyse::NomMesure() const
{
    switch (m_Mesure) {
    case MESURE_ROSEE:
        return tr("Point de rosée");
    case MESURE_HUMIDITE:
        return tr("Humidite");
    default:
        return tr("Temperature");
    }
}

void clsAnalyse::EcrireNom(int lig)
{
    m_Legende->SetTexte(lig, COL_NOM, m_NomFichier);
    if (!m_Modifiee)
        return;
    // A mark the eye catches, the reason in its tool tip and for screen readers.
    const QString avertissement = tr("Modifié hors du programme depuis son enregistrement");
    QTableWidgetItem* nom = m_Legende->item(lig, COL_NOM);
    nom->setIcon(m_Legende->style()->standardIcon(QStyle::SP_MessageBoxWarning));
    nom->setToolTip(avertissement);
    nom->setData(Qt::AccessibleDescriptionRole, avertissement);
}

void clsAnalyse::EcrireStatistiques(int lig)
{
    const TS_VOIE& voie = Voie();
    m_Legende->SetMesure(lig, COL_MOYENNE, voie.Moyenne, QString(), m_Unite);
    // A standard deviation and a spread are differences, not temperatures.
    m_Legende->SetTexte(lig, COL_ECART_TYPE, TexteEcart(voie.EcartType, m_Unite));
    m_Legende->SetMesure(lig, COL_MINIMUM, voie.Minimum, QString(), m_Unite);
    m_Legende->SetMesure(lig, COL_MAXIMUM, voie.Maximum, QString(), m_Unite);
    // In 64 bits: the extremes of a points file may lie 2^32 apart.
    m_Legende->SetTexte(lig, COL_ETENDUE, TexteEcart(qint64(voie.Maximum) - voie.Minimum, m_Unite));
    m_Legende->SetTexte(lig, COL_TCM, Conservation().Tcm);
    m_Legende->SetTexte(lig, COL_LIMITES, TexteLimites(Limites(), m_Unite));
}

int clsAnalyse::LigneLegende() const
{
    // Rows go as entries are removed: the row is the one of the show box.
    for (int lig = 0; lig < m_Legende->rowCount(); ++lig)
        if (m_chkAfficher && m_Legende->cellWidget(lig, 0) == m_chkAfficher)
            return lig;
    return -1;
}

QPushButton* clsAnalyse::NouveauBouton(const char* image, const QString& tooltip)
{
    auto* bouton = new QPushButton(m_Legende);
    bouton->setIcon(QIcon(QLatin1String(image)));
    bouton->setIconSize(QSize(20, 20));
    bouton->setFlat(true);
    bouton->setCursor(Qt::PointingHandCursor);
    bouton->setToolTip(tooltip);
    // An icon and no text: screen readers say the tool tip.
    bouton->setAccessibleName(tooltip);
    return bouton;
}

void clsAnalyse::AjouterLigneLegende()
{
    const int lig = m_Legende->rowCount();
    const TS_VOIE& voie = Voie();
    const TS_INFOS& infos = m_Serie->Infos;

    m_chkAfficher = new prmCheckBox(m_Legende);
    m_chkAfficher->setChecked(true);
    m_chkAfficher->setToolTip(tr("Afficher/Masquer la courbe"));
    m_chkAfficher->setAccessibleName(m_chkAfficher->toolTip());
    connect(m_chkAfficher, &QCheckBox::clicked, this, &clsAnalyse::MasquerCourbe);
    m_Legende->SetWidget(lig, COL_AFFICHER, m_chkAfficher);

    m_lblCouleur = new prmLabelCouleur(&m_Couleur, m_Legende, StylePastille, true);
    m_lblCouleur->setToolTip(tr("Cliquer pour modifier la couleur"));
    m_lblCouleur->setAccessibleName(m_lblCouleur->toolTip());
    m_lblCouleur->setCursor(Qt::PointingHandCursor);
    connect(m_lblCouleur, &prmLabelCouleur::CouleurChanged, this, &clsAnalyse::CouleurChanged);
    m_Legende->SetWidget(lig, COL_COULEUR, m_lblCouleur);

    m_btnDatas = NouveauBouton(":/Images/btnDatas.png", tr("Afficher les donnees"));
    connect(m_btnDatas, &QPushButton::clicked, this, &clsAnalyse::AffDatas);
    m_Legende->SetWidget(lig, COL_DATAS, m_btnDatas);
    m_btnImprimer = NouveauBouton(":/Images/btnPrint.png", tr("Imprimer les donnees"));
    connect(m_btnImprimer, &QPushButton::clicked, this, &clsAnalyse::Imprimer);
    m_Legende->SetWidget(lig, COL_IMPRIMER, m_btnImprimer);
    m_btnSupp = NouveauBouton(":/Images/btnSuppCourbe.png", tr("Enlever cette courbe"));
    connect(m_btnSupp, &QPushButton::clicked, this, &clsAnalyse::SuppCourbe);
    m_Legende->SetWidget(lig, COL_SUPPRIMER, m_btnSupp);

    m_Legende->SetTexte(lig, COL_MESURE, NomMesure());
    m_Legende->SetDateHeure(lig, COL_DATE, infos.DateDebut);
    m_Legende->SetTexte(lig, COL_FREQUENCE, TexteFrequence(infos.Frequence));
    // The points drawn, which a short points file makes fewer than its header
    // says, and a dew point out of its range leaves out.
    m_Legende->SetEntier(lig, COL_POINTS, int(m_Points->size()));
    EcrireStatistiques(lig);
    m_btnLimites = new QPushButton(m_Legende);
    m_btnLimites->setIcon(IconeLimites());
    m_btnLimites->setIconSize(QSize(20, 20));
    m_btnLimites->setFlat(true);
    m_btnLimites->setCursor(Qt::PointingHandCursor);
    m_btnLimites->setToolTip(tr("Modifier les limites"));
    m_btnLimites->setAccessibleName(m_btnLimites->toolTip());
    connect(m_btnLimites, &QPushButton::clicked, this, &clsAnalyse::ModifLimites);
    m_Legende->SetWidget(lig, COL_BTN_LIMITES, m_btnLimites);
    EcrireNom(lig);
    m_Legende->SetTexte(lig, COL_COMMENTAIRE, voie.Commentaire, QString(),
                        Qt::AlignLeft | Qt::AlignVCenter);

    // The dew point shows the recording's comment, which its channels' rows edit.
    if (m_Mesure != MESURE_ROSEE) {
        m_btnCommentaire =
            NouveauBouton(":/Images/btnCommentaire.png", tr("Modifier le commentaire"));
        connect(m_btnCommentaire, &QPushButton::clicked, this, &clsAnalyse::ModifCommentaire);
        m_Legende->SetWidget(lig, COL_BTN_COMMENTAIRE, m_btnCommentaire);
    }

    m_Legende->resizeColumnsToContents();
}

void clsAnalyse::CouleurChanged(QColor newCouleur)
{
    // A hidden curve stays attached and counts for scales and ranges: it is only
    // drawn fully transparent, its limits not at all.
    newCouleur.setAlpha(Affichee() ? 255 : 0);
    m_Courbe->setPen(QPen(newCouleur, 0, Qt::SolidLine));
    m_Lignes->Regler(Limites(), newCouleur);
    if (m_lblPlage)
        m_lblPlage->MajStyle();
}

void clsAnalyse::MasquerCourbe()
{
    CouleurChanged(m_Courbe->pen().color());
}

void clsAnalyse::SuppCourbe()
{
    m_Fenetre->SupprimerCourbe(this, m_btnSupp, m_lblPlage);
}

void clsAnalyse::ModifCommentaire()
{
    TS_VOIE& voie = Voie();
    diaMajComment dialogue(m_Fenetre, voie.Commentaire);
    if (Dialogues::Courant().Executer(&dialogue) != QDialog::Accepted)
        return;
    voie.Commentaire = dialogue.TexteCommentaire();
    // Only this key of the header changes; a header that cannot be written still
    // leaves the new text in the legend, and the user learns it is not saved.
    const bool ecrit = m_Serie->MajCommentaire(m_Mesure);
    m_Fenetre->MajCommentaireLegende(m_btnCommentaire, voie.Commentaire);
    if (!ecrit)
        AnnoncerNonEcrit(tr("Le commentaire n'a pas pu être écrit dans %1."));
}

void clsAnalyse::ModifLimites()
{
    TS_LIMITES& limites = LimitesModifiables();
    const bool humidite = m_Mesure == MESURE_HUMIDITE;
    diaLimites dialogue(m_Fenetre, NomCourbe(), limites, {ValeurMin(), ValeurMax()},
                        humidite ? int(HUMI_PLANCHER) : LimiteTempMin,
                        humidite ? int(HUMI_PLAFOND) : LimiteTempMax, m_Unite);
    if (Dialogues::Courant().Executer(&dialogue) != QDialog::Accepted ||
        dialogue.Limites() == limites)
        return;
    limites = dialogue.Limites();
    // Only these keys of the header change; a header that cannot be written
    // still leaves the new limits in the view, and the user learns they are not
    // saved.
    const bool ecrit = m_Serie->MajLimites(m_Mesure);
    const int lig = LigneLegende();
    if (lig >= 0) {
        m_Legende->SetTexte(lig, COL_LIMITES, TexteLimites(limites, m_Unite));
        m_Legende->resizeColumnToContents(COL_LIMITES);
    }
    MasquerCourbe(); // the lines, in the curve's colour if it is shown
    m_Fenetre->LimitesChangees();
    if (!ecrit)
        AnnoncerNonEcrit(tr("Les limites n'ont pas pu être écrites dans %1."));
}

void clsAnalyse::AnnoncerNonEcrit(const QString& phrase) const
{
    const QString entete =
        m_Serie->Chemin + QLatin1Char('/') + m_Serie->Nom + QStringLiteral(".ail");
    Dialogues::Courant().Avertissement(m_Fenetre, m_NomFichier,
                                       phrase.arg(QDir::toNativeSeparators(entete)));
}

void clsAnalyse::AffDatas()
{
    m_Fenetre->AfficherDatas(this);
}

void clsAnalyse::CalculerPlage(prmTableWidget* table, double premier, double dernier)
{
    const StatsPlage stats = CalculerStatsPlage(m_Points->samples(), premier, dernier);
    const TextesConservation conservation = Conservation(premier, dernier);
    const int lig = table->rowCount();
    delete m_lblPlage.data();
    m_lblPlage = new prmLabelCouleur(&m_Couleur, table, StylePastille, false);
    table->SetWidget(lig, PLAGE_COULEUR, m_lblPlage);
    table->SetEntier(lig, PLAGE_POINTS, stats.Points);
    table->SetMesure(lig, PLAGE_MOYENNE, stats.Moyenne, QString(), m_Unite);
    table->SetTexte(lig, PLAGE_ECART_TYPE, TexteEcart(stats.EcartType, m_Unite));
    table->SetMesure(lig, PLAGE_MINIMUM, stats.Minimum, QString(), m_Unite);
    table->SetMesure(lig, PLAGE_MAXIMUM, stats.Maximum, QString(), m_Unite);
    table->SetTexte(lig, PLAGE_ETENDUE, TexteEcart(qint64(stats.Maximum) - stats.Minimum, m_Unite));
    table->SetTexte(lig, PLAGE_TCM, conservation.Tcm);
    table->SetTexte(lig, PLAGE_SOUS, conservation.Sous);
    table->SetTexte(lig, PLAGE_SUR, conservation.Sur);
    table->SetTexte(lig, PLAGE_EXCURSIONS, conservation.Excursions);
    table->SetTexte(lig, PLAGE_PLUS_LONGUE, conservation.PlusLongue);
    table->resizeColumnsToContents();
}

TextesConservation clsAnalyse::Conservation(double premier, double dernier) const
{
    TextesConservation textes;
    if (m_Mesure == MESURE_TEMPERATURE) {
        QVector<double> plage;
        plage.reserve(m_Valeurs.size());
        for (int i = 0; i < m_Valeurs.size(); ++i)
            if (m_X.at(i) >= premier && m_X.at(i) <= dernier)
                plage << m_Valeurs.at(i);
        const double tcm = TemperatureCinetiqueMoyenne(plage, m_Fenetre->DeltaHsurR());
        if (!qIsNaN(tcm))
            textes.Tcm = ::TexteMesure(tcm, m_Unite);
    }
    const TS_LIMITES& limites = Limites();
    if (limites.Aucune())
        return textes;
    const StatsExcursions excursions =
        CalculerExcursions(m_Valeurs, m_Temps, m_X, premier, dernier, limites);
    const int periode = m_Serie->Infos.Frequence;
    const auto duree = [&](int points) {
        return TexteDuree(points, periode) + QStringLiteral(" (") +
               TexteDixiemes(PartDixiemes(points, excursions.Points)) + QStringLiteral(" %)");
    };
    if (limites.Basse)
        textes.Sous = duree(excursions.PointsSous);
    if (limites.Haute)
        textes.Sur = duree(excursions.PointsSur);
    textes.Excursions = QString::number(excursions.Nombre);
    if (excursions.Nombre > 0)
        textes.PlusLongue = tr("%1 dès %2")
                                .arg(TexteDuree(excursions.PointsPlusLongue, periode),
                                     TexteDate(excursions.DebutPlusLongue, m_Fenetre->Langue()));
    return textes;
}

double clsAnalyse::DeltaHsurR() const
{
    return m_Fenetre->DeltaHsurR();
}

void clsAnalyse::Retirer()
{
    if (m_Courbe)
        m_Courbe->detach();
    m_Lignes.reset();
}

void clsAnalyse::SupprimerPlage()
{
    delete m_lblPlage.data();
    m_lblPlage = nullptr;
}

void clsAnalyse::RemplirTableau(prmTableWidget* table)
{
    const int nbre = m_Valeurs.size();
    table->setUpdatesEnabled(false);
    table->setRowCount(0);
    table->setRowCount(nbre); // one allocation instead of a row per point
    for (int i = 0; i < nbre; ++i) {
        table->SetEntier(i, 0, i + 1);
        table->SetDateHeure(i, 1, m_Temps.at(i));
        // A point without a dew point keeps its row, empty.
        if (qIsNaN(m_Valeurs.at(i)))
            table->SetTexte(i, 3, QString());
        else
            table->SetMesure(i, 3, qint64(m_Valeurs.at(i)), QString(), m_Unite);
    }
    table->resizeColumnsToContents();
    table->setUpdatesEnabled(true);
}

TableauImprime clsAnalyse::TableauPoints() const
{
    // Columns follow the recording's sensors, not the entry's measure; the
    // units once in the header rather than in every cell.
    const int capteurs = VoiesMesurees(m_Serie->Infos.Capteurs);
    const bool avecTemp = (capteurs & 1) != 0;
    const bool avecHumi = (capteurs & 2) != 0;
    TableauImprime tableau;
    tableau.AjouterColonne(tr("Num."), Qt::AlignRight);
    tableau.AjouterColonne(tr("Date"));
    tableau.AjouterColonne(tr("Heure"));
    if (avecTemp)
        tableau.AjouterColonne(tr("Temp.") + QStringLiteral(" (") + UniteTempAffichee().trimmed() +
                                   QLatin1Char(')'),
                               Qt::AlignRight);
    if (avecHumi)
        tableau.AjouterColonne(tr("Humi.") + QStringLiteral(" (") + UniteHumi().trimmed() +
                                   QLatin1Char(')'),
                               Qt::AlignRight);
    const bool avecRosee = m_Mesure == MESURE_ROSEE;
    if (avecRosee)
        tableau.AjouterColonne(tr("Rosée") + QStringLiteral(" (") + UniteTempAffichee().trimmed() +
                                   QLatin1Char(')'),
                               Qt::AlignRight);

    const int langue = m_Fenetre->Langue();
    const int nbre = m_Serie->NbrePointsPresents();
    for (int i = 0; i < nbre; ++i) {
        // "date time" in French, "date time AM" in English: the time keeps its marker.
        const QString texteDate =
            TexteDate(static_cast<uint>(m_Serie->Temps.Valeurs.at(i)), langue);
        const int blanc = texteDate.indexOf(QLatin1Char(' '));
        QStringList cellules{QString::number(i + 1), texteDate.left(blanc),
                             blanc < 0 ? QString() : texteDate.mid(blanc + 1)};
        if (avecTemp)
            cellules << TexteNombre(m_Serie->Temperature.Valeurs.at(i), UniteTemp());
        if (avecHumi)
            cellules << TexteDixiemes(m_Serie->Humidite.Valeurs.at(i));
        if (avecRosee)
            cellules << (qIsNaN(m_Valeurs.at(i)) ? QString()
                                                 : TexteNombre(m_Valeurs.at(i), m_Unite));
        tableau.AjouterLigne(cellules);
    }
    return tableau;
}

void clsAnalyse::ImprimerSur(QPrinter* printer) const
{
    QPainter painter(printer);
    if (!painter.isActive())
        return;
    const QRectF zone = ZonePage(printer);
    TableauImprime tableau = TableauPoints();
    if (tableau.NbreLignes() == 0)
        return;
    tableau.Disposer(printer, zone.width(), PointsTableau, PointsTableauMini);

    // The page's head: the recording and its logger, the page number, when it
    // was printed.
    const QFont nom = PoliceImpression(PointsNom, true);
    const QFont texte = PoliceImpression(PointsTableau + 1);
    const QFont date = PoliceImpression(PointsTableau, false, true);
    const double hauteurNom = QFontMetricsF(nom, printer).height();
    const double hauteurTexte = QFontMetricsF(texte, printer).height();
    const double yTableau = zone.top() + hauteurNom + hauteurTexte + Millimetres(printer, 3);
    const QDateTime maintenant = QDateTime::currentDateTime();
    const QString ligneDate =
        tr("Document edite a ") +
        QLocale::c().toString(maintenant.time(), m_Fenetre->FormatHeure()) + QStringLiteral(" - ") +
        QLocale::c().toString(maintenant.date(), m_Fenetre->FormatDate().trimmed());
    const QString enregistreur = tr("Enregistreur : %1").arg(m_Serie->Infos.ID);

    // As many groups of columns side by side as the width holds, each as many
    // rows as the height holds; points run down a group, then down the next.
    const double ecart = Millimetres(printer, 6);
    const int groupes = qMax(1, int((zone.width() + ecart) / (tableau.Largeur() + ecart)));
    const double largeurGroupes = groupes * tableau.Largeur() + (groupes - 1) * ecart;
    const double x0 = zone.left() + (zone.width() - largeurGroupes) / 2;
    const double hauteurLigne = tableau.HauteurLigne(0); // no cell wraps: all alike
    const int lignes =
        qMax(1, int((zone.bottom() - yTableau - tableau.HauteurEntete()) / hauteurLigne));
    const int parPage = groupes * lignes;
    const int nbre = tableau.NbreLignes();
    const int pages = (nbre + parPage - 1) / parPage;

    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            printer->newPage();
        painter.setPen(Qt::black);
        painter.setFont(nom);
        painter.drawText(QRectF(zone.left(), zone.top(), zone.width(), hauteurNom),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, m_NomFichier);
        painter.setFont(texte);
        painter.drawText(QRectF(zone.left(), zone.top(), zone.width(), hauteurNom),
                         Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
                         tr("Page %1 / %2").arg(page + 1).arg(pages));
        const QRectF ligne2(zone.left(), zone.top() + hauteurNom, zone.width(), hauteurTexte);
        painter.drawText(ligne2, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                         enregistreur);
        painter.setFont(date);
        painter.drawText(ligne2, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, ligneDate);

        for (int groupe = 0; groupe < groupes; ++groupe) {
            const int premier = page * parPage + groupe * lignes;
            if (premier >= nbre)
                break;
            const double x = x0 + groupe * (tableau.Largeur() + ecart);
            tableau.DessinerEntete(&painter, QPointF(x, yTableau));
            double y = yTableau + tableau.HauteurEntete();
            for (int i = premier; i < qMin(premier + lignes, nbre); ++i) {
                tableau.DessinerLigne(&painter, i, QPointF(x, y));
                y += hauteurLigne;
            }
        }
    }
}

void clsAnalyse::Imprimer()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);
    if (!Dialogues::Courant().Imprimer(m_Fenetre, &printer))
        return;
    ImprimerSur(&printer);
}
