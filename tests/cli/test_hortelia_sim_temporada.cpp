// The batch tool's season, comparison of scenarios and of options, end to end on the shipped
// examples.

#include "support/archivos.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace hortelia::prueba;

// Each command line of tests/data/hortelia_sim_salidas.tsv prints its golden output. A season
// rebuilds each day's weather itself, and the examples' days hold the weather a rebuild gives:
// asking for it changes nothing.
TEST(HorteliaSimTemporada, PrintsTheGoldenOutputsOfTheShippedExamples) {
    const auto casos = LeeTablaDato("hortelia_sim_salidas.tsv");
    ASSERT_EQ(casos.size(), 8U);
    for (const auto& caso : casos) {
        const Salida s = EjecutaSim(caso.at(0));
        EXPECT_EQ(s.estado, 0) << s.texto;
        EXPECT_EQ(s.texto, LeeDato(caso.at(1))) << caso[0];
        EXPECT_EQ(EjecutaSim("--recalcular-clima " + caso[0]).texto, s.texto);
    }
}

TEST(HorteliaSimTemporada, ComparesScenariosAndSkipsABadOne) {
    const std::string precios = " --precio-combustible 1.2 --precio-agua 0.8 ";
    const Salida s = EjecutaSim("--resumen --temporada clima_normales.csv" + precios +
                             "tunel_simple.hrt /no/existe.hrt tunel_doble.hrt");
    EXPECT_EQ(s.estado, 1);
    EXPECT_NE(s.texto.find("hortelia-sim: /no/existe.hrt: No se puede abrir"), std::string::npos) << s.texto;
    EXPECT_EQ(Fila(s.texto, "/no/existe.hrt"), std::vector<std::string>{});
    EXPECT_NE(s.texto.find("\nEscenario\tCombustible\tUnidad\tAgua\t"), std::string::npos);
    ASSERT_FALSE(Fila(s.texto, "tunel_simple.hrt").empty());
    // A scenario's row holds its season's totals but the hours out of range, and an empty heater
    // to install: normals size none.
    const std::vector<std::string> fila = Fila(s.texto, "tunel_doble.hrt");
    const std::vector<std::string> total =
        Fila(EjecutaSim("--temporada clima_normales.csv" + precios + "tunel_doble.hrt").texto, "Total");
    ASSERT_EQ(std::tuple(fila.size(), total.size()), std::tuple(13U, 13U));
    EXPECT_EQ(std::tuple(fila[1], fila[2], fila.back()), std::tuple(total[2], "kg", ""));
    EXPECT_EQ(std::vector<std::string>(fila.begin() + 3, fila.end() - 1),
              std::vector<std::string>(total.begin() + 3, total.end() - 1));
}

// A record's day as the scenario's day: its data sheet, and the scenario saved with it, whose
// plain run prints the same sheet.
TEST(HorteliaSimTemporada, ARecordsDayRunsAndSavesAsTheScenariosDay) {
    const CarpetaTemporal carpeta;
    const std::string guardado = carpeta / "dia.hrt";
    const Salida dia =
        EjecutaSim("--temporada anio_tipico.epw --dia 06-13 --guardar " + guardado + " tunel_simple.hrt");
    ASSERT_EQ(dia.estado, 0) << dia.texto;
    EXPECT_NE(dia.texto.find("Fecha:  13 de junio"), std::string::npos) << dia.texto;
    EXPECT_EQ(EjecutaSim(guardado).texto, dia.texto);
}
