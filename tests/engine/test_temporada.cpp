// A whole season: the day's figures stored as the panels store them, normals interpolated round
// the year, one day equal to the file's day rebuilt, months and the season adding up their days.

#include "engine/carga_escenario.h"
#include "engine/clima_del_dia.h"
#include "engine/recalcula_clima.h"
#include "engine/simula_dia.h"
#include "engine/temporada.h"
#include "engine/valores_iniciales.h"
#include "greenhouse/geometria.h"
#include "weather/calendario.h"
#include "weather/viento.h"

#include "support/archivos.h"
#include "support/ejemplos.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>

using namespace hortelia;
using prueba::Tabla;

namespace {

// A tunnel with double roof that heats below 8 °C and sprays above 28 °C.
Escenario Tunel() {
    Escenario e;
    PonValoresIniciales(e);
    e.TipoTecho = 3;
    e.DobleTecho = 1;
    EXPECT_EQ(AceptaDimensiones(e, {7, 40, 1.5, 5, 1}), "");
    e.MatCobertura = Variante::Entero(2);
    e.Mantenimiento = Variante::Entero(1);
    e.Cenital = 1;
    e.TMinTol = Variante::Entero(8);
    e.TMaxTol = Variante::Entero(28);
    return e;
}

// What a day and a period give, for comparing them whole.
auto Figuras(const DiaTemporada& d) {
    return std::tuple(d.combustible, d.agua, d.etr, d.etp, d.horasCalefaccion, d.horasRefrigeracion, d.tempMinInterior,
                      d.tempMaxInterior, d.potenciaPicoKw);
}
auto Sumas(const PeriodoTemporada& p) {
    return std::tuple(p.dias, p.combustible, p.agua, p.etr, p.etp, p.horasCalefaccion, p.horasRefrigeracion,
                      p.tempMinInterior, p.potenciaPicoKw);
}

}  // namespace

// tests/data/normales_diciembre.csv: December easy to interpolate by hand, the other months as
// January. Mid-December is day 349, mid-January day 15: January 1 lies 17/31 of the way from one to the
// other, December 31 16/31, December 16 1/31. By hand: 20 + 6.2 * 17/31 = 23.4, 10 + 3.1 * 17/31 =
// 11.7, 80 + 10 * 17/31 = 85.48, 2 + 4 * 17/31 = 4.19, 10 + 10 * 17/31 = 15.48; and so on. A daily
// table's figures are stored rounded half away from zero: 12.25 is 12.3, 90.5 is 91.
TEST(Temporada, NormalsAreInterpolatedRoundTheNewYearAndFiguresRounded) {
    const TablaClima n = Tabla(prueba::LeeDato("normales_diciembre.csv"));
    const TablaClima diaria =
        Tabla("fecha;tmax;tmin;hrmax;hrmin;nubosidad;viento\n2024-07-01;12,25;-2,25;90,5;50,5;3,5;2,5\n");
    const auto S = Variante::Simple;
    const auto E = Variante::Entero;
    const std::tuple<const TablaClima*, Fecha, Variante, Variante, Variante, Variante, float, float> casos[] = {
        {&n, {0, 1, 1}, S(23.4F), S(11.7F), E(85), E(45), 4, 15},
        {&n, {0, 12, 31}, S(23.2F), S(11.6F), E(85), E(45), 4, 15},
        {&n, {0, 12, 16}, S(20.2F), S(10.1F), E(80), E(40), 2, 10},
        {&n, {0, 12, 15}, S(20), S(10), E(80), E(40), 2, 10},
        {&n, {0, 1, 15}, S(26.2F), S(13.1F), E(90), E(50), 6, 20},
        {&diaria, {2024, 7, 1}, S(12.3F), S(-2.3F), E(91), E(51), 4, 3}};
    for (const auto& [t, f, tmax, tmin, hrmax, hrmin, nub, viento] : casos) {
        OpcionesTemporada o;
        o.desde = o.hasta = f;
        const ResultadoTemporada r = SimulaTemporada(Tunel(), *t, o);
        ASSERT_TRUE(r.ok) << r.mensaje;
        ASSERT_EQ(r.temporada.dias.size(), 1U);
        const DiaTemporada& d = r.temporada.dias[0];
        EXPECT_EQ(std::tuple(d.tmax, d.tmin, d.hrmax, d.hrmin, d.nubosidad, d.vientoKmh),
                  std::tuple(tmax, tmin, hrmax, hrmin, nub, viento))
            << f.mes << "-" << f.dia;
    }
    EXPECT_DOUBLE_EQ(ClimaDelDia(n, {0, 1, 1})->hrmax, 80 + 10.0 * 17 / 31);
}

