#include "Environnement.h"
#include "prmLabelCouleur.h"
#include "prmTableWidget.h"

#include <QPointer>
#include <QPushButton>

class tst_prmTableWidget : public QObject
{
    Q_OBJECT

private:
    static bool EstCentre(const QTableWidgetItem* cellule)
    {
        return Qt::Alignment(cellule->textAlignment()) == Qt::AlignCenter;
    }

private slots:
    void grandit()
    {
        prmTableWidget table;
        table.SetTexte(4, 6, QStringLiteral("loin"), QStringLiteral("bulle"),
                       Qt::AlignLeft | Qt::AlignVCenter);
        QCOMPARE(table.rowCount(), 5);
        QCOMPARE(table.columnCount(), 7);
        QCOMPARE(table.item(4, 6)->toolTip(), QStringLiteral("bulle"));

        // Writing inside the table neither grows nor shrinks it, and an existing
        // cell is rewritten in place.
        QTableWidgetItem* avant = table.item(4, 6);
        table.SetEntier(4, 6, 42);
        table.SetEntier(1, 1, -7);
        QCOMPARE(table.rowCount(), 5);
        QCOMPARE(table.columnCount(), 7);
        QCOMPARE(table.item(4, 6), avant);
        QCOMPARE(avant->text(), QStringLiteral("42"));
        QVERIFY(EstCentre(avant));
        QCOMPARE(avant->toolTip(), QString());
        QCOMPARE(table.item(1, 1)->text(), QStringLiteral("-7"));

        auto* bouton = new QPushButton;
        table.SetWidget(6, 8, bouton);
        QCOMPARE(table.rowCount(), 7);
        QCOMPARE(table.columnCount(), 9);
        QCOMPARE(table.cellWidget(6, 8), bouton);
    }

    void mesure_data()
    {
        QTest::addColumn<int>("dixiemes");
        QTest::addColumn<QString>("unite");
        QTest::addColumn<QString>("texte");
        const QString degres = QStringLiteral(" \u00B0C");
        QTest::newRow("-0.5") << -5 << degres << QStringLiteral("-0.5 \u00B0C");
        QTest::newRow("-0.1 keeps its sign") << -1 << degres << QStringLiteral("-0.1 \u00B0C");
        QTest::newRow("zero") << 0 << QStringLiteral(" %") << QStringLiteral("0.0 %");
        QTest::newRow("23.5") << 235 << degres << QStringLiteral("23.5 \u00B0C");
        QTest::newRow("whole degrees") << -400 << degres << QStringLiteral("-40.0 \u00B0C");
        QTest::newRow("100 %") << 1000 << QStringLiteral(" %") << QStringLiteral("100.0 %");
        QTest::newRow("no unit") << 12 << QString() << QStringLiteral("1.2");
    }
    void mesure()
    {
        QFETCH(int, dixiemes);
        QFETCH(QString, unite);
        QFETCH(QString, texte);
        prmTableWidget table;
        table.SetMesure(2, 3, dixiemes, QStringLiteral("info"), unite);
        QCOMPARE(table.item(2, 3)->text(), texte);
        QVERIFY(EstCentre(table.item(2, 3)));
        QCOMPARE(table.item(2, 3)->toolTip(), QStringLiteral("info"));
    }

    void dateHeure_data()
    {
        QTest::addColumn<int>("langue");
        QTest::addColumn<int>("colonnesAvant");
        QTest::addColumn<int>("colonne");
        QTest::addColumn<int>("colonnesApres");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("heure");
        // 2023-07-01 23:30:00 UTC, already 2 July 01:30 in Paris (summer time).
        const bool paris = qgetenv("TZ") == "Europe/Paris";
        const QString dateFr = paris ? "02/07/2023" : "01/07/2023";
        const QString heureFr = paris ? "01:30:00" : "23:30:00";
        const QString dateEn = paris ? "07/02/2023" : "07/01/2023";
        const QString heureEn = paris ? "1:30:00 AM" : "11:30:00 PM";
        QTest::newRow("french, inside") << 1 << 5 << 1 << 5 << dateFr << heureFr;
        QTest::newRow("french, last column") << 1 << 5 << 4 << 6 << dateFr << heureFr;
        QTest::newRow("english, last column") << 0 << 3 << 2 << 4 << dateEn << heureEn;
        QTest::newRow("english, empty table") << 0 << 0 << 0 << 2 << dateEn << heureEn;
    }
    void dateHeure()
    {
        QFETCH(int, langue);
        QFETCH(int, colonnesAvant);
        QFETCH(int, colonne);
        QFETCH(int, colonnesApres);
        QFETCH(QString, date);
        QFETCH(QString, heure);
        prmTableWidget table;
        QCOMPARE(table.m_Langue, ANGLAIS);
        table.setColumnCount(colonnesAvant);
        table.m_Langue = static_cast<enm_LANGUE>(langue);
        table.SetDateHeure(0, colonne, 1688254200u, QStringLiteral("bulle"));
        QCOMPARE(table.columnCount(), colonnesApres);
        QCOMPARE(table.item(0, colonne)->text(), date);
        QCOMPARE(table.item(0, colonne + 1)->text(), heure);
        QVERIFY(EstCentre(table.item(0, colonne)));
        QVERIFY(EstCentre(table.item(0, colonne + 1)));
    }

