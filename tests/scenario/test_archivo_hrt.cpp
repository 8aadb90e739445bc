#include "engine/carga_escenario.h"
#include "engine/simula_dia.h"
#include "engine/valores_iniciales.h"
#include "greenhouse/geometria.h"
#include "weather/radiacion.h"
#include "weather/temperatura.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace hortelia;

namespace {

// The text with its line n (from 1) replaced.
std::string Reemplaza(std::string texto, int linea, const std::string& nueva) {
    std::size_t i = 0;
    for (int n = 1; n < linea; ++n) i = texto.find("\r\n", i) + 2;
    return texto.replace(i, texto.find("\r\n", i) - i, nueva);
}

class Archivo : public ::testing::Test {
protected:
    void SetUp() override {
        PonValoresIniciales(inicio);
        e = inicio;
        e.TipoTecho = 2;
        e.DobleTecho = 1;
        ASSERT_EQ(AceptaDimensiones(e, {7.5, 40, 2, 4.25, 3}), "");
        e.MatCobertura = Variante::Entero(2);
        e.Mantenimiento = Variante::Entero(4);
        e.RenovAire = 2.75F;
        e.Cenital = 1;
        e.Combustible = "Gas nat.rico";
        e.PoderCalorico = 12345.6F;
        e.TMax = Variante::Simple(28.3F);
        e.Latitud = Variante::Simple(0.5F);
        e.NubHora(12) = 3;
        CalculaRadiacion(e);
        CalculaTemperatura(e);
        TemperaturaMas(e, 3);
    }
    Escenario inicio, e;
};

}  // namespace

// The start values' file, kept in tests/data: 129 lines with CR LF ends, empty fields for the
// structure and cover not chosen yet, numbers as the number-to-text writes them without its blank.
TEST_F(Archivo, SavedAtStartMatchesTheCheckedInFile) {
    std::ifstream f(std::string(HORTELIA_TEST_DATA) + "/inicio_sin_aceptar.hrt", std::ios::binary);
    std::stringstream esperado;
    esperado << f.rdbuf();
    EXPECT_EQ(TextoEscenario(inicio), esperado.str());
}

TEST_F(Archivo, SaveThenLoadGivesBackEveryField) {
    Escenario leido;
    PonValoresIniciales(leido);
    const ResultadoCarga r = CargaTextoEscenario(TextoEscenario(e), leido);
    ASSERT_TRUE(r.ok) << r.mensaje;
    EXPECT_TRUE(r.dimensionesValidas);
    EXPECT_EQ(TextoEscenario(leido), TextoEscenario(e));
    EXPECT_EQ(leido.SueloCubierto, e.SueloCubierto);
    EXPECT_EQ(leido.SupCobertura, e.SupCobertura);
    EXPECT_EQ(leido.Volumen, e.Volumen);
    EXPECT_EQ(leido.Combustible, "Gas nat.rico");
    // A number reads back as the text shows it: 28.3 and a whole 7 lose their kind, not their text.
    EXPECT_EQ(leido.TMax, Variante::Doble(28.3));
    for (int h = 1; h <= 24; ++h) EXPECT_EQ(leido.TempHora(h).valor(), e.TempHora(h).valor());
}

TEST_F(Archivo, ReaderTakesLineEndsAsSeparatorsAndBothDecimalForms) {
    std::string texto = Reemplaza(TextoEscenario(e), 30, "  35 , -1,0.5");
    // The first two lines joined into one, and LF alone as the line end.
    texto.replace(texto.find("\r\n"), 2, ",");
    for (auto i = texto.find("\r\n"); i != std::string::npos; i = texto.find("\r\n", i)) texto.erase(i, 1);
    Escenario leido = inicio;
    const ResultadoCarga r = CargaTextoEscenario(texto, leido);
    ASSERT_TRUE(r.ok) << r.mensaje;
    EXPECT_EQ(leido.IAF, 0.5F);
    EXPECT_EQ(leido.TMaxTol, Variante::Entero(35));
    EXPECT_EQ(leido.Modulos, 3);
}

