#include "clsExcel.h"

#include "Grandeurs.h"
#include "HeureLocale.h"
#include "Progression.h"
#include "clsSerie.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <QSaveFile>
#include <QStringList>
#include <QTemporaryDir>

#include <xlsxwriter.h>

namespace
{

const QString NomTemporaire = QStringLiteral("classeur.xlsx");
// Pending events are processed at most this often during the rows, ms.
constexpr int PeriodeEvenements = 5;
const char* const FeuilleInfos = "Infos";

// Model text of a model code (see CodeModele()); "" for an unknown code.
QString TexteModele(int appareil)
{
    switch (appareil) {
    case 1:
        return QStringLiteral("71240");
    case 2:
        return QStringLiteral("71240VX");
    case 3:
        return QStringLiteral("71246");
    default:
        return QString();
    }
}

} // namespace

QString FormatTemperatureExcel(enm_UNITE_TEMP unite)
{
    // The unit quoted: shown as text after the number.
    return QStringLiteral("0.0\"%1\"").arg(UniteTemp(unite));
}

QString FormatHumiditeExcel()
{
    // Quoted: a bare % would multiply the value by 100.
    return QStringLiteral("0.0\"%1\"").arg(UniteHumi());
}

QString FormatDateExcel(int style)
{
    return style == 1 ? QStringLiteral("dd\\/mm\\/yyyy") : QStringLiteral("mm\\/dd\\/yyyy");
}

QString FormatHeureExcel(int style)
{
    return style == 1 ? QStringLiteral("hh\\:mm\\:ss") : QStringLiteral("h\\:mm\\:ss AM/PM");
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
    // Wide enough for "03/30/2016" and "2:05:09 PM"; a number too wide for its
    // column shows as "###", so the readings get room for "6553.5 °C".
    worksheet_set_column(m_Feuille, 1, 2, 12, nullptr);
    worksheet_set_column(m_Feuille, 3, 4, 11, nullptr);
    return true;
}

bool clsExcel::Exporter(const QString& path, int dateStyle, const clsSerie& serie)
{
    // The series is read before the first event is processed: it may change while
    // the progress bar repaints. The lists are shared here, not copied.
    const int n = serie.NbrePointsPresents();
    const QList<int> temps = serie.Temps.Valeurs;
    const QList<int> temperatures = serie.Temperature.Valeurs;
    const QList<int> humidites = serie.Humidite.Valeurs;
    const int voies = VoiesMesurees(serie.Infos.Capteurs);
    // The display unit when the export starts, for every row.
    const enm_UNITE_TEMP unite = UniteAffichage();
    if (!OuvrirClasseur())
        return false;
    if (!EcrireInfos(dateStyle, serie, n)) {
        Abandonner();
        return false;
    }
    emit XLS_Progress(1);
    QCoreApplication::processEvents();

    const bool avecTemperature = (voies & 1) != 0;
    const bool avecHumidite = (voies & 2) != 0;
    lxw_format* const date = Format(FormatDateExcel(dateStyle));
    lxw_format* const heure = Format(FormatHeureExcel(dateStyle));
    lxw_format* const temperature = Format(FormatTemperatureExcel(unite));
    lxw_format* const humidite = Format(FormatHumiditeExcel());

    // The humidity column follows the date and time when there is no temperature.
    const int colonneHumidite = avecTemperature ? 5 : 4;
    bool ok =
        date && heure && temperature && humidite && EcrireTexte(m_Feuille, 1, 1, tr("Num.")) &&
        EcrireTexte(m_Feuille, 1, 2, tr("Date")) && EcrireTexte(m_Feuille, 1, 3, tr("Heure")) &&
        (!avecTemperature || EcrireTexte(m_Feuille, 1, 4, tr("Temp."))) &&
        (!avecHumidite || EcrireTexte(m_Feuille, 1, colonneHumidite, tr("Humi.")));
    // Point k on row k + 2, numbered k + 1. Readings are in tenths of °C.
    HeureLocale horloge;
    QElapsedTimer evenements;
    evenements.start();
    int progres = 1; // the last value emitted
    for (int k = 0; ok && k < n; ++k) {
        const int ligne = k + 2;
        const QDateTime moment = horloge.Convertir(static_cast<uint>(temps.at(k)));
        ok = EcrireNombre(m_Feuille, ligne, 1, k + 1) &&
             EcrireDate(m_Feuille, ligne, 2, moment, date) &&
             EcrireDate(m_Feuille, ligne, 3, moment, heure) &&
             (!avecTemperature ||
              EcrireNombre(m_Feuille, ligne, 4, DixiemesAffiches(temperatures.at(k), unite) / 10.0,
                           temperature)) &&
             (!avecHumidite ||
              EcrireNombre(m_Feuille, ligne, colonneHumidite, humidites.at(k) / 10.0, humidite));
        // The caller's bar runs from 0 to n + 2.
        if (ligne == n + 1 || PourcentageChange(progres, ligne, 0, n + 2)) {
            progres = ligne;
            emit XLS_Progress(ligne);
        }
        if (evenements.elapsed() >= PeriodeEvenements) {
            QCoreApplication::processEvents(); // the window stays responsive
            evenements.restart();
        }
    }
    if (!ok) {
        Abandonner();
        return false;
    }
    return FermerClasseur(path);
}

