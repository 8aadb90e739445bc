// Seasons on hourly records and the heater to install: a record's hours as stored, a typical
// year's range across the new year, the design condition and its demand. The demand of each
// hour is compared bit for bit with the whole-hour model (test_cifras_identicas); a record's
// day saved as a scenario is run again in test_hortelia_sim_temporada.

#include "engine/clima_del_dia.h"
#include "engine/modelo_horario.h"
#include "engine/simula_dia.h"
#include "engine/temporada.h"

#include "support/archivos.h"
#include "support/ejemplos.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

using namespace hortelia;
using prueba::Ejemplo;
using prueba::Tabla;

// Each hour rounded half away from zero from the number read; the day's extremes from the
// stored hours.
TEST(Registros, AnHourIsStoredRoundedFromTheNumberRead) {
    DiaClima d{{2024, 7, 9}, true, {}};
    for (HoraClima& h : d.horas) h = {5, 60, 0, 1, 0};
    d.horas[0] = {10.25, 104, -3, 3.25, 0.5625};  // 9/16 of the sky is 4.5 octavos
    d.horas[1] = {-2.25, 55.25, 412.35, 0.05, 1};
    Escenario e = Ejemplo("tunel_simple.hrt");
    PonHorasDelDia(e, d);
    EXPECT_EQ(std::tuple(e.TempHora(1), e.HRHora(1), e.RadHora(1), e.VtoHora(1), e.VtoHoraKmh(1), e.NubHora(1)),
              std::tuple(Variante::Doble(10.3), 100.0F, Variante::Doble(0), Variante::Doble(3.3), 12.0F, 5.0F));
    EXPECT_EQ(std::tuple(e.TempHora(2), e.HRHora(2), e.RadHora(2), e.VtoHora(2), e.VtoHoraKmh(2), e.NubHora(2)),
              std::tuple(Variante::Doble(-2.3), 55.3F, Variante::Doble(412.4), Variante::Doble(0.1), 0.0F, 8.0F));
    EXPECT_EQ(std::tuple(e.TMax, e.TMin, e.HRMax, e.HRMin, e.Dia, e.Mes),
              std::tuple(Variante::Doble(10.3), Variante::Doble(-2.3), Variante::Entero(100), Variante::Entero(55),
                         std::int16_t{9}, std::int16_t{7}));
}

// A typical year's season from 12-31 to 01-01 runs the end of the year, then its beginning; a
// day with a missing value inside the range is left out and counted. The typical years of
// tests/data (anio_tipico_*.epw) are whole days, each at one temperature (99.9 when missing).
TEST(Registros, ATypicalYearWrapsTheNewYearAndCountsDaysLeftOut) {
    const TablaClima t = Tabla(prueba::LeeDato("anio_tipico_fin_de_anio.epw"));
    const std::tuple<Fecha, Fecha, std::vector<Fecha>, int> casos[] = {
        {{0, 12, 31}, {0, 1, 1}, {{0, 1, 1}}, 1},
        {{0, 12, 30}, {0, 1, 2}, {{0, 12, 30}, {0, 1, 1}, {0, 1, 2}}, 1},
        {{0, 1, 1}, {0, 12, 30}, {{0, 1, 1}, {0, 1, 2}, {0, 12, 30}}, 0},
    };
    for (const auto& [desde, hasta, dias, sinDatos] : casos) {
        OpcionesTemporada o;
        o.desde = desde;
        o.hasta = hasta;
        const ResultadoTemporada r = SimulaTemporada(Ejemplo("tunel_simple.hrt"), t, o);
        ASSERT_TRUE(r.ok) << r.mensaje;
        std::vector<Fecha> corridos;
        for (const DiaTemporada& d : r.temporada.dias) corridos.push_back(d.fecha);
        EXPECT_EQ(std::tuple(corridos, r.temporada.diasSinDatos, r.temporada.faltantes),
                  std::tuple(dias, sinDatos, sinDatos ? std::vector<Fecha>{{0, 12, 31}} : std::vector<Fecha>{}));
    }
}

