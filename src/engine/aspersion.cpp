#include "engine/aspersion.h"

#include "engine/modelo_horario.h"

#include <array>
#include <cassert>
#include <cmath>
#include <optional>

namespace hortelia {
namespace {

constexpr double kPasoAgua = 0.005;  // l/m² a step

// The water after k steps, summed one step at a time as the plain loop sums it.
constexpr std::array<double, kPasosAspersionMaximos + 1> kAguaTrasPasos = [] {
    std::array<double, kPasosAspersionMaximos + 1> a{};
    for (std::size_t k = 1; k < a.size(); ++k) a[k] = a[k - 1] + kPasoAgua;
    return a;
}();
static_assert(kAguaTrasPasos[kPasosAspersionMaximos - 1] < 1 && kAguaTrasPasos[kPasosAspersionMaximos] >= 1,
              "the last step is the one that brings the water to 1 l/m²");

// The air after a step that brings the water to `agua` (it depends on the water alone): first
// its temperature, which may already stop the spray, then its vapour, which needs the
// saturation pressure.
struct Paso {
    Aspersion a;
    double difTc = 0;
};

Paso Enfria(const BalanceAspersion& b, int pasos, double agua) {
    Paso p;
    p.a.pasos = pasos;
    p.a.agua = agua;
    const double qEvap = agua * b.calorLatente / 3.6;
    p.difTc = (b.aporte - qEvap) / b.den;
    p.a.tCon = static_cast<float>(b.tempExt + p.difTc);
    return p;
}

Aspersion Humedece(const BalanceAspersion& b, const Paso& p) {
    Aspersion a = p.a;
    const double difPvc = (b.radInt - p.difTc * b.intercambio) / b.lVent;
    const double psC = PresSat(a.tCon);
    const double pvC = b.pvExt + difPvc;
    a.hr = pvC * 100 / psC;
    a.dpv = psC - pvC;
    return a;
}

Aspersion TrasPaso(const BalanceAspersion& b, int pasos, double agua) { return Humedece(b, Enfria(b, pasos, agua)); }

bool Sigue(const BalanceAspersion& b, const Aspersion& a) { return a.dpv > 0 && a.tCon > b.tMax && a.agua < 1; }

// Whether the steps' condition, once false, stays false. The state after k steps is a function
// of the water w alone, which grows with k, through operations rounded to nearest, and such
// rounding keeps order: x <= y gives fl(x + c) <= fl(y + c), and the same for x * c and x / c
// when c > 0. So with a latent heat >= 0, den > 0, intercambio >= 0 and lVent > 0:
//  - qEvap = w L / 3.6 does not fall, difTc = (aporte - qEvap) / den does not rise, and neither
//    does tCon, the single of tempExt + difTc: once at or below tMax it stays there;
//  - difPvc = (radInt - difTc intercambio) / lVent and pvC = pvExt + difPvc do not fall;
//  - PresSat(tCon) does not rise when tCon falls: 2272.005 / (tCon + 273) rises (tCon + 273 > 0)
//    and 10^(9 - it) falls. pow is not correctly rounded (glibc: within 0.52 ulp), but between
//    neighbouring singles from -100 to 200 °C its exponent moves by 4.9e-16 or more, which moves
//    its result by more than 5 ulp, so it cannot step back; every single of that range was also
//    checked in turn. Hence dpv = PresSat(tCon) - pvC does not rise while tCon stays above tMax
//    (and once tCon is not above tMax the condition is false anyway): once at or below 0 it
//    stays there;
//  - the water only grows: once at 1 or above it stays there.
// tCon never exceeds the single of tempExt + aporte / den (the spray only cools), so with tMax
// from -100 °C and that bound below 200 °C every temperature probed lies in the checked range.
bool CondicionMonotona(const BalanceAspersion& b) {
    const bool finitos = std::isfinite(b.tempExt) && std::isfinite(b.pvExt) && std::isfinite(b.aporte) &&
                         std::isfinite(b.den) && std::isfinite(b.radInt) && std::isfinite(b.intercambio) &&
                         std::isfinite(b.lVent) && std::isfinite(b.calorLatente) && std::isfinite(b.tMax);
    return finitos && b.calorLatente >= 0 && b.den > 0 && b.intercambio >= 0 && b.lVent > 0 && b.tMax >= -100 &&
           b.tempExt + b.aporte / b.den < 200;
}

[[maybe_unused]] bool Iguales(const Aspersion& a, const Aspersion& b) {
    return a.pasos == b.pasos && a.agua == b.agua && a.tCon == b.tCon && a.hr == b.hr && a.dpv == b.dpv;
}

}  // namespace

Aspersion AsperjaPasoAPaso(const BalanceAspersion& b, float tCon, double dpv) {
    Aspersion a;
    a.tCon = tCon;
    a.dpv = dpv;
    double agua = 0;
    while (Sigue(b, a)) {
        agua += kPasoAgua;
        a = TrasPaso(b, a.pasos + 1, agua);
    }
    return a;
}

Aspersion Asperja(const BalanceAspersion& b, float tCon, double dpv) {
    Aspersion inicio;
    inicio.tCon = tCon;
    inicio.dpv = dpv;
    if (!Sigue(b, inicio)) return inicio;
    if (!CondicionMonotona(b)) return AsperjaPasoAPaso(b, tCon, dpv);
    // The loop goes on after step `sigue` (0: the start) and stops after step `para`; the last
    // step always stops it. `fin` is the air after step `para` when a probe has computed it.
    int sigue = 0, para = kPasosAspersionMaximos;
    std::optional<Aspersion> fin;
    while (para - sigue > 1) {
        const int medio = (sigue + para) / 2;
        const Paso p = Enfria(b, medio, kAguaTrasPasos[static_cast<std::size_t>(medio)]);
        if (!(p.a.tCon > b.tMax && p.a.agua < 1)) {  // stops whatever the vapour
            para = medio;
            fin.reset();
            continue;
        }
        const Aspersion a = Humedece(b, p);
        if (a.dpv > 0) {
            sigue = medio;
        } else {
            para = medio;
            fin = a;
        }
    }
    if (!fin) fin = TrasPaso(b, para, kAguaTrasPasos[static_cast<std::size_t>(para)]);
    assert(Iguales(*fin, AsperjaPasoAPaso(b, tCon, dpv)));
    return *fin;
}

}  // namespace hortelia
