// Hourly records a grower downloads: a typical year in EPW and the hourly and daily CSV exports
// of a weather API: how hours map to days, and which days are kept but left out. What each
// refuses is in the tables of refusals (test_tabla_clima).

#include "weather/tabla_clima.h"

#include "support/archivos.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

using namespace hortelia;

// tests/data/anio_tipico_corto.epw holds 12-31 (hour 24 at -3.5 °C), 01-01, 01-02 (hour 1 at 99.9,
// the mark of a missing dry bulb) and hour 1 of 01-03, five tenths of sky cover throughout.
TEST(RegistrosClima, AnEpwGivesPlaceDesignAndTheHoursOfEachDayInFileOrder) {
    const ResultadoTablaClima r = LeeTablaClima(prueba::LeeDato("anio_tipico_corto.epw"));
    ASSERT_TRUE(r.ok) << r.mensaje;
    const TablaClima& t = r.tabla;
    EXPECT_EQ(std::tuple(t.tipo, t.lugar, t.latitud), std::tuple(TipoTablaClima::AnioTipico, "Lugar de prueba", -34.5));
    ASSERT_TRUE(t.diseno);
    EXPECT_EQ(std::tuple(t.diseno->temperatura, t.diseno->viento), std::tuple(-7.3, 4.6));
    ASSERT_EQ(t.dias.size(), 4U);
    // File order, not calendar order; the row of hour 24 is hour 24; five tenths of sky.
    EXPECT_EQ(std::tuple(t.dias[0].fecha, t.dias[0].horas[23].temperatura, t.dias[0].horas[0].nubes),
              std::tuple(Fecha{0, 12, 31}, -3.5, 0.5));
    EXPECT_EQ(std::tuple(t.dias[0].completo, t.dias[1].completo, t.dias[2].completo, t.dias[3].completo),
              std::tuple(true, true, false, false));  // 99.9 marks a missing dry bulb; one hour is not a day
    EXPECT_EQ(std::tuple(PrimerDia(t), UltimoDia(t)), std::tuple(Fecha{0, 12, 31}, Fecha{0, 1, 3}));

    // Sky cover 99 (missing) counts as clear; humidity up to 110 is taken; no design block is none.
    const ResultadoTablaClima s = LeeTablaClima(prueba::LeeDato("anio_tipico_sin_diseno.epw"));
    ASSERT_TRUE(s.ok) << s.mensaje;
    EXPECT_EQ(std::tuple(s.tabla.dias[0].horas[0].nubes, s.tabla.dias[0].horas[0].humedad), std::tuple(0.0, 110.0));
    EXPECT_FALSE(s.tabla.diseno);
}

TEST(RegistrosClima, AnHourlyExportMapsMidnightToHour24AndDropsItsCutEnds) {
    // tests/data/exportacion_horaria.csv runs from 07-01 00:00 to 07-04 23:00: 06-30 has only its
    // hour 24 and 07-04 lacks it; both are the export's cut ends, dropped without a word. 07-02
    // lacks a temperature at 10:00, and 07-03's empty cloud cover at 05:00 is clear sky.
    const ResultadoTablaClima r = LeeTablaClima(prueba::LeeDato("exportacion_horaria.csv"));
    ASSERT_TRUE(r.ok) << r.mensaje;
    const TablaClima& t = r.tabla;
    EXPECT_EQ(std::tuple(t.tipo, t.latitud), std::tuple(TipoTablaClima::Horaria, -31.25));
    ASSERT_EQ(t.dias.size(), 3U);
    EXPECT_EQ(t.dias.front().fecha, (Fecha{2024, 7, 1}));
    EXPECT_EQ(std::tuple(t.dias[0].completo, t.dias[1].completo, t.dias[2].completo), std::tuple(true, false, true));
    // 7.2 km/h at hour 24 from 07-02 00:00; 07-03's clear 05:00 and cloudy 06:00.
    EXPECT_EQ(std::tuple(t.dias[0].horas[23].viento, t.dias[2].horas[4].nubes, t.dias[2].horas[5].nubes),
              std::tuple(2.0, 0.0, 0.5));

    // A date with no row at all inside the file (07-02) is a day left out; units (°F, kn) are
    // converted; its first title is capitalised ("Time").
    const ResultadoTablaClima s = LeeTablaClima(prueba::LeeDato("exportacion_horaria_con_hueco.csv"));
    ASSERT_TRUE(s.ok) << s.mensaje;
    ASSERT_EQ(s.tabla.dias.size(), 3U);
    EXPECT_EQ(std::tuple(s.tabla.dias[1].fecha, s.tabla.dias[1].completo), std::tuple(Fecha{2024, 7, 2}, false));
    EXPECT_DOUBLE_EQ(s.tabla.dias[0].horas[0].temperatura, 10);
    EXPECT_DOUBLE_EQ(s.tabla.dias[0].horas[0].viento, 10 * 1852.0 / 3600);
}

// The daily export runs as our own daily table: °F to °C, cloud cover in % to octavos, wind to
// km/h (a quoted cell may bring a decimal comma); columns it lacks take the start values, and a
// row with an empty cell is a missing day: tests/data/exportacion_diaria.csv, whose second day lacks
// its minimum (and whose latitude block runs into the titles without a blank line).
TEST(RegistrosClima, ADailyExportIsADailyTable) {
    const ResultadoTablaClima r = LeeTablaClima(prueba::LeeDato("exportacion_diaria.csv"));
    ASSERT_TRUE(r.ok) << r.mensaje;
    const TablaClima& t = r.tabla;
    EXPECT_EQ(t.tipo, TipoTablaClima::Diaria);
    ASSERT_EQ(t.filas.size(), 2U);
    const FilaClima& f = t.filas[0];
    EXPECT_EQ(std::tuple(f.fecha, f.tmax, f.tmin, f.hrmax, f.hrmin, f.nubosidad, f.viento),
              std::tuple(Fecha{2024, 7, 1}, 20.0, 0.0, kHRMaxInicial, kHRMinInicial, 4.0, 9.0));
    EXPECT_EQ(t.faltan, (std::vector<std::string>{"hrmax", "hrmin"}));
}
