#include "diaInstall.h"
#include "ui_diaInstall.h"

#include <QDesktopServices>
#include <QUrl>

diaInstall::diaInstall(QWidget* parent) : QDialog(parent), ui(new Ui::diaInstall)
{
    ui->setupUi(this);
}

diaInstall::~diaInstall()
{
    delete ui;
}

void diaInstall::setTitre(const QString& nomApplication, const QString& version)
{
    setWindowTitle(nomApplication);
    ui->lblNouvelleVersion->setText(QStringLiteral("%1 %2").arg(nomApplication, version));
}

void diaInstall::setDetails(const QString& html)
{
    // No search path: relative names in the details do not reach local files.
    ui->txtDetails->setSearchPaths({});
    ui->txtDetails->setHtml(html);
}

void diaInstall::on_btnInstaller_clicked()
{
    accept();
}

void diaInstall::on_btnPlusTard_clicked()
{
    reject();
}

void diaInstall::on_txtDetails_anchorClicked(const QUrl& lien)
{
    const QString schema = lien.scheme().toLower();
    if (schema == QLatin1String("http") || schema == QLatin1String("https"))
        QDesktopServices::openUrl(lien);
}
