// Qt's windows as the program opens them, the other side of the user seam: each
// window is looked at and answered from inside its own loop (a zero timer,
// started just before the window opens, fires once it is shown).
#include "Dialogues.h"
#include "DialoguesQt.h"
#include "Environnement.h"

#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QMainWindow>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>

#include <functional>

namespace
{

// Runs `reponse` on the modal window of type Fenetre once it is open; any other
// window is closed, so that a failing test ends.
template <class Fenetre> void Repondre(std::function<void(Fenetre*)> reponse)
{
    QTimer::singleShot(0, [reponse] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* fenetre = qobject_cast<Fenetre*>(modal))
            reponse(fenetre);
        else if (modal)
            modal->close();
    });
}

// What a user sees of a message box, and what a key press on it gives.
struct Boite {
    QStringList Boutons;
    QString Defaut;
    QString Echap;
    QString Retour;
    QMessageBox::Icon Icone = QMessageBox::NoIcon;
    QString Titre;
    QString Texte;
    QWidget* Parent = nullptr;
    Qt::TextFormat Format = Qt::AutoText;
};

QString Nom(const QMessageBox* boite, QAbstractButton* bouton)
{
    return bouton ? QString::number(boite->standardButton(bouton)) : QString();
}

// Opens a box with `ouvrir`, notes it, presses `touche` on it.
Boite Regarder(const std::function<QMessageBox::StandardButton()>& ouvrir, Qt::Key touche)
{
    Boite vue;
    Repondre<QMessageBox>([&vue, touche](QMessageBox* boite) {
        for (QAbstractButton* bouton : boite->buttons())
            vue.Boutons << Nom(boite, bouton);
        vue.Boutons.sort();
        vue.Defaut = Nom(boite, boite->defaultButton());
        vue.Echap = Nom(boite, boite->escapeButton());
        vue.Icone = boite->icon();
        vue.Titre = boite->windowTitle();
        vue.Texte = boite->text();
        vue.Parent = boite->parentWidget();
        vue.Format = boite->textFormat();
        QTest::keyClick(boite, touche);
        if (boite->isVisible()) // no button takes that key
            boite->done(-1);
    });
    vue.Retour = QString::number(ouvrir());
    return vue;
}

} // namespace

class tst_DialoguesQt : public QObject
{
    Q_OBJECT

private slots:
    // The box is the one QMessageBox's static functions build: same buttons,
    // default and escape buttons, same answer to Enter and Escape; its text is
    // shown as plain text (paths and network errors may look like markup).
    void message_data()
    {
        QTest::addColumn<int>("icone");
        QTest::addColumn<int>("boutons");
        QTest::addColumn<int>("defaut");
        QTest::addColumn<int>("touche");
        const int ok = QMessageBox::Ok, ouiNon = QMessageBox::Yes | QMessageBox::No;
        const int sauver = QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
        for (const int touche : {int(Qt::Key_Return), int(Qt::Key_Escape)}) {
            const char* nom = touche == Qt::Key_Return ? "Enter" : "Escape";
            QTest::addRow("information, %s", nom)
                << int(QMessageBox::Information) << ok << int(QMessageBox::NoButton) << touche;
            QTest::addRow("warning, %s", nom)
                << int(QMessageBox::Warning) << ok << int(QMessageBox::NoButton) << touche;
            QTest::addRow("critical, %s", nom)
                << int(QMessageBox::Critical) << ok << int(QMessageBox::NoButton) << touche;
            QTest::addRow("question, %s", nom)
                << int(QMessageBox::Question) << ouiNon << int(QMessageBox::NoButton) << touche;
            QTest::addRow("question, No by default, %s", nom)
                << int(QMessageBox::Question) << ouiNon << int(QMessageBox::No) << touche;
            QTest::addRow("save, discard or cancel, %s", nom)
                << int(QMessageBox::Warning) << sauver << int(QMessageBox::NoButton) << touche;
        }
    }
    void message()
    {
        QFETCH(int, icone);
        QFETCH(int, boutons);
        QFETCH(int, defaut);
        QFETCH(int, touche);
        const auto i = QMessageBox::Icon(icone);
        const auto b = QMessageBox::StandardButtons(boutons);
        const auto d = QMessageBox::StandardButton(defaut);
        const QString titre = QStringLiteral("Titre");
        const QString texte = QStringLiteral("Dans <b>/tmp</b>");
        QWidget fenetre;
        fenetre.show();

        const Boite qt = Regarder(
            [&]() {
                switch (i) {
                case QMessageBox::Information:
                    return QMessageBox::information(&fenetre, titre, texte, b, d);
                case QMessageBox::Warning:
                    return QMessageBox::warning(&fenetre, titre, texte, b, d);
                case QMessageBox::Critical:
                    return QMessageBox::critical(&fenetre, titre, texte, b, d);
                default:
                    return QMessageBox::question(&fenetre, titre, texte, b, d);
                }
            },
            Qt::Key(touche));
        const Boite nous = Regarder(
            [&]() { return Dialogues::Courant().Message(&fenetre, i, titre, texte, b, d); },
            Qt::Key(touche));

        QVERIFY(!qt.Boutons.isEmpty());
        QCOMPARE(nous.Boutons, qt.Boutons);
        QCOMPARE(nous.Defaut, qt.Defaut);
        QCOMPARE(nous.Echap, qt.Echap);
        QCOMPARE(nous.Retour, qt.Retour);
        QCOMPARE(nous.Icone, i);
        QCOMPARE(nous.Titre, titre);
        QCOMPARE(nous.Texte, texte);
        QCOMPARE(nous.Parent, &fenetre);
        QCOMPARE(nous.Format, Qt::PlainText);
    }