bool clsExcel::EcrireInfos(int dateStyle, const clsSerie& serie, int points)
{
    lxw_worksheet* const feuille = workbook_add_worksheet(m_Classeur, FeuilleInfos);
    lxw_format* const debut =
        Format(FormatDateExcel(dateStyle) + QLatin1Char(' ') + FormatHeureExcel(dateStyle));
    if (!feuille || !debut)
        return false;
    worksheet_set_column(feuille, 0, 0, 18, nullptr);
    worksheet_set_column(feuille, 1, 1, 24, nullptr);

    const TS_INFOS& infos = serie.Infos;
    const QString modele = TexteModele(infos.Appareil);
    QString capteurs;
    switch (VoiesMesurees(infos.Capteurs)) {
    case 1:
        capteurs = tr("Temperature");
        break;
    case 2:
        capteurs = tr("Humidite");
        break;
    default:
        capteurs = tr("Temperature et humidite");
    }
    QString unite = infos.Unite; // carried from the logger, not applied to the readings
    if (unite == QLatin1String("M"))
        unite = tr("Metrique");
    else if (unite == QLatin1String("I"))
        unite = tr("Imperial");
    // The first point when there is one, as on the first sheet.
    const uint premier =
        points > 0 ? static_cast<uint>(serie.Temps.Valeurs.at(0)) : infos.DateDebut;

    bool ok = EcrireTexte(feuille, 1, 1, tr("Identifiant")) &&
              EcrireTexte(feuille, 1, 2, infos.ID) && EcrireTexte(feuille, 2, 1, tr("Modele")) &&
              (modele.isEmpty() || EcrireTexte(feuille, 2, 2, modele)) &&
              EcrireTexte(feuille, 3, 1, tr("Debut")) &&
              EcrireDate(feuille, 3, 2, HeureLocale().Convertir(premier), debut) &&
              EcrireTexte(feuille, 4, 1, tr("Periode (s)")) &&
              EcrireNombre(feuille, 4, 2, infos.Frequence) &&
              EcrireTexte(feuille, 5, 1, tr("Capteurs")) && EcrireTexte(feuille, 5, 2, capteurs) &&
              EcrireTexte(feuille, 6, 1, tr("Unite")) && EcrireTexte(feuille, 6, 2, unite) &&
              EcrireTexte(feuille, 7, 1, tr("Nombre de points")) &&
              EcrireNombre(feuille, 7, 2, points) &&
              EcrireTexte(feuille, 8, 1, tr("Commentaire")) &&
              EcrireTexte(feuille, 8, 2, serie.Commentaire());
    if (!ok)
        return false;

    QStringList motsCles{infos.ID, modele, QString::number(infos.Frequence) + QStringLiteral(" s")};
    motsCles.removeAll(QString());
    // Kept until the workbook is closed: the properties are written then.
    const QByteArray titre = serie.Nom.toUtf8();
    const QByteArray sujet = tr("Enregistreur %1").arg(infos.ID).toUtf8();
    const QByteArray cles = motsCles.join(QStringLiteral(", ")).toUtf8();
    const QByteArray commentaires = tr("Enregistreur %1, une mesure toutes les %2 s, %3 points")
                                        .arg(infos.ID)
                                        .arg(infos.Frequence)
                                        .arg(points)
                                        .toUtf8();
    lxw_doc_properties proprietes = {};
    proprietes.title = const_cast<char*>(titre.constData());
    proprietes.subject = const_cast<char*>(sujet.constData());
    proprietes.keywords = const_cast<char*>(cles.constData());
    proprietes.comments = const_cast<char*>(commentaires.constData());
    return workbook_set_properties(m_Classeur, &proprietes) == LXW_NO_ERROR;
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
            // commit() reports success even when its last flush ran out of space.
            ok = ecrit.error() == QFileDevice::NoError &&
                 classeur.write(contenu) == contenu.size() && classeur.flush() &&
                 classeur.error() == QFileDevice::NoError && classeur.commit();
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

lxw_format* clsExcel::Format(const QString& code)
{
    // Owned by the workbook; the code is copied.
    lxw_format* format = workbook_add_format(m_Classeur);
    if (format)
        format_set_num_format(format, code.toUtf8().constData());
    return format;
}

bool clsExcel::EcrireTexte(lxw_worksheet* feuille, int ligne, int colonne, const QString& texte)
{
    return worksheet_write_string(feuille, ligne - 1, colonne - 1, texte.toUtf8().constData(),
                                  nullptr) == LXW_NO_ERROR;
}

bool clsExcel::EcrireNombre(lxw_worksheet* feuille, int ligne, int colonne, double valeur,
                            lxw_format* format)
{
    return worksheet_write_number(feuille, ligne - 1, colonne - 1, valeur, format) == LXW_NO_ERROR;
}

bool clsExcel::EcrireDate(lxw_worksheet* feuille, int ligne, int colonne, const QDateTime& date,
                          lxw_format* format)
{
    // The date and time fields as they read in local time.
    const QDate jour = date.date();
    const QTime temps = date.time();
    lxw_datetime d = {jour.year(),  jour.month(),   jour.day(),
                      temps.hour(), temps.minute(), double(temps.second())};
    return worksheet_write_datetime(feuille, ligne - 1, colonne - 1, &d, format) == LXW_NO_ERROR;
}
