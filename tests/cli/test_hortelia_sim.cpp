// The batch tool end to end: golden outputs, saving after the run, exit statuses.

#include "engine/carga_escenario.h"
#include "engine/valores_iniciales.h"

#include "support/archivos.h"

#include <gtest/gtest.h>

#include <filesystem>

using hortelia::prueba::LeeArchivo;
using hortelia::prueba::Salida;

namespace {

Salida Ejecuta(const std::string& argumentos) {
    return hortelia::prueba::Ejecuta(std::string(HORTELIA_SIM) + " " + argumentos + " 2>&1");
}

const std::string kDatos = HORTELIA_TEST_DATA;

}  // namespace

TEST(HorteliaSim, PrintsTheDataSheetOfTheDay) {
    for (const auto& [args, esperado] : std::vector<std::pair<std::string, std::string>>{
             {kDatos + "/inicio.hrt", "inicio.expected"},
             {"--recalcular-clima " + kDatos + "/seco_doble.hrt", "seco_doble_recalculado.expected"}}) {
        const Salida s = Ejecuta(args);
        EXPECT_EQ(s.estado, 0) << s.texto;
        EXPECT_EQ(s.texto, LeeArchivo(kDatos + "/" + esperado)) << args;
    }
}

TEST(HorteliaSim, SavesTheScenarioAfterTheRun) {
    const std::string salida = (std::filesystem::temp_directory_path() / "hortelia_sim_guardado.hrt").string();
    const Salida s = Ejecuta("--guardar " + salida + " " + kDatos + "/inicio.hrt");
    ASSERT_EQ(s.estado, 0) << s.texto;
    const std::string guardado = LeeArchivo(salida);
    EXPECT_NE(guardado.find("\r\n0,.001\r\n"), std::string::npos);  // the window floor of closed hours
    hortelia::Escenario e;
    hortelia::PonValoresIniciales(e);
    EXPECT_TRUE(hortelia::CargaTextoEscenario(guardado, e).ok);
    std::filesystem::remove(salida);
}

TEST(HorteliaSim, ExitStatusesTellWhatWentWrong) {
    const std::tuple<std::string, int, const char*> casos[] = {{"--help", 0, "Uso: hortelia-sim"},
                                                               {"--version", 0, "hortelia-sim " HORTELIA_VERSION "\n"},
                                                               {"", 2, "falta el archivo de escenario"},
                                                               {"--rapido x.hrt", 2, ""},
                                                               {"--guardar", 2, ""},
                                                               {"/no/existe.hrt", 1, "No se puede abrir"},
                                                               {kDatos + "/inicio_sin_aceptar.hrt", 1, "dimensiones"}};
    for (const auto& [args, estado, dice] : casos) {
        const Salida s = Ejecuta(args);
        EXPECT_EQ(s.estado, estado) << args;
        EXPECT_NE(s.texto.find(dice), std::string::npos) << args << "\n" << s.texto;
    }
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
        const Salida s = Ejecuta(args + " 2>&1 >/dev/full #");
        EXPECT_EQ(s.estado, 1) << args;
        EXPECT_EQ(s.texto, "hortelia-sim: no se pudo escribir " + que +
                               " en la salida estándar (no queda espacio en el disco).\n");
    }
}
