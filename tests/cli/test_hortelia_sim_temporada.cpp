// The batch tool's season and comparison of scenarios, end to end on the shipped examples.

#include "support/archivos.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

using namespace hortelia::prueba;

TEST(HorteliaSimTemporada, PrintsTheSeasonOfTheShippedExamples) {
    for (const auto& [args, esperado] : std::vector<std::pair<std::string, std::string>>{
             {"--temporada clima_normales.csv --precio-combustible 1.2 --precio-agua 0.8 tunel_doble.hrt",
              "temporada_normales.expected"},
             {"--temporada clima_diario.csv tunel_doble.hrt", "temporada_diaria.expected"},
             {"--temporada anio_tipico.epw --precio-combustible 1.1 tunel_simple.hrt", "temporada_epw.expected"},
             {"--temporada clima_horario.csv tunel_doble.hrt", "temporada_horaria.expected"}}) {
        const Salida s = EjecutaSim(args);
        EXPECT_EQ(s.estado, 0) << s.texto;
        EXPECT_EQ(s.texto, LeeDato(esperado)) << args;
        // The season rebuilds each day's weather itself: asking for it changes nothing.
        EXPECT_EQ(EjecutaSim("--recalcular-clima " + args).texto, s.texto);
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
    // A scenario's row holds its season's totals, and an empty heater to install: normals size none.
    const std::vector<std::string> fila = Fila(s.texto, "tunel_doble.hrt");
    const std::vector<std::string> total =
        Fila(EjecutaSim("--temporada clima_normales.csv" + precios + "tunel_doble.hrt").texto, "Total");
    ASSERT_EQ(fila.size(), 13U);
    ASSERT_EQ(total.size(), 12U);
    EXPECT_EQ(fila[1], total[2]);
    EXPECT_EQ(fila[2], "kg");
    EXPECT_EQ(std::vector<std::string>(fila.begin() + 3, fila.end() - 1),
              std::vector<std::string>(total.begin() + 3, total.end()));
    EXPECT_EQ(fila.back(), "");

    // Without a climate table: each file's day as it is, no prices, no cost.
    const Salida dia = EjecutaSim("--resumen invernaculo.hrt tunel_doble.hrt");
    EXPECT_EQ(dia.estado, 0) << dia.texto;
    const std::vector<std::string> invernaculo = Fila(dia.texto, "invernaculo.hrt");
    ASSERT_EQ(invernaculo.size(), 12U);
    EXPECT_EQ(invernaculo.at(2), "litros");
    EXPECT_EQ(invernaculo[10] + invernaculo[11], "");  // two empty cost cells
}

// A record's day as the scenario's day: its data sheet, and the scenario saved with it, whose
// plain run prints the same sheet.
TEST(HorteliaSimTemporada, ARecordsDayRunsAndSavesAsTheScenariosDay) {
    const CarpetaTemporal carpeta;
    const std::string guardado = carpeta / "dia.hrt";
    const Salida dia = EjecutaSim("--temporada anio_tipico.epw --dia 06-13 --guardar " + guardado + " tunel_simple.hrt");
    ASSERT_EQ(dia.estado, 0) << dia.texto;
    EXPECT_NE(dia.texto.find("Fecha:  13 de junio"), std::string::npos) << dia.texto;
    EXPECT_EQ(EjecutaSim(guardado).texto, dia.texto);
    for (const auto& [args, dice] : std::vector<std::pair<std::string, std::string>>{
             {"--dia 06-21", "al día le faltan datos: 06-21"},
             {"--dia 08-01", "no tiene el día 08-01"},
             {"--dia 2024-06-13", "no es una fecha MM-DD (el archivo es un año típico)"}}) {
        const Salida s = EjecutaSim("--temporada anio_tipico.epw " + args + " tunel_simple.hrt");
        EXPECT_EQ(s.estado, 1) << args;
        EXPECT_NE(s.texto.find(dice), std::string::npos) << s.texto;
    }
}

TEST(HorteliaSimTemporada, BadTablesDatesAndUsage) {
    const CarpetaTemporal carpeta;
    const std::string mala = carpeta / "clima_malo.csv";
    std::ofstream(mala) << "fecha;tmax;tmin\n2024-06-01;20;5\n2024-06-02;18;19\n";
    const std::vector<std::tuple<std::string, int, std::string>> casos{
        {"--temporada " + mala + " tunel_doble.hrt", 1, "en la línea 3, columna 3 (tmin), la temperatura mínima"},
        {"--temporada clima_diario.csv --desde 2024-06-01 tunel_doble.hrt", 1, "fuera de la tabla"},
        {"--temporada clima_diario.csv --hasta 07-01 tunel_doble.hrt", 1, "no es una fecha AAAA-MM-DD"},
        {"--temporada clima_normales.csv --desde 02-29 tunel_doble.hrt", 1, "las normales, que no tienen 29 de febrero"},
        {"--temporada clima_normales.csv /no/existe.hrt", 1, "No se puede abrir"},
        {"--temporada clima_normales.csv --dia 07-01 tunel_doble.hrt", 2, "--dia va con un registro horario"},
        {"--temporada clima_normales.csv --guardar x.hrt tunel_doble.hrt", 2, "--guardar va con --temporada solo"},
        {"--desde 01-01 tunel_doble.hrt", 2, "--desde y --hasta van con --temporada"},
        {"--temporada clima_normales.csv --desde 01-01 --desde 02-01 tunel_doble.hrt", 2, "--desde se dio más de una"},
        {"--temporada clima_normales.csv --hasta '' tunel_doble.hrt", 2, "el valor de --hasta está vacío"},
        {"--precio-agua 1 tunel_doble.hrt", 2, "los precios van con"},
        {"--temporada clima_normales.csv --precio-agua -1 tunel_doble.hrt", 2, "debe ser un número de 0 a 1000000"},
        {"--temporada clima_normales.csv --precio-agua 1e3 tunel_doble.hrt", 2, "debe ser un número de 0 a"},
        {"--temporada clima_normales.csv --viento-diseno 3 tunel_doble.hrt", 2, "va con --temperatura-diseno"},
        {"--temporada clima_normales.csv --temperatura-diseno -95 tunel_doble.hrt", 2, "de -90 a 70 °C"},
        {"--temporada clima_normales.csv --precio-combustible", 2, "falta el valor después de --precio-combustible"},
        {"--temporada clima_normales.csv", 2, "falta el archivo de escenario"},
        {"--temporada clima_normales.csv a.hrt b.hrt", 2, "sobra un argumento: b.hrt"},
        {"--resumen --rapido a.hrt", 2, "opción desconocida: --rapido"},
        {"--resumen --temporada clima_normales.csv --dia 01-01 a.hrt", 2, "--dia va con --temporada y sin --resumen"},
    };
    for (const auto& [args, estado, dice] : casos) {
        const Salida s = EjecutaSim(args);
        EXPECT_EQ(s.estado, estado) << args << "\n" << s.texto;
        EXPECT_NE(s.texto.find(dice), std::string::npos) << args << "\n" << s.texto;
    }
    const Salida ayuda = EjecutaSim("--help");
    EXPECT_EQ(ayuda.estado, 0);
    for (const char* opcion : {"--temporada CLIMA", "--precio-agua", "--resumen A.hrt", "--dia FECHA"})
        EXPECT_NE(ayuda.texto.find(opcion), std::string::npos) << opcion;
}
