#include "Simulateur.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>

Simulateur::Simulateur(QObject* parent) : QObject(parent)
{
    m_processus.setProcessChannelMode(QProcess::SeparateChannels);
}

Simulateur::~Simulateur()
{
    Arreter();
}

QString Simulateur::Programme()
{
    return QStringLiteral(VORSEN_BIN_DIR "/logger-sim");
}

bool Simulateur::Disponible()
{
    return QFileInfo(Programme()).isExecutable();
}

bool Simulateur::Demarrer(const QStringList& options, int delaiMs)
{
    m_erreur.clear();
    if (EnMarche()) {
        m_erreur = QStringLiteral("already running");
        return false;
    }
    if (!m_dossier.isValid()) {
        m_erreur = QStringLiteral("no temporary folder: ") + m_dossier.errorString();
        return false;
    }
    m_lien = m_dossier.filePath(QStringLiteral("logger"));
    m_journal = m_dossier.filePath(QStringLiteral("recu.log"));
    QFile::remove(m_journal);

    QStringList arguments{QStringLiteral("--link"), m_lien, QStringLiteral("--log"), m_journal};
    arguments << options;
    m_processus.start(Programme(), arguments);
    if (!m_processus.waitForStarted(delaiMs)) {
        m_erreur = Programme() + QStringLiteral(": ") + m_processus.errorString();
        return false;
    }

    // Ready once it has printed the link path alone on its first line.
    QByteArray sortie;
    QDeadlineTimer limite(delaiMs);
    while (!sortie.contains('\n')) {
        if (limite.hasExpired() || m_processus.state() == QProcess::NotRunning)
            break;
        if (m_processus.waitForReadyRead(int(qMax<qint64>(1, limite.remainingTime()))))
            sortie += m_processus.readAllStandardOutput();
    }
    const QString premiere = QString::fromLocal8Bit(sortie.left(sortie.indexOf('\n')));
    if (!sortie.contains('\n') || premiere != m_lien) {
        m_erreur = QStringLiteral("not ready (stdout \"%1\", stderr \"%2\")")
                       .arg(QString::fromLocal8Bit(sortie),
                            QString::fromLocal8Bit(m_processus.readAllStandardError()));
        Arreter();
        return false;
    }
    return true;
}

bool Simulateur::Arreter(int delaiMs)
{
    if (m_processus.state() == QProcess::NotRunning)
        return m_processus.exitStatus() == QProcess::NormalExit && m_processus.exitCode() == 0;
    m_processus.terminate();
    if (!m_processus.waitForFinished(delaiMs)) {
        m_processus.kill();
        m_processus.waitForFinished(delaiMs);
        return false;
    }
    return m_processus.exitStatus() == QProcess::NormalExit && m_processus.exitCode() == 0;
}

QStringList Simulateur::LignesRecues() const
{
    QFile fichier(m_journal);
    if (!fichier.open(QIODevice::ReadOnly))
        return {};
    QStringList lignes = QString::fromLatin1(fichier.readAll()).split(QLatin1Char('\n'));
    if (!lignes.isEmpty() && lignes.last().isEmpty())
        lignes.removeLast();
    return lignes;
}
