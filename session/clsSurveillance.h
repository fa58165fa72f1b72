#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// What one watch tick found. Port names compare without case.
struct TS_SURVEILLANCE {
    bool Perte = false;   // the selected logger's port is no longer held
    QStringList Departs;  // known loggers, other than the selected one, no longer listed
    QStringList Arrivees; // listed ports with no known logger: to probe, in list order
};

// The watch of the measurement session, free of widgets and ports: compares the
// listed ports with the loggers known, and remembers the ports whose device does
// not answer the identification.
class clsSurveillance
{
public:
    // A device that has not answered this many probes in a row is told to the user.
    static constexpr int SondesSansReponse = 3;

    // listes: the ports listed now; connus: the ports of the known loggers, in the
    // order found; selectionne: the selected logger's port ("" when none);
    // tenu: whether that port is still held open.
    static TS_SURVEILLANCE Comparer(const QStringList& listes, const QStringList& connus,
                                    const QString& selectionne, bool tenu);
    // At the end of a tick: the logger to select by itself, the only one known
    // while none is selected; "" otherwise.
    static QString SelectionAuto(const QStringList& connus, const QString& selectionne);

    // After a probe of port: whether its device answered. Returns true when the port
    // becomes, or stops being, one whose device does not answer.
    bool NoterSonde(const QString& port, bool repondu);
    // Forgets the ports no longer listed; true when a silent one was forgotten.
    bool Oublier(const QStringList& listes);
    // Ports whose device has not answered SondesSansReponse probes in a row.
    QStringList Muets() const;

private:
    struct Sondes {
        QString Port; // as listed
        int Echecs = 0;
    };
    QMap<QString, Sondes> m_Echecs; // failed probes in a row, by lower-case port name
};