// Typed, else the file's (-7.3 °C, 4.6 m/s), else the coldest hour with the design wind; normals
// alone give none.
TEST(Registros, TheHeaterIsSizedAtTheFirstDesignConditionThereIs) {
    const Escenario tunel = Ejemplo("tunel_simple.hrt");
    const TablaClima archivo = Tabla(prueba::LeeDato("anio_tipico_julio.epw"));
    const TablaClima sinDiseno = Tabla(prueba::LeeDato("anio_tipico_julio_sin_diseno.epw"));
    const TablaClima mensuales = Tabla(prueba::LeeDato("normales_frias.csv"));
    using O = std::optional<double>;
    const std::tuple<const TablaClima*, O, O, OrigenDiseno, double, double> casos[] = {
        {&archivo, -10, std::nullopt, OrigenDiseno::Indicada, -10, kVientoDiseno},
        {&archivo, -10, 2, OrigenDiseno::Indicada, -10, 2},
        {&archivo, {}, {}, OrigenDiseno::Archivo, -7.3, 4.6},
        {&sinDiseno, {}, {}, OrigenDiseno::HoraMasFria, -1.5, kVientoDiseno},
        {&mensuales, -4, {}, OrigenDiseno::Indicada, -4, kVientoDiseno},
    };
    for (const auto& [tabla, t, v, origen, temperatura, viento] : casos) {
        OpcionesTemporada o;
        o.temperaturaDiseno = t;
        o.vientoDiseno = v;
        const ResultadoTemporada r = SimulaTemporada(tunel, *tabla, o);
        ASSERT_TRUE(r.ok) << r.mensaje;
        const Temporada& s = r.temporada;
        EXPECT_EQ(std::tuple(s.diseno.origen, s.diseno.temperatura, s.diseno.viento),
                  std::tuple(origen, temperatura, viento));
        EXPECT_EQ(s.potenciaDisenoKw, DemandaCalefaccion(tunel, temperatura, viento, 0) * 280 / 1000);
    }
    const ResultadoTemporada r = SimulaTemporada(tunel, mensuales);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(std::tuple(r.temporada.diseno.origen, r.temporada.potenciaDisenoKw),
              std::tuple(OrigenDiseno::Falta, std::optional<double>()));
    EXPECT_GT(r.temporada.total.potenciaPicoKw, 0);  // a peak, but no heater to install
}

// Over the example's typical year, the day sheet's fuel, cut twice to thousandths, is never above
// the demand's and within one step a heating hour of it; hours needing less than a step of the
// sheet burn by the demand only.
TEST(Registros, TheSheetCutsItsFuelBelowTheDemandsByLessThanAStepAnHour) {
    const Escenario tunel = Ejemplo("tunel_simple.hrt");
    const ResultadoTablaClima leida = CargaTablaClima(prueba::kEjemplos + "anio_tipico.epw");
    ASSERT_TRUE(leida.ok) << leida.mensaje;
    const double suelo = tunel.SueloCubierto.valor();
    int cortadas = 0;
    for (const DiaClima& d : leida.tabla.dias) {
        if (!d.completo) continue;
        Escenario e = EscenarioDelDia(tunel, leida.tabla, d);
        ASSERT_TRUE(SimulaDia(e).ok);
        const DiaTemporada hoja = FigurasDelDia(e, d.fecha, CifrasCombustible::Planilla);
        const DiaTemporada demanda = FigurasDelDia(e, d.fecha);
        EXPECT_LE(hoja.combustible, demanda.combustible);
        EXPECT_LE(demanda.combustible - hoja.combustible, demanda.horasCalefaccion * (0.001 * suelo + 0.001));
        EXPECT_GE(demanda.horasCalefaccion, hoja.horasCalefaccion);
        cortadas += demanda.horasCalefaccion - hoja.horasCalefaccion;
    }
    EXPECT_GT(cortadas, 0);
}
