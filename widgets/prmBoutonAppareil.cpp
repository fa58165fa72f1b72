#include "prmBoutonAppareil.h"

#include "ISelectionAppareil.h"

prmBoutonAppareil::prmBoutonAppareil(ISelectionAppareil* createur, QWidget* parent,
                                     const QString& identifiant, const QString& texte,
                                     const QString& icone)
    : QToolButton(parent), m_Identifiant(identifiant), m_pCreateur(createur)
{
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    setMinimumHeight(35);
    setMaximumHeight(35);
    // The desktop's font family.
    QFont police;
    police.setPointSize(12);
    police.setWeight(QFont::Normal);
    police.setItalic(false);
    setFont(police);
    setText(texte);
    setCursor(Qt::PointingHandCursor);
    // The icon stands right of the caption.
    setLayoutDirection(Qt::RightToLeft);
    setIcon(QIcon(icone));
    setIconSize(QSize(32, 32));
    setCheckable(true);
    setAutoExclusive(true);
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    setAutoRaise(true);
    connect(this, &QToolButton::toggled, this, &prmBoutonAppareil::slot_Clicked);
}

void prmBoutonAppareil::slot_Clicked(bool checked)
{
    // Checking a button first unchecks the one checked before, which reports
    // false for its own logger.
    if (m_pCreateur)
        m_pCreateur->Selectionner(checked, m_Identifiant);
}
