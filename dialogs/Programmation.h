#pragma once

#include <QCoreApplication>

#include <functional>

class CPortSerie;
class QDialog;
class QString;

// How the three programming dialogs end, written once: the logger's port is
// opened, or the user is told that the logger seems unplugged; `poursuivre`, when
// given, may still stop there (it asks the user, who may take their time); then
// `envoyer` programs the logger and a box titled `titre` says whether the logger
// took it. The dialog closes (accepted) when it did.
class Programmation
{
    Q_DECLARE_TR_FUNCTIONS(Programmation)

public:
    static void Programmer(QDialog* dialogue, const QString& titre, CPortSerie* port,
                           const std::function<bool()>& envoyer,
                           const std::function<bool()>& poursuivre = nullptr);
};
