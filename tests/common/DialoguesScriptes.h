#pragma once

#include "Dialogues.h"

#include <QColor>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QStringList>

#include <functional>

// Stands in for the user while it exists (it installs itself): every window the
// program opens to talk to the user is recorded, with its kind, title and text,
// and answered at once from the scripts below, without showing anything but the
// program's own dialogs.
class DialoguesScriptes : public Dialogues
{
public:
    struct Demande {
        // "information", "avertissement", "critique", "question", "message";
        // "ouvrir", "enregistrer", "imprimer", "couleur"; or the object name of
        // one of the program's dialogs.
        QString Genre;
        QString Titre;
        // A message box's text; a file dialog's folder or proposed path.
        QString Texte;
        // The window it was opened for.
        QPointer<QWidget> Parent;
        // Another modal window opened over the message box while it was read.
        bool Couverte = false;
        // The filters a file dialog offers, as the program gives them.
        QString FiltresProposes = QString();
    };

    DialoguesScriptes();
    ~DialoguesScriptes() override;
    DialoguesScriptes(const DialoguesScriptes&) = delete;
    DialoguesScriptes& operator=(const DialoguesScriptes&) = delete;

    QList<Demande> Demandes;
    // Demandes as "genre|title|text", "couverte|" first for a covered box.
    QStringList Journal() const;

    // Answers, each used once, in order. Once a list is empty: a message box gets
    // its default button (else OK, else its first one); a file, print or colour
    // dialog is cancelled; a dialog of the program is rejected.
    QList<QMessageBox::StandardButton> Boutons;
    QStringList Fichiers;
    // The filter chosen in a save dialog that offers a choice, each used once, in
    // order; once the list is empty, the one proposed stays.
    QStringList Filtres;
    QList<QColor> Couleurs;
    QList<std::function<bool(QPrinter*)>> Impressions; // sets the printer up, true: print
    // By object name: plays the user in one of the program's dialogs, shown
    // (for example clicks a button); a dialog it leaves open is rejected.
    QMap<QString, std::function<void(QDialog*)>> Scripts;
    // How long (ms) the user reads each message box before answering; the
    // program's events run meanwhile, as in a box's own loop.
    int LectureMs = 0;

    QMessageBox::StandardButton Message(QWidget* parent, QMessageBox::Icon icone,
                                        const QString& titre, const QString& texte,
                                        QMessageBox::StandardButtons boutons,
                                        QMessageBox::StandardButton defaut) override;
    QString FichierAOuvrir(QWidget* fenetre, const QString& titre, const QString& dossier,
                           const QString& filtres) override;
    QString FichierAEnregistrer(QWidget* fenetre, const QString& titre, const QString& chemin,
                                const QString& filtres, QString* filtreChoisi) override;
    bool Imprimer(QWidget* fenetre, QPrinter* printer) override;
    QColor Couleur(QWidget* fenetre, const QColor& initiale) override;
    int Executer(QDialog* dialogue) override;
};
