#pragma once

#include <QDialog>
#include <QString>

class CPortSerie;
class QRegularExpressionValidator;

namespace Ui
{
class diaNewID;
}

// Gives a logger a new identifier and switches its display on or off; both go
// in one command. Created once by the measurement window and kept.
class diaNewID : public QDialog
{
    Q_OBJECT

public:
    // lcd: the logger has a display (71240, 71240VX).
    diaNewID(QWidget* parent, CPortSerie* port, const QString& id, bool lcd);
    ~diaNewID() override;

    // Before a reopening; the ON/OFF choice stays as the user left it.
    void Preparer(CPortSerie* port, bool lcd, const QString& id);

private slots:
    void on_btnProgrammer_clicked();

private:
    Ui::diaNewID* ui;
    CPortSerie* m_Port;
    QRegularExpressionValidator* m_Validateur;
};
