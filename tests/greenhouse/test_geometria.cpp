#include "engine/valores_iniciales.h"
#include "greenhouse/geometria.h"
#include "greenhouse/ventilacion.h"
#include "numeros/conversiones.h"
#include "support/archivos.h"

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

// Figures worked out by hand, each with its working in tests/data/geometria_figuras.tsv.
TEST(Geometria, FiguresOfEachRoofWorkedOutByHand) {
    const auto casos = prueba::LeeTablaDato("geometria_figuras.tsv");
    ASSERT_EQ(casos.size(), 10U);
    for (const auto& c : casos) {
        SCOPED_TRACE(c.at(0) + " " + c.at(2) + " " + c.at(5));
        const Dimensiones d{LeeDecimal(c[1]), LeeDecimal(c[2]), LeeDecimal(c[3]), LeeDecimal(c[4]), LeeDecimal(c[5])};
        const Geometria g = Calcula(std::stoi(c[0]), d);
        EXPECT_EQ(NumeroATexto(g.sueloCubierto), " " + c.at(6));
        EXPECT_EQ(NumeroATexto(g.supCobertura), " " + c.at(7));
        EXPECT_EQ(NumeroATexto(g.volumen), " " + c.at(8));
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
    const auto casos = prueba::LeeTablaDato("geometria_rechazos.tsv");
    ASSERT_EQ(casos.size(), 18U);
    for (const auto& c : casos) {
        const auto n = [&](std::size_t k) { return LeeDecimal(c.at(k)); };  // "inf" too
        const ResultadoGeometria r = CalculaGeometria(std::stoi(c.at(0)), {n(1), n(2), n(3), n(4), n(5)});
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.mensaje, c.at(6)) << c[0] << ": " << c[1] << " " << c[2] << " " << c[5];
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
    const auto area = [&](int h) { return NumeroATexto(e.AreaVentHora(h)); };
    EXPECT_EQ(std::tuple(area(1), area(24), area(12), e.AreaVentHora(12).tipo(), area(3)),
              std::tuple(" 25.5", " 25.5", " 20.4", Variante::Tipo::Simple, " 0"));
    e.AperturaHora(3) = -100;
    RecalculaAreaVent(e, 3);
    EXPECT_EQ(area(3), " 51");
}
