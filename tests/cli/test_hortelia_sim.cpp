// The batch tool end to end: golden outputs, saving after the run, exit statuses.

#include "engine/carga_escenario.h"
#include "engine/valores_iniciales.h"

#include "support/archivos.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace hortelia::prueba;

namespace {

const std::string kDatos = HORTELIA_TEST_DATA;

Salida Sim(const std::string& argumentos) {
    return hortelia::prueba::Ejecuta(std::string(HORTELIA_SIM) + " " + argumentos + " 2>&1");
}

}  // namespace

// The stored m/s winds of tests/data/seco_doble.hrt (3 at most hours, 7.5 at hour 24, last of
// all) are not what the rebuild gives from its km/h ones (.2): the golden sheet and the saved
// file show only the rebuilt ones.
TEST(HorteliaSim, PrintsTheDataSheetOfTheDayAndSavesTheScenarioAfterTheRun) {
    const CarpetaTemporal carpeta;
    for (const auto& [args, esperado, linea] : std::vector<std::tuple<std::string, std::string, std::string>>{
             {kDatos + "/inicio.hrt", "inicio.expected", "\r\n0,.001\r\n"},  // the window floor of closed hours
             {"--recalcular-clima " + kDatos + "/seco_doble.hrt", "seco_doble_recalculado.expected",
              ".2,1\r\n.2,1\r\n"}}) {
        const Salida s = Sim("--guardar " + (carpeta / "salida.hrt") + " " + args);
        EXPECT_EQ(s.estado, 0) << s.texto;
        EXPECT_EQ(s.texto, LeeDato(esperado)) << args;
        const std::string guardado = LeeArchivo(carpeta / "salida.hrt");
        EXPECT_NE(guardado.find(linea), std::string::npos) << args;
        EXPECT_EQ(guardado.find("\r\n3,1\r\n"), std::string::npos) << args;
        EXPECT_EQ(guardado.substr(guardado.size() - 8), "\r\n.2,1\r\n") << args;
        hortelia::Escenario e;
        hortelia::PonValoresIniciales(e);
        EXPECT_TRUE(hortelia::CargaTextoEscenario(guardado, e).ok);
    }
}

// Each wrong command line, file or figure of tests/data/hortelia_sim_errores.tsv: its exit
// status and what the tool says.
TEST(HorteliaSim, ExitStatusesTellWhatWentWrong) {
    const auto casos = LeeTablaDato("hortelia_sim_errores.tsv");
    ASSERT_EQ(casos.size(), 53U);
    for (const auto& caso : casos) {
        const Salida s = EjecutaSim(caso.at(0));
        EXPECT_EQ(s.estado, std::stoi(caso.at(1))) << caso[0] << "\n" << s.texto;
        EXPECT_NE(s.texto.find(caso.at(2)), std::string::npos) << caso[0] << "\n" << s.texto;
    }
    EXPECT_EQ(Sim("--version").texto, "hortelia-sim " HORTELIA_VERSION "\n");
}

// Standard output on a full disk: the tool says what it could not write and why, and fails.
TEST(HorteliaSim, AFullDiskIsSaidAndFails) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no hay /dev/full en esta máquina";
    const std::string ejemplos = kDatos + "/../../ejemplos/";
    for (const auto& [args, que] : std::vector<std::pair<std::string, std::string>>{
             {kDatos + "/inicio.hrt", "la planilla"},
             {"--temporada " + ejemplos + "clima_normales.csv " + ejemplos + "tunel_doble.hrt", "la temporada"},
             {"--resumen " + kDatos + "/inicio.hrt", "la comparación"}}) {
        // Errors to the pipe, the output to the full device; "#" leaves out the helper's own 2>&1.
        const Salida s = Sim(args + " 2>&1 >/dev/full #");
        EXPECT_EQ(s.estado, 1) << args;
        EXPECT_EQ(s.texto, "hortelia-sim: no se pudo escribir " + que +
                               " en la salida estándar (no queda espacio en el disco).\n");
    }
}
