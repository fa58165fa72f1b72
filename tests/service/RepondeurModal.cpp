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

    // A message box is answered once it has been visible LectureMs. One that
    // another modal window covers cannot be answered by a user: it is logged as
    // such, and answered all the same so that the test ends.
    for (QWidget* fenetre : QApplication::topLevelWidgets()) {
        auto* boite = qobject_cast<QMessageBox*>(fenetre);
        if (!boite || !boite->isVisible())
            continue;
        if (!m_Premiere.isValid())
            m_Premiere.start();
        if (m_Premiere.elapsed() >= LectureMs)
            Repondre(boite, boite == modal ? QString() : QStringLiteral("couverte|"));
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

void RepondeurModal::Repondre(QMessageBox* boite, const QString& prefixe)
{
    m_Premiere.invalidate();
    Vus << prefixe + boite->windowTitle() + "|" + boite->text();
    QAbstractButton* bouton = boite->defaultButton();
    if (!bouton && !boite->buttons().isEmpty())
        bouton = boite->buttons().first();
    if (bouton)
        bouton->click();
}
