#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

// Answers the modal dialogs of a test: every 20 ms, hands the active modal
// widget, if any, to `reponse`, which returns true once it has answered it.
class Repondeur : public QObject
{
public:
    explicit Repondeur(std::function<bool(QWidget*)> reponse) : m_Reponse(std::move(reponse))
    {
        connect(&m_Timer, &QTimer::timeout, this, [this] {
            if (QWidget* dialogue = QApplication::activeModalWidget())
                if (m_Reponse(dialogue))
                    ++m_Reponses;
        });
        m_Timer.start(20);
    }

    int Reponses() const { return m_Reponses; }

private:
    std::function<bool(QWidget*)> m_Reponse;
    QTimer m_Timer;
    int m_Reponses = 0;
};
