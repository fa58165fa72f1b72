#include "DialoguesScriptes.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QTimer>

namespace
{

QString Genre(QMessageBox::Icon icone)
{
    switch (icone) {
    case QMessageBox::Information:
        return QStringLiteral("information");
    case QMessageBox::Warning:
        return QStringLiteral("avertissement");
    case QMessageBox::Critical:
        return QStringLiteral("critique");
    case QMessageBox::Question:
        return QStringLiteral("question");
    default:
        return QStringLiteral("message");
    }
}

} // namespace

DialoguesScriptes::DialoguesScriptes()
{
    Dialogues::Installer(this);
}

DialoguesScriptes::~DialoguesScriptes()
{
    if (&Dialogues::Courant() == this)
        Dialogues::Installer(nullptr);
}

QStringList DialoguesScriptes::Journal() const
{
    QStringList lignes;
    for (const Demande& d : Demandes)
        lignes << (d.Couverte ? QStringLiteral("couverte|") : QString()) + d.Genre + '|' + d.Titre +
                      '|' + d.Texte;
    return lignes;
}

QMessageBox::StandardButton DialoguesScriptes::Message(QWidget* parent, QMessageBox::Icon icone,
                                                       const QString& titre, const QString& texte,
                                                       QMessageBox::StandardButtons boutons,
                                                       QMessageBox::StandardButton defaut)
{
    Demande demande{Genre(icone), titre, texte, parent};
    if (LectureMs > 0) {
        QWidget* avant = QApplication::activeModalWidget();
        QEventLoop lecture;
        QTimer::singleShot(LectureMs, &lecture, &QEventLoop::quit);
        lecture.exec();
        QWidget* apres = QApplication::activeModalWidget();
        demande.Couverte = apres && apres != avant;
    }
    Demandes << demande;
    if (!Boutons.isEmpty())
        return Boutons.takeFirst();
    if (defaut != QMessageBox::NoButton)
        return defaut;
    if (boutons & QMessageBox::Ok)
        return QMessageBox::Ok;
    for (uint masque = QMessageBox::FirstButton; masque <= QMessageBox::LastButton; masque <<= 1)
        if (boutons & masque)
            return QMessageBox::StandardButton(masque);
    return QMessageBox::NoButton;
}

QString DialoguesScriptes::FichierAOuvrir(QWidget* fenetre, const QString& titre,
                                          const QString& dossier, const QString& filtres)
{
    Demandes << Demande{QStringLiteral("ouvrir"), titre, dossier, fenetre, false, filtres};
    return Fichiers.isEmpty() ? QString() : Fichiers.takeFirst();
}

QString DialoguesScriptes::FichierAEnregistrer(QWidget* fenetre, const QString& titre,
                                               const QString& chemin, const QString& filtres,
                                               QString* filtreChoisi)
{
    Demandes << Demande{QStringLiteral("enregistrer"), titre, chemin, fenetre, false, filtres};
    if (filtreChoisi && !Filtres.isEmpty())
        *filtreChoisi = Filtres.takeFirst();
    return Fichiers.isEmpty() ? QString() : Fichiers.takeFirst();
}

bool DialoguesScriptes::Imprimer(QWidget* fenetre, QPrinter* printer)
{
    Demandes << Demande{QStringLiteral("imprimer"), QString(), QString(), fenetre};
    return !Impressions.isEmpty() && Impressions.takeFirst()(printer);
}

QColor DialoguesScriptes::Couleur(QWidget* fenetre, const QColor& initiale)
{
    Demandes << Demande{QStringLiteral("couleur"), QString(), initiale.name(QColor::HexArgb),
                        fenetre};
    return Couleurs.isEmpty() ? QColor() : Couleurs.takeFirst();
}

int DialoguesScriptes::Executer(QDialog* dialogue)
{
    Demandes << Demande{dialogue->objectName(), dialogue->windowTitle(), QString(),
                        dialogue->parentWidget()};
    dialogue->setResult(QDialog::Rejected);
    dialogue->show();
    const auto script = Scripts.constFind(dialogue->objectName());
    if (script != Scripts.constEnd())
        (*script)(dialogue);
    if (dialogue->isVisible())
        dialogue->reject();
    return dialogue->result();
}
