#include "DialoguesScriptes.h"
#include "Environnement.h"
#include "prmLabelCouleur.h"

#include <QHBoxLayout>
#include <QLineEdit>

class tst_prmLabelCouleur : public QObject
{
    Q_OBJECT

private slots:
    // A click, or Space or Enter once the swatch has the keyboard focus.
    void clic_data()
    {
        QTest::addColumn<int>("touche"); // 0: a click
        QTest::addColumn<bool>("modifiable");
        QTest::addColumn<QColor>("choix"); // invalid: cancelled
        QTest::addColumn<int>("dialogues");
        QTest::addColumn<QColor>("finale");
        QTest::addColumn<int>("signaux");
        const QColor depart(0, 121, 190);
        const QColor nouvelle(10, 200, 30);
        QTest::newRow("not modifiable") << 0 << false << nouvelle << 0 << depart << 0;
        QTest::newRow("cancelled") << 0 << true << QColor() << 1 << depart << 0;
        QTest::newRow("same colour") << 0 << true << depart << 1 << depart << 0;
        QTest::newRow("new colour") << 0 << true << nouvelle << 1 << nouvelle << 1;
        QTest::newRow("same colour, transparent")
            << 0 << true << QColor(0, 121, 190, 0) << 1 << QColor(0, 121, 190, 0) << 1;
        QTest::newRow("Space") << int(Qt::Key_Space) << true << nouvelle << 1 << nouvelle << 1;
        QTest::newRow("Enter") << int(Qt::Key_Return) << true << nouvelle << 1 << nouvelle << 1;
        QTest::newRow("keypad Enter, cancelled")
            << int(Qt::Key_Enter) << true << QColor() << 1 << depart << 0;
        QTest::newRow("Space, not modifiable")
            << int(Qt::Key_Space) << false << nouvelle << 0 << depart << 0;
    }
    void clic()
    {
        QFETCH(int, touche);
        QFETCH(bool, modifiable);
        QFETCH(QColor, choix);
        QFETCH(int, dialogues);
        QFETCH(QColor, finale);
        QFETCH(int, signaux);
        QColor couleur(0, 121, 190);
        prmLabelCouleur pastille(&couleur, nullptr, QString(), modifiable);
        QSignalSpy spy(&pastille, &prmLabelCouleur::CouleurChanged);
        DialoguesScriptes utilisateur;
        utilisateur.Couleurs << choix;
        if (touche)
            QTest::keyClick(&pastille, Qt::Key(touche));
        else
            QTest::mouseClick(&pastille, Qt::LeftButton);
        QCOMPARE(utilisateur.Demandes.size(), dialogues);
        if (dialogues) // it opens on the swatch's colour
            QCOMPARE(utilisateur.Journal(), QStringList{"couleur||#ff0079be"});
        QCOMPARE(couleur, finale);
        QCOMPARE(spy.count(), signaux);
        if (signaux)
            QCOMPARE(spy.at(0).at(0).value<QColor>(), finale);
    }

    // Tab reaches a swatch that can be changed, and only such a swatch.
    void tabulation()
    {
        QColor a(Qt::red), b(Qt::blue);
        QWidget fenetre;
        auto* disposition = new QHBoxLayout(&fenetre);
        auto* champ = new QLineEdit;
        disposition->addWidget(champ);
        disposition->addWidget(new prmLabelCouleur(&a, nullptr, QString(), false));
        auto* modifiable = new prmLabelCouleur(&b, nullptr, QString(), true);
        disposition->addWidget(modifiable);
        fenetre.show();
        QApplication::setActiveWindow(&fenetre);
        QVERIFY(QTest::qWaitForWindowActive(&fenetre));
        champ->setFocus();
        QTest::keyClick(champ, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), modifiable);
    }

    // A hidden curve's colour has alpha 0; its swatch still shows the colour.
    void transparentMaisVisible()
    {
        QColor couleur(Qt::white);
        prmLabelCouleur pastille(&couleur);
        DialoguesScriptes utilisateur;
        utilisateur.Couleurs << QColor(10, 200, 30, 0);
        QTest::mouseClick(&pastille, Qt::LeftButton);
        QCOMPARE(couleur.alpha(), 0);
        QVERIFY(pastille.styleSheet().contains(QStringLiteral("rgb(10,200,30);")));
        const QImage image = pastille.grab().toImage();
        QCOMPARE(QColor(image.pixel(15, 15)), QColor(10, 200, 30));
    }

    void setCouleurSansSignal()
    {
        QColor couleur(Qt::red);
        prmLabelCouleur pastille(&couleur);
        QSignalSpy spy(&pastille, &prmLabelCouleur::CouleurChanged);
        pastille.setCouleur(QColor(1, 2, 3));
        QCOMPARE(couleur, QColor(1, 2, 3));
        QVERIFY(pastille.styleSheet().startsWith(
            QStringLiteral("prmLabelCouleur {background-color: rgb(1,2,3);}")));
        QCOMPARE(spy.count(), 0);
    }
};

VORSEN_GUI_TEST_MAIN(tst_prmLabelCouleur)
#include "tst_prmLabelCouleur.moc"
