#pragma once

// The measurement window against simulated loggers, for its tests and its
// benchmark: loggers plugged in (the simulator on a port the window lists), the
// window opened in a host that stands for the main window (or the main window's
// own, given), its widgets by object name, a download, and the scripted user
// who answers every window it opens.
//
//     Simulateur* sim = Brancher({"--id", "LOG1", "--points", "200"});
//     Ouvrir();
//     QVERIFY(Telecharger());
//     QCOMPARE(Utilisateur().Journal(), QStringList());
//     ...
//     Vider(); // in cleanup()

#include "DialoguesScriptes.h"
#include "Hote.h"
#include "frmMesure.h"

#include <QList>
#include <QPointer>
#include <QStringList>

#include <memory>

class QLabel;
class QToolButton;
class Simulateur;
class prmBoutonAppareil;
class prmTableWidget;

class BancMesure
{
public:
    // Generous waits, ms: the machine is shared and slow.
    static constexpr int Attente = 20000;

    BancMesure();
    ~BancMesure();
    BancMesure(const BancMesure&) = delete;
    BancMesure& operator=(const BancMesure&) = delete;

    // A simulator started with these options, its port listed for the window
    // unless lister is false; null, with a warning, when it does not start.
    Simulateur* Brancher(const QStringList& options, bool lister = true);
    // The window in a host of that language, shown, the loggers searched.
    void Ouvrir(enm_LANGUE langue = FRANCAIS);
    // The language the main window changes to, with its date formats.
    void ChangerLangue(enm_LANGUE langue);
    // Closes the window opened here and its host, stops the simulators, forgets
    // their ports and releases the ones deleted later; a new user.
    void Vider();

    // The window's child of that name; fatal when it has none.
    template <class T> T* Objet(const char* nom) const
    {
        T* objet = Fenetre->findChild<T*>(QLatin1String(nom));
        if (!objet)
            qFatal("no %s in the measurement window", nom);
        return objet;
    }
    QToolButton* Bouton(const char* nom) const;
    QLabel* Etiquette(const char* nom) const;
    prmTableWidget* Table(const char* nom) const;
    // One button per logger, in the window's order.
    QList<prmBoutonAppareil*> Appareils() const;

    // Clicks "Télécharger" and waits, delaiMs at most, for the download's end.
    bool Telecharger(int delaiMs = Attente);

    DialoguesScriptes& Utilisateur() { return *m_Utilisateur; }

    // The window: opened here, or the main window's.
    QPointer<frmMesure> Fenetre;
    // The data folder of the window opened here, read and written in place.
    QString CheminDatas;

private:
    void Fermer();

    std::unique_ptr<Hote> m_Hote;
    QList<Simulateur*> m_Simulateurs;
    std::unique_ptr<DialoguesScriptes> m_Utilisateur;
};
