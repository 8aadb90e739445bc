// The results frame's charts and captions as a user meets them in the real window: fuel and
// water each on its own axis, the pale "Con control" line outlined to a readable contrast, the
// fuel's unit beside its captions, and the groups announced by their own titles.

#include "support/ventana_de_prueba.h"

#include "ui/colores.h"

#include <QChart>
#include <QValueAxis>


using namespace hortelia;

namespace {

QValueAxis* Eje(const Grafico* g, Qt::Alignment lado) {
    for (QAbstractAxis* eje : g->chart()->axes(Qt::Vertical))
        if (eje->alignment() == lado) return qobject_cast<QValueAxis*>(eje);
    return nullptr;
}

}  // namespace

class TestGraficosResultados : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { std::setlocale(LC_ALL, "C"); }

    // Each chart read with its unit, the pale line with a WCAG contrast, each group announced by
    // its title. The values the charts draw and the hour they mark are checked in
    // test_resultados, the text a screen reader hears of them in test_grafico.
    void losGraficosSeLeenConSuUnidadSuContrasteYLaHoraMarcada() {
        VentanaDePrueba v;
        v.Procesa();
        // Hour 5 burns .24 litres, hour 12 sprays 123.6 l: each readable on its own scale.
        auto* control = v.Hijo<Grafico>("MSCResCtrl");
        QCOMPARE(Eje(control, Qt::AlignRight)->titleText(), QStringLiteral("Agua (l)"));
        QVERIFY(Eje(control, Qt::AlignLeft)->max() < 1 && Eje(control, Qt::AlignRight)->max() >= 123.6);

        auto* temperaturas = v.Hijo<Grafico>("MSCResTemp");
        QCOMPARE(Eje(temperaturas, Qt::AlignLeft)->titleText(), QStringLiteral("Temperatura (°C)"));
        QCOMPARE(temperaturas->chart()->axes(Qt::Horizontal).front()->titleText(), QStringLiteral("Hora"));
        QVERIFY(temperaturas->accessibleDescription().startsWith(
            QStringLiteral("Exterior, Temperatura (°C): hora 1: 9.5; hora 2: ")));
        // "Con control" keeps its yellow (1.8:1 on white); its outline gives the line 3:1 or more.
        QCOMPARE(qRound(ContrasteWcag(temperaturas->Color(3), Qt::white) * 10), 18);
        const QColor fondo = temperaturas->chart()->backgroundBrush().color();
        QCOMPARE(fondo, QColor(Qt::white));
        QVERIFY(!temperaturas->chart()->isPlotAreaBackgroundVisible());
        QVERIFY(ContrasteWcag(temperaturas->Contorno(3), fondo) >= 3);

        for (const char* g :
             {"Ambiente externo", "Interior invernáculo", "Control Temperatura", "Transpiración", "Acumulados diarios"}) {
            QGroupBox* grupo = PorTexto<QGroupBox>(&v.w, QString::fromUtf8(g));
            QCOMPARE(QAccessible::queryAccessibleInterface(grupo)->text(QAccessible::Name), QString::fromUtf8(g));
        }
    }

    // The fuel's unit beside the captions of its hourly and daily amounts, explained in their
    // tooltips and on the chart's axis; an hour without fuel shows no unit.
    void laUnidadDelCombustibleAcompaniaSusLeyendas() {
        VentanaDePrueba v;
        v.AceptaTodos();
        for (const auto& [combustible, unidad] : {std::pair{QStringLiteral("GasOil"), QStringLiteral("litros")},
                                                  std::pair{QStringLiteral("Gas nat.pobre"), QStringLiteral("m³")}}) {
            v.Click("BotCalef");
            v.Elige(QStringLiteral("Combustible"), combustible);
            v.AceptaAbierto();
            v.Pulsa("&Procesamiento datos");
            for (const char* etiqueta : {"UnidadAComb", "UnidadCal"}) {
                QCOMPARE(v.Texto(etiqueta), unidad);
                QVERIFY(v.Hijo(etiqueta)->toolTip().startsWith(unidad + " de " + combustible));
            }
            QCOMPARE(Eje(v.Hijo<Grafico>("MSCResCtrl"), Qt::AlignLeft)->titleText(), "Combustible (" + unidad + ')');
            QVERIFY(v.Texto("ResAComb").startsWith(QStringLiteral("Combustible =  .")));
            v.Mueve("HScrResHora", 5);  // heated
            QVERIFY(v.Visible("UnidadCal"));
            v.Mueve("HScrResHora", 12);  // sprayed
            QVERIFY(!v.Visible("UnidadCal"));
            v.Pulsa("&Cierra");
        }
    }

    // The fuel's unit stands apart from its caption and number at every window size.
    void laUnidad_nuncaTocaSuLeyenda() {
        VentanaDePrueba v;
        v.Procesa();
        v.Mueve("HScrResHora", 5);  // heated: the hour's fuel and its unit
        for (const QSize& ventana : {QSize(1024, 720), QSize(800, 560), QSize(1920, 1080)}) {
            v.w.resize(ventana);
            QApplication::processEvents();
            for (const auto& [leyenda, unidad] :
                 {std::pair{"ResCal", "UnidadCal"}, std::pair{"ResAComb", "UnidadAComb"}}) {
                const QLabel* l = v.Hijo<QLabel>(leyenda);
                const int texto = l->fontMetrics().horizontalAdvance(l->text());
                QVERIFY2(l->contentsRect().width() >= texto, leyenda);
                const int fin = l->mapTo(&v.w, l->contentsRect().topLeft()).x() + texto;
                const QWidget* u = v.Hijo(unidad);
                QVERIFY2(u->mapTo(&v.w, QPoint()).x() - fin >= 4, leyenda);
                QCOMPARE(u->mapTo(&v.w, QPoint()).y(), l->mapTo(&v.w, QPoint()).y());
            }
        }
    }
};

QTEST_MAIN(TestGraficosResultados)
#include "test_graficos_resultados.moc"
