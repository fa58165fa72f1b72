#include "prmBoutonDefaut.h"

#include <QApplication>
#include <QKeyEvent>

prmBoutonDefaut::prmBoutonDefaut(QWidget* parent) : QToolButton(parent) {}

void prmBoutonDefaut::showEvent(QShowEvent* event)
{
    QToolButton::showEvent(event);
    // Its window is known for sure once it is shown.
    if (window() == m_Fenetre)
        return;
    if (m_Fenetre)
        m_Fenetre->removeEventFilter(this);
    m_Fenetre = window();
    m_Fenetre->installEventFilter(this);
}

bool prmBoutonDefaut::eventFilter(QObject* objet, QEvent* event)
{
    // Key presses reach the window when the focused widget leaves them.
    if (objet != m_Fenetre || event->type() != QEvent::KeyPress)
        return QToolButton::eventFilter(objet, event);
    const auto* touche = static_cast<QKeyEvent*>(event);
    const bool entree = touche->key() == Qt::Key_Return || touche->key() == Qt::Key_Enter;
    if (!entree || (touche->modifiers() & ~Qt::KeypadModifier))
        return false;
    auto* focus = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
    if (focus && focus != this && !focus->isCheckable() && focus->window() == m_Fenetre) {
        focus->click();
        return true;
    }
    if (!isEnabled() || !isVisible())
        return false;
    click();
    return true;
}
