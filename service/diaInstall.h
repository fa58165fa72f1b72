#pragma once

#include <QDialog>

class QUrl;

namespace Ui
{
class diaInstall;
}

// Offer to install the newer version, with its details. Accepted: install now.
class diaInstall : public QDialog
{
    Q_OBJECT

public:
    explicit diaInstall(QWidget* parent = nullptr);
    ~diaInstall() override;

    void setTitre(const QString& nomApplication, const QString& version);
    // The details come from the network: shown as rich text only, no script, no
    // remote resource; a web link opens in the desktop's browser.
    void setDetails(const QString& html);

private slots:
    void on_btnInstaller_clicked();
    void on_btnPlusTard_clicked();
    void on_txtDetails_anchorClicked(const QUrl& lien);

private:
    Ui::diaInstall* ui;
};
