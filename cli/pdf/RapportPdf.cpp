#include "RapportPdf.h"

#include "FormatsDate.h"
#include "IFormatsDate.h"
#include "clsRapport.h"
#include "frmAnalyse.h"
#include "ressources.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLabel>
#include <QTableWidget>
#include <QWidget>
#include <qwt_plot.h>

namespace
{

// The analysis view's host: the language and its date formats, as the main
// window gives them.
class HoteRapport : public QWidget, public IFormatsDate
{
public:
    explicit HoteRapport(enm_LANGUE langue) : m_Langue(langue) {}

    enm_LANGUE Langue() const override { return m_Langue; }
    QString FormatDate() const override { return ::FormatDate(m_Langue); }
    QString FormatDateHeure() const override { return ::FormatDateHeure(m_Langue); }
    QString FormatHeure() const override { return ::FormatHeure(m_Langue); }

private:
    enm_LANGUE m_Langue;
};

} // namespace

bool RapportPdf::Ecrire(const QString& ail, const QString& pdf, enm_LANGUE langue)
{
    initRessources();
    HoteRapport hote(langue);
    hote.resize(1280, 800);
    QString dossier = QFileInfo(ail).absolutePath();
    frmAnalyse* analyse = new frmAnalyse(&hote, &dossier);
    analyse->resize(hote.size());

    // One curve per channel the logger measured; the view refuses the others.
    const QFileInfo fichier(ail);
    const bool temperature = analyse->AjouterCourbe(fichier, 1);
    const bool humidite = analyse->AjouterCourbe(fichier, 2);
    if (!temperature && !humidite)
        return false;

    const auto* legende = analyse->findChild<QTableWidget*>(QStringLiteral("tabLegende"));
    auto* graphe = analyse->findChild<QwtPlot*>(QStringLiteral("m_qPlot"));
    const auto* synchro = analyse->findChild<QLabel*>(QStringLiteral("lblEnteteSynchro"));
    if (!legende || !graphe)
        return false;

    ContexteRapport contexte;
    contexte.LigneDate = analyse->LigneDateRapport(QDateTime::currentDateTime());
    contexte.Synchro = synchro ? synchro->text() : QString();
    contexte.Langue = langue;
    const clsRapport rapport(legende, analyse->Entrees(), clsRapport::Rubriques(legende));
    return rapport.Ecrire(pdf, contexte, graphe);
}
