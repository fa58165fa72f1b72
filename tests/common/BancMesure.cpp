#include "BancMesure.h"

#include "CPortSerie.h"
#include "Simulateur.h"
#include "prmBoutonAppareil.h"
#include "prmTableWidget.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

BancMesure::BancMesure() : m_Utilisateur(std::make_unique<DialoguesScriptes>()) {}

BancMesure::~BancMesure()
{
    Fermer();
}

Simulateur* BancMesure::Brancher(const QStringList& options, bool lister)
{
    auto* sim = new Simulateur;
    if (!sim->Demarrer(options)) {
        qWarning("%s", qPrintable(sim->Erreur()));
        delete sim;
        return nullptr;
    }
    if (lister)
        CPortSerie::AjouterPortsManuels({sim->Lien()});
    m_Simulateurs << sim;
    return sim;
}

void BancMesure::Ouvrir(enm_LANGUE langue)
{
    m_Hote = std::make_unique<Hote>(langue);
    Fenetre = new frmMesure(m_Hote.get(), &CheminDatas);
    m_Hote->layout()->addWidget(Fenetre);
    m_Hote->show();
    Fenetre->Rechercher();
}

void BancMesure::ChangerLangue(enm_LANGUE langue)
{
    if (m_Hote)
        m_Hote->m_Langue = langue;
    Fenetre->MajLangue(langue);
}

void BancMesure::Fermer()
{
    if (m_Hote) {
        // While its host is whole: the window holds it as its date formats.
        delete Fenetre;
        m_Hote.reset();
    }
    Fenetre = nullptr;
    qDeleteAll(m_Simulateurs);
    m_Simulateurs.clear();
    CPortSerie::ViderPortsManuels();
    // Ports released with deleteLater.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BancMesure::Vider()
{
    Fermer();
    m_Utilisateur = std::make_unique<DialoguesScriptes>();
}

QToolButton* BancMesure::Bouton(const char* nom) const
{
    return Objet<QToolButton>(nom);
}

QLabel* BancMesure::Etiquette(const char* nom) const
{
    return Objet<QLabel>(nom);
}

prmTableWidget* BancMesure::Table(const char* nom) const
{
    return Objet<prmTableWidget>(nom);
}

QList<prmBoutonAppareil*> BancMesure::Appareils() const
{
    return Fenetre->findChildren<prmBoutonAppareil*>();
}

bool BancMesure::Telecharger(int delaiMs)
{
    QSignalSpy fin(Fenetre.data(), &frmMesure::SIGNAL_StopPbar);
    QTest::mouseClick(Bouton("btnTelecharger"), Qt::LeftButton);
    return fin.count() > 0 || fin.wait(delaiMs);
}
