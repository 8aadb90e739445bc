// The spray's stopping step found by bisection against the plain loop, over random hot hours
// spread as the model's hot hours are, and over balances the bisection must leave to the loop.

#include "engine/aspersion.h"
#include "engine/modelo_horario.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

using namespace hortelia;

namespace {

auto Bits(const Aspersion& a) {
    return std::array<std::uint64_t, 5>{static_cast<std::uint64_t>(a.pasos), std::bit_cast<std::uint64_t>(a.agua),
                                        std::bit_cast<std::uint32_t>(a.tCon), std::bit_cast<std::uint64_t>(a.hr),
                                        std::bit_cast<std::uint64_t>(a.dpv)};
}

// A hot hour: each figure within the range the model gives over many random days.
struct HoraCalurosa {
    BalanceAspersion b;
    float tCon = 0;
    double dpv = 0;
};

HoraCalurosa Aleatoria(std::mt19937& g) {
    const auto u = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(g); };
    const auto logU = [&](double a, double b) { return std::exp(u(std::log(a), std::log(b))); };
    HoraCalurosa x;
    BalanceAspersion& b = x.b;
    b.tempExt = u(-25, 50);
    b.pvExt = PresSat(b.tempExt) * u(0, 1);
    b.aporte = u(-1200, 7500);
    b.den = logU(5, 2000);
    b.radInt = u(0, 800);
    b.intercambio = logU(4, 2000);
    b.lVent = logU(0.005, 30);
    b.calorLatente = u(0, 1) < 0.8 ? 2500 : u(1000, 3000);
    x.tCon = static_cast<float>(b.tempExt + b.aporte / b.den);
    b.tMax = std::floor(u(x.tCon - 30, x.tCon));
    x.dpv = u(0, 3000);
    return x;
}

}  // namespace

TEST(Aspersion, BisectionStopsWhereThePlainLoopStopsOnRandomHotHours) {
    std::mt19937 g(7);
    std::array<int, kPasosAspersionMaximos + 1> porPasos{};
    for (int i = 0; i < 20000; ++i) {
        const HoraCalurosa x = Aleatoria(g);
        const Aspersion paso = AsperjaPasoAPaso(x.b, x.tCon, x.dpv);
        ASSERT_EQ(Bits(Asperja(x.b, x.tCon, x.dpv)), Bits(paso)) << "hora " << i;
        ++porPasos[static_cast<std::size_t>(paso.pasos)];
    }
    // Every stopping step is reached, from the first to the cap.
    for (std::size_t k = 1; k < porPasos.size(); ++k) EXPECT_GT(porPasos[k], 0) << k << " pasos";
}

// Where the steps need not cool and dry monotonically the loop itself runs; the result is the
// same either way.
TEST(Aspersion, BalancesOutsideTheArgumentGetThePlainLoop) {
    std::mt19937 g(11);
    const auto cambios = std::to_array<void (*)(BalanceAspersion&)>({
        [](BalanceAspersion& b) { b.den = -b.den; },
        [](BalanceAspersion& b) { b.calorLatente = -b.calorLatente; },
        [](BalanceAspersion& b) { b.lVent = -b.lVent; },
        [](BalanceAspersion& b) { b.intercambio = -b.intercambio; },
        [](BalanceAspersion& b) { b.tMax = -150; },
        [](BalanceAspersion& b) { b.aporte = 1e6; },
        [](BalanceAspersion& b) { b.pvExt = std::numeric_limits<double>::quiet_NaN(); },
    });
    for (int i = 0; i < 2000; ++i) {
        HoraCalurosa x = Aleatoria(g);
        cambios[static_cast<std::size_t>(i) % cambios.size()](x.b);
        EXPECT_EQ(Bits(Asperja(x.b, x.tCon, x.dpv)), Bits(AsperjaPasoAPaso(x.b, x.tCon, x.dpv))) << "hora " << i;
    }
}
