// The batch tool's season and comparison of scenarios, end to end on the shipped examples.

#include "support/archivos.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using hortelia::prueba::LeeArchivo;
using hortelia::prueba::Salida;

namespace {

const std::string kDatos = HORTELIA_TEST_DATA;
const std::string kEjemplos = kDatos + "/../../ejemplos";

// Runs hortelia-sim in the examples' folder, so that the files are named as a grower types them.
Salida Ejecuta(const std::string& argumentos) {
    return hortelia::prueba::Ejecuta("cd '" + kEjemplos + "' && " + HORTELIA_SIM + " " + argumentos + " 2>&1");
}

std::vector<std::string> Celdas(const std::string& linea) {
    std::vector<std::string> c;
    std::stringstream ss(linea);
    for (std::string x; std::getline(ss, x, '\t');) c.push_back(x);
    return c;
}

std::string LineaQueEmpieza(const std::string& texto, const std::string& inicio) {
    std::stringstream ss(texto);
    for (std::string l; std::getline(ss, l);)
        if (l.rfind(inicio, 0) == 0) return l;
    return {};
}

}  // namespace

TEST(HorteliaSimTemporada, PrintsTheSeasonOfTheShippedExamples) {
    for (const auto& [args, esperado] : std::vector<std::pair<std::string, std::string>>{
             {"--temporada clima_normales.csv --precio-combustible 1.2 --precio-agua 0.8 tunel_doble.hrt",
              "temporada_normales.expected"},
             {"--temporada clima_diario.csv tunel_doble.hrt", "temporada_diaria.expected"}}) {
        const Salida s = Ejecuta(args);
        EXPECT_EQ(s.estado, 0) << s.texto;
        EXPECT_EQ(s.texto, LeeArchivo(kDatos + "/" + esperado)) << args;
        // The season rebuilds each day's weather itself: asking for it changes nothing.
        EXPECT_EQ(Ejecuta("--recalcular-clima " + args).texto, s.texto);
    }
}

TEST(HorteliaSimTemporada, ComparesScenariosAndSkipsABadOne) {
    const std::string precios = " --precio-combustible 1.2 --precio-agua 0.8 ";
    const Salida s = Ejecuta("--resumen --temporada clima_normales.csv" + precios +
                             "tunel_simple.hrt /no/existe.hrt tunel_doble.hrt");
    EXPECT_EQ(s.estado, 1);
    EXPECT_NE(s.texto.find("hortelia-sim: /no/existe.hrt: No se puede abrir"), std::string::npos) << s.texto;
    EXPECT_EQ(LineaQueEmpieza(s.texto, "/no/existe.hrt\t"), "");
    EXPECT_NE(LineaQueEmpieza(s.texto, "Escenario\tCombustible\tUnidad\tAgua\t"), "");
    ASSERT_NE(LineaQueEmpieza(s.texto, "tunel_simple.hrt\t"), "");
    // A scenario's row holds its season's totals.
    const std::vector<std::string> fila = Celdas(LineaQueEmpieza(s.texto, "tunel_doble.hrt\t"));
    const std::vector<std::string> total = Celdas(
        LineaQueEmpieza(Ejecuta("--temporada clima_normales.csv" + precios + "tunel_doble.hrt").texto, "Total\t"));
    ASSERT_EQ(fila.size(), 12U);
    ASSERT_EQ(total.size(), 12U);
    EXPECT_EQ(fila[1], total[2]);
    EXPECT_EQ(fila[2], "kg");
    EXPECT_EQ(std::vector<std::string>(fila.begin() + 3, fila.end()),
              std::vector<std::string>(total.begin() + 3, total.end()));

    // Without a climate table: each file's day as it is, no prices, no cost.
    const Salida dia = Ejecuta("--resumen invernaculo.hrt tunel_doble.hrt");
    EXPECT_EQ(dia.estado, 0) << dia.texto;
    const std::string invernaculo = LineaQueEmpieza(dia.texto, "invernaculo.hrt\t");
    EXPECT_EQ(Celdas(invernaculo).at(2), "litros");
    EXPECT_EQ(invernaculo.substr(invernaculo.size() - 2), "\t\t");  // two empty cost cells
}

TEST(HorteliaSimTemporada, BadTablesDatesAndUsage) {
    const std::string mala = (std::filesystem::temp_directory_path() / "hortelia_clima_malo.csv").string();
    std::ofstream(mala) << "fecha;tmax;tmin\n2024-06-01;20;5\n2024-06-02;18;19\n";
    const std::vector<std::tuple<std::string, int, std::string>> casos{
        {"--temporada " + mala + " tunel_doble.hrt", 1, "en la línea 3, columna 3 (tmin), la temperatura mínima"},
        {"--temporada clima_diario.csv --desde 2024-06-01 tunel_doble.hrt", 1, "fuera de la tabla"},
        {"--temporada clima_diario.csv --hasta 07-01 tunel_doble.hrt", 1, "no es una fecha AAAA-MM-DD"},
        {"--temporada clima_normales.csv --desde 02-29 tunel_doble.hrt", 1, "no es una fecha MM-DD"},
        {"--temporada clima_normales.csv /no/existe.hrt", 1, "No se puede abrir"},
        {"--temporada clima_normales.csv --guardar x.hrt tunel_doble.hrt", 2, "--guardar no se usa"},
        {"--desde 01-01 tunel_doble.hrt", 2, "--desde y --hasta van con --temporada"},
        {"--precio-agua 1 tunel_doble.hrt", 2, "los precios van con"},
        {"--temporada clima_normales.csv --precio-agua -1 tunel_doble.hrt", 2, "debe ser un número de 0 o más"},
        {"--temporada clima_normales.csv --precio-combustible", 2, "falta el valor después de --precio-combustible"},
        {"--temporada clima_normales.csv", 2, "falta el archivo de escenario"},
        {"--temporada clima_normales.csv a.hrt b.hrt", 2, "sobra un argumento: b.hrt"},
        {"--resumen --rapido a.hrt", 2, "opción desconocida: --rapido"},
    };
    for (const auto& [args, estado, dice] : casos) {
        const Salida s = Ejecuta(args);
        EXPECT_EQ(s.estado, estado) << args << "\n" << s.texto;
        EXPECT_NE(s.texto.find(dice), std::string::npos) << args << "\n" << s.texto;
    }
    std::filesystem::remove(mala);
    const Salida ayuda = Ejecuta("--help");
    EXPECT_EQ(ayuda.estado, 0);
    for (const char* opcion : {"--temporada CLIMA.csv", "--precio-agua", "--resumen A.hrt"})
        EXPECT_NE(ayuda.texto.find(opcion), std::string::npos) << opcion;
}
