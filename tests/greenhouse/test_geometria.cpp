#include "engine/valores_iniciales.h"
#include "greenhouse/geometria.h"
#include "greenhouse/ventilacion.h"
#include "numeros/conversiones.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

using namespace hortelia;

namespace {
const Dimensiones kInicial{8, 30, 1.5, 3.8, 1};

Geometria Calcula(int tipo, Dimensiones d = kInicial) {
    const auto r = CalculaGeometria(tipo, d);
    EXPECT_TRUE(r.ok) << r.mensaje;
    return r.geometria;
}
}  // namespace

TEST(Geometria, TwoSlopesWithTheStartDimensions) {
    const Geometria g = Calcula(1);
    EXPECT_EQ(NumeroATexto(g.sueloCubierto), " 240");
    EXPECT_EQ(NumeroATexto(g.volumen), " 636");
    EXPECT_EQ(NumeroATexto(g.supCobertura), " 382.12");
    EXPECT_EQ(g.flecha, 2.3F);
}

TEST(Geometria, ModulesShareTheirLongWalls) {
    Dimensiones d = kInicial;
    d.modulos = 3;
    const Geometria g = Calcula(1, d);
    EXPECT_EQ(g.sueloCubierto, 720);
    // walls 90 + gables below the eaves 72 + roof gables 55.2 + roof 3 * 249.72...
    const double techo = 720 / std::cos(std::atan(static_cast<double>(2.3F) / 8));
    EXPECT_EQ(g.supCobertura, Cortar(((72.0 + 90.0) + static_cast<double>(2.3F) * 8 * 3) + techo, 2));
    EXPECT_EQ(g.volumen, CortarSimple(static_cast<float>(1080 + static_cast<double>(2.3F) * 8 * 3 * 30 / 2), 2));
}

TEST(Geometria, TunnelIgnoresTheRise) {
    Dimensiones d = kInicial;
    const Geometria a = Calcula(3, d);
    d.alturaMaxima = 99;
    const Geometria b = Calcula(3, d);
    EXPECT_EQ(a.supCobertura, b.supCobertura);
    const double gables = 3.141596 * 16, roof = 240 * 3.141596 / 2;
    EXPECT_EQ(a.supCobertura, Cortar(((24 + 90) + gables) + roof, 2));
}

TEST(Geometria, InclinedPlaneAddsAStepPerModule) {
    Dimensiones d = kInicial;
    d.modulos = 2;
    const double f = 2.3F;
    EXPECT_NEAR(Calcula(2, d).supCobertura - Calcula(1, d).supCobertura, 2 * 30 * f, 0.011);
}

TEST(Geometria, ParabolaSumsSeventyNineChords) {
    int cuerdas = 0;
    const double arco = ArcoParabolico(8, 2.3F, &cuerdas);
    EXPECT_EQ(cuerdas, 79);
    EXPECT_GT(arco, 8 - 0.1);
    EXPECT_LT(arco, 8 + 2 * 2.3);
    const Geometria g = Calcula(4);
    EXPECT_GT(g.supCobertura, 0);
}

TEST(Geometria, ResultsAreCutNotRounded) {
    const Geometria g = Calcula(1, {1, 12.345, 1, 1, 1});
    EXPECT_EQ(NumeroATexto(g.sueloCubierto), " 12.34");
}

// Dimensions no greenhouse has are refused with the range they must lie in, before anything
// is computed: a parabola 1e17 m wide would sum its arc for ever.
TEST(Geometria, RefusesWhatItCannotUse) {
    const std::string ancho = "El ancho del módulo debe ser mayor que 0 y hasta 100 m.";
    const std::string largo = "El largo del módulo debe ser mayor que 0 y hasta 2000 m.";
    const std::string modulos = "La cantidad de módulos debe ser un número entero de 1 a 500.";
    const std::string lateral = "La altura del parante lateral debe ser de 0 a 50 m.";
    const std::string maxima = "La altura máxima debe ser de 0 a 50 m.";
    const std::string menor = "La altura máxima no puede ser menor que la altura del parante lateral.";
    const std::vector<std::tuple<int, Dimensiones, std::string>> casos{
        {1, {0, 30, 1.5, 3.8, 1}, ancho},
        {4, {-8, 30, 1.5, 3.8, 1}, ancho},
        {4, {1e17, 30, 1.5, 3.8, 1}, ancho},
        {4, {100.01, 30, 1.5, 3.8, 1}, ancho},
        {1, {8, 0, 1.5, 3.8, 1}, largo},
        {1, {8, 2000.5, 1.5, 3.8, 1}, largo},
        {1, {8, 30, 1.5, 3.8, 0}, modulos},
        {1, {8, 30, 1.5, 3.8, 2.5}, modulos},
        {1, {8, 30, 1.5, 3.8, 501}, modulos},
        {1, {8, 30, 1.5, 3.8, 40000}, modulos},
        {1, {8, 30, 1.5, 3.8, -1}, modulos},
        {1, {8, 30, -1, 3.8, 1}, lateral},
        {3, {8, 30, -1, 3.8, 1}, lateral},
        {2, {8, 30, 50.5, 60, 1}, lateral},
        {2, {8, 30, 1.5, 50.5, 1}, maxima},
        {4, {8, 30, 1.5, -3.8, 1}, maxima},
        {2, {8, 30, 4, 3.8, 1}, menor},
        {5, kInicial, "El tipo de techo no es válido."},
        {1, {INFINITY, 30, 1, 2, 1}, "Hay una dimensión con un número demasiado grande."},
    };
    for (const auto& [tipo, d, mensaje] : casos) {
        const ResultadoGeometria r = CalculaGeometria(tipo, d);
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.mensaje, mensaje) << tipo << ": " << d.ancho << " " << d.largo << " " << d.alturaLateral << " "
                                      << d.alturaMaxima << " " << d.modulos;
    }
    // At the limits every roof is accepted; the tunnel derives its own height (here 100 m).
    for (int tipo = 1; tipo <= 4; ++tipo) EXPECT_TRUE(CalculaGeometria(tipo, {100, 2000, 50, 50, 500}).ok) << tipo;
    EXPECT_TRUE(CalculaGeometria(3, {100, 30, 50, 100, 1}).ok);
    EXPECT_TRUE(CalculaGeometria(1, {8, 30, 0, 3.8, 1}).ok);
    EXPECT_THROW(ArcoParabolico(1e17, 2.3F), std::invalid_argument);
    int cuerdas = 0;
    ArcoParabolico(100, 2.3F, &cuerdas);
    EXPECT_LE(cuerdas, 1000);
}

TEST(Ventilacion, OneMoreSquareMetreOpensEveryOpenHourMore) {
    Escenario e;
    PonValoresIniciales(e);
    e.SupVentanas += 1;
    RecalculaAreasVent(e);
    EXPECT_EQ(NumeroATexto(e.AreaVentHora(12)), " 20.4");
    EXPECT_EQ(e.AreaVentHora(12).tipo(), Variante::Tipo::Simple);
    EXPECT_EQ(NumeroATexto(e.AreaVentHora(3)), " 0");
    e.AperturaHora(3) = -100;
    RecalculaAreaVent(e, 3);
    EXPECT_EQ(NumeroATexto(e.AreaVentHora(3)), " 51");
}
