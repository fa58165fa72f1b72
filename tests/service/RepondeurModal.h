#pragma once

#include <QObject>
#include <QStringList>
#include <QTimer>

// Answers the library's modal windows as a user would, from a repeating timer
// (a modal window blocks in its own loop): message boxes are acknowledged, the
// installation offer is accepted or put off. Everything seen is logged as
// "title|text" (message boxes) or "diaInstall|title|details" (the offer).
class RepondeurModal : public QObject
{
    Q_OBJECT

public:
    explicit RepondeurModal(QObject* parent = nullptr);

    bool Installer = true; // answer to the installation offer
    QStringList Vus;

private:
    void Regarder();

    QTimer m_Timer;
};
