// The plot kit put together as the measurement window does, with its span
// wheels and device buttons, drawn offscreen with the program's style sheet.
// With VORSEN_APERCU=<file.png> in the environment the picture is kept there.

#include "ConfigGraphe.h"
#include "CurveData.h"
#include "Environnement.h"
#include "Grandeurs.h"
#include "ISelectionAppareil.h"
#include "RoueEchelle.h"
#include "Zoomer.h"
#include "prmBoutonAppareil.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <qmath.h>
#include <qwt_plot.h>
#include <qwt_plot_curve.h>
#include <qwt_plot_directpainter.h>
#include <qwt_scale_widget.h>
#include <qwt_wheel.h>

// 2023-07-01 23:30:00 UTC; one point a minute for four hours.
static const uint DEBUT = 1688254200u;
static const int POINTS = 240;

class Apercu : public QWidget, public ISelectionAppareil
{
public:
    Apercu()
    {
        auto* disposition = new QHBoxLayout(this);
        auto* courbe = new QGridLayout;
        disposition->addLayout(courbe, 1);
        sliTemp = Roue();
        sliHumi = Roue();
        m_qPlot = new QwtPlot;
        m_qPlot->setObjectName(QStringLiteral("qwtCourbe"));
        courbe->addWidget(m_qPlot, 0, 1, 4, 1);
        courbe->addWidget(sliTemp, 1, 0);
        courbe->addWidget(sliHumi, 1, 2);

        auto* appareils = new QVBoxLayout;
        disposition->addLayout(appareils);
        for (const char* id : {"SALLE 1", "CHAMBRE FROIDE"}) {
            boutons << new prmBoutonAppareil(this, this, QLatin1String(id), QLatin1String(id),
                                             QStringLiteral(":/Images/71240.png"));
            appareils->addWidget(boutons.last());
        }
        appareils->addStretch();

        ConstruireGraphe();
        connect(m_Zoomer, &QwtPlotZoomer::zoomed, this, [this] { Zoomed(); });
    }
    ~Apercu() override { delete m_DirectPainter; }

    void Selectionner(bool, QString) override {}

    void Zoomed()
    {
        m_RoueTemp->Regler();
        m_RoueHumi->Regler();
    }

    void AjouterPoint(uint temps, int temp, int humi)
    {
        donneesTemp->append(QPointF(temps, temp));
        donneesHumi->append(QPointF(temps, humi));
        const int n = static_cast<int>(donneesTemp->size());
        if (n >= 2) {
            m_DirectPainter->drawSeries(m_CourbeTemp, n - 2, n - 1);
            m_DirectPainter->drawSeries(m_CourbeHumi, n - 2, n - 1);
        }
    }

    QwtPlot* m_qPlot;
    QwtWheel* sliTemp;
    QwtWheel* sliHumi;
    QwtPlotCurve* m_CourbeTemp;
    QwtPlotCurve* m_CourbeHumi;
    CurveData* donneesTemp;
    CurveData* donneesHumi;
    Zoomer* m_Zoomer;
    RoueEchelle* m_RoueTemp;
    RoueEchelle* m_RoueHumi;
    QwtPlotDirectPainter* m_DirectPainter;
    QList<prmBoutonAppareil*> boutons;

private:
    static QwtWheel* Roue()
    {
        auto* roue = new QwtWheel;
        roue->setOrientation(Qt::Vertical);
        roue->setMinimumHeight(100);
        roue->setMaximumHeight(120);
        roue->setCursor(Qt::SizeVerCursor);
        roue->setViewAngle(120);
        roue->setTickCount(15);
        roue->setBorderWidth(1);
        roue->setWheelBorderWidth(2);
        roue->setSingleStep(10);
        return roue;
    }

    void ConstruireGraphe()
    {
        m_DirectPainter = new QwtPlotDirectPainter;
        ConfigGraphe::Preparer(m_qPlot);
        ConfigGraphe::AjouterLegende(m_qPlot);
        ConfigGraphe::AxeX(m_qPlot, SYNCHRO_DATE, QStringLiteral(" dd/MM/yyyy\n  hh:mm:ss"));
        ConfigGraphe::TitresAxes(m_qPlot, QStringLiteral("Temperature"),
                                 QStringLiteral("Humidite"), true);
        donneesTemp = new CurveData;
        donneesHumi = new CurveData;
        m_CourbeTemp = Courbe(m_qPlot->axisTitle(QwtPlot::yLeft), donneesTemp, CouleurTemp(),
                              QwtPlot::yLeft);
        m_CourbeHumi = Courbe(m_qPlot->axisTitle(QwtPlot::yRight), donneesHumi, CouleurHumi(),
                              QwtPlot::yRight);
        m_RoueTemp =
            new RoueEchelle(sliTemp, m_qPlot, QwtPlot::yLeft, TEMP_PLANCHER, TEMP_PLAFOND, 2);
        m_RoueHumi =
            new RoueEchelle(sliHumi, m_qPlot, QwtPlot::yRight, HUMI_PLANCHER, HUMI_PLAFOND, 2);
        m_qPlot->setAxisScale(QwtPlot::xBottom, DEBUT, DEBUT + 60 * (POINTS - 1));
        m_qPlot->updateAxes();
        m_Zoomer = ConfigGraphe::AjouterZoomer(m_qPlot, SYNCHRO_DATE);
    }