    void vider()
    {
        QColor couleur(Qt::red);
        prmTableWidget table;
        QPointer<QPushButton> bouton = new QPushButton;
        QPointer<prmLabelCouleur> pastille = new prmLabelCouleur(&couleur);
        table.SetWidget(0, 0, pastille);
        table.SetTexte(0, 1, QStringLiteral("a"));
        table.SetWidget(1, 2, bouton);
        table.SetMesure(2, 1, 235, QString(), QStringLiteral(" %"));
        table.Vider();

        QCOMPARE(table.rowCount(), 3);
        QCOMPARE(table.columnCount(), 3);
        for (int lig = 0; lig < 3; ++lig) {
            for (int col = 0; col < 3; ++col) {
                QCOMPARE(table.cellWidget(lig, col), nullptr);
                if (table.item(lig, col))
                    QCOMPARE(table.item(lig, col)->text(), QString());
            }
        }
        QVERIFY(table.item(2, 1));
        // The table deletes the widgets it drops.
        QTRY_VERIFY(bouton.isNull() && pastille.isNull());
    }

    void suppressionDeLigne_data()
    {
        QTest::addColumn<bool>("parBouton");
        QTest::addColumn<int>("ligne");
        QTest::addColumn<QStringList>("restantes");
        QTest::newRow("button, first row") << true << 0 << QStringList{"b", "c"};
        QTest::newRow("button, middle row") << true << 1 << QStringList{"a", "c"};
        QTest::newRow("swatch, last row") << false << 2 << QStringList{"a", "b"};
        QTest::newRow("swatch, middle row") << false << 1 << QStringList{"a", "c"};
        QTest::newRow("button not in the table") << true << -1 << QStringList{"a", "b", "c"};
        QTest::newRow("swatch not in the table") << false << -1 << QStringList{"a", "b", "c"};
    }
    void suppressionDeLigne()
    {
        QFETCH(bool, parBouton);
        QFETCH(int, ligne);
        QFETCH(QStringList, restantes);
        QColor couleurs[3];
        prmTableWidget table;
        QList<QPushButton*> boutons;
        QList<prmLabelCouleur*> pastilles;
        const QStringList noms{"a", "b", "c"};
        for (int lig = 0; lig < 3; ++lig) {
            // The button and the swatch sit in different columns on each row, so
            // that the search must go through rows and columns.
            pastilles << new prmLabelCouleur(&couleurs[lig]);
            boutons << new QPushButton;
            table.SetWidget(lig, 1 + lig, pastilles.last());
            table.SetWidget(lig, 4 - lig, boutons.last());
            table.SetTexte(lig, 0, noms[lig]);
        }
        QPushButton ailleurs;
        QColor autre;
        prmLabelCouleur pastilleAilleurs(&autre);

        if (parBouton)
            table.SupprimerLigneBouton(ligne < 0 ? &ailleurs : boutons[ligne]);
        else
            table.SupprimerLigneCouleur(ligne < 0 ? &pastilleAilleurs : pastilles[ligne]);

        QStringList lignes;
        for (int lig = 0; lig < table.rowCount(); ++lig)
            lignes << table.item(lig, 0)->text();
        QCOMPARE(lignes, restantes);
    }

    void texteAvantBouton()
    {
        prmTableWidget table;
        auto* bouton = new QPushButton;
        table.SetTexte(1, 2, QStringLiteral("x"), QString(), Qt::AlignLeft | Qt::AlignVCenter);
        table.SetWidget(1, 3, bouton);
        table.setColumnWidth(2, 10);
        const QString commentaire = QStringLiteral("Un commentaire nettement plus long");
        table.SetTexteAvantBouton(bouton, commentaire);
        QCOMPARE(table.item(1, 2)->text(), commentaire);
        QVERIFY(table.columnWidth(2) >= table.fontMetrics().horizontalAdvance(commentaire));
        QCOMPARE(table.item(1, 3), nullptr);
    }
};

VORSEN_GUI_TEST_MAIN(tst_prmTableWidget)
#include "tst_prmTableWidget.moc"
