#include "clsAnalyse.h"

#include "CalculsAnalyse.h"
#include "CourbeCoupee.h"
#include "CurveData.h"
#include "DialoguesQt.h"
#include "Grandeurs.h"
#include "MiseEnPage.h"
#include "clsSerie.h"
#include "diaMajComment.h"
#include "frmAnalyse.h"
#include "prmCheckBox.h"
#include "prmLabelCouleur.h"
#include "prmTableWidget.h"

#include <QDateTime>
#include <QDir>
#include <QFontMetricsF>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
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

} // namespace

clsAnalyse::clsAnalyse(frmAnalyse* fenetre, QwtPlot* plot, prmTableWidget* legende,
                       const QFileInfo& fichier, int mesure, const QColor& couleur,
                       enm_SYNCHRO mode)
    : QObject(nullptr), m_Fenetre(fenetre), m_Plot(plot), m_Legende(legende), m_Mesure(mesure),
      m_Unite(mesure == 1 ? UniteTemp() : UniteHumi()), m_NomFichier(fichier.completeBaseName()),
      m_Mode(mode)
{
    m_Serie = new clsSerie();
    // A missing header would read as a default, empty recording: nothing to draw.
    // Ouvrir() reads the header, then refuses a channel outside the mask before
    // reading the points; the view reads them itself for a mask it does not know.
    bool lu =
        fichier.isFile() && m_Serie->Ouvrir(fichier.fileName(), fichier.absolutePath(), mesure);
    const bool enregistree = (VoiesMesurees(m_Serie->Infos.Capteurs) & mesure) != 0;
    if (!lu && enregistree && fichier.isFile()) {
        m_Serie->LireDonnees();
        lu = true;
    }
    // The header of one save beside the points of another (a save interrupted
    // between its two files): neither its statistics nor its points can be trusted.
    const bool discordante = lu && m_Serie->EtatPaire() == clsSerie::enm_PAIRE::Discordante;
    const QFileInfo points(fichier.dir(), m_Serie->Nom + QStringLiteral(".txt"));
    // The other channel of a one-sensor recording holds zeros: no entry for it.
    if (!lu || !enregistree || discordante || m_Serie->NbrePointsPresents() == 0) {
        if (!fichier.isFile())
            m_Raison = tr("Le fichier n'existe pas.");
        else if (!enregistree)
            m_Raison.clear();
        else if (!points.isFile())
            m_Raison = tr("Son fichier de points %1 est introuvable.").arg(points.fileName());
        else if (discordante)
            m_Raison = tr("Les fichiers %1 et %2 ne correspondent pas.")
                           .arg(m_Serie->Nom + QStringLiteral(".ail"), points.fileName());
        else
            m_Raison = tr("Ni son en-tête ni son fichier de points ne contiennent de mesure lisible.");
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

    m_Couleur = couleur;
    // Read as times of day, a recording over midnight goes back to 0: its line
    // breaks there.
    m_Courbe = new CourbeCoupee(QString());
    m_Points = new CurveData();
    m_Courbe->setPen(QPen(m_Couleur, 0, Qt::SolidLine)); // 0: one-pixel cosmetic pen
    m_Courbe->setRenderHint(QwtPlotItem::RenderAntialiased);
    m_Courbe->setYAxis(mesure == 1 ? QwtPlot::yLeft : QwtPlot::yRight);

    // Never past the lists: a short points file leaves NbrePoints above them.
    const int nbre = m_Serie->NbrePointsPresents();
    const TS_VOIE& voie = Voie();
    const QList<int>& temps = m_Serie->Temps.Valeurs;
    for (int i = 0; i < nbre; ++i)
        m_Points->append(
            QPointF(ValeurX(i, static_cast<uint>(temps.at(i)), mode), voie.Valeurs.at(i)));
    m_Courbe->setData(m_Points);
    m_Courbe->attach(m_Plot);
    m_Painter = new QwtPlotDirectPainter();
    m_Painter->drawSeries(m_Courbe, 0, nbre - 1);

    AjouterLigneLegende();
    m_Charge = true;
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
    // The swatches show m_Couleur: they go before it.
    delete m_lblPlage.data();
    delete m_lblCouleur.data();
    delete m_chkAfficher.data();
    delete m_btnDatas.data();
    delete m_btnImprimer.data();
    delete m_btnSupp.data();
    delete m_btnCommentaire.data();
    delete m_Painter;
    delete m_Courbe; // deletes its CurveData
    delete m_Serie;
}

TS_VOIE& clsAnalyse::Voie() const
{
    return m_Mesure == 1 ? m_Serie->Temperature : m_Serie->Humidite;
}

int clsAnalyse::ValeurMin() const
{
    return Voie().Minimum;
}

int clsAnalyse::ValeurMax() const
{
    return Voie().Maximum;
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
    m_Legende->SetTexte(lig, 5, m_Mesure == 1 ? tr("Temperature") : tr("Humidite"));
    m_Legende->SetDateHeure(lig, 6, m_Serie->Infos.DateDebut);
    EcrireStatistiques(lig);
}

void clsAnalyse::EcrireStatistiques(int lig)
{
    const TS_VOIE& voie = Voie();
    m_Legende->SetMesure(lig, 10, voie.Moyenne, QString(), m_Unite);
    m_Legende->SetMesure(lig, 11, voie.EcartType, QString(), m_Unite);
    m_Legende->SetMesure(lig, 12, voie.Minimum, QString(), m_Unite);
    m_Legende->SetMesure(lig, 13, voie.Maximum, QString(), m_Unite);
    // In 64 bits: the extremes of a points file may lie 2^32 apart.
    m_Legende->SetMesure(lig, 14, qint64(voie.Maximum) - voie.Minimum, QString(), m_Unite);
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
    m_Legende->SetWidget(lig, 0, m_chkAfficher);

    m_lblCouleur = new prmLabelCouleur(&m_Couleur, m_Legende, StylePastille, true);
    m_lblCouleur->setToolTip(tr("Cliquer pour modifier la couleur"));
    m_lblCouleur->setAccessibleName(m_lblCouleur->toolTip());
    m_lblCouleur->setCursor(Qt::PointingHandCursor);
    connect(m_lblCouleur, &prmLabelCouleur::CouleurChanged, this, &clsAnalyse::CouleurChanged);
    m_Legende->SetWidget(lig, 1, m_lblCouleur);

    m_btnDatas = NouveauBouton(":/Images/btnDatas.png", tr("Afficher les donnees"));
    connect(m_btnDatas, &QPushButton::clicked, this, &clsAnalyse::AffDatas);
    m_Legende->SetWidget(lig, 2, m_btnDatas);
    m_btnImprimer = NouveauBouton(":/Images/btnPrint.png", tr("Imprimer les donnees"));
    connect(m_btnImprimer, &QPushButton::clicked, this, &clsAnalyse::Imprimer);
    m_Legende->SetWidget(lig, 3, m_btnImprimer);
    m_btnSupp = NouveauBouton(":/Images/btnSuppCourbe.png", tr("Enlever cette courbe"));
    connect(m_btnSupp, &QPushButton::clicked, this, &clsAnalyse::SuppCourbe);
    m_Legende->SetWidget(lig, 4, m_btnSupp);

    m_Legende->SetTexte(lig, 5, m_Mesure == 1 ? tr("Temperature") : tr("Humidite"));
    m_Legende->SetDateHeure(lig, 6, infos.DateDebut);
    m_Legende->SetTexte(lig, 8, TexteFrequence(infos.Frequence));
    // The points drawn, which a short points file makes fewer than its header says.
    m_Legende->SetEntier(lig, 9, m_Serie->NbrePointsPresents());
    EcrireStatistiques(lig);
    m_Legende->SetTexte(lig, 15, m_NomFichier);
    m_Legende->SetTexte(lig, 16, voie.Commentaire, QString(), Qt::AlignLeft | Qt::AlignVCenter);

    m_btnCommentaire = NouveauBouton(":/Images/btnCommentaire.png", tr("Modifier le commentaire"));
    connect(m_btnCommentaire, &QPushButton::clicked, this, &clsAnalyse::ModifCommentaire);
    m_Legende->SetWidget(lig, 17, m_btnCommentaire);

    m_Legende->resizeColumnsToContents();
}

void clsAnalyse::CouleurChanged(QColor newCouleur)
{
    // A hidden curve stays attached and counts for scales and ranges: it is only
    // drawn fully transparent.
    newCouleur.setAlpha(Affichee() ? 255 : 0);
    m_Courbe->setPen(QPen(newCouleur, 0, Qt::SolidLine));
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
    if (dialogue.exec() != QDialog::Accepted)
        return;
    voie.Commentaire = dialogue.TexteCommentaire();
    // Only this key of the header changes; a header that cannot be written still
    // leaves the new text in the legend, and the user learns it is not saved.
    const bool ecrit = m_Serie->MajCommentaire(m_Mesure);
    m_Fenetre->MajCommentaireLegende(m_btnCommentaire, voie.Commentaire);
    if (!ecrit) {
        const QString entete =
            m_Serie->Chemin + QLatin1Char('/') + m_Serie->Nom + QStringLiteral(".ail");
        QMessageBox boite(QMessageBox::Warning, m_NomFichier,
                          tr("Le commentaire n'a pas pu être écrit dans %1.")
                              .arg(QDir::toNativeSeparators(entete)),
                          QMessageBox::Ok, m_Fenetre);
        boite.setTextFormat(Qt::PlainText); // a file name, not markup
        boite.exec();
    }
}

void clsAnalyse::AffDatas()
{
    m_Fenetre->AfficherDatas(this);
}

void clsAnalyse::CalculerPlage(prmTableWidget* table, double premier, double dernier)
{
    const StatsPlage stats = CalculerStatsPlage(m_Points->samples(), premier, dernier);
    const int lig = table->rowCount();
    delete m_lblPlage.data();
    m_lblPlage = new prmLabelCouleur(&m_Couleur, table, StylePastille, false);
    table->SetWidget(lig, 0, m_lblPlage);
    table->SetEntier(lig, 1, stats.Points);
    table->SetMesure(lig, 2, stats.Moyenne, QString(), m_Unite);
    table->SetMesure(lig, 3, stats.EcartType, QString(), m_Unite);
    table->SetMesure(lig, 4, stats.Minimum, QString(), m_Unite);
    table->SetMesure(lig, 5, stats.Maximum, QString(), m_Unite);
    table->SetMesure(lig, 6, qint64(stats.Maximum) - stats.Minimum, QString(), m_Unite);
    table->resizeColumnsToContents();
}

void clsAnalyse::SupprimerPlage()
{
    delete m_lblPlage.data();
    m_lblPlage = nullptr;
}

void clsAnalyse::RemplirTableau(prmTableWidget* table)
{
    const int nbre = m_Serie->NbrePointsPresents();
    const TS_VOIE& voie = Voie();
    table->setUpdatesEnabled(false);
    table->setRowCount(0);
    table->setRowCount(nbre); // one allocation instead of a row per point
    for (int i = 0; i < nbre; ++i) {
        table->SetEntier(i, 0, i + 1);
        table->SetDateHeure(i, 1, static_cast<uint>(m_Serie->Temps.Valeurs.at(i)));
        table->SetMesure(i, 3, voie.Valeurs.at(i), QString(), m_Unite);
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
        tableau.AjouterColonne(tr("Temp.") + QStringLiteral(" (") + UniteTemp().trimmed() +
                                   QLatin1Char(')'),
                               Qt::AlignRight);
    if (avecHumi)
        tableau.AjouterColonne(tr("Humi.") + QStringLiteral(" (") + UniteHumi().trimmed() +
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
            cellules << TexteDixiemes(m_Serie->Temperature.Valeurs.at(i));
        if (avecHumi)
            cellules << TexteDixiemes(m_Serie->Humidite.Valeurs.at(i));
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
    QPrintDialog dialogue(&printer, DialoguesQt::Hote(m_Fenetre));
    if (dialogue.exec() != QDialog::Accepted)
        return;
    ImprimerSur(&printer);
}
