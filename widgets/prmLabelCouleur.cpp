#include "prmLabelCouleur.h"

#include "Dialogues.h"

#include <QKeyEvent>
#include <QPainter>

prmLabelCouleur::prmLabelCouleur(QColor* couleur, QWidget* parent, const QString& styleSupp,
                                 bool modifiable)
    : QLabel(parent), m_Modifiable(modifiable), m_StyleSupp(styleSupp), m_pCouleur(couleur)
{
    setFixedSize(30, 30);
    // Reached with Tab and changed with Space or Enter, like a button.
    if (modifiable)
        setFocusPolicy(Qt::StrongFocus);
    MajStyle();
    setText(QString());
}

void prmLabelCouleur::MajStyle()
{
    // rgb() and not rgba(): a hidden curve keeps its colour with alpha 0, and its
    // swatch must still show that colour.
    setStyleSheet(QStringLiteral("prmLabelCouleur {background-color: rgb(%1,%2,%3);%4} "
                                 "QToolTip {background-color: palette(base); color: palette(text);}")
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

void prmLabelCouleur::Choisir()
{
    if (!m_Modifiable)
        return;
    const QColor choix = Dialogues::Courant().Couleur(this, *m_pCouleur);
    if (!choix.isValid() || choix == *m_pCouleur)
        return;
    setCouleur(choix);
    emit CouleurChanged(choix);
}

void prmLabelCouleur::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    Choisir();
}

void prmLabelCouleur::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Select:
        if (m_Modifiable) {
            Choisir();
            return;
        }
        break;
    default:
        break;
    }
    QLabel::keyPressEvent(event);
}

void prmLabelCouleur::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // The colour fills the swatch: the keyboard focus is a frame in the
    // palette's highlight, inside its margins.
    QPainter peintre(this);
    peintre.setPen(QPen(palette().color(QPalette::Highlight), 2));
    peintre.setBrush(Qt::NoBrush);
    peintre.drawRect(contentsRect().adjusted(1, 1, -1, -1));
}
