#pragma once

// The main window as the measurement window sees it: language and date formats.

#include "IFormatsDate.h"

#include <QHBoxLayout>
#include <QWidget>

class Hote : public QWidget, public IFormatsDate
{
public:
    explicit Hote(enm_LANGUE langue) : m_Langue(langue)
    {
        resize(903, 540);
        new QHBoxLayout(this);
    }
    enm_LANGUE Langue() const override { return m_Langue; }
    QString FormatDate() const override
    {
        return m_Langue == FRANCAIS ? " dd/MM/yyyy" : " MM/dd/yyyy";
    }
    QString FormatDateHeure() const override
    {
        return m_Langue == FRANCAIS ? " dd/MM/yyyy\n  hh:mm:ss" : " MM/dd/yyyy\n h:mm:ss AP";
    }
    QString FormatHeure() const override
    {
        return m_Langue == FRANCAIS ? "hh:mm:ss" : "h:mm:ss AP";
    }

    enm_LANGUE m_Langue;
};
