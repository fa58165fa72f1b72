#include "CalculsAnalyse.h"
#include "ClesReglages.h"
#include "CurveData.h"
#include "DialoguesScriptes.h"
#include "Enregistrements.h"
#include "Environnement.h"
#include "clsAnalyse.h"
#include "clsSettings.h"
#include "diaLimites.h"
#include "frmAnalyse.h"
#include "prmLabelCouleur.h"
#include "prmTableWidget.h"

#include <QCheckBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTextEdit>
#include <QToolBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_marker.h>
#include <qwt_wheel.h>

#include <memory>

// 2023-07-01 12:00:00 UTC.
static const uint MIDI_UTC = 1688212800u;

// Local time of day of `t` (s since 1970 UTC) as Qt writes it: the test runs in
// two zones.
static QString Heure(uint t, const QString& format = QStringLiteral("hh:mm:ss"))
{
    return QLocale::c().toString(QDateTime::fromSecsSinceEpoch(t).time(), format);
}

class tst_frmAnalyse : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir* m_Dossier = nullptr;
    HoteAnalyse* m_Hote = nullptr;
    QString m_CheminDatas;
    frmAnalyse* m_Fenetre = nullptr;
    std::unique_ptr<DialoguesScriptes> m_Utilisateur;

    template <class T> T* Enfant(const char* nom) const
    {
        T* enfant = m_Fenetre->findChild<T*>(QLatin1String(nom));
        if (!enfant)
            qFatal("no widget %s", nom);
        return enfant;
    }
    QwtPlot* Graphe() const { return Enfant<QwtPlot>("m_qPlot"); }
    prmTableWidget* Legende() const { return Enfant<prmTableWidget>("tabLegende"); }
    prmTableWidget* Plage() const { return Enfant<prmTableWidget>("tabPlage"); }
    QToolBox* Actions() const { return Enfant<QToolBox>("tbxActions"); }
    bool PagePlageActive() const
    {
        return Actions()->isItemEnabled(Actions()->indexOf(Enfant<QWidget>("pgPlage")));
    }

    void OuvrirFenetre()
    {
        m_Hote = new HoteAnalyse(FRANCAIS);
        m_Hote->resize(903, 600);
        m_Fenetre = new frmAnalyse(m_Hote, &m_CheminDatas);
        auto* disposition = new QVBoxLayout(m_Hote);
        disposition->addWidget(m_Fenetre);
        m_Hote->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_Hote));
    }
    void FermerFenetre()
    {
        delete m_Hote; // deletes the window, which writes the palette
        m_Hote = nullptr;
        m_Fenetre = nullptr;
    }

    QString Fichier(const QString& nom) const { return m_Dossier->filePath(nom + ".ail"); }

    // "Nouvelle analyse" with a synchronisation and the measures.
    void Nouvelle(const char* radio, bool temp = true, bool humi = true)
    {
        Enfant<QToolButton>("btnNew")->click();
        Enfant<QRadioButton>(radio)->setChecked(true);
        Enfant<QCheckBox>("chkTemperature")->setChecked(temp);
        Enfant<QCheckBox>("chkHumidite")->setChecked(humi);
    }

    // "Ajouter une courbe", the file chosen in the file dialog, which opens on
    // the data folder; the text of a message that follows is kept in m_Message.
    void Ajouter(const QString& chemin)
    {
        const QString dossier = m_CheminDatas;
        m_Utilisateur->Demandes.clear();
        m_Utilisateur->Fichiers = QStringList{chemin};
        Enfant<QToolButton>("btnOpen")->click();
        QCOMPARE(m_Utilisateur->Journal().value(0), "ouvrir|Ajouter une courbe|" + dossier);
        m_Message = m_Utilisateur->Demandes.value(1).Texte;
    }

    QString m_Message;

    QWidget* Cellule(int lig, int col) const { return Legende()->cellWidget(lig, col); }
    QString Texte(prmTableWidget* table, int lig, int col) const
    {
        QTableWidgetItem* item = table->item(lig, col);
        return item ? item->text() : QString();
    }
    QColor Stylo(int entree) const
    {
        return m_Fenetre->Entrees().at(entree)->Courbe()->pen().color();
    }

    // Answers the colour dialog of a swatch with `couleur`.
    void ChangerCouleur(QLabel* pastille, const QColor& couleur)
    {
        m_Utilisateur->Couleurs = {couleur};
        QTest::mouseClick(pastille, Qt::LeftButton);
        QVERIFY(m_Utilisateur->Couleurs.isEmpty());
    }

    // A drag on the range page, as the picker reports it: activated, moves,
    // deactivated, selected.
    void Glisser(const QList<double>& xs)
    {
        m_Fenetre->Slot_PickerActived(true);
        for (double x : xs)
            m_Fenetre->Slot_PickerMoved(QPoint(Graphe()->transform(QwtPlot::xBottom, x), 50));
        m_Fenetre->Slot_PickerActived(false);
        m_Fenetre->Slot_PlageSelect(QRectF());
    }

    // The limits dialog of legend row `lig`, answered from the keyboard: Space
    // on the upper limit's box, its value typed, Enter.
    void LimiteHaute(int lig, const QString& valeur)
    {
        QString courbe;
        bool saisie = false; // Space went on to the value
        m_Utilisateur->Scripts[QStringLiteral("diaLimites")] = [&](QDialog* w) {
            courbe = w->findChild<QLabel*>(QStringLiteral("lblCourbe"))->text();
            auto* haute = w->findChild<QCheckBox*>(QStringLiteral("chkHaute"));
            auto* spin = w->findChild<QDoubleSpinBox*>(QStringLiteral("spnHaute"));
            QTest::keyClick(haute, Qt::Key_Space);
            saisie = w->focusWidget() == spin && haute->isChecked();
            QTest::keyClicks(spin, valeur);
            QTest::keyClick(spin, Qt::Key_Return);
        };
        qobject_cast<QPushButton*>(Cellule(lig, COL_BTN_LIMITES))->click();
        m_Utilisateur->Scripts.remove(QStringLiteral("diaLimites"));
        QVERIFY(saisie);
        QCOMPARE(courbe, Texte(Legende(), lig, COL_NOM) + QStringLiteral(" \u2013 ") +
                             Texte(Legende(), lig, COL_MESURE));
    }
    // The dashed lines of the limits on the plot, by their y value.
    QList<QwtPlotMarker*> Lignes() const
    {
        QList<QwtPlotMarker*> lignes;
        for (QwtPlotItem* item : Graphe()->itemList(QwtPlotItem::Rtti_PlotMarker))
            if (item->isVisible())
                lignes << static_cast<QwtPlotMarker*>(item);
        return lignes;
    }

    void Supprimer(int lig)
    {
        qobject_cast<QPushButton*>(Cellule(lig, COL_SUPPRIMER))->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private slots:
    void init()
    {
        m_Dossier = new QTemporaryDir();
        QVERIFY(m_Dossier->isValid());
        m_CheminDatas = QDir::homePath();
        m_Utilisateur = std::make_unique<DialoguesScriptes>();
        OuvrirFenetre();
    }
    void cleanup()
    {
        FermerFenetre();
        m_Utilisateur.reset();
        delete m_Dossier;
        QSettings().clear();
    }

    void etats()
    {
        QVERIFY(!Enfant<QToolButton>("btnOpen")->isEnabled());
        QVERIFY(!Enfant<QToolButton>("btnRapport")->isEnabled());
        QVERIFY(!Enfant<QToolButton>("btnImprimer")->isEnabled());
        QVERIFY(Enfant<QWidget>("gbxNewAnalyse")->isHidden());
        QVERIFY(Legende()->isHidden());
        QVERIFY(!PagePlageActive());

        QVERIFY(EcrireEnregistrement(m_Dossier->path(), "essai", MIDI_UTC, 90, Rampe(200, 10),
                                     Rampe(500, 10), 3, "cave"));
        Nouvelle("radSynchroNumero");
        QVERIFY(!Enfant<QWidget>("gbxNewAnalyse")->isHidden());
        QVERIFY(Enfant<QToolButton>("btnOpen")->isEnabled());
        Ajouter(Fichier("essai"));
        QCOMPARE(m_CheminDatas, m_Dossier->path());

        // Both measures: temperature first, in the lower palette colour.
        QCOMPARE(m_Fenetre->Entrees().size(), 2);
        QCOMPARE(m_Fenetre->Entrees().at(0)->Mesure(), 1);
        QCOMPARE(m_Fenetre->Entrees().at(1)->Mesure(), 2);
        QCOMPARE(Stylo(0), QColor(Qt::red));
        QCOMPARE(Stylo(1), QColor(Qt::blue));
        QCOMPARE(m_Fenetre->Entrees().at(0)->Courbe()->yAxis(), int(QwtPlot::yLeft));
        QCOMPARE(m_Fenetre->Entrees().at(1)->Courbe()->yAxis(), int(QwtPlot::yRight));
        QVERIFY(Enfant<QWidget>("gbxNewAnalyse")->isHidden());
        QVERIFY(Legende()->isVisible());
        QVERIFY(PagePlageActive());
        QVERIFY(Enfant<QToolButton>("btnRapport")->isEnabled());
        QVERIFY(Enfant<QToolButton>("btnImprimer")->isEnabled());
        QCOMPARE(Enfant<QLabel>("lblEnteteAffiche")->text(),
                 QStringLiteral("Temperature et humidite"));
        QCOMPARE(Enfant<QLabel>("lblEnteteSynchro")->text(), QStringLiteral("Num enregistrement"));

        // The legend rows.
        QCOMPARE(Legende()->rowCount(), 2);
        QCOMPARE(Legende()->columnCount(), COL_BTN_COMMENTAIRE + 1);
        const QStringList attendu{"Temperature",
                                  "01/07/2023",
                                  "",
                                  "00:01:30",
                                  "10",
                                  "20.4 \u00B0C",
                                  "0.2 \u00B0C",
                                  "20.0 \u00B0C",
                                  "20.9 \u00B0C",
                                  "0.9 \u00B0C",
                                  "20.5 \u00B0C",
                                  "",
                                  "",
                                  "essai",
                                  "cave"};
        // The mean kinetic temperature of 20.0 to 20.9 °C, worked out apart:
        // 20.4545 °C, above their mean of 20.45 °C.
        for (int col = COL_MESURE; col <= COL_COMMENTAIRE; ++col)
            if (col != COL_HEURE && col != COL_BTN_LIMITES) // the time depends on the zone
                QCOMPARE(Texte(Legende(), 0, col), attendu.at(col - COL_MESURE));
        QCOMPARE(Texte(Legende(), 1, COL_MESURE), QStringLiteral("Humidite"));
        QCOMPARE(Texte(Legende(), 1, COL_MOYENNE), QStringLiteral("50.4 %"));
        // No mean kinetic temperature for humidity.
        QCOMPARE(Texte(Legende(), 1, COL_TCM), QString());
        for (int col : {COL_AFFICHER, COL_COULEUR, COL_DATAS, COL_IMPRIMER, COL_SUPPRIMER,
                        COL_BTN_LIMITES, COL_BTN_COMMENTAIRE})
            QVERIFY(Cellule(0, col));

        // "Nouvelle analyse" empties everything; nothing to print or report.
        Enfant<QToolButton>("btnNew")->click();
        QCOMPARE(m_Fenetre->Entrees().size(), 0);
        QCOMPARE(Legende()->rowCount(), 0);
        QVERIFY(Legende()->isHidden());
        QVERIFY(!PagePlageActive());
        QVERIFY(Enfant<QToolButton>("btnOpen")->isEnabled());
        QVERIFY(!Enfant<QToolButton>("btnRapport")->isEnabled());
        QVERIFY(!Enfant<QToolButton>("btnImprimer")->isEnabled());
        QVERIFY(Graphe()->itemList(QwtPlotItem::Rtti_PlotCurve).isEmpty());
    }

    void aucuneMesure()
    {
        Nouvelle("radSynchroNumero", false, false);
        Enfant<QToolButton>("btnOpen")->click();
        QCOMPARE(m_Utilisateur->Journal(),
                 QStringList{"information|Ajouter une courbe|"
                             "Vous devez selectionner au moins un type de courbe"});
        QCOMPARE(m_Fenetre->Entrees().size(), 0);
        QVERIFY(!Enfant<QWidget>("gbxNewAnalyse")->isHidden());
    }

    // At most 14 entries; removing one makes room again.
    void quatorze()
    {
        QVERIFY(EcrireEnregistrement(m_Dossier->path(), "a", MIDI_UTC, 60, Rampe(200, 5),
                                     Rampe(500, 5)));
        Nouvelle("radSynchroNumero");
        Ajouter(Fichier("a"));
        for (int i = 0; i < 11; ++i)
            QVERIFY(m_Fenetre->AjouterCourbe(QFileInfo(Fichier("a")), 1 + i % 2));
        QCOMPARE(m_Fenetre->Entrees().size(), 13);
        QVERIFY(Enfant<QToolButton>("btnOpen")->isEnabled());

        Ajouter(Fichier("a"));
        QCOMPARE(m_Fenetre->Entrees().size(), 14);
        QCOMPARE(m_Fenetre->Entrees().last()->Mesure(), 1);
        QVERIFY(!Enfant<QToolButton>("btnOpen")->isEnabled());
        QVERIFY(!m_Fenetre->AjouterCourbe(QFileInfo(Fichier("a")), 2));

        Supprimer(3);
        QCOMPARE(m_Fenetre->Entrees().size(), 13);
        QCOMPARE(Legende()->rowCount(), 13);
        QVERIFY(Enfant<QToolButton>("btnOpen")->isEnabled());
    }

    void axes()
    {
        QVERIFY(EcrireEnregistrement(m_Dossier->path(), "a", MIDI_UTC, 60, Rampe(200, 10, 10),
                                     Rampe(400, 10, 10)));
        QVERIFY(EcrireEnregistrement(m_Dossier->path(), "b", MIDI_UTC, 60, Rampe(100, 20, 10),
                                     Rampe(400, 20, 1)));
        Nouvelle("radSynchroNumero");
        Ajouter(Fichier("a"));
        QwtPlot* graphe = Graphe();
        QCOMPARE(graphe->axisInterval(QwtPlot::yLeft), QwtInterval(194, 296));
        QCOMPARE(graphe->axisInterval(QwtPlot::yRight), QwtInterval(394, 496));
        QCOMPARE(graphe->axisInterval(QwtPlot::xBottom), QwtInterval(1, 10));
        QCOMPARE(Enfant<QwtWheel>("sliTemp")->value(), 102.0);

        // A second entry on the same axis widens it from the axis as it stands.
        Ajouter(Fichier("b"));
        // A fifteenth of the span on each side.
        const QwtInterval gauche(100 - 196 / 15.0, 296 + 196 / 15.0);
        QCOMPARE(graphe->axisInterval(QwtPlot::yLeft), gauche);
        QCOMPARE(graphe->axisInterval(QwtPlot::yRight),
                 QwtInterval(394 - 102 / 15.0, 496 + 102 / 15.0));
        QCOMPARE(graphe->axisInterval(QwtPlot::xBottom), QwtInterval(1, 20));
        QCOMPARE(Enfant<QwtWheel>("sliTemp")->value(), gauche.width());

        // Removal recalculates from the entries left.
        Supprimer(2); // b, temperature
        QCOMPARE(graphe->axisInterval(QwtPlot::yLeft), QwtInterval(194, 296));
        QCOMPARE(graphe->axisInterval(QwtPlot::xBottom), QwtInterval(1, 20));
        QCOMPARE(graphe->axisInterval(QwtPlot::yRight), QwtInterval(394, 496));
        Supprimer(2); // b, humidity
        QCOMPARE(graphe->axisInterval(QwtPlot::xBottom), QwtInterval(1, 10));
        QCOMPARE(graphe->axisInterval(QwtPlot::yRight), QwtInterval(394, 496));

        // The last removal: the view goes back to its first page, the axes stay.
        Supprimer(1);
        Supprimer(0);
        QCOMPARE(m_Fenetre->Entrees().size(), 0);
        QVERIFY(Legende()->isHidden());
        QVERIFY(!PagePlageActive());
        QVERIFY(!Enfant<QToolButton>("btnRapport")->isEnabled());
        QVERIFY(Enfant<QToolButton>("btnOpen")->isEnabled());
        QCOMPARE(Actions()->currentWidget(), Enfant<QWidget>("pgAnalyse"));
        QCOMPARE(graphe->axisInterval(QwtPlot::yLeft), QwtInterval(194, 296));
    }

    // Values all equal: span 4 tenths about the value plus a fifteenth of it on
    // each side, and the wheel of the axis shows that span, whatever it showed
    // before (a second pass starts from the wheel as the first left it).
    void valeursEgales_data()
    {
        QTest::addColumn<int>("mesure");
        QTest::addColumn<int>("valeur"); // tenths
        QTest::newRow("temperature 25.0") << 1 << 250;
        QTest::newRow("temperature below zero") << 1 << -123;
        QTest::newRow("humidity 51.2") << 2 << 512;
    }
    void valeursEgales()
    {
        QFETCH(int, mesure);
        QFETCH(int, valeur);
        const QList<int> egales{valeur, valeur, valeur};
        QVERIFY(EcrireEnregistrement(m_Dossier->path(), "c", MIDI_UTC, 60, egales, egales));
        const int axe = mesure == 1 ? QwtPlot::yLeft : QwtPlot::yRight;
        auto* roue = Enfant<QwtWheel>(mesure == 1 ? "sliTemp" : "sliHumi");
        const double m4 = 4.0 / 15;
        for (int i = 0; i < 2; ++i) {
            Nouvelle("radSynchroNumero", mesure == 1, mesure == 2);
            Ajouter(Fichier("c"));
            const QwtInterval y = Graphe()->axisInterval(axe);
            QCOMPARE(y.minValue(), valeur - 2 - m4);
            QCOMPARE(y.maxValue(), valeur + 2 + m4);
            QCOMPARE(roue->value(), y.width());
        }
        // Widened, then turned down as far as it goes: the narrowest span is that one.
        roue->setValue(50);
        QCOMPARE(Graphe()->axisInterval(axe).width(), 50.0);
        roue->setValue(0);
        QCOMPARE(Graphe()->axisInterval(axe).width(), 4 + 2 * m4);
    }

    // A hidden curve stays hidden through a colour change, and still counts for
    // the axes and the range statistics.
    void courbeMasquee()
    {
        QVERIFY(EcrireEnregistrement(m_Dossier->path(), "a", MIDI_UTC, 60, Rampe(200, 10, 10),
                                     Rampe(400, 10)));
        QVERIFY(EcrireEnregistrement(m_Dossier->path(), "b", MIDI_UTC, 60, Rampe(250, 5),
                                     Rampe(400, 5)));
        Nouvelle("radSynchroNumero", true, false);
        Ajouter(Fichier("a"));
        QCOMPARE(m_Fenetre->Entrees().size(), 1);

        auto* afficher = qobject_cast<QCheckBox*>(Cellule(0, 0));
        afficher->click();
        QCOMPARE(Stylo(0).alpha(), 0);
        ChangerCouleur(qobject_cast<QLabel*>(Cellule(0, 1)), Qt::darkYellow);
        QCOMPARE(Stylo(0).rgb(), QColor(Qt::darkYellow).rgb());
        QCOMPARE(Stylo(0).alpha(), 0);
        QCOMPARE(m_Fenetre->Entrees().at(0)->Courbe()->plot(), Graphe());

        Ajouter(Fichier("b"));
        QCOMPARE(Graphe()->axisInterval(QwtPlot::yLeft),
                 QwtInterval(194 - 102 / 15.0, 296 + 102 / 15.0));
        QCOMPARE(Graphe()->axisInterval(QwtPlot::xBottom), QwtInterval(1, 10));

        Actions()->setCurrentWidget(Enfant<QWidget>("pgPlage"));
        Glisser({1, 10});
        QCOMPARE(Plage()->rowCount(), 2);
        QCOMPARE(Texte(Plage(), 0, 1), QStringLiteral("10"));
        QCOMPARE(Texte(Plage(), 1, 1), QStringLiteral("5"));

        afficher->click();
        QCOMPARE(Stylo(0), QColor(Qt::darkYellow));

        // Removing an entry takes its range row away.
        Supprimer(1);
        QCOMPARE(Plage()->rowCount(), 1);
        QCOMPARE(Plage()->cellWidget(0, 0), m_Fenetre->Entrees().at(0)->SwatchPlage());
        QCOMPARE(Plage()->maximumHeight(),
                 HauteurPlage(Plage()->horizontalHeader()->sizeHint().height(),
                              Plage()->verticalHeader()->defaultSectionSize(), 1) +
                     Plage()->horizontalScrollBar()->sizeHint().height());
    }

    void plage()
    {
        QVERIFY(EcrireEnregistrement(m_Dossier->path(), "a", MIDI_UTC, 60, Rampe(200, 10, 10),
                                     Rampe(400, 10)));
        Nouvelle("radSynchroNumero", true, false);
        Ajouter(Fichier("a"));
        Actions()->setCurrentWidget(Enfant<QWidget>("pgPlage"));
        QCOMPARE(Graphe()->canvas()->cursor().shape(), Qt::SizeHorCursor);
        // As after a pan to the left: the axis starts below the first point.
        Graphe()->setAxisScale(QwtPlot::xBottom, -5, 12);
        Graphe()->replot();

        // A drag started left of the first point is bounded at point 1.
        Glisser({-3, 2, 5.5});
        QCOMPARE(Enfant<QLineEdit>("linPlageMin")->text(), QStringLiteral("#1"));
        QCOMPARE(Enfant<QLineEdit>("linPlageMax")->text(), QStringLiteral("#5"));
        QCOMPARE(Plage()->rowCount(), 1);
        const QStringList attendu{
            "5", "22.0 \u00B0C", "1.4 \u00B0C", "20.0 \u00B0C", "24.0 \u00B0C", "4.0 \u00B0C"};
        for (int col = 1; col <= 6; ++col)
            QCOMPARE(Texte(Plage(), 0, col), attendu.at(col - 1));
        QVERIFY(qobject_cast<prmLabelCouleur*>(Plage()->cellWidget(0, 0)));
        QCOMPARE(m_Fenetre->Entrees().at(0)->SwatchPlage(), Plage()->cellWidget(0, 0));
        const int hauteur = HauteurPlage(Plage()->horizontalHeader()->sizeHint().height(),
                                         Plage()->verticalHeader()->defaultSectionSize(), 1) +
                            Plage()->horizontalScrollBar()->sizeHint().height();
        QCOMPARE(Plage()->minimumHeight(), hauteur);
        QCOMPARE(Plage()->maximumHeight(), hauteur);
        QVERIFY(Plage()->isVisible());

        // A click without a drag selects the same range again.
        m_Fenetre->Slot_PickerActived(true);
        QCOMPARE(Plage()->rowCount(), 0);
        QVERIFY(Plage()->isHidden());
        m_Fenetre->Slot_PickerActived(false);
        m_Fenetre->Slot_PlageSelect(QRectF());
        QCOMPARE(Enfant<QLineEdit>("linPlageMin")->text(), QStringLiteral("#1"));
        QCOMPARE(Texte(Plage(), 0, 1), QStringLiteral("5"));
        QCOMPARE(Texte(Plage(), 0, 2), QStringLiteral("22.0 \u00B0C"));

        // Leaving the page clears the selection.
        Actions()->setCurrentWidget(Enfant<QWidget>("pgAnalyse"));
        QCOMPARE(Plage()->rowCount(), 0);
        QVERIFY(Enfant<QLineEdit>("linPlageMin")->text().isEmpty());
        QVERIFY(!m_Fenetre->Entrees().at(0)->SwatchPlage());
    }

    // The same selection with the mouse on the canvas.
    void plageSouris()
    {
        QVERIFY(EcrireEnregistrement(m_Dossier->path(), "a", MIDI_UTC, 60, Rampe(200, 10, 10),
                                     Rampe(400, 10)));
        Nouvelle("radSynchroNumero", false, true);
        Ajouter(Fichier("a"));
        Actions()->setCurrentWidget(Enfant<QWidget>("pgPlage"));
        QWidget* canvas = Graphe()->canvas();
        const int y = canvas->height() / 2;
        const QPoint debut(Graphe()->transform(QwtPlot::xBottom, 3.2), y);
        const QPoint fin(Graphe()->transform(QwtPlot::xBottom, 7.6), y);
        // Through the window: the widget overload of mouseMove() only moves the
        // cursor, which sends nothing offscreen.
        QWindow* fenetre = m_Hote->windowHandle();
        const auto dansFenetre = [&](const QPoint& p) { return canvas->mapTo(m_Hote, p); };
        QTest::mousePress(fenetre, Qt::LeftButton, Qt::NoModifier, dansFenetre(debut));
        QTest::mouseMove(fenetre, dansFenetre(debut + QPoint(1, 0)));
        QTest::mouseMove(fenetre, dansFenetre(fin));
        QTest::mouseRelease(fenetre, Qt::LeftButton, Qt::NoModifier, dansFenetre(fin));
        QCOMPARE(Enfant<QLineEdit>("linPlageMin")->text(), QStringLiteral("#3"));
        QCOMPARE(Enfant<QLineEdit>("linPlageMax")->text(), QStringLiteral("#7"));
        QCOMPARE(Texte(Plage(), 0, 1), QStringLiteral("5"));
        QCOMPARE(Texte(Plage(), 0, 2), QStringLiteral("40.4 %"));
    }

    void commentaire()
    {
        QVERIFY(EcrireEnregistrement(m_Dossier->path(), "a", MIDI_UTC, 60, Rampe(200, 5),
                                     Rampe(400, 5), 3, "avant"));
        QFile entete(Fichier("a"));
        QVERIFY(entete.open(QIODevice::ReadOnly));
        const QList<QByteArray> avant = entete.readAll().split('\n');
        entete.close();

        Nouvelle("radSynchroNumero");
        Ajouter(Fichier("a"));
        QCOMPARE(Texte(Legende(), 0, COL_COMMENTAIRE), QStringLiteral("avant"));

        // "Sortir" changes nothing.
        bool enregistrer = false;
        const QString nouveau = QStringLiteral("après dégivrage");
        QString propose;
        m_Utilisateur->Demandes.clear();
        m_Utilisateur->Scripts[QStringLiteral("diaMajComment")] = [&](QDialog* w) {
            auto* texte = w->findChild<QTextEdit*>(QStringLiteral("txtCommentaire"));
            propose = texte->toPlainText();
            texte->setPlainText(nouveau);
            w->findChild<QToolButton*>(enregistrer ? "btnSave" : "btnSortir")->click();
        };
        qobject_cast<QPushButton*>(Cellule(1, COL_BTN_COMMENTAIRE))->click();
        QCOMPARE(propose, QStringLiteral("avant"));
        QCOMPARE(Texte(Legende(), 1, COL_COMMENTAIRE), QStringLiteral("avant"));

        // "Enregistrer" on the humidity entry rewrites that key alone.
        enregistrer = true;
        qobject_cast<QPushButton*>(Cellule(1, COL_BTN_COMMENTAIRE))->click();
        QCOMPARE(m_Utilisateur->Journal(),
                 (QStringList{"diaMajComment|Commentaire|", "diaMajComment|Commentaire|"}));
        QCOMPARE(Texte(Legende(), 1, COL_COMMENTAIRE), nouveau);
        QCOMPARE(Texte(Legende(), 0, COL_COMMENTAIRE), QStringLiteral("avant"));

        clsSettings lu(m_Dossier->path(), "a");
        QCOMPARE(lu.LireTexte("Humidite", "Commentaire", QString()), nouveau);
        QCOMPARE(lu.LireTexte("Temperature", "Commentaire", QString()), QStringLiteral("avant"));
        QVERIFY(entete.open(QIODevice::ReadOnly));
        const QList<QByteArray> apres = entete.readAll().split('\n');
        QCOMPARE(apres.size(), avant.size());
        int differentes = 0;
        for (int i = 0; i < avant.size(); ++i)
            differentes += avant.at(i) != apres.at(i);
        QCOMPARE(differentes, 1);
    }

    // A cold room's recording judged against an upper limit of 8.0 °C, with its
    // dew point: limits set from the legend and kept in the header, dashed lines
    // in the curve's colour, the range statistics, ΔH/R from the palette page.
    void conservation()
    {
        QVERIFY(EcrireEnregistrement(m_Dossier->path(), "froid", MIDI_UTC, 60, ChambreFroide(),
                                     QList<int>() << QVector<int>(120, 500).toList()));
        Nouvelle("radSynchroNumero", true, false);
        Enfant<QCheckBox>("chkRosee")->setChecked(true);
        Ajouter(Fichier("froid"));
        QCOMPARE(m_Fenetre->Entrees().size(), 2);
        const clsAnalyse* rosee = m_Fenetre->Entrees().at(1);
        QCOMPARE(rosee->Mesure(), int(MESURE_ROSEE));
        QCOMPARE(rosee->Courbe()->yAxis(), int(QwtPlot::yLeft));
        QCOMPARE(Texte(Legende(), 1, COL_MESURE), QStringLiteral("Point de rosée"));
        // 5.0 °C at 50 %: -4.577 °C, worked out apart.
        QCOMPARE(Texte(Legende(), 1, COL_MINIMUM), QStringLiteral("-4.6 \u00B0C"));
        QCOMPARE(Texte(Legende(), 1, COL_TCM), QString());
        QVERIFY(!Cellule(1, COL_BTN_COMMENTAIRE));
        QCOMPARE(Enfant<QLabel>("lblEnteteAffiche")->text(),
                 QStringLiteral("Temperature, point de rosée"));
        QVERIFY(!Graphe()->axisEnabled(QwtPlot::yRight));
        // The mean kinetic temperature of the 120 points, worked out apart: 6.4634 °C.
        QCOMPARE(Texte(Legende(), 0, COL_TCM), QStringLiteral("6.5 \u00B0C"));
        QVERIFY(Lignes().isEmpty());

        LimiteHaute(0, QStringLiteral("8"));
        QCOMPARE(Texte(Legende(), 0, COL_LIMITES), QStringLiteral("\u2264 8.0 \u00B0C"));
        QCOMPARE(clsSettings(m_Dossier->path(), "froid").LireEntier("Temperature/LimiteHaute", 0),
                 80);
        QCOMPARE(Lignes().size(), 1);
        QCOMPARE(Lignes().at(0)->yValue(), 80.0);
        QCOMPARE(Lignes().at(0)->yAxis(), int(QwtPlot::yLeft));
        QCOMPARE(Lignes().at(0)->linePen().color(), Stylo(0));
        QCOMPARE(Lignes().at(0)->linePen().style(), Qt::CustomDashLine);
        // Hidden with its curve.
        auto* afficher = qobject_cast<QCheckBox*>(Cellule(0, COL_AFFICHER));
        afficher->click();
        QVERIFY(Lignes().isEmpty());
        afficher->click();
        QCOMPARE(Lignes().size(), 1);

        // The whole recording, then its first hour.
        Actions()->setCurrentWidget(Enfant<QWidget>("pgPlage"));
        Glisser({1, 120});
        QCOMPARE(Texte(Plage(), 0, PLAGE_TCM), QStringLiteral("6.5 \u00B0C"));
        QCOMPARE(Texte(Plage(), 0, PLAGE_SOUS), QString());
        QCOMPARE(Texte(Plage(), 0, PLAGE_SUR), QStringLiteral("0:33 (27.5 %)"));
        QCOMPARE(Texte(Plage(), 0, PLAGE_EXCURSIONS), QStringLiteral("3"));
        QCOMPARE(Texte(Plage(), 0, PLAGE_PLUS_LONGUE),
                 "0:30 dès 01/07/2023 " + Heure(MIDI_UTC + 20 * 60));
        QCOMPARE(Texte(Plage(), 1, PLAGE_EXCURSIONS), QString()); // no limits on the dew point
        Glisser({1, 60.5});
        // 7.3154 °C, worked out apart.
        QCOMPARE(Texte(Plage(), 0, PLAGE_TCM), QStringLiteral("7.3 \u00B0C"));
        QCOMPARE(Texte(Plage(), 0, PLAGE_SUR), QStringLiteral("0:30 (50.0 %)"));
        QCOMPARE(Texte(Plage(), 0, PLAGE_EXCURSIONS), QStringLiteral("1"));

        // ΔH/R 8000 K: 6.4193 °C over the whole recording, worked out apart.
        Actions()->setCurrentWidget(Enfant<QWidget>("pgPalette"));
        Enfant<QSpinBox>("spnEnergie")->setValue(8000);
        QCOMPARE(Texte(Legende(), 0, COL_TCM), QStringLiteral("6.4 \u00B0C"));
        QCOMPARE(ClesReglages::LireEnergieActivation(), 8000);

        // In °F a limit is shown and typed in °F, and kept in tenths of °C.
        DefinirUniteAffichage(FAHRENHEIT);
        {
            diaLimites dialogue(m_Fenetre, QString(), {std::nullopt, 80}, {}, -400, 1000,
                                UniteTemp());
            auto* haute = dialogue.findChild<QDoubleSpinBox*>(QStringLiteral("spnHaute"));
            QCOMPARE(haute->suffix(), QStringLiteral(" \u00B0F"));
            QCOMPARE(haute->value(), 46.4);
            QCOMPARE(haute->maximum(), 212.0);
            haute->setValue(50);
            QCOMPARE(dialogue.Limites().Haute, std::optional<int>(100));
        }
        DefinirUniteAffichage(CELSIUS);

        // Read back from the header by a new analysis; removing the curve takes
        // its lines away.
        Nouvelle("radSynchroDate", true, false);
        Ajouter(Fichier("froid"));
        QCOMPARE(Texte(Legende(), 0, COL_LIMITES), QStringLiteral("\u2264 8.0 \u00B0C"));
        QCOMPARE(Lignes().size(), 1);
        Supprimer(0);
        QVERIFY(Lignes().isEmpty());
    }

    // The warning mark of a recording changed outside the program since its save.
    void integrite_data()
    {
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<QByteArray>("avant");
        QTest::addColumn<QByteArray>("apres");
        QTest::addColumn<bool>("marque");
        QTest::newRow("untouched") << "a.txt" << QByteArray() << QByteArray() << false;
        QTest::newRow("one reading edited as text")
            << "a.txt" << QByteArray("\t202\t") << QByteArray("\t212\t") << true;
        QTest::newRow("written before the fingerprints, then edited")
            << "a.ail" << QByteArray("[Integrite]") << QByteArray("[Autre]") << false;
    }
    void integrite()
    {
        QFETCH(QString, fichier);
        QFETCH(QByteArray, avant);
        QFETCH(QByteArray, apres);
        QFETCH(bool, marque);
        QVERIFY(EcrireEnregistrement(m_Dossier->path(), "a", MIDI_UTC, 60, Rampe(200, 5),
                                     Rampe(400, 5)));
        if (!avant.isEmpty())
            QVERIFY(Retoucher(m_Dossier->filePath(fichier), avant, apres));
        if (fichier.endsWith(".ail"))
            QVERIFY(Retoucher(m_Dossier->filePath("a.txt"), "\t202\t", "\t212\t"));
        Nouvelle("radSynchroNumero");
        Ajouter(Fichier("a"));
        QVERIFY(m_Message.isEmpty());
        const QString avertissement =
            QStringLiteral("Modifié hors du programme depuis son enregistrement");
        for (int lig = 0; lig < 2; ++lig) {
            const QTableWidgetItem* nom = Legende()->item(lig, COL_NOM);
            QCOMPARE(nom->text(), QStringLiteral("a"));
            QCOMPARE(nom->toolTip(), marque ? avertissement : QString());
            QCOMPARE(nom->icon().isNull(), !marque);
            QCOMPARE(m_Fenetre->Entrees().at(lig)->Modifiee(), marque);
        }
    }

    // A palette colour applies to the next curves and outlives the window.
    void palette()
    {
        QVERIFY(EcrireEnregistrement(m_Dossier->path(), "a", MIDI_UTC, 60, Rampe(200, 5),
                                     Rampe(400, 5)));
        Nouvelle("radSynchroNumero", true, false);
        Ajouter(Fichier("a"));
        Actions()->setCurrentWidget(Enfant<QWidget>("pgPalette"));
        ChangerCouleur(Enfant<QLabel>("lblPalette0"), Qt::darkYellow);
        ChangerCouleur(Enfant<QLabel>("lblPalette1"), QColor(10, 20, 30));
        QCOMPARE(Stylo(0), QColor(Qt::red));
        Ajouter(Fichier("a"));
        QCOMPARE(Stylo(1), QColor(10, 20, 30));

        FermerFenetre();
        QCOMPARE(ClesReglages::LirePalette(0), QColor(Qt::darkYellow));
        OuvrirFenetre();
        Nouvelle("radSynchroNumero", true, false);
        Ajouter(Fichier("a"));
        Ajouter(Fichier("a"));
        Ajouter(Fichier("a"));
        QCOMPARE(Stylo(0), QColor(Qt::darkYellow));
        QCOMPARE(Stylo(1), QColor(10, 20, 30));
        QCOMPARE(Stylo(2), QColor(Qt::green));
    }

    void donnees()
    {
        QVERIFY(EcrireEnregistrement(m_Dossier->path(), "a", MIDI_UTC, 60, Rampe(200, 5),
                                     Rampe(400, 5)));
        Nouvelle("radSynchroNumero");
        Ajouter(Fichier("a"));
        qobject_cast<QPushButton*>(Cellule(1, 2))->click();
        QCOMPARE(Actions()->currentWidget(), Enfant<QWidget>("pgTableau"));
        auto* donnees = Enfant<prmTableWidget>("tabData");
        QCOMPARE(donnees->rowCount(), 5);
        QCOMPARE(Texte(donnees, 4, 0), QStringLiteral("5"));
        QCOMPARE(Texte(donnees, 0, 1), QStringLiteral("01/07/2023"));
        QCOMPARE(Texte(donnees, 0, 2), Heure(MIDI_UTC));
        QCOMPARE(Texte(donnees, 4, 3), QStringLiteral("40.4 %"));
    }

    // x values of the curves: across midnight in mode 1, a single point, and a
    // points file shorter than its header says.
    void valeursX()
    {
        const uint avantMinuit =
            uint(QDateTime(QDate(2023, 1, 15), QTime(23, 58, 0), Qt::LocalTime).toSecsSinceEpoch());
        QVERIFY(EcrireEnregistrement(m_Dossier->path(), "minuit", avantMinuit, 60, Rampe(200, 4),
                                     Rampe(400, 4)));
        Nouvelle("radSynchroHeure", true, false);
        Ajouter(Fichier("minuit"));
        const CurveData* points = m_Fenetre->Entrees().at(0)->Points();
        QCOMPARE(int(points->size()), 4);
        const QList<double> xs{86280, 86340, 0, 60};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(points->sample(i).x(), xs.at(i));
        // The axis spans every point, the wrapped ones too.
        QCOMPARE(Graphe()->axisInterval(QwtPlot::xBottom), QwtInterval(0, 86340));
        QCOMPARE(Enfant<QLabel>("lblEnteteSynchro")->text(), QStringLiteral("Heure"));

        QVERIFY(EcrireEnregistrement(m_Dossier->path(), "seul", MIDI_UTC, 60, {235}, {512}));
        Nouvelle("radSynchroNumero", true, false);
        Ajouter(Fichier("seul"));
        points = m_Fenetre->Entrees().at(0)->Points();
        QCOMPARE(int(points->size()), 1);
        QCOMPARE(points->sample(0), QPointF(1, 235));
        QCOMPARE(Graphe()->axisInterval(QwtPlot::xBottom), QwtInterval(0, 2));
    }

    // The data table's export buttons write the points shown, chosen in the
    // file dialog: CSV with local or UTC time stamps, or a workbook.
    void exportDonnees_data()
    {
        QTest::addColumn<QString>("bouton");
        QTest::addColumn<QString>("filtre"); // the file dialog's filter chosen
        QTest::addColumn<QString>("fichier");
        QTest::addColumn<QString>("debut"); // of the file's second line
        QTest::newRow("CSV, local") << "btnExportCsv"
                                    << "CSV, heure locale (*.csv)"
                                    << "points.csv"
                                    << "2023-07-01T";
        QTest::newRow("CSV, UTC, suffix added") << "btnExportCsv"
                                                << "CSV, heure UTC (*.csv)"
                                                << "points"
                                                << "2023-07-01T12:00:00Z,20.0,40.0";
        QTest::newRow("workbook") << "btnExportExcel"
                                  << "Classeur Excel (*.xlsx)"
                                  << "classeur.xlsx"
                                  << "PK";
    }
    void exportDonnees()
    {
        QFETCH(QString, bouton);
        QFETCH(QString, filtre);
        QFETCH(QString, fichier);
        QFETCH(QString, debut);
        QVERIFY(EcrireEnregistrement(m_Dossier->path(), "a", MIDI_UTC, 60, Rampe(200, 5),
                                     Rampe(400, 5)));
        Nouvelle("radSynchroDate");
        Ajouter(Fichier("a"));
        auto* exporter = Enfant<QPushButton>(qPrintable(bouton));
        QVERIFY(!exporter->isEnabled()); // nothing shown yet
        qobject_cast<QPushButton*>(Cellule(0, 2))->click();
        QVERIFY(exporter->isEnabled());

        const QString chemin = m_Dossier->filePath(fichier);
        m_Utilisateur->Fichiers = QStringList{chemin};
        m_Utilisateur->Filtres = QStringList{filtre};
        exporter->click();
        QVERIFY(m_Utilisateur->Fichiers.isEmpty());
        QFile ecrit(fichier.contains('.') ? chemin : chemin + ".csv");
        QVERIFY2(ecrit.open(QIODevice::ReadOnly), qPrintable(ecrit.fileName()));
        const QList<QByteArray> lignes = ecrit.readAll().split('\n');
        if (bouton == "btnExportCsv") {
            QCOMPARE(lignes.first(), QByteArray("timestamp,temperature_C,humidity_pct"));
            QCOMPARE(lignes.size(), 5 + 2); // header, points, empty after the last "\n"
        }
        QVERIFY2(lignes.value(bouton == "btnExportCsv" ? 1 : 0).startsWith(debut.toUtf8()),
                 lignes.value(1).constData());
    }

    // A language change: the legend's dates and statistics, the range bounds and
    // statistics, the points shown and the time labels follow it. The main window
    // sets the default locale with the language.
    void langue()
    {
        const auto retour = qScopeGuard([avant = QLocale()] { QLocale::setDefault(avant); });
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
        QVERIFY(EcrireEnregistrement(m_Dossier->path(), "a", MIDI_UTC, 60, Rampe(205, 5),
                                     Rampe(400, 5)));
        Nouvelle("radSynchroHeure", true, false);
        Ajouter(Fichier("a"));
        qobject_cast<QPushButton*>(Cellule(0, 2))->click(); // the points in the data table
        Actions()->setCurrentWidget(Enfant<QWidget>("pgPlage"));
        const double x = Graphe()->axisInterval(QwtPlot::xBottom).minValue();
        Glisser({x, x + 120});
        const QString debut = Enfant<QLineEdit>("linPlageMin")->text();
        QCOMPARE(debut, Heure(MIDI_UTC)); // the first point
        auto* points = Enfant<prmTableWidget>("tabData");
        auto* plage = Enfant<prmTableWidget>("tabPlage");
        const QString degres = QStringLiteral(" \u00B0C");
        QCOMPARE(Texte(points, 0, 3), "20,5" + degres);
        QCOMPARE(Texte(Legende(), 0, 12), "20,5" + degres); // minimum
        QCOMPARE(Texte(plage, 0, 4), "20,5" + degres);

        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        m_Hote->m_Langue = ANGLAIS;
        m_Fenetre->MajLangue();
        QCOMPARE(Enfant<QLineEdit>("linPlageMin")->text(),
                 Heure(MIDI_UTC, QStringLiteral("h:mm:ss AP")));
        QCOMPARE(Texte(Legende(), 0, 6), QStringLiteral("07/01/2023")); // rewritten
        QCOMPARE(Texte(points, 0, 1), QStringLiteral("07/01/2023"));
        QCOMPARE(Texte(points, 0, 3), "20.5" + degres);
        QCOMPARE(Texte(Legende(), 0, 12), "20.5" + degres);
        QCOMPARE(Texte(plage, 0, 4), "20.5" + degres);
        QCOMPARE(plage->rowCount(), 1);
    }

    // Entries follow the recording's sensors, both measures asked for: a channel
    // the logger did not measure gets no curve, no legend or range row, and its
    // axis goes with its wheel. A mask the view does not know shows both; a
    // measure asked for that the file does not hold adds nothing.
    void capteurs_data()
    {
        QTest::addColumn<int>("capteurs");
        QTest::addColumn<bool>("temperature"); // asked for
        QTest::addColumn<bool>("humidite");
        QTest::addColumn<QStringList>("mesures"); // legend rows
        QTest::addColumn<QString>("entete");
        QTest::newRow("temperature recording")
            << 1 << true << true << QStringList{"Temperature"} << "Temperature";
        QTest::newRow("humidity recording")
            << 2 << true << true << QStringList{"Humidite"} << "Humidite";
        QTest::newRow("mask 0") << 0 << true << true << QStringList{"Temperature", "Humidite"}
                                << "Temperature et humidite";
        QTest::newRow("unknown mask") << 5 << true << true << QStringList{"Temperature", "Humidite"}
                                      << "Temperature et humidite";
        QTest::newRow("humidity asked of a temperature recording")
            << 1 << false << true << QStringList() << "";
        QTest::newRow("points file missing") << -1 << true << true << QStringList() << "";
    }
    void capteurs()
    {
        QFETCH(int, capteurs);
        QFETCH(bool, temperature);
        QFETCH(bool, humidite);
        QFETCH(QStringList, mesures);
        // The channel a logger does not measure is saved as zeros.
        const QList<int> zeros{0, 0, 0, 0, 0};
        QVERIFY(EcrireEnregistrement(m_Dossier->path(), "a", MIDI_UTC, 60,
                                     capteurs == 2 ? zeros : Rampe(200, 5),
                                     capteurs == 1 ? zeros : Rampe(400, 5), qAbs(capteurs)));
        if (capteurs < 0)
            QVERIFY(QFile::remove(m_Dossier->filePath("a.txt")));
        Nouvelle("radSynchroNumero", temperature, humidite);
        Ajouter(Fichier("a"));
        const int n = mesures.size();
        // Nothing added: a message names the file and says why.
        QCOMPARE(m_Message.contains(Fichier("a")), n == 0);
        if (capteurs < 0)
            QVERIFY2(m_Message.contains("a.txt"), qPrintable(m_Message));
        QCOMPARE(m_Fenetre->Entrees().size(), n);
        QCOMPARE(Graphe()->itemList(QwtPlotItem::Rtti_PlotCurve).size(), n);
        QCOMPARE(Legende()->rowCount(), n);
        for (int lig = 0; lig < n; ++lig)
            QCOMPARE(Texte(Legende(), lig, 5), mesures.at(lig));
        QTEST(Enfant<QLabel>("lblEnteteAffiche")->text(), "entete");
        const bool gauche = n == 0 || mesures.contains("Temperature");
        const bool droite = n == 0 || mesures.contains("Humidite");
        QCOMPARE(Graphe()->axisEnabled(QwtPlot::yLeft), gauche);
        QCOMPARE(Graphe()->axisEnabled(QwtPlot::yRight), droite);
        QCOMPARE(Enfant<QwtWheel>("sliTemp")->isVisible(), gauche);
        QCOMPARE(Enfant<QwtWheel>("sliHumi")->isVisible(), droite);
        QCOMPARE(Legende()->isVisible(), n > 0);
        QCOMPARE(Enfant<QWidget>("gbxNewAnalyse")->isVisible(), n == 0);
        QCOMPARE(Enfant<QToolButton>("btnRapport")->isEnabled(), n > 0);
        if (n == 0)
            return;

        Actions()->setCurrentWidget(Enfant<QWidget>("pgPlage"));
        Glisser({1, 5});
        QCOMPARE(Plage()->rowCount(), n);
        QCOMPARE(Texte(Plage(), 0, 2), mesures.first() == "Temperature"
                                           ? QStringLiteral("20.2 \u00B0C")
                                           : QStringLiteral("40.2 %"));

        // The first entry removed: the temperature axis goes with it while a
        // humidity curve is left; an empty view shows both, as a new analysis.
        Supprimer(0);
        QCOMPARE(Graphe()->axisEnabled(QwtPlot::yLeft), n == 1);
        QCOMPARE(Enfant<QwtWheel>("sliTemp")->isVisible(), n == 1);
        QVERIFY(Graphe()->axisEnabled(QwtPlot::yRight));
        Enfant<QToolButton>("btnNew")->click();
        QVERIFY(Graphe()->axisEnabled(QwtPlot::yLeft) && Graphe()->axisEnabled(QwtPlot::yRight));
        QVERIFY(Enfant<QwtWheel>("sliTemp")->isVisible());
        QVERIFY(Enfant<QLabel>("lblEnteteAffiche")->text().isEmpty());
    }

    // Pairs the program did not leave whole: the header of another save, a points
    // file cut short, extreme readings, a single point at the epoch (its time
    // axis runs from -1 s). A saved pair of 5 points is changed as the row says,
    // then added by date.
    void pairesAbimees_data()
    {
        QTest::addColumn<int>("compte");        // the header's NbrePoints, -1 as saved
        QTest::addColumn<QByteArray>("points"); // the points file, empty as saved
        QTest::addColumn<int>("lus");           // points of each entry, 0: no entry
        QTest::addColumn<QString>("message");   // part of the message shown, "" none
        QTest::addColumn<QString>("etendue");   // range of the temperature, "" not looked at
        const QString differentes =
            QStringLiteral("Les fichiers a.ail et a.txt ne correspondent pas.");
        QTest::newRow("header of a later save") << 8436 << QByteArray() << 0 << differentes << "";
        QTest::newRow("points of an earlier save")
            << -1 << QByteArray("1688212800\t200\t400\n1688212860\t201\t401\n") << 0 << differentes
            << "";
        QTest::newRow("cut in its last line")
            << -1 << QByteArray("1688212800\t200\t400\n1688212860\t201\t401\n1688212920\t20") << 2
            << "a.txt est coupé"
            << "0.1 \u00B0C";
        QTest::newRow("readings 2^32 tenths apart")
            << 2 << QByteArray("1688212800\t2147483647\t0\n1688212860\t-2147483648\t0\n") << 2 << ""
            << "429496729.5 \u00B0C";
        QTest::newRow("one point at the epoch") << 1 << QByteArray("0\t200\t400\n") << 1 << ""
                                                << "0.0 \u00B0C";
    }
    void pairesAbimees()
    {
        QFETCH(int, compte);
        QFETCH(QByteArray, points);
        QFETCH(int, lus);
        QFETCH(QString, message);
        QFETCH(QString, etendue);
        QVERIFY(EcrireEnregistrement(m_Dossier->path(), "a", MIDI_UTC, 60, Rampe(200, 5),
                                     Rampe(400, 5)));
        if (compte >= 0)
            clsSettings(m_Dossier->path(), "a").setValue("NbrePoints", compte);
        if (!points.isEmpty()) {
            QFile f(m_Dossier->filePath("a.txt"));
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            QCOMPARE(f.write(points), qint64(points.size()));
        }
        Nouvelle("radSynchroDate");
        Ajouter(Fichier("a"));
        QVERIFY2(message.isEmpty() ? m_Message.isEmpty() : m_Message.contains(message),
                 qPrintable(m_Message));
        QCOMPARE(m_Fenetre->Entrees().size(), lus > 0 ? 2 : 0);
        for (const clsAnalyse* entree : m_Fenetre->Entrees())
            QCOMPARE(entree->Points()->size(), size_t(lus));
        if (!etendue.isEmpty())
            QCOMPARE(Texte(Legende(), 0, 14), etendue);
    }
};

VORSEN_GUI_TEST_MAIN(tst_frmAnalyse)
#include "tst_frmAnalyse.moc"
