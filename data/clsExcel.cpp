#include "clsExcel.h"

#include "HeureLocale.h"
#include "clsSerie.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <xlsxwriter.h>

namespace
{

const QString UniteTemperature = QStringLiteral(" %1C").arg(QChar(0x00B0));
const QString UniteHumidite = QStringLiteral(" %");
const QString NomTemporaire = QStringLiteral("classeur.xlsx");

QString Dixiemes(int valeur)
{
    return QString::number(valeur / 10.0, 'f', 1);
}

} // namespace

QString TexteTemperatureExcel(int valeur)
{
    return Dixiemes(valeur) + UniteTemperature;
}

QString TexteHumiditeExcel(int valeur)
{
    return Dixiemes(valeur) + UniteHumidite;
}

QPair<QString, QString> DateHeureExcel(const QDateTime& date, int style)
{
    const QString texte = TexteDate(date, style);
    const int espace = texte.indexOf(QLatin1Char(' '));
    if (espace < 0)
        return qMakePair(texte, QString());
    return qMakePair(texte.left(espace), texte.mid(espace + 1));
}

clsExcel::clsExcel() : QObject(nullptr) {}

clsExcel::~clsExcel()
{
    Abandonner();
}

bool clsExcel::ExcelDisponible()
{
    return true;
}

bool clsExcel::OuvrirClasseur()
{
    Abandonner();
    m_Dossier = std::make_unique<QTemporaryDir>();
    if (!m_Dossier->isValid()) {
        m_Dossier.reset();
        return false;
    }
    // Rows go out in order: constant memory keeps a full logger (16000 points)
    // at a few MiB, its scratch files in the same temporary folder.
    QByteArray dossier = QFile::encodeName(m_Dossier->path());
    lxw_workbook_options options = {};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = dossier.data();
    m_Classeur = workbook_new_opt(QFile::encodeName(m_Dossier->filePath(NomTemporaire)).constData(),
                                  &options);
    if (m_Classeur)
        m_Feuille = workbook_add_worksheet(m_Classeur, nullptr);
    if (!m_Feuille) {
        Abandonner();
        return false;
    }
    // Wide enough for "03/30/2016" and "2:05:09 PM".
    worksheet_set_column(m_Feuille, 1, 2, 12, nullptr);
    return true;
}

bool clsExcel::Exporter(const QString& path, int dateStyle, const QList<int>& times,
                        const QList<int>& temperatures, const QList<int>& humidities)
{
    if (!OuvrirClasseur())
        return false;
    emit XLS_Progress(1);
    QCoreApplication::processEvents();

    bool ok = EcrireTexte(1, 1, tr("Num.")) && EcrireTexte(1, 2, tr("Date")) &&
              EcrireTexte(1, 3, tr("Heure")) && EcrireTexte(1, 4, tr("Temp.")) &&
              EcrireTexte(1, 5, tr("Humi."));
    // Point k on row k + 2, numbered k + 1; the time list sets the length.
    HeureLocale heure;
    for (int k = 0; ok && k < times.size(); ++k) {
        const int ligne = k + 2;
        const QPair<QString, QString> dateHeure =
            DateHeureExcel(heure.Convertir(static_cast<uint>(times.at(k))), dateStyle);
        ok = worksheet_write_number(m_Feuille, ligne - 1, 0, k + 1, nullptr) == LXW_NO_ERROR &&
             EcrireTexte(ligne, 2, dateHeure.first) && EcrireTexte(ligne, 3, dateHeure.second) &&
             EcrireTexte(ligne, 4, TexteTemperatureExcel(temperatures.value(k))) &&
             EcrireTexte(ligne, 5, TexteHumiditeExcel(humidities.value(k)));
        emit XLS_Progress(ligne);
        QCoreApplication::processEvents(); // the progress bar repaints
    }
    if (!ok) {
        Abandonner();
        return false;
    }
    return FermerClasseur(path);
}

bool clsExcel::FermerClasseur(const QString& path)
{
    if (!m_Classeur)
        return false;
    const lxw_error erreur = workbook_close(m_Classeur); // frees it whatever the result
    m_Classeur = nullptr;
    m_Feuille = nullptr;

    bool ok = erreur == LXW_NO_ERROR;
    if (ok) {
        // QSaveFile writes beside the final name and renames on commit.
        QFile ecrit(m_Dossier->filePath(NomTemporaire));
        QSaveFile classeur(path + QStringLiteral(".xlsx"));
        ok = ecrit.open(QIODevice::ReadOnly) && classeur.open(QIODevice::WriteOnly);
        if (ok) {
            const QByteArray contenu = ecrit.readAll();
            ok = ecrit.error() == QFileDevice::NoError &&
                 classeur.write(contenu) == contenu.size() && classeur.commit();
        }
    }
    m_Dossier.reset();
    return ok;
}

void clsExcel::Abandonner()
{
    if (m_Classeur)
        workbook_close(m_Classeur); // into the temporary folder, removed below
    m_Classeur = nullptr;
    m_Feuille = nullptr;
    m_Dossier.reset();
}

bool clsExcel::EcrireTexte(int ligne, int colonne, const QString& texte)
{
    return worksheet_write_string(m_Feuille, ligne - 1, colonne - 1, texte.toUtf8().constData(),
                                  nullptr) == LXW_NO_ERROR;
}
