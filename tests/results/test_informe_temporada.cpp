// The season's text: the number form the batch tool and a window share, and the table layout.

#include "results/informe_temporada.h"

#include <gtest/gtest.h>

#include <string>

using namespace hortelia;

TEST(InformeTemporada, ShortestExactNumbersInPlainForm) {
    EXPECT_EQ(NumeroExacto(12.0), "12");
    EXPECT_EQ(NumeroExacto(0.24), "0.24");
    EXPECT_EQ(NumeroExacto(-3.5), "-3.5");
    EXPECT_EQ(NumeroExacto(-0.0), "0");
    EXPECT_EQ(NumeroExacto(0.0001), "0.0001");  // never an exponent
    EXPECT_EQ(NumeroExacto(1e21), "1000000000000000000000");
    EXPECT_EQ(NumeroExacto(0.1 + 0.2), "0.30000000000000004");
    // A single prints as a single: its own shortest digits, not those of its widened double.
    EXPECT_EQ(NumeroExacto(12.3F), "12.3");
    EXPECT_EQ(NumeroExacto(static_cast<double>(12.3F)), "12.300000190734863");
    EXPECT_EQ(NumeroExacto(Variante::Entero(10) / Variante::Entero(4)), "2.5");
    EXPECT_EQ(NumeroExacto(Variante::Entero(123) / Variante::Entero(10)), "12.3");
    EXPECT_EQ(NumeroExacto(Variante::Entero(-7)), "-7");
    EXPECT_EQ(NumeroExacto(Variante::Doble(31.5)), "31.5");
    EXPECT_EQ(NumeroExacto(Variante()), "");
}

TEST(InformeTemporada, KeysTablesAndEmptyCostCells) {
    Temporada t;
    t.tipo = TipoTablaClima::Normales;
    t.desde = {0, 12, 31};
    t.hasta = {0, 1, 1};
    t.unidadCombustible = "kg";
    t.faltan = {"nubosidad", "viento"};
    t.precios.agua = 0.5;
    DiaTemporada d;
    d.tmax = Variante::Entero(225) / Variante::Entero(10);
    d.tmin = Variante::Entero(-5) / Variante::Entero(10);
    d.hrmax = Variante::Entero(90);
    d.hrmin = Variante::Entero(40);
    d.combustible = 1.5;
    d.agua = 20;
    d.horasCalefaccion = 3;
    d.tempMinInterior = 8;
    d.tempMaxInterior = 25.1F;
    d.potenciaPicoKw = 4.25;
    for (const Fecha& f : {Fecha{0, 12, 31}, Fecha{0, 1, 1}}) {
        d.fecha = f;
        t.dias.push_back(d);
        t.meses.emplace_back().mes = f.mes;
        SumaDia(t.meses.back(), d);
        AplicaPrecios(t.meses.back(), t.precios);
        SumaDia(t.total, d);
    }
    AplicaPrecios(t.total, t.precios);
    EXPECT_EQ(TextoTemporada(t, "a\tb.hrt", "clima.csv"),
              "Escenario\ta\\x09b.hrt\nClima\tclima.csv\nTipo\tnormales\nDesde\t12-31\nHasta\t01-01\nDias\t2\n"
              "UnidadCombustible\tkg\nPrecioAgua\t0.5\nFaltan\tnubosidad, viento\n\n"
              "Fecha\tTMax\tTMin\tHRMax\tHRMin\tNubosidad\tViento\tCombustible\tAgua\tEtr\tEtp\tHorasCalefaccion\t"
              "HorasRefrigeracion\tTempMinInterior\tTempMaxInterior\tPotenciaPico_kW\n"
              "12-31\t22.5\t-0.5\t90\t40\t0\t0\t1.5\t20\t0\t0\t3\t0\t8\t25.1\t4.25\n"
              "01-01\t22.5\t-0.5\t90\t40\t0\t0\t1.5\t20\t0\t0\t3\t0\t8\t25.1\t4.25\n\n"
              "Mes\tDias\tCombustible\tAgua\tEtr\tEtp\tHorasCalefaccion\tHorasRefrigeracion\tTempMinInterior\t"
              "PotenciaPico_kW\tCostoCombustible\tCostoAgua\n"
              "12\t1\t1.5\t20\t0\t0\t3\t0\t8\t4.25\t\t0.01\n"
              "01\t1\t1.5\t20\t0\t0\t3\t0\t8\t4.25\t\t0.01\n"
              "Total\t2\t3\t40\t0\t0\t6\t0\t8\t4.25\t\t0.02\n");
    EXPECT_EQ(FilaResumenEscenario("b.hrt", t.total, "kg"), "b.hrt\t3\tkg\t40\t0\t0\t6\t0\t8\t4.25\t\t0.02\n");
}
