// The chart adapter: what Qt Charts shows after a redraw, both when the chart is built again
// (a new number of series or rows) and when the values of the same shape change in place.

#include "ui/grafico.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QLineSeries>
#include <QTest>
#include <QValueAxis>

using namespace hortelia;

namespace {

QList<QBarSet*> Conjuntos(const Grafico& g) {
    const auto series = g.chart()->series();
    if (series.size() != 1) return {};
    return static_cast<QBarSeries*>(series.front())->barSets();
}

QValueAxis* EjeY(const Grafico& g) {
    const auto ejes = g.chart()->axes(Qt::Vertical);
    return ejes.isEmpty() ? nullptr : qobject_cast<QValueAxis*>(ejes.front());
}

QStringList Categorias(const Grafico& g) {
    const auto ejes = g.chart()->axes(Qt::Horizontal);
    auto* x = ejes.isEmpty() ? nullptr : qobject_cast<QBarCategoryAxis*>(ejes.front());
    return x ? x->categories() : QStringList();
}

}  // namespace

class TestGrafico : public QObject {
    Q_OBJECT
private slots:
    void barras_losValoresEtiquetasColoresYEscalaSiguenAlDato();
    void barras_otroNumeroDeFilasOSeriesRehaceElGrafico();
    void lineas_losPuntosSiguenAlDato();
};

void TestGrafico::barras_losValoresEtiquetasColoresYEscalaSiguenAlDato() {
    Grafico g("MSCPrueba", QStringLiteral("Prueba"), Grafico::Tipo::Barras);
    g.PonSeries(2);
    g.PonFilas(3);
    g.ColorSerie(1, 250, 250, 0);
    g.ColorSerie(2, 150, 150, 150);
    g.ColumnaActual(2);
    g.FilaActual(3);
    g.PonDato(" 40");
    g.Redibuja();
    QList<QBarSet*> antes = Conjuntos(g);
    QCOMPARE(antes.size(), 2);
    QCOMPARE(antes[1]->at(2), 40.0);
    QCOMPARE(antes[0]->color(), QColor(250, 250, 0));
    QCOMPARE(Categorias(g), QStringList({" 1", " 2", " 3"}));
    QVERIFY(EjeY(g)->max() >= 40);

    // Same shape: new value, label, colour and a wider range, on the same bar sets.
    g.PonValor(1, 1, 1200);
    g.EtiquetaFila(1, QStringLiteral("uno"));
    g.ColorSerie(1, 0, 0, 250);
    g.NombreSerie(1, QStringLiteral("Radiación"));
    g.Redibuja();
    QCOMPARE(Conjuntos(g), antes);
    QCOMPARE(antes[0]->at(0), 1200.0);
    QCOMPARE(antes[1]->at(2), 40.0);
    QCOMPARE(antes[0]->color(), QColor(0, 0, 250));
    QCOMPARE(antes[0]->label(), QStringLiteral("Radiación"));
    QCOMPARE(Categorias(g), QStringList({"uno", " 2", " 3"}));
    QVERIFY(EjeY(g)->max() >= 1200);
    QVERIFY(g.chart()->legend()->isVisible());

    // A lower day shrinks the range again.
    g.PonValor(1, 1, 0);
    g.Redibuja();
    QVERIFY(EjeY(g)->max() < 100);
    QCOMPARE(g.ValorDibujado(1, 1), 0.0);
}

void TestGrafico::barras_otroNumeroDeFilasOSeriesRehaceElGrafico() {
    Grafico g("MSCPrueba", QString(), Grafico::Tipo::Barras);
    g.PonSeries(1);
    g.PonFilas(2);
    g.PonValor(2, 1, 5);
    g.Redibuja();
    g.PonFilas(4);
    g.PonValor(4, 1, 7);
    g.Redibuja();
    QList<QBarSet*> c = Conjuntos(g);
    QCOMPARE(c.size(), 1);
    QCOMPARE(c[0]->count(), 4);
    QCOMPARE(c[0]->at(1), 5.0);
    QCOMPARE(c[0]->at(3), 7.0);
    QCOMPARE(Categorias(g).size(), 4);
    QCOMPARE(g.chart()->axes().size(), 2);  // the old axes are gone

    g.PonSeries(2);
    g.PonValor(4, 2, 9);
    g.ColorSerie(2, 1, 2, 3);
    g.Redibuja();
    c = Conjuntos(g);
    QCOMPARE(c.size(), 2);
    QCOMPARE(c[1]->at(3), 9.0);
    QCOMPARE(c[1]->color(), QColor(1, 2, 3));
    QCOMPARE(g.chart()->axes().size(), 2);
}

void TestGrafico::lineas_losPuntosSiguenAlDato() {
    Grafico g("MSCPrueba", QString(), Grafico::Tipo::Lineas);
    g.PonSeries(2);
    g.PonFilas(24);
    g.ColorSerie(2, 250, 0, 0);
    for (int h = 1; h <= 24; ++h) g.PonValor(h, 2, h);
    g.Redibuja();
    g.PonValor(12, 2, -3.5);
    g.Redibuja();
    const auto series = g.chart()->series();
    QCOMPARE(series.size(), 2);
    auto* linea = static_cast<QLineSeries*>(series[1]);
    QCOMPARE(linea->count(), 24);
    QCOMPARE(linea->at(11), QPointF(11, -3.5));
    QCOMPARE(linea->at(23), QPointF(23, 24));
    QCOMPARE(linea->pen().color(), QColor(250, 0, 0));
    QVERIFY(EjeY(g)->min() <= -3.5);
}

QTEST_MAIN(TestGrafico)
#include "test_grafico.moc"
