// The results frame's charts and captions as a user meets them in the real window: fuel and
// water each on its own axis with its unit, the chosen hour marked on both charts, the pale
// "Con control" line outlined to a readable contrast, the fuel's unit beside its captions, and
// the groups announced by their own titles.

#include "support/ventana_de_prueba.h"

#include <QAccessible>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QGroupBox>
#include <QValueAxis>

#include <clocale>
#include <cmath>

using namespace hortelia;

namespace {

// WCAG 2 relative luminance and contrast ratio.
double Luminancia(const QColor& c) {
    const auto lineal = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lineal(c.red()) + 0.7152 * lineal(c.green()) + 0.0722 * lineal(c.blue());
}
double Contraste(const QColor& a, const QColor& b) {
    const double la = Luminancia(a), lb = Luminancia(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

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

    void combustibleYAguaCadaUnoEnSuEjeConSuUnidad() {
        VentanaDePrueba v;
        v.Procesa();
        auto* control = v.Hijo<Grafico>("MSCResCtrl");
        QValueAxis *izquierdo = Eje(control, Qt::AlignLeft), *derecho = Eje(control, Qt::AlignRight);
        QVERIFY(izquierdo && derecho);
        QCOMPARE(izquierdo->titleText(), QStringLiteral("Combustible (litros)"));
        QCOMPARE(derecho->titleText(), QStringLiteral("Agua (l)"));
        QCOMPARE(control->chart()->axes(Qt::Horizontal).front()->titleText(), QStringLiteral("Hora"));
        // Hour 5 burns .24 litres, hour 12 sprays 123.6: each readable on its own scale.
        QCOMPARE(control->ValorDibujado(5, 1), static_cast<double>(0.24F));
        QCOMPARE(control->ValorDibujado(12, 2), static_cast<double>(123.6F));
        QVERIFY(izquierdo->max() >= 0.24 && izquierdo->max() < 1);
        QVERIFY(derecho->max() >= 123.6);
        const auto series = control->chart()->series();
        QCOMPARE(series.size(), 2);
        QVERIFY(series[0]->attachedAxes().contains(izquierdo));
        QCOMPARE(static_cast<QBarSeries*>(series[0])->barSets().front()->at(4), static_cast<double>(0.24F));
        QVERIFY(series[1]->attachedAxes().contains(derecho));
        const QString descripcion = control->accessibleDescription();
        QVERIFY(descripcion.startsWith(QStringLiteral("Combustible (litros): hora 1: 0; ")));
        QVERIFY(descripcion.contains(QStringLiteral("; hora 5: .24; ")));
        QVERIFY(descripcion.contains(QStringLiteral("\nAgua (l): hora 1: 0; ")));
        QVERIFY(descripcion.contains(QStringLiteral("; hora 12: 123.6; ")));

        auto* temperaturas = v.Hijo<Grafico>("MSCResTemp");
        QCOMPARE(Eje(temperaturas, Qt::AlignLeft)->titleText(), QStringLiteral("Temperatura (°C)"));
        QVERIFY(temperaturas->accessibleDescription().startsWith(
            QStringLiteral("Exterior, Temperatura (°C): hora 1: 9.5; hora 2: ")));
        QCOMPARE(QAccessible::queryAccessibleInterface(temperaturas)->text(QAccessible::Name),
                 QStringLiteral("Temperaturas (C)"));
    }

    void laHoraElegidaQuedaMarcadaEnAmbosGraficos() {
        VentanaDePrueba v;
        v.Procesa();
        QCoreApplication::processEvents();
        QScrollBar* hora = v.Hijo<QScrollBar>("HScrResHora");
        for (const char* nombre : {"MSCResTemp", "MSCResCtrl"}) QCOMPARE(v.Hijo<Grafico>(nombre)->FilaMarcada(), 1);
        for (const int h : {12, 5, 24}) {
            hora->setValue(h);
            for (const char* nombre : {"MSCResTemp", "MSCResCtrl"}) {
                auto* g = v.Hijo<Grafico>(nombre);
                QCOMPARE(g->FilaMarcada(), h);
                QVERIFY(g->Marca()->isVisible());
                // The mark stands where Qt Charts draws the middle of that hour.
                const QPointF centro = g->chart()->mapToPosition(QPointF(h - 1, 0), g->chart()->series().front());
                const int x = g->mapFromScene(g->chart()->mapToScene(centro)).x();
                const QRect marca = g->Marca()->geometry();
                QVERIFY2(std::abs(marca.left() + marca.width() / 2.0 - x) <= 1.5, nombre);
            }
        }
    }

    void laLineaConControlTieneContrasteConElFondo() {
        QCOMPARE(qRound(Contraste(Qt::black, Qt::white)), 21);  // the formula, on known pairs
        QCOMPARE(qRound(Contraste(QColor(200, 200, 0), Qt::white) * 10), 18);
        VentanaDePrueba v;
        v.Procesa();
        auto* g = v.Hijo<Grafico>("MSCResTemp");
        QCOMPARE(g->Color(3), QColor(200, 200, 0));  // the colour of "Con control" stays
        const QColor fondo = g->chart()->backgroundBrush().color();
        QCOMPARE(fondo, QColor(Qt::white));
        QVERIFY(!g->chart()->isPlotAreaBackgroundVisible());
        QVERIFY(g->Contorno(3).isValid());
        QVERIFY2(Contraste(g->Contorno(3), fondo) >= 3, qPrintable(QString::number(Contraste(g->Contorno(3), fondo))));
    }

    void laUnidadDelCombustibleAcompaniaSusLeyendas() {
        VentanaDePrueba v;
        v.Procesa();
        const struct {
            const char* opcion;
            const char* unidad;
            const char* explicacion;
        } casos[] = {{nullptr, "litros", "litros de GasOil"}, {"Option6_4", "m³", "m³ de Gas nat.pobre"}};
        for (const auto& c : casos) {
            if (c.opcion) {  // another fuel and a new run
                v.Click("Command20");
                v.Click("BotCalef");
                v.Click(c.opcion);
                v.AceptaAbierto();
                v.Click("Command12");
            }
            const QString unidad = QString::fromUtf8(c.unidad), explicacion = QString::fromUtf8(c.explicacion);
            QCOMPARE(v.Texto("UnidadAComb"), unidad);
            QCOMPARE(v.Texto("UnidadCal"), unidad);
            QVERIFY(v.Hijo("UnidadAComb")->toolTip().startsWith(explicacion));
            QVERIFY(v.Hijo("UnidadCal")->toolTip().startsWith(explicacion));
            QCOMPARE(Eje(v.Hijo<Grafico>("MSCResCtrl"), Qt::AlignLeft)->titleText(),
                     QStringLiteral("Combustible (%1)").arg(unidad));
            QVERIFY(v.Texto("ResAComb").startsWith(QStringLiteral("Combustible =  .")));
            v.Mueve("HScrResHora", 5);  // heated: the hourly fuel has its unit beside it
            QVERIFY(v.Texto("ResCal").startsWith(QStringLiteral("Calefacción =  .")));
            QVERIFY(v.Visible("UnidadCal"));
            v.Mueve("HScrResHora", 12);  // sprayed: no fuel, no unit
            QCOMPARE(v.Texto("ResCal"), QStringLiteral("Calefacción =  - - -"));
            QVERIFY(!v.Visible("UnidadCal"));
        }
    }

    void cadaGrupoSeAnunciaConSuTitulo() {
        VentanaDePrueba v;
        v.Procesa();
        const struct {
            const char* grupo;
            const char* titulo;
        } grupos[] = {{"Label19", "Ambiente externo"},
                      {"Label20", "Interior invernáculo"},
                      {"Label22", "Control Temperatura"},
                      {"Label23", "Transpiración"},
                      {"Label24", "Acumulados diarios"}};
        for (const auto& g : grupos) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(v.Hijo<QGroupBox>(g.grupo));
            QCOMPARE(a->text(QAccessible::Name), QString::fromUtf8(g.titulo));
        }
    }
};

QTEST_MAIN(TestGraficosResultados)
#include "test_graficos_resultados.moc"
