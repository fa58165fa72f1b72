// Renders the analysis view, in a host of the main window's central size, with
// the application style sheet, into PNG files, to look at it as a user would:
//   xvfb-run -a -s "-screen 0 1280x1024x24" apercu_analyse <folder> [fr | en] [extra.qm]
//       [download.txt ...]
#include "Apercu.h"
#include "DialoguesScriptes.h"
#include "Enregistrements.h"
#include "Grandeurs.h"
#include "clsAnalyse.h"
#include "clsRapport.h"
#include "diaLimites.h"
#include "diaMajComment.h"
#include "diaSelectColonne.h"
#include "frmAnalyse.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QToolBox>
#include <QVBoxLayout>
#include <qwt_plot.h>

#include <cmath>

// Takes the report's file instead of the desktop's viewer.
class Visionneuse : public QObject
{
    Q_OBJECT

public slots:
    void Ouvrir(const QUrl&) {}
};

namespace
{
template <typename T> T* Enfant(QWidget* w, const char* nom)
{
    return w->findChild<T*>(QLatin1String(nom));
}

// A day of readings: temperature and humidity moving slowly. A temperature
// logger (capteurs 1) saves zeros for the humidity.
void Journee(const QString& dir, const QString& nom, uint debut, int decalage,
             const QString& commentaire, int capteurs)
{
    QList<int> temp, humi;
    for (int i = 0; i < 288; ++i) {
        temp << 200 + decalage + int(40 * std::sin(i / 40.0));
        humi << (capteurs == 1 ? 0 : 550 - decalage + int(80 * std::cos(i / 50.0)));
    }
    EcrireEnregistrement(dir, nom, debut, 300, temp, humi, capteurs, commentaire);
}

// A download as the logger sent it ("m <points> <period> ..." then "d <t> <h>"
// lines, CR-separated), saved as a recording. False if it holds no reading.
bool Telechargement(const QString& capture, const QString& dir, const QString& nom, uint debut,
                    const QString& commentaire)
{
    QFile fichier(capture);
    if (!fichier.open(QIODevice::ReadOnly))
        return false;
    int periode = 60;
    QList<int> temp, humi;
    for (const QByteArray& ligne : fichier.readAll().replace('\r', '\n').split('\n')) {
        const QList<QByteArray> champs = ligne.simplified().split(' ');
        if (champs.size() >= 3 && champs.at(0) == "m")
            periode = champs.at(2).toInt();
        else if (champs.size() >= 3 && champs.at(0) == "d") {
            temp << champs.at(1).toInt();
            humi << champs.at(2).toInt();
        }
    }
    return !temp.isEmpty() &&
           EcrireEnregistrement(dir, nom, debut, periode, temp, humi, 3, commentaire);
}
} // namespace

