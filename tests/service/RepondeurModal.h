#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QTimer>

class QMessageBox;

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
    int LectureMs = 0;     // a message box is answered once visible this long
    QStringList Vus;

private:
    void Regarder();
    void Repondre(QMessageBox* boite, const QString& prefixe);

    QTimer m_Timer;
    QElapsedTimer m_Premiere; // since the box waiting for an answer was first seen
};