// A day's weather made otherwise than by the reader must keep inside the limits too: any figure
// or date outside them is refused, each alone.
TEST(Temporada, ADaysWeatherOutsideTheLimitsIsRefused) {
    Escenario e = Tunel();
    const FilaClima bueno{{0, 1, 1}, 20, 10, 90, 40, 4, 10};
    const std::function<void(FilaClima&)> cambios[] = {
        [](FilaClima& c) { c.tmax = 71; },     [](FilaClima& c) { c.tmin = -91; },
        [](FilaClima& c) { c.hrmax = 101; },   [](FilaClima& c) { c.hrmin = -1; },
        [](FilaClima& c) { c.nubosidad = 9; }, [](FilaClima& c) { c.viento = 361; },
        [](FilaClima& c) { c.fecha.dia = 0; }, [](FilaClima& c) { c.fecha.mes = 13; }};
    EXPECT_NO_THROW(PonClimaDelDia(e, bueno.fecha, bueno));
    for (std::size_t k = 0; k < std::size(cambios); ++k) {
        FilaClima malo = bueno;
        cambios[k](malo);
        EXPECT_THROW(PonClimaDelDia(e, malo.fecha, malo), std::out_of_range) << k;
    }
}

// The same day saved in a scenario file and rebuilt as `hortelia-sim --recalcular-clima` does.
// Figures exact in binary, so that the file's doubles and the season's singles are one value.
TEST(Temporada, OneDayEqualsTheScenarioFileRebuilt) {
    const Escenario tunel = Tunel();
    Escenario archivo = tunel;
    archivo.Dia = 20;
    archivo.Mes = 10;
    archivo.TMax = Variante::Doble(33.5);
    archivo.TMin = Variante::Doble(4.5);
    archivo.HRMax = Variante::Entero(90);
    archivo.HRMin = Variante::Entero(30);
    for (int h = 1; h <= 24; ++h) {
        archivo.NubHora(h) = 2;
        FijaVientoKmh(archivo, h, 9);
    }
    Escenario e;
    PonValoresIniciales(e);
    ASSERT_TRUE(CargaTextoEscenario(TextoEscenario(archivo), e).ok);
    RecalculaClima(e);
    ASSERT_TRUE(SimulaDia(e).ok);
    const DiaTemporada a = FigurasDelDia(e, {2024, 10, 20});

    const TablaClima t = Tabla("fecha,tmax,tmin,hrmax,hrmin,nubosidad,viento\n2024-10-20,33.5,4.5,90,30,2,9\n");
    const ResultadoTemporada r = SimulaTemporada(tunel, t);
    ASSERT_TRUE(r.ok) << r.mensaje;
    const DiaTemporada& b = r.temporada.dias.at(0);
    EXPECT_GT(a.horasCalefaccion * a.horasRefrigeracion, 0);
    EXPECT_EQ(Figuras(b), Figuras(a));
    EXPECT_EQ(b.tmax.valor(), a.tmax.valor());
}

