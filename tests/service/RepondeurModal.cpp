#include "RepondeurModal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>

RepondeurModal::RepondeurModal(QObject* parent) : QObject(parent)
{
    connect(&m_Timer, &QTimer::timeout, this, &RepondeurModal::Regarder);
    m_Timer.start(20);
}

void RepondeurModal::Regarder()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;

    if (auto* boite = qobject_cast<QMessageBox*>(modal)) {
        if (boite->property("vu").toBool())
            return;
        boite->setProperty("vu", true);
        Vus << boite->windowTitle() + "|" + boite->text();
        QAbstractButton* bouton = boite->defaultButton();
        if (!bouton && !boite->buttons().isEmpty())
            bouton = boite->buttons().first();
        if (bouton)
            bouton->click();
        return;
    }

    if (modal->objectName() == QLatin1String("diaInstall")) {
        if (modal->property("vu").toBool())
            return;
        modal->setProperty("vu", true);
        auto* titre = modal->findChild<QLabel*>(QStringLiteral("lblNouvelleVersion"));
        auto* details = modal->findChild<QTextBrowser*>(QStringLiteral("txtDetails"));
        Vus << QStringLiteral("diaInstall|%1|%2")
                   .arg(titre ? titre->text() : QString(),
                        details ? details->toPlainText() : QString());
        const QString nom =
            Installer ? QStringLiteral("btnInstaller") : QStringLiteral("btnPlusTard");
        if (auto* bouton = modal->findChild<QPushButton*>(nom))
            bouton->click();
    }
}
