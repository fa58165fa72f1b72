#include "diaNewID.h"
#include "ui_diaNewID.h"

#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include "CPortSerie.h"
#include "Dialogues.h"
#include "Programmation.h"
#include "ReglesProgrammation.h"

namespace
{

// Turns lower-case letters into capitals as they are typed, then lets only the
// identifier's characters through.
class ValidateurMajuscules : public QRegularExpressionValidator
{
public:
    using QRegularExpressionValidator::QRegularExpressionValidator;

    State validate(QString& texte, int& pos) const override
    {
        texte = texte.toUpper();
        return QRegularExpressionValidator::validate(texte, pos);
    }
};
} // namespace

diaNewID::diaNewID(QWidget* parent, CPortSerie* port, const QString& id, bool lcd)
    : QDialog(parent), ui(new Ui::diaNewID), m_Port(port),
      m_Validateur(
          new ValidateurMajuscules(QRegularExpression(QStringLiteral("[_A-Z0-9]{0,}")), this))
{
    ui->setupUi(this);
    ui->gbxLCD->setVisible(lcd);
    ui->linNewID->setMaxLength(ReglesProgrammation::LongueurMaxIdentifiant);
    ui->linNewID->setValidator(m_Validateur);
    ui->linNewID->setText(id);
}

diaNewID::~diaNewID()
{
    delete ui;
}

void diaNewID::Preparer(CPortSerie* port, bool lcd, const QString& id)
{
    m_Port = port;
    ui->gbxLCD->setVisible(lcd);
    ui->linNewID->setText(id);
}

void diaNewID::on_btnProgrammer_clicked()
{
    const QString id = ui->linNewID->text();
    if (!ReglesProgrammation::IdentifiantValide(id)) {
        Dialogues::Courant().Avertissement(
            this, tr("CHANGEMENTS DE BASE"),
            tr("Le nouvel ID doit contenir 1 a 20 lettres et/ou chiffres."));
        return;
    }
    // The display choice is sent even when its box is hidden (no display).
    Programmation::Programmer(this, tr("CHANGEMENTS DE BASE"), m_Port, [this, id] {
        return m_Port->SetIdentifiants(id, ui->chkLcdON->isChecked());
    });
}
