// The chart adapter: what Qt Charts shows after a redraw, both when the chart is built again
// (a new number of series or rows) and when the values of the same shape change in place; the
// second value axis, the outline of a pale line, the mark of a row, the labels of a long line
// chart and what a screen reader hears.

#include "ui/grafico.h"

#include <QAccessible>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QLegendMarker>
#include <QLineSeries>
#include <QTest>
#include <QValueAxis>

using namespace hortelia;

namespace {

QList<QBarSet*> Conjuntos(const Grafico& g) {
    auto* s = g.chart()->series().size() == 1 ? qobject_cast<QBarSeries*>(g.chart()->series().front()) : nullptr;
    return s ? s->barSets() : QList<QBarSet*>();
}

QValueAxis* Eje(const Grafico& g, Qt::Alignment lado = Qt::AlignLeft) {
    for (QAbstractAxis* eje : g.chart()->axes(Qt::Vertical))
        if (eje->alignment() == lado) return qobject_cast<QValueAxis*>(eje);
    return nullptr;
}

QString Descripcion(Grafico& g) { return QAccessible::queryAccessibleInterface(&g)->text(QAccessible::Description); }

QStringList Categorias(const Grafico& g) {
    auto* x = qobject_cast<QBarCategoryAxis*>(g.chart()->axes(Qt::Horizontal).value(0));
    return x ? x->categories() : QStringList();
}

}  // namespace

class TestGrafico : public QObject {
    Q_OBJECT
private slots:
    void barras_losValoresEtiquetasColoresYEjesSiguenAlDato() {
        Grafico g("MSCPrueba", QStringLiteral("Prueba"), Grafico::Tipo::Barras);
        g.PonSeries(2);
        g.PonFilas(3);
        g.ColumnaActual(2);
        g.FilaActual(3);
        g.PonDato(" 40");
        g.Redibuja();
        const QList<QBarSet*> antes = Conjuntos(g);
        QCOMPARE(antes.value(1)->at(2), 40.0);

        // Same shape: new value, label, colour and a wider range, on the same bar sets.
        g.PonValor(1, 1, 1200);
        g.EtiquetaFila(1, QStringLiteral("uno"));
        g.ColorSerie(1, 0, 0, 250);
        g.Redibuja();
        QCOMPARE(Conjuntos(g), antes);
        QCOMPARE(antes[0]->at(0), 1200.0);
        QCOMPARE(antes[0]->color(), QColor(0, 0, 250));
        QCOMPARE(Categorias(g), QStringList({"uno", " 2", " 3"}));
        QVERIFY(Eje(g)->max() >= 1200);

        // Another number of rows and of series: built again, the old values kept, the old axes gone.
        g.PonFilas(4);
        g.PonSeries(3);
        g.PonValor(4, 3, 9);
        g.Redibuja();
        const QList<QBarSet*> c = Conjuntos(g);
        QCOMPARE(c.size(), 3);
        QCOMPARE(c[1]->at(2), 40.0);
        QCOMPARE(c[2]->at(3), 9.0);
        QCOMPARE(Categorias(g).size(), 4);
        QCOMPARE(g.chart()->axes().size(), 2);

        // A second value axis: one bar series per axis (Qt Charts sets them side by side in each
        // row), each read with its unit; the scales as the results window shows them are checked
        // in test_graficos_resultados.
        g.TituloEjeY(QStringLiteral("Combustible (litros)"));
        g.EjeDerecho(3, QStringLiteral("Agua (l)"));
        g.Redibuja();
        QCOMPARE(g.chart()->series().size(), 2);
        QCOMPARE(g.chart()->series()[1]->attachedAxes().last(), Eje(g, Qt::AlignRight));
        QVERIFY(Descripcion(g).endsWith(QStringLiteral("\nAgua (l): fila uno: 0; fila 2: 0; fila 3: 0; fila 4: 9")));
    }

    void lineasDeMuchasFilas_rotulanSoloLasElegidasYSeDicenTodas() {
        Grafico g("MSCPrueba", QString(), Grafico::Tipo::Lineas);
        g.resize(400, 200);
        g.PonSeries(1);
        g.PonFilas(40);
        g.TituloEjeX(QStringLiteral("Día"));
        for (int f = 1; f <= 40; ++f) g.EtiquetaFila(f, QStringLiteral("d%1").arg(f));
        g.PonValor(40, 1, 7);
        g.RotulaSoloFilas({1, 31});
        g.Redibuja();
        auto* x = qobject_cast<QCategoryAxis*>(g.chart()->axes(Qt::Horizontal).value(0));
        QVERIFY(x);
        QCOMPARE(x->categoriesLabels(), QStringList({"d1", "d31"}));
        QCOMPARE(x->endValue(QStringLiteral("d31")), 30.0);
        QCOMPARE(x->min(), -0.5);
        QCOMPARE(x->max(), 39.5);
        QVERIFY(Descripcion(g).contains(QStringLiteral("día d40: 7")));
    }

