#ifndef PRMLABELCOULEUR_H
#define PRMLABELCOULEUR_H

#include <QColor>
#include <QLabel>

class QMouseEvent;

// A 30x30 colour swatch. It shows a colour object it does not own (the caller
// keeps it alive as long as the swatch) and, when modifiable, edits it in place
// through the colour dialog.
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

    bool m_Modifiable;

signals:
    void CouleurChanged(QColor newCouleur);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString m_StyleSupp;
    QColor* m_pCouleur;
};

#endif
