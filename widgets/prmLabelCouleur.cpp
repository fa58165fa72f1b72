#include "prmLabelCouleur.h"

#include <QColorDialog>

prmLabelCouleur::prmLabelCouleur(QColor* couleur, QWidget* parent, const QString& styleSupp,
                                 bool modifiable)
    : QLabel(parent), m_Modifiable(modifiable), m_StyleSupp(styleSupp), m_pCouleur(couleur)
{
    setFixedSize(30, 30);
    MajStyle();
    setText(QString());
}

void prmLabelCouleur::MajStyle()
{
    // rgb() and not rgba(): a hidden curve keeps its colour with alpha 0, and its
    // swatch must still show that colour.
    setStyleSheet(QStringLiteral("prmLabelCouleur {background-color: rgb(%1,%2,%3);%4} "
                                 "QToolTip {background-color: white;}")
                      .arg(m_pCouleur->red())
                      .arg(m_pCouleur->green())
                      .arg(m_pCouleur->blue())
                      .arg(m_StyleSupp));
}

void prmLabelCouleur::setCouleur(const QColor& couleur)
{
    *m_pCouleur = couleur;
    MajStyle();
}

void prmLabelCouleur::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (!m_Modifiable)
        return;
    const QColor choix =
        QColorDialog::getColor(*m_pCouleur, nullptr, QString(), QColorDialog::ShowAlphaChannel);
    if (!choix.isValid() || choix == *m_pCouleur)
        return;
    setCouleur(choix);
    emit CouleurChanged(choix);
}
