#include "Environnement.h"
#include "ISelectionAppareil.h"
#include "prmBoutonAppareil.h"

#include <QVBoxLayout>

using Appel = QPair<bool, QString>;

// Stands in for the measurement window: records the selections it is told.
class Createur : public QWidget, public ISelectionAppareil
{
public:
    void Selectionner(bool checked, QString port) override { m_Appels << Appel(checked, port); }
    QList<Appel> m_Appels;
};

class tst_prmBoutonAppareil : public QObject
{
    Q_OBJECT

private slots:
    void selection()
    {
        Createur fenetre;
        auto* disposition = new QVBoxLayout(&fenetre);
        QList<prmBoutonAppareil*> boutons;
        for (const char* port : {"ttyUSB0", "ttyUSB1", "ttyUSB2"}) {
            boutons << new prmBoutonAppareil(&fenetre, &fenetre, QLatin1String(port),
                                             QStringLiteral("ID-") + QLatin1String(port),
                                             QStringLiteral(":/Images/71240.png"));
            disposition->addWidget(boutons.last());
        }
        fenetre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenetre));

        QTest::mouseClick(boutons[0], Qt::LeftButton);
        QCOMPARE(fenetre.m_Appels, QList<Appel>({{true, "ttyUSB0"}}));

        // The previously checked button reports its deselection first.
        fenetre.m_Appels.clear();
        QTest::mouseClick(boutons[2], Qt::LeftButton);
        QCOMPARE(fenetre.m_Appels, QList<Appel>({{false, "ttyUSB0"}, {true, "ttyUSB2"}}));
        QVERIFY(!boutons[0]->isChecked());

        // A click on the checked button leaves it checked and says nothing.
        fenetre.m_Appels.clear();
        QTest::mouseClick(boutons[2], Qt::LeftButton);
        QVERIFY(boutons[2]->isChecked());
        QCOMPARE(fenetre.m_Appels, QList<Appel>());
    }
};

VORSEN_GUI_TEST_MAIN(tst_prmBoutonAppareil)
#include "tst_prmBoutonAppareil.moc"
