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

// Figures worked out by hand. The rise 3.8 - 1.5 is kept as a single, 2.29999995, which moves
// none of them. Walls: the two long walls of the block 2 L h, however many modules; two end
// walls per module 2 W h n below the eaves, and above them the gables.
TEST(Geometria, FiguresOfEachRoofWorkedOutByHand) {
    const std::tuple<int, Dimensiones, const char*, const char*, const char*> casos[] = {
        // Two slopes: walls 90 + 24, gables 8 * 2.3 = 18.4, roof 30 sqrt(8^2 + 2.3^2) = 249.7218;
        // 382.1218 cut. Volume 240 * 1.5 + 18.4 * 30 / 2 = 360 + 276.
        {1, kInicial, " 240", " 382.12", " 636"},
        // Three modules: long walls still 90 (not 270, which would give 1146.36), end walls 72,
        // gables 55.2, roof 3 * 249.7218 = 749.1655; 966.3655 cut. Volume 1080 + 55.2 * 15.
        {1, {8, 30, 1.5, 3.8, 3}, " 720", " 966.36", " 1908"},
        // Two modules: 90 + 48 + 36.8 + 499.4437 = 674.2437; 960 + 36.8 * 15 = 1272.
        {1, {8, 30, 1.5, 3.8, 2}, " 480", " 674.24", " 1272"},
        // Inclined plane: the two-slope roof plus a step L f per module, 2 * 30 * 2.3 = 138 more.
        {2, {8, 30, 1.5, 3.8, 2}, " 480", " 812.24", " 1272"},
        {2, kInicial, " 240", " 451.12", " 636"},
        // Tunnel: two half discs per module, pi' 4^2 = 50.265536 with pi' = 3.141596, roof
        // 240 pi' / 2 = 376.99152; 114 + 50.265536 + 376.99152 = 541.257056 cut. Volume
        // 360 + 50.265536 * 15 = 1113.98304.
        {3, kInicial, " 240", " 541.25", " 1113.98"},
        // Big enough for pi' to show: walls 400 + 400, discs 10 * 25 pi' = 785.399, roof
        // 10000 pi' / 2 = 15707.98, 17293.379 cut (true pi gives 17293.36). Volume
        // 20000 + 785.399 * 50 = 59269.95, the single 59269.949... (true pi gives 59269.9).
        // The rise does not count: the maximum height 99 is ignored.
        {3, {10, 100, 2, 99, 10}, " 10000", " 17293.37", " 59269.95"},
        // Cuts, not rounding: rounding would take every figure of the first row up, and the
        // cover of the second. Walls 2 * 12.349 + 2, roof 12.349: 39.047. The single 12.349 is
        // 12.3489999771; the double 12.345 lies just below 12.345.
        {1, {1, 12.349, 1, 1, 1}, " 12.34", " 39.04", " 12.34"},
        {1, {1, 12.345, 1, 1, 1}, " 12.34", " 39.03", " 12.34"},  // 39.035
    };
    for (const auto& [tipo, d, suelo, cobertura, volumen] : casos) {
        const Geometria g = Calcula(tipo, d);
        EXPECT_EQ(NumeroATexto(g.sueloCubierto), suelo) << tipo << " " << d.largo << " " << d.modulos;
        EXPECT_EQ(NumeroATexto(g.supCobertura), cobertura) << tipo << " " << d.largo << " " << d.modulos;
        EXPECT_EQ(NumeroATexto(g.volumen), volumen) << tipo << " " << d.largo << " " << d.modulos;
    }
    EXPECT_EQ(Calcula(1).flecha, 2.3F);
}