int main(int argc, char* argv[])
{
    Apercu apercu(argc, argv);
    const QStringList& args = apercu.Arguments;
    const QString& langue = apercu.Langue;

    const QString datas = apercu.Maison();
    // Downloads captured from a logger (or the simulator), else made-up days,
    // the garage's from a temperature-only logger (71246).
    const QStringList noms{"cave", "grenier", "garage"};
    const QStringList commentaires{QStringLiteral("Cave à vins"), QStringLiteral("Grenier"),
                                   QString()};
    const QList<int> decalages{0, 60, -30};
    const QList<int> capteurs{3, 3, 1};
    for (int i = 0; i < noms.size(); ++i) {
        const uint debut = 1688162400u + uint(i) * 3600;
        if (!Telechargement(args.value(4 + i), datas, noms.at(i), debut, commentaires.at(i)))
            Journee(datas, noms.at(i), debut, decalages.at(i), commentaires.at(i), capteurs.at(i));
    }

    // The central area of the 903 x 600 main window, below its header strip.
    HoteAnalyse hote(langue == QLatin1String("en") ? ANGLAIS : FRANCAIS);
    hote.resize(903, 500);
    QString chemin = datas;
    auto* fenetre = new frmAnalyse(&hote, &chemin);
    auto* disposition = new QVBoxLayout(&hote);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->addWidget(fenetre);
    hote.show();
    const QString prefixe = apercu.Fichier(QString());
    Apercu::Photo(&hote, prefixe + "1_depart.png");

    Enfant<QAbstractButton>(fenetre, "btnNew")->click();
    Enfant<QAbstractButton>(fenetre, "radSynchroDate")->setChecked(true);
    Apercu::Photo(&hote, prefixe + "2_nouvelle.png");

    // The three files chosen in turn in "Ajouter une courbe".
    DialoguesScriptes utilisateur;
    for (const QString& nom : noms) {
        utilisateur.Fichiers << datas + QLatin1Char('/') + nom + ".ail";
        Enfant<QAbstractButton>(fenetre, "btnOpen")->click();
    }
    Apercu::Photo(&hote, prefixe + "3_courbes.png");

    auto* actions = Enfant<QToolBox>(fenetre, "tbxActions");
    actions->setCurrentWidget(Enfant<QWidget>(fenetre, "pgPlage"));
    QwtPlot* graphe = Enfant<QwtPlot>(fenetre, "m_qPlot");
    const double debut = 1688162400.0 + 4 * 3600, fin = 1688162400.0 + 14 * 3600;
    fenetre->Slot_PickerActived(true);
    fenetre->Slot_PickerMoved(QPoint(graphe->transform(QwtPlot::xBottom, debut), 40));
    fenetre->Slot_PickerMoved(QPoint(graphe->transform(QwtPlot::xBottom, fin), 40));
    fenetre->Slot_PickerActived(false);
    fenetre->Slot_PlageSelect(QRectF());
    Apercu::Photo(&hote, prefixe + "4_plage.png");

    actions->setCurrentWidget(Enfant<QWidget>(fenetre, "pgPalette"));
    Apercu::Photo(&hote, prefixe + "5_palette.png");

    // The data button of the second curve.
    auto* legende = Enfant<QTableWidget>(fenetre, "tabLegende");
    if (auto* donnees = qobject_cast<QPushButton*>(legende->cellWidget(1, 2)))
        donnees->click();
    Apercu::Photo(&hote, prefixe + "6_donnees.png");

    diaMajComment commentaire(fenetre, QStringLiteral("Cave à vins"));
    commentaire.show();
    Apercu::Photo(&commentaire, prefixe + "7_commentaire.png");

    diaSelectColonne rubriques(fenetre, legende);
    rubriques.show();
    Apercu::Photo(&rubriques, prefixe + "8_rubriques.png");
    rubriques.hide();

    // The report with every rubric, the second curve hidden; the viewer is not
    // started. Look at it with pdftoppm.
    Visionneuse visionneuse;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &visionneuse, "Ouvrir");
    actions->setCurrentWidget(Enfant<QWidget>(fenetre, "pgAnalyse"));
    if (auto* afficher = qobject_cast<QCheckBox*>(legende->cellWidget(1, 0)))
        afficher->click();
    fenetre->EcrireRapport(prefixe + "9_rapport.pdf", clsRapport::Rubriques(legende));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setFullPage(true);
    printer.setOutputFileName(prefixe + "10_graphe.pdf");
    fenetre->ImprimerGrapheSur(&printer);

    // The most a view holds: seven loggers of 600 points, both measures of
    // each, long names and comments; the report with every rubric, the graph,
    // and the printed points of the first curve.
    Enfant<QAbstractButton>(fenetre, "btnNew")->click();
    Enfant<QAbstractButton>(fenetre, "radSynchroDate")->setChecked(true);
    for (int i = 0; i < 7; ++i) {
        QList<int> temp, humi;
        for (int j = 0; j < 600; ++j) {
            temp << -185 + 47 * i + int(30 * std::sin((j + 40 * i) / 60.0));
            humi << 930 - 10 * i - int(60 * std::cos((j + 25 * i) / 80.0));
        }
        const QString nom = QStringLiteral("chambre froide %1 lot 2023-07").arg(i + 1);
        EcrireEnregistrement(datas, nom, 1688162400u + uint(i) * 1800, 60, temp, humi, 3,
                             QStringLiteral("Relevé %1 pendant la livraison des surgelés, "
                                            "porte du quai ouverte")
                                 .arg(i + 1),
                             QStringLiteral("VL%1-%2").arg(i + 1).arg(4200 + i));
        for (int mesure : {1, 2})
            fenetre->AjouterCourbe(QFileInfo(datas + QLatin1Char('/') + nom + ".ail"), mesure);
    }
    fenetre->EcrireRapport(prefixe + "11_rapport14.pdf", clsRapport::Rubriques(legende));
    printer.setOutputFileName(prefixe + "12_graphe14.pdf");
    fenetre->ImprimerGrapheSur(&printer);
    QPrinter points(QPrinter::HighResolution);
    points.setOutputFormat(QPrinter::PdfFormat);
    points.setPageSize(QPageSize(QPageSize::A4));
    points.setPageOrientation(QPageLayout::Portrait);
    points.setFullPage(true);
    points.setOutputFileName(prefixe + "13_points.pdf");
    fenetre->Entrees().first()->ImprimerSur(&points);

    // A cold room judged against 2.0 to 8.0 °C: its temperature with a 30-minute
    // excursion and two short ones, its dew point; the humidity of a copy whose
    // points file was edited as text after its save, marked.
    Enfant<QAbstractButton>(fenetre, "btnNew")->click();
    Enfant<QAbstractButton>(fenetre, "radSynchroDate")->setChecked(true);
    QList<int> humi;
    for (int i = 0; i < 120; ++i)
        humi << 520 + int(60 * std::sin(i / 15.0));
    for (const QString& nom : {QStringLiteral("chambre froide"), QStringLiteral("retouche")}) {
        EcrireEnregistrement(datas, nom, 1688212800u, 60, ChambreFroide(), humi, 3,
                             QStringLiteral("Vaccins, armoire 2"));
        EcrireLimites(datas, nom, 1, {20, 80});
    }
    Retoucher(datas + QStringLiteral("/retouche.txt"), "\t54\t", "\t44\t");
    fenetre->AjouterFichier(QFileInfo(datas + QStringLiteral("/chambre froide.ail")), true,
                            false, true);
    fenetre->AjouterFichier(QFileInfo(datas + QStringLiteral("/retouche.ail")), false, true);
    Apercu::Photo(&hote, prefixe + "14_froid.png");
    const clsAnalyse* froid = fenetre->Entrees().first();
    diaLimites limites(fenetre, froid->NomCourbe(), froid->Limites(), {}, -1000, 1000, UniteTemp());
    limites.show();
    Apercu::Photo(&limites, prefixe + "15_limites.png");
    limites.hide();
    actions->setCurrentWidget(Enfant<QWidget>(fenetre, "pgPlage"));
    fenetre->Slot_PickerActived(true);
    fenetre->Slot_PickerMoved(QPoint(graphe->transform(QwtPlot::xBottom, 1688212800.0), 40));
    fenetre->Slot_PickerMoved(
        QPoint(graphe->transform(QwtPlot::xBottom, 1688212800.0 + 119 * 60), 40));
    fenetre->Slot_PickerActived(false);
    fenetre->Slot_PlageSelect(QRectF());
    Apercu::Photo(&hote, prefixe + "16_plage_froid.png");
    // Their last columns, scrolled to.
    for (const char* table : {"tabLegende", "tabPlage"}) {
        QScrollBar* barre = Enfant<QTableWidget>(fenetre, table)->horizontalScrollBar();
        barre->setValue(barre->maximum());
    }
    // The marked row too.
    legende->verticalScrollBar()->setValue(legende->verticalScrollBar()->maximum());
    Apercu::Photo(&hote, prefixe + "16b_colonnes.png");
    for (const char* table : {"tabLegende", "tabPlage"})
        Enfant<QTableWidget>(fenetre, table)->horizontalScrollBar()->setValue(0);
    actions->setCurrentWidget(Enfant<QWidget>(fenetre, "pgPalette"));
    Apercu::Photo(&hote, prefixe + "17_palette_froid.png");
    actions->setCurrentWidget(Enfant<QWidget>(fenetre, "pgAnalyse"));
    fenetre->EcrireRapport(prefixe + "18_rapport_froid.pdf", clsRapport::Rubriques(legende));
    return 0;
}

#include "apercu.moc"