// A day set by hand: which hours count as heating or spraying, and the peak output, from each
// hour's heating demand (a season) or from the day sheet's cut fuel (the comparison of days);
// the hours out of the tolerable range, strictly (8 and 28 are inside).
TEST(Temporada, HoursAndPeakOfADay) {
    Escenario e = Tunel();  // 280 m² of floor; heats below 8, sprays above 28
    e.PoderCalorico = 36000;
    e.Eficiencia = 80;
    const auto pon = [&](int h, double sin, float con, float control, double demanda) {
        e.TempSinControl(h) = sin;
        e.TempConControl(h) = con;
        e.ControlHora(h) = control;
        e.DemandaCalor(h) = demanda;
    };
    for (int h = 1; h <= 24; ++h) pon(h, 20, 20, 0, 0);
    pon(3, 5, 8, 2.5F, 100);   // sheet: 2.5 × 36000 × 80 % / 3600 = 20 kW; demand: 100 × 280 = 28 kW
    pon(4, 6, 8, 1.25F, 50);   // sheet 10 kW, demand 14 kW
    pon(5, 7.9, 8, 0, 0.5);    // less than a step of the sheet: burns by the demand only
    pon(6, 7.9, 8, 0, 0);      // cold, outdoor air warm enough: no demand
    pon(14, 31, 28, 40, 0);    // sprays
    pon(15, 33, 29.5F, 0, 0);  // hot and saturated: no water, not counted
    pon(16, 29, 28, 0.5F, 0);  // sprays, under a litre
    const auto figuras = [](const DiaTemporada& d) {
        return std::tuple(d.horasCalefaccion, d.horasRefrigeracion, d.potenciaPicoKw, d.tempMinInterior,
                          d.tempMaxInterior, d.horasFueraDeRango, d.combustible);
    };
    // The sheet's fuel is its AcumComb, 0 here.
    EXPECT_EQ(figuras(FigurasDelDia(e, {}, CifrasCombustible::Planilla)), std::tuple(2, 2, 20.0, 8.0F, 29.5F, 1, 0.0));
    EXPECT_EQ(figuras(FigurasDelDia(e)),
              std::tuple(3, 2, 28.0, 8.0F, 29.5F, 1,
                         CombustibleDeDemanda(e, 100) + CombustibleDeDemanda(e, 50) + CombustibleDeDemanda(e, 0.5)));
    // 100 W/m² for an hour: 360 kJ/m², 450 kJ gross at 80 %, over 36 000 kJ a unit, 280 m².
    EXPECT_NEAR(CombustibleDeDemanda(e, 100), 360.0 / 0.8 / 36000 * 280, 1e-12);
}

TEST(Temporada, MonthsAndSeasonAddUpTheirDays) {
    // Across the new year in normals and in a daily table, and a year of normals that starts and
    // ends in July (both ends in July's row).
    using Mes = std::tuple<int, int, int>;  // year, month, days
    const TablaClima diaria =
        Tabla("fecha,tmax,tmin\n2023-12-30,31,3\n2023-12-31,31,3\n2024-01-01,31,3\n2024-01-03,31,3\n");
    const TablaClima normales = Tabla(prueba::LeeDato("normales_diciembre.csv"));
    const std::vector<std::tuple<TablaClima, std::optional<Fecha>, std::optional<Fecha>, std::size_t, Mes, Mes>> casos{
        {normales, Fecha{0, 12, 20}, Fecha{0, 1, 10}, 2, {0, 12, 12}, {0, 1, 10}},
        {normales, Fecha{0, 7, 15}, Fecha{0, 7, 14}, 12, {0, 7, 31}, {0, 8, 31}},
        {diaria, {}, {}, 2, {2023, 12, 2}, {2024, 1, 2}}};
    for (const auto& [tabla, desde, hasta, meses, primero, segundo] : casos) {
        OpcionesTemporada o;
        o.desde = desde;
        o.hasta = hasta;
        const ResultadoTemporada r = SimulaTemporada(Tunel(), tabla, o);
        ASSERT_TRUE(r.ok) << r.mensaje;
        const Temporada& t = r.temporada;
        ASSERT_EQ(t.meses.size(), meses);
        EXPECT_EQ(Mes(t.meses[0].anio, t.meses[0].mes, t.meses[0].dias), primero);
        EXPECT_EQ(Mes(t.meses[1].anio, t.meses[1].mes, t.meses[1].dias), segundo);
        PeriodoTemporada total;
        for (const PeriodoTemporada& m : t.meses) {
            PeriodoTemporada suma;
            for (const DiaTemporada& d : t.dias)
                if (d.fecha.mes == m.mes && d.fecha.anio == m.anio) SumaDia(suma, d);
            EXPECT_EQ(Sumas(m), Sumas(suma));
        }
        for (const DiaTemporada& d : t.dias) SumaDia(total, d);
        EXPECT_EQ(Sumas(t.total), Sumas(total));
        EXPECT_GT(t.total.horasCalefaccion + t.total.horasRefrigeracion, 0);
    }
}