    // Qt's own dialogs are children of the outermost window: a window opened by
    // the main window, and a dialog opened from it, give the main window.
    void hote()
    {
        QMainWindow principale;
        auto* contenu = new QWidget(&principale);
        principale.setCentralWidget(contenu);
        auto* dialogue = new QDialog(contenu);
        auto* champ = new QWidget(dialogue);
        auto* sous = new QDialog(champ);
        QWidget seule;
        QCOMPARE(DialoguesQt::Hote(champ), &principale);
        QCOMPARE(DialoguesQt::Hote(sous), &principale);
        QCOMPARE(DialoguesQt::Hote(contenu), &principale);
        QCOMPARE(DialoguesQt::Hote(&seule), &seule);
        QCOMPARE(DialoguesQt::Hote(nullptr), nullptr);
    }

    void fichiers()
    {
        QTemporaryDir dossier;
        const QString chemin = dossier.filePath(QStringLiteral("essai.ail"));
        QFile(chemin).open(QIODevice::WriteOnly);
        QMainWindow principale;
        auto* dialogue = new QDialog(&principale);
        dialogue->show();
        Dialogues& d = Dialogues::Courant();

        QWidget* parent = nullptr;
        QString titre;
        Repondre<QFileDialog>([&](QFileDialog* f) {
            parent = f->parentWidget();
            titre = f->windowTitle();
            f->selectFile(chemin);
            static_cast<QDialog*>(f)->accept(); // QFileDialog's own, which checks the file
        });
        QCOMPARE(d.FichierAOuvrir(dialogue, "Ouvrir", dossier.path(), "Logger (*.ail)"), chemin);
        QCOMPARE(parent, &principale);
        QCOMPARE(titre, QStringLiteral("Ouvrir"));

        Repondre<QFileDialog>([&](QFileDialog* f) {
            parent = f->parentWidget();
            f->reject();
        });
        QCOMPARE(d.FichierAEnregistrer(dialogue, "Enregistrer", chemin, "Logger (*.ail)"),
                 QString());
        QCOMPARE(parent, &principale);
    }

    void imprimer()
    {
        QMainWindow principale;
        auto* dialogue = new QDialog(&principale);
        QPrinter printer;
        QWidget* parent = nullptr;
        Repondre<QPrintDialog>([&](QPrintDialog* p) {
            parent = p->parentWidget();
            p->reject();
        });
        QVERIFY(!Dialogues::Courant().Imprimer(dialogue, &printer));
        QCOMPARE(parent, &principale);
    }

    // Transparency is offered: a hidden curve's colour has alpha 0.
    void couleur_data()
    {
        QTest::addColumn<QColor>("choix"); // invalid: cancelled
        QTest::newRow("chosen") << QColor(10, 200, 30, 128);
        QTest::newRow("cancelled") << QColor();
    }
    void couleur()
    {
        QFETCH(QColor, choix);
        QMainWindow principale;
        auto* pastille = new QWidget(&principale);
        QWidget* parent = nullptr;
        QColor montree;
        bool alpha = false;
        Repondre<QColorDialog>([&](QColorDialog* c) {
            parent = c->parentWidget();
            montree = c->currentColor();
            alpha = c->testOption(QColorDialog::ShowAlphaChannel);
            if (!choix.isValid()) {
                c->reject();
                return;
            }
            c->setCurrentColor(choix);
            c->accept();
        });
        QCOMPARE(Dialogues::Courant().Couleur(pastille, QColor(0, 121, 190)), choix);
        QCOMPARE(parent, &principale);
        QCOMPARE(montree, QColor(0, 121, 190));
        QVERIFY(alpha);
    }

    // The program's own dialogs run as with exec().
    void executer()
    {
        QDialog dialogue;
        auto* bouton = new QPushButton(&dialogue);
        connect(bouton, &QPushButton::clicked, &dialogue, &QDialog::accept);
        Repondre<QDialog>([bouton](QDialog*) { bouton->click(); });
        QCOMPARE(Dialogues::Courant().Executer(&dialogue), int(QDialog::Accepted));
    }
};

VORSEN_GUI_TEST_MAIN(tst_DialoguesQt)
#include "tst_DialoguesQt.moc"
