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

namespace {

constexpr const char* kTituloHorario =
    "time,temperature_2m (°C),relative_humidity_2m (%),shortwave_radiation (W/m²),wind_speed_10m (km/h),"
    "cloud_cover (%)\n";

// Hourly rows from `desde` (a date) at 00:00 for `horas` hours, with the same figures.
std::string HorasApi(int dia, int horas, const std::string& figuras = "10,80,0,7.2,50") {
    std::string s;
    char sello[32];
    for (int k = 0; k < horas; ++k) {
        std::snprintf(sello, sizeof sello, "2024-07-%02dT%02d:00,", dia + k / 24, k % 24);
        s += sello + figuras + "\n";
    }
    return s;
}

}  // namespace

// tests/data/anio_tipico_corto.epw holds 12-31 (hour 24 at -3.5 °C), 01-01, 01-02 (hour 7 at 99.9,
// the mark of a missing dry bulb) and hour 1 of 01-03, five tenths of sky cover throughout.
TEST(RegistrosClima, AnEpwGivesPlaceDesignAndTheHoursOfEachDayInFileOrder) {
    const ResultadoTablaClima r = LeeTablaClima(prueba::LeeDato("anio_tipico_corto.epw"));
    ASSERT_TRUE(r.ok) << r.mensaje;
    const TablaClima& t = r.tabla;
    EXPECT_EQ(t.tipo, TipoTablaClima::AnioTipico);
    EXPECT_EQ(t.lugar, "Lugar de prueba");
    EXPECT_EQ(t.latitud, -34.5);
    ASSERT_TRUE(t.diseno);
    EXPECT_EQ(std::tuple(t.diseno->temperatura, t.diseno->viento), std::tuple(-7.3, 4.6));
    ASSERT_EQ(t.dias.size(), 4U);
    EXPECT_EQ(t.dias[0].fecha, (Fecha{0, 12, 31}));  // file order, not calendar order
    EXPECT_EQ(t.dias[0].horas[23].temperatura, -3.5);  // the row of hour 24 is hour 24
    EXPECT_EQ(t.dias[0].horas[0].nubes, 0.5);          // five tenths
    EXPECT_EQ(std::tuple(t.dias[0].completo, t.dias[1].completo, t.dias[2].completo, t.dias[3].completo),
              std::tuple(true, true, false, false));  // 99.9 marks a missing dry bulb; one hour is not a day
    EXPECT_EQ(PrimerDia(t), (Fecha{0, 12, 31}));
    EXPECT_EQ(UltimoDia(t), (Fecha{0, 1, 3}));

    // Sky cover 99 (missing) counts as clear; humidity up to 110 is taken; no design block is none.
    const ResultadoTablaClima s = LeeTablaClima(prueba::LeeDato("anio_tipico_sin_diseno.epw"));
    ASSERT_TRUE(s.ok) << s.mensaje;
    EXPECT_EQ(std::tuple(s.tabla.dias[0].horas[0].nubes, s.tabla.dias[0].horas[0].humedad), std::tuple(0.0, 110.0));
    EXPECT_FALSE(s.tabla.diseno);
}

TEST(RegistrosClima, AnHourlyExportMapsMidnightToHour24AndDropsItsCutEnds) {
    // From 07-01 00:00 to 07-04 23:00: 06-30 has only its hour 24 and 07-04 lacks it; both are
    // the export's cut ends, dropped without a word. 07-02 lacks a temperature at 10:00, and
    // 07-03's empty cloud cover is clear sky.
    std::string filas = HorasApi(1, 96);
    filas.replace(filas.find("2024-07-02T10:00,10"), 19, "2024-07-02T10:00,");
    filas.replace(filas.find("2024-07-03T05:00,10,80,0,7.2,50"), 31, "2024-07-03T05:00,10,80,0,7.2,");
    const std::string bloque = "latitude,longitude,elevation\n-31.25,-60.5,20\n\n";
    const ResultadoTablaClima r = LeeTablaClima(bloque + kTituloHorario + filas);
    ASSERT_TRUE(r.ok) << r.mensaje;
    const TablaClima& t = r.tabla;
    EXPECT_EQ(t.tipo, TipoTablaClima::Horaria);
    EXPECT_EQ(t.latitud, -31.25);
    ASSERT_EQ(t.dias.size(), 3U);
    EXPECT_EQ(t.dias.front().fecha, (Fecha{2024, 7, 1}));
    EXPECT_EQ(std::tuple(t.dias[0].completo, t.dias[1].completo, t.dias[2].completo), std::tuple(true, false, true));
    EXPECT_EQ(t.dias[0].horas[23].viento, 2);  // 7.2 km/h, hour 24 from 07-02 00:00
    EXPECT_EQ(t.dias[2].horas[4].nubes, 0);
    EXPECT_EQ(t.dias[2].horas[5].nubes, 0.5);

    // A date with no row at all inside the file is a day left out; units are converted.
    const std::string titulo = "time,temperature_2m (°F),relative_humidity_2m (%),shortwave_radiation (W/m²),"
                               "wind_speed_10m (kn)\n";
    const ResultadoTablaClima s = LeeTablaClima(titulo + HorasApi(1, 25, "50,80,0,10") + HorasApi(3, 25, "50,80,0,10"));
    ASSERT_TRUE(s.ok) << s.mensaje;
    ASSERT_EQ(s.tabla.dias.size(), 3U);
    EXPECT_EQ(std::tuple(s.tabla.dias[1].fecha, s.tabla.dias[1].completo), std::tuple(Fecha{2024, 7, 2}, false));
    EXPECT_DOUBLE_EQ(s.tabla.dias[0].horas[0].temperatura, 10);
    EXPECT_DOUBLE_EQ(s.tabla.dias[0].horas[0].viento, 10 * 1852.0 / 3600);
}

// The daily export runs as our own daily table: °F to °C, cloud cover in % to octavos, wind to
// km/h (a quoted cell may bring a decimal comma); columns it lacks take the start values, and a
// row with an empty cell is a missing day.
TEST(RegistrosClima, ADailyExportIsADailyTable) {
    const ResultadoTablaClima r = LeeTablaClima(
        "latitude,longitude\n-31.5,-60\n\ntime,temperature_2m_max (°F),temperature_2m_min (°F),"
        "cloud_cover_mean (%),wind_speed_10m_mean (m/s)\n2024-07-01,68,32,50,\"2,5\"\n2024-07-02,68,,50,2\n"
        "2024-07-03,50,41,100,0\n");
    ASSERT_TRUE(r.ok) << r.mensaje;
    const TablaClima& t = r.tabla;
    EXPECT_EQ(t.tipo, TipoTablaClima::Diaria);
    ASSERT_EQ(t.filas.size(), 2U);
    const FilaClima& f = t.filas[0];
    EXPECT_EQ(std::tuple(f.fecha, f.hrmax, f.hrmin, f.nubosidad, f.viento),
              std::tuple(Fecha{2024, 7, 1}, kHRMaxInicial, kHRMinInicial, 4.0, 9.0));
    EXPECT_DOUBLE_EQ(f.tmax, 20);
    EXPECT_DOUBLE_EQ(f.tmin, 0);
    EXPECT_EQ(t.faltan, (std::vector<std::string>{"hrmax", "hrmin"}));
}