TEST(Temporada, RangesAndDaysThatCannotRun) {
    const TablaClima diaria = Tabla("fecha,tmax,tmin\n2024-06-01,15,2\n2024-06-02,16,3\n2024-06-05,17,3\n");
    const TablaClima normales = Tabla(prueba::LeeDato("normales_diciembre.csv"));
    const std::tuple<const TablaClima*, std::optional<Fecha>, std::optional<Fecha>, const char*> casos[] = {
        {&diaria, Fecha{2024, 5, 31}, std::nullopt, "inicio 2024-05-31 está fuera de la tabla"},
        {&diaria, std::nullopt, Fecha{2024, 6, 6}, "fin 2024-06-06 está fuera"},
        {&diaria, Fecha{2024, 6, 2}, Fecha{2024, 6, 1}, "posterior a la de fin"},
        {&diaria, Fecha{2024, 6, 3}, Fecha{2024, 6, 4}, "no tiene días entre"},
        {&normales, Fecha{0, 2, 29}, std::nullopt, "no es un día del año"}};
    for (const auto& [tabla, desde, hasta, dice] : casos) {
        OpcionesTemporada o;
        o.desde = desde;
        o.hasta = hasta;
        const ResultadoTemporada r = SimulaTemporada(Tunel(), *tabla, o);
        EXPECT_FALSE(r.ok);
        EXPECT_NE(r.mensaje.find(dice), std::string::npos) << r.mensaje;
    }
    const ResultadoTemporada conHueco = SimulaTemporada(Tunel(), diaria);
    EXPECT_EQ(std::tuple(conHueco.ok, conHueco.temporada.dias.size(), conHueco.temporada.diasSinDatos),
              std::tuple(true, 3U, 2));
    EXPECT_FALSE(ClimaDelDia(diaria, Fecha{2024, 6, 3}));
    OpcionesTemporada caro;
    caro.precios.agua = HUGE_VAL;
    EXPECT_EQ(SimulaTemporada(Tunel(), diaria, caro).mensaje, "El precio del agua debe ser un número de 0 o más.");
    // The days a daily table lacks are named, the first five of them, wherever they fall in the range.
    const TablaClima larga = Tabla("fecha,tmax,tmin\n2024-06-03,15,2\n2024-06-20,16,3\n");
    const std::tuple<Fecha, Fecha, int, std::vector<Fecha>> faltan[] = {
        {{2024, 6, 3}, {2024, 6, 20}, 16, {{2024, 6, 4}, {2024, 6, 5}, {2024, 6, 6}, {2024, 6, 7}, {2024, 6, 8}}},
        {{2024, 6, 18}, {2024, 6, 20}, 2, {{2024, 6, 18}, {2024, 6, 19}}},
        {{2024, 6, 3}, {2024, 6, 5}, 2, {{2024, 6, 4}, {2024, 6, 5}}},
    };
    for (const auto& [desde, hasta, sinDatos, faltantes] : faltan) {
        const ResultadoTemporada r = SimulaTemporada(Tunel(), larga, {desde, hasta, {}, {}, {}});
        EXPECT_EQ(std::tuple(r.ok, r.temporada.diasSinDatos, r.temporada.faltantes), std::tuple(true, sinDatos, faltantes))
            << r.mensaje;
    }

    Escenario sinDimensiones;
    PonValoresIniciales(sinDimensiones);
    const ResultadoTemporada r = SimulaTemporada(sinDimensiones, diaria);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.mensaje.find("El día 2024-06-01 no se puede procesar: El suelo cubierto es 0"), std::string::npos);
}

