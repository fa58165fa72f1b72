// The analysis of a recording pair from anywhere, through the analysis view's
// own classes, in each synchronisation: a pair of two saves adds nothing and
// says why, every entry shows the points its file holds, the legend's range is
// the 64-bit difference of its extremes, a range over the whole axis counts the
// points inside it, the data table lists every point, and the view draws.
#include "CurveData.h"
#include "Fuzz.h"
#include "Grandeurs.h"
#include "clsAnalyse.h"
#include "clsSerie.h"
#include "frmAnalyse.h"
#include "prmTableWidget.h"
#include "ressources.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolBox>
#include <qwt_plot.h>

namespace
{

// The view in a host window, made once for the whole run.
struct Banc {
    Banc()
    {
        if (!QCoreApplication::instance()) {
            // A libFuzzer program: no display, no real home or settings.
            qputenv("QT_QPA_PLATFORM", "offscreen");
            qputenv("HOME", QFile::encodeName(maison.path()));
            QStandardPaths::setTestModeEnabled(true);
            static int argc = 1;
            static char nom[] = "fuzz_analyse";
            static char* argv[] = {nom, nullptr};
            new QApplication(argc, argv);
            initRessources();
        }
        hote = new QWidget;
        hote->resize(1000, 700);
        fenetre = new frmAnalyse(hote, &cheminDatas);
        fenetre->resize(1000, 700);
        hote->show();
    }
    template <class T> T* Enfant(const char* nom) const
    {
        return fenetre->findChild<T*>(QLatin1String(nom));
    }

    QTemporaryDir maison;
    QTemporaryDir dossier;
    QString cheminDatas;
    QWidget* hote = nullptr; // after the application
    frmAnalyse* fenetre = nullptr;
    int numero = 0;
};

bool Ecrire(const QString& chemin, const QByteArray& octets)
{
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size();
}

} // namespace

int CibleAnalyse(const uint8_t* donnees, size_t taille)
{
    static Banc* banc = new Banc;
    frmAnalyse* fenetre = banc->fenetre;
    const QString dir = banc->dossier.path();
    const QString nom = QStringLiteral("a%1").arg(++banc->numero);
    const Parties parties = Couper(donnees, taille);
    if (!Ecrire(dir + QLatin1Char('/') + nom + QStringLiteral(".ail"), parties.Premiere) ||
        !Ecrire(dir + QLatin1Char('/') + nom + QStringLiteral(".txt"), parties.Seconde))
        return 0;
    const QFileInfo fichier(dir + QLatin1Char('/') + nom + QStringLiteral(".ail"));

    // The pair as the reader sees it.
    clsSerie lue;
    if (!lue.Ouvrir(nom, dir, 3))
        lue.LireDonnees();
    const bool discordante = lue.EtatPaire() == clsSerie::enm_PAIRE::Discordante;

    QwtPlot* graphe = banc->Enfant<QwtPlot>("m_qPlot");
    prmTableWidget* legende = banc->Enfant<prmTableWidget>("tabLegende");
    prmTableWidget* plage = banc->Enfant<prmTableWidget>("tabPlage");
    prmTableWidget* table = banc->Enfant<prmTableWidget>("tabData");
    QToolBox* actions = banc->Enfant<QToolBox>("tbxActions");
    for (const char* radio : {"radSynchroNumero", "radSynchroHeure", "radSynchroDate"}) {
        fenetre->NouvelleAnalyse();
        banc->Enfant<QRadioButton>(radio)->setChecked(true);
        QString raisons[2];
        const bool temperature = fenetre->AjouterCourbe(fichier, 1, &raisons[0]);
        const bool humidite = fenetre->AjouterCourbe(fichier, 2, &raisons[1]);
        // Nothing added, and said for each measure the logger recorded.
        if (discordante) {
            EXIGER(!temperature && !humidite, QString());
            EXIGER(!(raisons[0] + raisons[1]).isEmpty(), QString());
            for (const QString& raison : raisons)
                EXIGER(raison.isEmpty() || raison.contains(QLatin1String("ne correspondent pas")),
                       raison);
        }
        const QList<clsAnalyse*> entrees = fenetre->Entrees();
        for (int i = 0; i < entrees.size(); ++i) {
            const clsAnalyse* entree = entrees.at(i);
            const clsSerie* serie = entree->Serie();
            EXIGER(int(entree->Points()->size()) == serie->NbrePointsPresents() &&
                       serie->NbrePointsPresents() == lue.NbrePointsPresents(),
                   QString::number(entree->Points()->size()));
            const qint64 etendue = qint64(entree->ValeurMax()) - entree->ValeurMin();
            const QTableWidgetItem* cellule = legende->item(entree->LigneLegende(), 14);
            EXIGER(cellule && cellule->text() == TexteMesure(etendue, Unite(entree->Mesure())),
                   cellule ? cellule->text() : QString());
        }
        if (entrees.isEmpty())
            continue;

        // A range dragged over the whole canvas: each entry counts its points inside.
        actions->setCurrentWidget(banc->Enfant<QWidget>("pgPlage"));
        fenetre->Slot_PickerActived(true);
        fenetre->Slot_PickerMoved(QPoint(0, 50));
        fenetre->Slot_PickerMoved(QPoint(graphe->canvas()->width(), 50));
        fenetre->Slot_PickerActived(false);
        fenetre->Slot_PlageSelect(QRectF());
        EXIGER(plage->rowCount() == entrees.size(), QString::number(plage->rowCount()));
        for (int i = 0; i < entrees.size() && i < plage->rowCount(); ++i) {
            int dedans = 0;
            for (const QPointF& point : entrees.at(i)->Points()->samples())
                if (point.x() >= fenetre->PlageDebut() && point.x() <= fenetre->PlageFin())
                    ++dedans;
            EXIGER(plage->item(i, 1) && plage->item(i, 1)->text() == QString::number(dedans),
                   QString::number(dedans));
        }

        fenetre->AfficherDatas(entrees.first());
        EXIGER(table->rowCount() == entrees.first()->Serie()->NbrePointsPresents(),
               QString::number(table->rowCount()));
    }
    // Drawn by date, axes and labels included (an axis may start before 1970).
    banc->hote->grab();
    fenetre->NouvelleAnalyse();

    QDir d(dir);
    for (const QString& f : d.entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot))
        d.remove(f);
    return 0;
}

VORSEN_ENTREE_FUZZ(CibleAnalyse)
