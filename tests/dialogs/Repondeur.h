#pragma once

#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QVector>

// Answers the message boxes the dialogs open, as a user would: a message box
// blocks in its own event loop, so a repeating timer looks for it and presses
// OK. Only message boxes are touched, never the dialog under test.
class Repondeur : public QObject
{
    Q_OBJECT

public:
    struct Message {
        QString Titre;
        QString Texte;
        QMessageBox::Icon Icone;
    };

    explicit Repondeur(QObject* parent = nullptr);

    QVector<Message> Vus;

private:
    void Regarder();

    QTimer m_Timer;
};