// Four years split their days across threads and add them up in order: the season of one thread,
// figure for figure; and a scenario that cannot run stops at the same first day. Several seasons
// run together are each the season run alone.
TEST(Temporada, ALongSeasonOnSeveralThreadsIsTheSeasonOfOne) {
    std::string texto = "fecha,tmax,tmin,hrmax,hrmin,nubosidad,viento\n";
    for (Fecha f{2020, 1, 1}; f.anio < 2024; f = DiaSiguiente(f)) {
        const double ola = std::sin(static_cast<double>(NumeroDeDia(f)) / 58.1);
        texto += TextoFechaCompleta(f) + "," + std::to_string(24 + 14 * ola) + "," + std::to_string(8 + 9 * ola) +
                 ",90," + std::to_string(40 - 25 * ola) + "," + std::to_string(f.dia % 9) + ",12\n";
    }
    const TablaClima tabla = Tabla(texto);
    Escenario sinDimensiones;
    PonValoresIniciales(sinDimensiones);
    const Escenario tunel = Tunel();
    OpcionesTemporada uno, varios;
    uno.hilos = 1;
    varios.hilos = 3;
    const std::vector<ResultadoTemporada> juntas =
        SimulaTemporadas({{&tunel, uno}, {&sinDimensiones, uno}, {&tunel, uno}}, tabla, 3);
    for (std::size_t k = 0; k < juntas.size(); ++k) {
        const ResultadoTemporada a = SimulaTemporada(k == 1 ? sinDimensiones : tunel, tabla, uno);
        const ResultadoTemporada b = k == 0 ? SimulaTemporada(tunel, tabla, varios) : juntas[k];
        EXPECT_EQ(std::tuple(b.ok, b.mensaje), std::tuple(a.ok, a.mensaje));
        ASSERT_EQ(b.temporada.dias.size(), a.temporada.dias.size());
        for (std::size_t i = 0; i < a.temporada.dias.size(); ++i)
            EXPECT_EQ(Figuras(b.temporada.dias[i]), Figuras(a.temporada.dias[i])) << i;
        ASSERT_EQ(b.temporada.meses.size(), a.temporada.meses.size());
        for (std::size_t i = 0; i < a.temporada.meses.size(); ++i)
            EXPECT_EQ(Sumas(b.temporada.meses[i]), Sumas(a.temporada.meses[i])) << i;
        EXPECT_EQ(Sumas(b.temporada.total), Sumas(a.temporada.total));
        EXPECT_EQ(b.temporada.potenciaDisenoKw, a.temporada.potenciaDisenoKw);
    }
    // Watched from another thread: every day counted once; cancelled first, no day runs.
    AvanceTemporada visto, cancelado;
    SimulaTemporadas({{&tunel, uno}, {&tunel, uno}}, tabla, 3, &visto);
    EXPECT_EQ(std::pair(visto.hechos.load(), visto.total.load()),
              std::pair(2 * juntas[0].temporada.dias.size(), 2 * juntas[0].temporada.dias.size()));
    cancelado.cancela = true;
    const ResultadoTemporada c = SimulaTemporada(tunel, tabla, varios, &cancelado);
    EXPECT_EQ(std::tuple(c.ok, cancelado.hechos.load(), c.temporada.dias.size()), std::tuple(false, 0UL, 0UL));
}