    // Lines: the points follow the values, changed in place too; the outline is drawn first, under
    // the lines, follows them, and stays out of the legend.
    void lineas_elContornoVaDebajoYLosValoresSeDicenPorSerie() {
        Grafico g("MSCPrueba", QStringLiteral("Temperaturas"), Grafico::Tipo::Lineas);
        g.PonSeries(2);
        g.PonFilas(3);
        g.TituloEjeX(QStringLiteral("Hora"));
        g.TituloEjeY(QStringLiteral("Temperatura (°C)"));
        g.NombreSerie(1, QStringLiteral("Exterior"));
        g.NombreSerie(2, QStringLiteral("Con control"));
        g.ColorSerie(2, 200, 200, 0);
        g.ContornoSerie(2, 120, 120, 0);
        g.ColumnaActual(1);
        g.FilaActual(1);
        g.PonDato(" 9.5");
        g.PonValor(2, 2, 7);
        g.Redibuja();
        g.PonValor(3, 2, -0.3F);  // in place, the outline follows; a single says its own digits
        g.Redibuja();
        const auto series = g.chart()->series();
        QCOMPARE(series.size(), 3);
        auto* contorno = static_cast<QLineSeries*>(series[0]);  // drawn first, under the lines
        auto* linea = static_cast<QLineSeries*>(series[2]);
        QCOMPARE(linea->at(2), QPointF(2, -0.3F));
        QCOMPARE(linea->pen().color(), QColor(200, 200, 0));
        QCOMPARE(contorno->pen().color(), g.Contorno(2));
        QVERIFY(contorno->pen().widthF() >= linea->pen().widthF() + 2);  // a pixel or more each side
        QCOMPARE(contorno->points(), linea->points());
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        const auto marcas = g.chart()->legend()->markers();
        QCOMPARE(std::count_if(marcas.begin(), marcas.end(), [](QLegendMarker* m) { return m->isVisible(); }), 2);

        QCOMPARE(g.focusPolicy(), Qt::TabFocus);  // by the keyboard; a click leaves the focus where it was
        QCOMPARE(QAccessible::queryAccessibleInterface(&g)->text(QAccessible::Name), QStringLiteral("Temperaturas"));
        QCOMPARE(Descripcion(g), QStringLiteral("Exterior, Temperatura (°C): hora 1: 9.5; hora 2: 0; hora 3: 0\n"
                                                "Con control, Temperatura (°C): hora 1: 0; hora 2: 7; hora 3: -.3"));
    }

    void laMarcaQuedaSobreLaFilaAunqueCambieElTamanio() {
        Grafico g("MSCPrueba", QStringLiteral("Prueba"), Grafico::Tipo::Barras);
        g.PonSeries(1);
        g.PonFilas(24);
        g.PonValor(5, 1, 10);
        g.MarcaFila(5);  // before the first redraw: placed by it
        g.Redibuja();
        g.resize(500, 250);
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        // Where Qt Charts puts the middle of a row, in the view.
        const auto centro = [&g](int fila) {
            const QPointF p = g.chart()->mapToPosition(QPointF(fila - 1, 0), g.chart()->series().front());
            return g.mapFromScene(g.chart()->mapToScene(p)).x();
        };
        const auto sobreLaFila = [&](int fila) {
            const QRect marca = g.Marca()->geometry();
            return g.Marca()->isVisible() && std::abs(marca.left() + marca.width() / 2.0 - centro(fila)) <= 1.5 &&
                   marca.height() > g.chart()->plotArea().height() - 2;
        };
        QVERIFY(sobreLaFila(5));
        g.MarcaFila(24);
        g.resize(900, 300);  // a wider plot: the mark follows its row
        QCoreApplication::processEvents();
        QVERIFY(sobreLaFila(24));
        g.MarcaFila(0);
        QVERIFY(!g.Marca()->isVisible());
    }
};

QTEST_MAIN(TestGrafico)
#include "test_grafico.moc"
