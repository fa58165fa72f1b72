#pragma once

#include <QAbstractButton>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <QtTest>

// What the programming dialogs' tests share: the widgets of a form by their
// object names, a click as a user makes it, and the boxes that end programming.
namespace Formulaires
{

const QString Reussite = QStringLiteral("Programmation effectuee");
const QString Echec = QStringLiteral("La programmation n'a pas fonctionne. Veuillez recommencer.");
const QString NonConnecte = QStringLiteral(
    "L'enregistreur ne semble pas connecte.\nVeuillez verifier s'il est correctement branche.");

// The one box that ends programming, as the scripted user's journal has it.
inline QStringList Fin(bool reussi, const QString& titre, const QString& texte)
{
    return {(reussi ? QStringLiteral("information|") : QStringLiteral("avertissement|")) + titre +
            '|' + texte};
}

template <typename T> T* Enfant(QWidget* w, const QString& nom)
{
    T* e = w->findChild<T*>(nom);
    if (!e)
        qWarning("no widget %s", qPrintable(nom));
    return e;
}

// On the indicator: a laid-out radio or check box is wider than its hit area.
inline void Cliquer(QWidget* w, const QString& nom)
{
    auto* b = Enfant<QAbstractButton>(w, nom);
    QVERIFY(b);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(qMin(12, b->width() / 2), b->height() / 2));
}

} // namespace Formulaires
