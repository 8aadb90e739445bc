// The batch tool end to end: golden outputs, saving after the run, exit statuses.

#include "engine/carga_escenario.h"
#include "engine/valores_iniciales.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

struct Salida {
    int estado = -1;
    std::string texto;
};

Salida Ejecuta(const std::string& argumentos) {
    Salida s;
    const std::string orden = std::string(HORTELIA_SIM) + " " + argumentos + " 2>&1";
    FILE* p = popen(orden.c_str(), "r");
    if (!p) return s;
    std::array<char, 4096> buf{};
    std::size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) s.texto.append(buf.data(), n);
    const int st = pclose(p);
    s.estado = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return s;
}

std::string Lee(const std::string& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

const std::string kDatos = HORTELIA_TEST_DATA;

}  // namespace

TEST(HorteliaSim, PrintsTheDataSheetOfTheDay) {
    for (const auto& [args, esperado] : std::vector<std::pair<std::string, std::string>>{
             {kDatos + "/inicio.hrt", "inicio.expected"},
             {"--recalcular-clima " + kDatos + "/seco_doble.hrt", "seco_doble_recalculado.expected"}}) {
        const Salida s = Ejecuta(args);
        EXPECT_EQ(s.estado, 0) << s.texto;
        EXPECT_EQ(s.texto, Lee(kDatos + "/" + esperado)) << args;
    }
}

TEST(HorteliaSim, SavesTheScenarioAfterTheRun) {
    const std::string salida = (std::filesystem::temp_directory_path() / "hortelia_sim_guardado.hrt").string();
    const Salida s = Ejecuta("--guardar " + salida + " " + kDatos + "/inicio.hrt");
    ASSERT_EQ(s.estado, 0) << s.texto;
    const std::string guardado = Lee(salida);
    EXPECT_NE(guardado.find("\r\n0,.001\r\n"), std::string::npos);  // the window floor of closed hours
    hortelia::Escenario e;
    hortelia::PonValoresIniciales(e);
    EXPECT_TRUE(hortelia::CargaTextoEscenario(guardado, e).ok);
    std::filesystem::remove(salida);
}

TEST(HorteliaSim, ExitStatusesTellWhatWentWrong) {
    EXPECT_EQ(Ejecuta("--help").estado, 0);
    EXPECT_NE(Ejecuta("--help").texto.find("Uso: hortelia-sim"), std::string::npos);
    const Salida sinArchivo = Ejecuta("");
    EXPECT_EQ(sinArchivo.estado, 2);
    EXPECT_NE(sinArchivo.texto.find("falta el archivo de escenario"), std::string::npos);
    EXPECT_EQ(Ejecuta("--rapido x.hrt").estado, 2);
    EXPECT_EQ(Ejecuta("--guardar").estado, 2);
    const Salida noExiste = Ejecuta("/no/existe.hrt");
    EXPECT_EQ(noExiste.estado, 1);
    EXPECT_NE(noExiste.texto.find("No se puede abrir"), std::string::npos);
    const Salida sinDimensiones = Ejecuta(kDatos + "/inicio_sin_aceptar.hrt");
    EXPECT_EQ(sinDimensiones.estado, 1);
    EXPECT_NE(sinDimensiones.texto.find("dimensiones"), std::string::npos);
}

// Standard output on a full disk: the tool says it could not write and fails.
TEST(HorteliaSim, AFullDiskIsSaidAndFails) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no hay /dev/full en esta máquina";
    // Errors to the pipe, the sheet to the full device; "#" leaves out the helper's own 2>&1.
    const Salida s = Ejecuta(kDatos + "/inicio.hrt 2>&1 >/dev/full #");
    EXPECT_EQ(s.estado, 1);
    EXPECT_NE(s.texto.find("hortelia-sim: no se pudo escribir la planilla en la salida estándar"), std::string::npos)
        << s.texto;
}
