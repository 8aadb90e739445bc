#include "engine/carga_escenario.h"
#include "engine/simula_dia.h"
#include "engine/valores_iniciales.h"
#include "greenhouse/geometria.h"
#include "support/archivos.h"
#include "weather/radiacion.h"
#include "weather/temperatura.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(TextoEscenario(inicio), prueba::LeeArchivo(std::string(HORTELIA_TEST_DATA) + "/inicio_sin_aceptar.hrt"));
}

TEST_F(Archivo, SaveThenLoadGivesBackEveryField) {
    Escenario leido;
    PonValoresIniciales(leido);
    const ResultadoCarga r = CargaTextoEscenario(TextoEscenario(e), leido);
    ASSERT_TRUE(r.ok) << r.mensaje;
    EXPECT_TRUE(r.dimensionesValidas);
    EXPECT_EQ(TextoEscenario(leido), TextoEscenario(e));
    EXPECT_EQ(std::tie(leido.SueloCubierto, leido.SupCobertura, leido.Volumen),
              std::tie(e.SueloCubierto, e.SupCobertura, e.Volumen));
    // A number reads back as the text shows it: 28.3 and a whole 7 lose their kind, not their text.
    EXPECT_EQ(leido.TMax, Variante::Doble(28.3));
}

TEST_F(Archivo, ReaderTakesLineEndsAsSeparatorsAndBothDecimalForms) {
    std::string texto = Reemplaza(TextoEscenario(e), 30, "  35 , -1,0.5");
    // The first two lines joined into one, and LF alone as the line end.
    texto.replace(texto.find("\r\n"), 2, ",");
    for (auto i = texto.find("\r\n"); i != std::string::npos; i = texto.find("\r\n", i)) texto.erase(i, 1);
    Escenario leido = inicio;
    const ResultadoCarga r = CargaTextoEscenario(texto, leido);
    ASSERT_TRUE(r.ok) << r.mensaje;
    EXPECT_EQ(std::tuple(leido.IAF, leido.TMaxTol, leido.TMinTol, leido.Modulos),
              std::tuple(0.5F, Variante::Entero(35), Variante::Entero(-1), 3));
}

// Each bad file of tests/data/hrt_rechazos.tsv, made from a good one, is refused at its line
// and field and leaves the record as it was.
TEST_F(Archivo, BadFilesAreRefusedWithLineAndFieldAndChangeNothing) {
    const std::string bueno = TextoEscenario(e);
    const auto filas = prueba::LeeTablaDato("hrt_rechazos.tsv");
    ASSERT_EQ(filas.size(), 21U);
    for (const auto& f : filas) {
        const std::string& forma = f.at(0);
        const std::string texto = forma == "="   ? f.at(1)
                                  : forma == "+" ? bueno + f.at(1)
                                  : forma == "<" ? bueno.substr(0, std::stoul(f.at(1)))
                                                 : Reemplaza(bueno, std::stoi(forma), f.at(1));
        Escenario leido = e;
        const ResultadoCarga r = CargaTextoEscenario(texto, leido);
        EXPECT_FALSE(r.ok) << f.at(4);
        EXPECT_NE(r.mensaje.find(f.at(4)), std::string::npos) << r.mensaje;
        EXPECT_EQ(std::pair(r.linea, r.campo), std::pair(std::stoi(f.at(2)), std::stoi(f.at(3)))) << r.mensaje;
        EXPECT_EQ(TextoEscenario(leido), bueno);
    }
}

// What an editor or an older save leaves in a file that is otherwise the program's own.
TEST_F(Archivo, ByteOrderMarkTrailingLineEndsAndAnEmptyMaterialLoad) {
    const std::string bueno = TextoEscenario(e);
    for (const std::string& texto :
         {"\xEF\xBB\xBF" + bueno, bueno + "\r\n\r\n  \r\n", bueno.substr(0, bueno.size() - 2)}) {
        Escenario leido = inicio;
        const ResultadoCarga r = CargaTextoEscenario(texto, leido);
        ASSERT_TRUE(r.ok) << r.mensaje;
        EXPECT_EQ(TextoEscenario(leido), bueno);
    }
    // Saved before the cover panel was first accepted: loads, but the day asks for the panel.
    Escenario leido = inicio;
    ASSERT_TRUE(CargaTextoEscenario(Reemplaza(bueno, 3, ",4,2.75"), leido).ok);
    EXPECT_TRUE(leido.MatCobertura.vacia());
    EXPECT_NE(SimulaDia(leido).mensaje.find("Acepte el panel de cobertura"), std::string::npos);
}

// Dimensions no greenhouse has load like dimensions not accepted yet, and are never computed:
// the parabola 1e17 m wide used to sum its arc for ever.
TEST_F(Archivo, DimensionsOutsideTheLimitsLoadAsNotAccepted) {
    const std::string bueno = TextoEscenario(e);
    // The geometry's refusals are checked in test_geometria; here that loading takes them.
    const std::vector<std::pair<std::string, std::string>> casos{
        {"4,0\r\n1e17,30,1.5,3.8,1", "El ancho del módulo debe ser mayor que 0 y hasta 100 m."},
        {"1,0\r\n8,30,1.5,3.8,501", "La cantidad de módulos debe ser un número entero de 1 a 500."},
    };
    for (const auto& [lineas, motivo] : casos) {
        std::string texto = bueno;
        texto.replace(0, texto.find("\r\n", texto.find("\r\n") + 2), lineas);
        Escenario leido = e;
        const ResultadoCarga r = CargaTextoEscenario(texto, leido);
        ASSERT_TRUE(r.ok) << r.mensaje;
        EXPECT_EQ(std::pair(r.dimensionesValidas, r.motivoDimensiones), std::pair(false, motivo));
        EXPECT_EQ(std::tuple(leido.SueloCubierto.vacia(), leido.SupCobertura.vacia(), leido.Volumen, leido.Flecha),
                  std::tuple(true, true, 0.0F, 0.0F));
    }
    // A tunnel's derived height is not typed: 100 m wide on 50 m walls stands 100 m high.
    Escenario tunel = e;
    tunel.TipoTecho = 3;
    std::string texto = TextoEscenario(tunel);
    texto.replace(0, texto.find("\r\n", texto.find("\r\n") + 2), "3,0\r\n100,30,50,0,1");
    const ResultadoCarga r = CargaTextoEscenario(texto, tunel);
    EXPECT_TRUE(r.dimensionesValidas) << r.motivoDimensiones;
    EXPECT_EQ(tunel.AlturaMaxima.valor(), 100);
}