// The parabola y = k (x^2 - a^2), a = W / 2, k = -f / a^2, is summed in chords of .1 m. Its exact
// length, the integral of sqrt(1 + (2kx)^2) over -a..a, is
//   L = sqrt(a^2 + 4 f^2) + a^2 / (2 f) asinh(2 f / a),   9.5169999 for W = 8, f = 2.3.
// After 79 additions x has drifted just above 4, so the chord from 3.9 to 4 is never taken.
// A chord never exceeds its arc, so L - sum >= that chord, sqrt(.1^2 + (k (4^2 - 3.9^2))^2) = .151316.
// And L - sum <= the arc from 3.9 to 4, at most .1 sqrt(1 + (2 f / a)^2) = .152398, plus what the 79
// chords miss of their arcs: with the slope linear in x each misses at most k^2 h^3 / 6, in all
// 2.7e-4. A sum that took the last chord, or a wrong chord, falls outside.
TEST(Geometria, ParabolaIsItsArcInChordsOfATenthMissingTheLast) {
    const double a = 4, f = 2.3F, k = f / (a * a), h = .1;
    const double exacto = std::sqrt(a * a + 4 * f * f) + a * a / (2 * f) * std::asinh(2 * f / a);
    ASSERT_NEAR(exacto, 9.5169998716, 1e-9);
    const double ultimaCuerda = std::hypot(h, k * (16 - 3.9 * 3.9));
    const double faltaMaxima = h * std::sqrt(1 + std::pow(2 * f / a, 2)) + 79 * k * k * h * h * h / 6;

    int cuerdas = 0;
    const double arco = ArcoParabolico(8, 2.3F, &cuerdas);
    EXPECT_EQ(cuerdas, 79);
    ArcoParabolico(1, 0.5, &cuerdas);  // 1 m wide: x lands on .5 exactly, and that chord is taken
    EXPECT_EQ(cuerdas, 10);
    EXPECT_GE(exacto - arco, ultimaCuerda);
    EXPECT_LE(exacto - arco, faltaMaxima);

    // The cover: walls 90 + 24, the parabolic end wall above the eaves 2/3 * 8 * 2.3 = 12.2667,
    // and 30 m of that arc; between 407.196 and 407.237. Volume 360 + 12.2667 * 30 / 2 = 544.
    const Geometria g = Calcula(4);
    const double resto = 114 + 2.0 / 3 * 8 * f;
    EXPECT_GE(g.supCobertura, resto + 30 * (exacto - faltaMaxima) - .01);  // less the cut
    EXPECT_LE(g.supCobertura, resto + 30 * (exacto - ultimaCuerda));
    EXPECT_EQ(NumeroATexto(g.volumen), " 544");
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
        {4, {1e17, 30, 1.5, 3.8, 1}, ancho},
        {4, {100.01, 30, 1.5, 3.8, 1}, ancho},
        {1, {8, 0, 1.5, 3.8, 1}, largo},
        {1, {8, 2000.5, 1.5, 3.8, 1}, largo},
        {1, {8, 30, 1.5, 3.8, 0}, modulos},
        {1, {8, 30, 1.5, 3.8, 2.5}, modulos},
        {1, {8, 30, 1.5, 3.8, 501}, modulos},
        {1, {8, 30, 1.5, 3.8, 40000}, modulos},
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
    ASSERT_EQ(AceptaDimensiones(e, kInicial), "");
    EXPECT_EQ(e.Flecha, 2.3F);
    e.SupVentanas += 1;
    e.AperturaHora(1) = e.AperturaHora(24) = -50;
    RecalculaAreasVent(e);
    EXPECT_EQ(NumeroATexto(e.AreaVentHora(1)), " 25.5");
    EXPECT_EQ(NumeroATexto(e.AreaVentHora(24)), " 25.5");
    EXPECT_EQ(NumeroATexto(e.AreaVentHora(12)), " 20.4");
    EXPECT_EQ(e.AreaVentHora(12).tipo(), Variante::Tipo::Simple);
    EXPECT_EQ(NumeroATexto(e.AreaVentHora(3)), " 0");
    e.AperturaHora(3) = -100;
    RecalculaAreaVent(e, 3);
    EXPECT_EQ(NumeroATexto(e.AreaVentHora(3)), " 51");
}