    QwtPlotCurve* Courbe(const QwtText& titre, CurveData* donnees, const QColor& couleur, int axe)
    {
        auto* courbe = new QwtPlotCurve(titre);
        courbe->setData(donnees);
        courbe->setPen(couleur, 1, Qt::SolidLine);
        courbe->setRenderHint(QwtPlotItem::RenderAntialiased, true);
        courbe->setYAxis(axe);
        courbe->attach(m_qPlot);
        return courbe;
    }
};

// Pixels of the image of the colour's hue: the antialiased one-pixel curves
// blend into the background, the grid and the canvas are gray.
static int Pixels(const QImage& image, const QColor& couleur)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor p(image.pixel(x, y));
            const int ecart = qAbs(p.hue() - couleur.hue());
            if (p.saturation() > 80 && qMin(ecart, 360 - ecart) < 15)
                ++n;
        }
    }
    return n;
}

class tst_apercu : public QObject
{
    Q_OBJECT

private slots:
    void grapheComplet()
    {
        Apercu apercu;
        apercu.resize(900, 480);
        apercu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&apercu));
        apercu.boutons[0]->click();
        apercu.Zoomed();
        QCOMPARE(apercu.sliTemp->value(), 1400.0);
        QCOMPARE(apercu.sliHumi->value(), 1000.0);

        // A slow day: temperature around 22 °C, humidity around 50 %.
        for (int i = 0; i < POINTS; ++i) {
            apercu.AjouterPoint(DEBUT + 60 * i, 220 + qRound(30 * qSin(i / 30.0)),
                                500 + qRound(80 * qCos(i / 40.0)));
        }
        QCOMPARE(apercu.m_CourbeTemp->dataSize(), size_t(POINTS));

        // Narrower spans through the wheels, each around the centre of its axis.
        apercu.sliTemp->setValue(600);
        apercu.sliHumi->setValue(800);
        QCOMPARE(apercu.m_qPlot->axisInterval(QwtPlot::yLeft).minValue(), 0.0);
        QCOMPARE(apercu.m_qPlot->axisInterval(QwtPlot::yLeft).maxValue(), 600.0);
        QCOMPARE(apercu.m_qPlot->axisInterval(QwtPlot::yRight).minValue(), 100.0);
        QCOMPARE(apercu.m_qPlot->axisInterval(QwtPlot::yRight).maxValue(), 900.0);
        apercu.m_qPlot->replot();

        const QImage canvas = apercu.m_qPlot->canvas()->grab().toImage();
        const QString fichier = qEnvironmentVariable("VORSEN_APERCU");
        if (!fichier.isEmpty())
            QVERIFY(apercu.grab().save(fichier));
        QVERIFY2(Pixels(canvas, CouleurTemp()) > 100, "temperature curve not drawn");
        QVERIFY2(Pixels(canvas, CouleurHumi()) > 100, "humidity curve not drawn");

        // Times of day under the x axis, their date in its title: in Paris, where
        // the test runs, the four hours go from 01:30 to 05:29 on 2 July.
        const QwtScaleWidget* axeX = apercu.m_qPlot->axisWidget(QwtPlot::xBottom);
        const QSizeF etiquette = axeX->scaleDraw()->labelSize(axeX->font(), DEBUT);
        QVERIFY(etiquette.height() < 1.5 * QFontMetricsF(axeX->font()).height());
        QCOMPARE(axeX->title().text(), QStringLiteral("02/07/2023"));

        // Zooming into a small rectangle hands the new spans to the wheels.
        apercu.m_Zoomer->zoom(QRectF(DEBUT + 3600, 150, 3600, 100));
        QCOMPARE(apercu.sliTemp->value(), 100.0);
        QCOMPARE(apercu.m_qPlot->axisInterval(QwtPlot::yLeft).minValue(), 150.0);
    }
};

VORSEN_GUI_TEST_MAIN(tst_apercu)
#include "tst_apercu.moc"
