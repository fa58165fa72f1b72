#pragma once

#include <QColor>
#include <QLabel>

class QKeyEvent;
class QMouseEvent;
class QPaintEvent;

// A 30x30 colour swatch. It shows a colour object it does not own (the caller
// keeps it alive as long as the swatch) and, when modifiable, edits it in place
// through the colour dialog, opened by a click or from the keyboard (Tab to it,
// then Space or Enter).
class prmLabelCouleur : public QLabel
{
    Q_OBJECT

public:
    // styleSupp: extra style rules appended to the swatch's own (may be empty).
    prmLabelCouleur(QColor* couleur, QWidget* parent = nullptr,
                    const QString& styleSupp = QString(), bool modifiable = true);

    // Rebuilds the style sheet from the colour; the alpha component is not shown.
    void MajStyle();
    // Stores the colour into the colour object and shows it, without signal.
    void setCouleur(const QColor& couleur);
    // When modifiable: the colour dialog; a new colour is stored and signalled.
    void Choisir();

    bool m_Modifiable;

signals:
    void CouleurChanged(QColor newCouleur);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_StyleSupp;
    QColor* m_pCouleur;
};
