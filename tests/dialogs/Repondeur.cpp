#include "Repondeur.h"

#include <QAbstractButton>
#include <QApplication>

Repondeur::Repondeur(QObject* parent) : QObject(parent)
{
    connect(&m_Timer, &QTimer::timeout, this, &Repondeur::Regarder);
    m_Timer.start(20); // ms
}

void Repondeur::Regarder()
{
    auto* boite = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!boite || !boite->isVisible())
        return;
    Vus.append({boite->windowTitle(), boite->text(), boite->icon()});
    QAbstractButton* ok = boite->button(QMessageBox::Ok);
    if (ok)
        ok->click();
    else
        boite->reject();
}