TEST_F(Archivo, StartFileLoadsEverythingButTheDimensions) {
    Escenario leido = e;
    const ResultadoCarga r = CargaTextoEscenario(TextoEscenario(inicio), leido);
    ASSERT_TRUE(r.ok);
    EXPECT_FALSE(r.dimensionesValidas);
    EXPECT_EQ(r.motivoDimensiones, "El ancho del módulo debe ser mayor que 0 y hasta 100 m.");
    EXPECT_TRUE(leido.SueloCubierto.vacia());
    EXPECT_EQ(leido.Volumen, 0.0F);
    EXPECT_EQ(TextoEscenario(leido), TextoEscenario(inicio));
    EXPECT_FALSE(SimulaDia(leido).ok);
}

TEST_F(Archivo, TunnelHeightFollowsWidthAndSideHeight) {
    e.TipoTecho = 3;
    Escenario leido = inicio;
    ASSERT_TRUE(CargaTextoEscenario(TextoEscenario(e), leido).ok);
    EXPECT_EQ(leido.AlturaMaxima.valor(), 7.5 / 2 + 2);
}

TEST_F(Archivo, BadFilesAreRefusedWithLineAndFieldAndChangeNothing) {
    const std::string bueno = TextoEscenario(e);
    struct Caso {
        std::string texto;
        int linea, campo;
        std::string fragmento;
    };
    std::string sinUltimo = bueno.substr(0, bueno.size() - 4);  // "...,1\r\n" loses ",1"
    const std::vector<Caso> casos{
        {sinUltimo, 129, 2, "termina antes del campo 243"},
        {bueno.substr(0, 500), 81, 1, "termina antes del campo 119 de 243 (línea 81, campo 1: latitud)"},
        {Reemplaza(bueno, 2, "7.5,40,2,4.25,40000"), 2, 5, "fuera del rango de los enteros"},
        {Reemplaza(bueno, 3, "2,7,2.75"), 3, 2, "estado de mantenimiento"},
        {Reemplaza(bueno, 4, "1e400,1"), 4, 1, "no es un número"},
        {Reemplaza(bueno, 4, "1e39,1"), 4, 1, "demasiado grande"},
        {Reemplaza(bueno, 29, "\"GasOil,35570,65"), 0, 0, "comilla"},
        {Reemplaza(bueno, 29, "Gas\"Oil\",35570,65"), 29, 1, "contiene comillas"},
        {Reemplaza(bueno, 81, "31.5,-1,1,13,1"), 81, 4, "no es un mes"},
        {"\x01\x02garbage\xff", 1, 1, "no es un número"},
        {"", 1, 1, "termina antes del campo 1 de 243"},
    };
    for (const Caso& c : casos) {
        Escenario leido = e;
        leido.DatosListos = 4;
        const ResultadoCarga r = CargaTextoEscenario(c.texto, leido);
        EXPECT_FALSE(r.ok) << c.fragmento;
        EXPECT_NE(r.mensaje.find(c.fragmento), std::string::npos) << r.mensaje;
        if (c.linea) {
            EXPECT_EQ(r.linea, c.linea) << r.mensaje;
            EXPECT_EQ(r.campo, c.campo) << r.mensaje;
        }
        EXPECT_EQ(TextoEscenario(leido), bueno);
        EXPECT_EQ(leido.DatosListos, 4);
    }
}

TEST_F(Archivo, SavingGoesThroughATemporaryFile) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("hortelia_test_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string ruta = (dir / "invernaculo.hrt").string();
    ASSERT_TRUE(GuardaEscenario(ruta, e).ok);
    ASSERT_TRUE(GuardaEscenario(ruta, inicio).ok);  // replaces
    Escenario leido = e;
    ASSERT_TRUE(CargaEscenario(ruta, leido).ok);
    EXPECT_EQ(TextoEscenario(leido), TextoEscenario(inicio));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator{}), 1);

    const ResultadoArchivo fallo = GuardaEscenario((dir / "no" / "existe.hrt").string(), e);
    EXPECT_FALSE(fallo.ok);
    EXPECT_NE(fallo.mensaje.find("No se puede guardar"), std::string::npos);
    EXPECT_FALSE(CargaEscenario((dir / "falta.hrt").string(), leido).ok);
    fs::remove_all(dir);
}
