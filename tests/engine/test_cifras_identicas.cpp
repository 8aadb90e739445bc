// The day's figures, bit for bit, against the whole-hour model as it was written before the day
// was made faster: that code is kept here, untouched in its arithmetic, as the oracle. Random
// valid scenarios and days, with heating, spray and quiet hours, each figure and total compared.

#include "engine/aspersion.h"
#include "engine/recalcula_clima.h"
#include "engine/simula_dia.h"
#include "engine/valores_iniciales.h"
#include "greenhouse/geometria.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

using namespace hortelia;

namespace oraculo {

double Cortar(double x, int decimales) {
    const double p = std::pow(10.0, decimales);
    return std::floor(x * p) / p;
}

float CortarSimple(float x, int decimales) {
    const float p = static_cast<float>(std::pow(10.0, decimales));
    const float escalado = x * p;
    return std::floor(escalado) / p;
}

double RenovacionFugas(const Escenario& e, double viento) {
    const double material = e.MatCobertura.valor();
    double k = 0;
    if (material == 1) k = 0.43;
    else if (material == 2) k = 0.05;
    else if (material == 3) k = 0.1;
    else return 0;
    return e.RenovAire + k * viento;
}

double PresSat(double t) { return 98700 * std::pow(10, 9 - 2272.005 / (t + 273)) / 760; }

double PendSat(double t) { return 129.86 * (std::pow(10, 9 - 2272 / (t + 273)) * 2272 / std::pow(t + 273, 2)) / 0.43; }

double DemandaCalefaccion(const Escenario& e, double tempExt, double viento, double nubosidad) {
    const double suelo = e.SueloCubierto.valor();
    const double tMin = e.TMinTol.valor();
    double kc;
    if (e.MatCobertura.valor() == 1) kc = 4.04 + 0.65 * viento;
    else if (e.DobleTecho == 0) kc = 4.76 + 0.52 * viento;
    else kc = 3.7 + 0.25 * viento;
    double qCob = kc * (tMin - tempExt) / 1.39 * e.SupCobertura.valor() / suelo;
    qCob = qCob / (nubosidad * 0.02 + 1);
    const double qFugas =
        RenovacionFugas(e, viento) * static_cast<double>(e.Volumen) / suelo * 1.24 * 964.52 * (tMin - tempExt) / 3600;
    return std::max(0.0, qCob + qFugas);
}

// What the control and the transpiration take from the balance without control.
struct Hora {
    double tempExt, nub, viento, suelo, tMax, tMin, densAire, calEspAire, calorLatente;
    double radInt, radNeta, pvExt, facRad, facDpv, hVent, ucob, lVent, den, aporte, tSin, dpvInt;
};

Hora SinControl(Escenario& e, int h) {
    if (e.AreaVentHora(h).valor() <= 0) e.AreaVentHora(h) = Variante::Doble(0.001);
    Hora x{};
    x.tempExt = e.TempHora(h).valor();
    const double hrExt = e.HRHora(h);
    const double rad = e.RadHora(h).valor();
    x.nub = e.NubHora(h);
    x.viento = e.VtoHora(h).valor();
    const double areaVent = e.AreaVentHora(h).valor();
    x.suelo = e.SueloCubierto.valor();
    const double suelo = x.suelo, cobertura = e.SupCobertura.valor(), volumen = e.Volumen, viento = x.viento;
    const bool doble = e.DobleTecho != 0;
    x.tMax = e.TMaxTol.valor();
    x.tMin = e.TMinTol.valor();
    const double iaf = e.IAF;
    x.densAire = e.DensAire.valor();
    x.calEspAire = e.CalEspAire.valor();
    x.calorLatente = e.CalorLatente;
    x.radInt = rad * (doble ? 0.6 : 0.65);
    x.radNeta = rad * (doble ? 0.55 : 0.65) * 0.96;
    const double psExt = PresSat(x.tempExt);
    x.pvExt = psExt * hrExt / 100;
    const double dpvExt = psExt - x.pvExt;
    x.facRad = 0.154 * std::log(1.1 * std::pow(iaf, 1.13) + 1);
    x.facDpv = (1.65 * iaf) * (1 - 0.56 * std::pow(2.71, -x.radInt / 13)) / 66;
    const double vtoVent = viento < 1 ? 1 : viento;
    double nVent = 0.475 * areaVent / suelo / 2 * std::pow(0.2, 0.5);
    if (e.Cenital == 1) nVent = nVent * vtoVent;
    nVent = nVent * 3600 * suelo / volumen;
    const double nFugas = RenovacionFugas(e, viento);
    const double renov = nVent < nFugas ? nFugas : nVent;
    x.ucob = (doble ? 4 + 0.2 * viento : 6 + 0.5 * viento) / 1.39 * cobertura / suelo;
    x.hVent = x.densAire * x.calEspAire * volumen * renov / 3600 / suelo;
    x.lVent = 0.00625 * x.densAire * x.calorLatente * volumen * renov / (3600 * suelo);
    const double pendExt = PendSat(x.tempExt);
    x.den = x.facDpv * pendExt + (x.facDpv + x.lVent) * (x.hVent + x.ucob) / x.lVent;
    x.aporte = x.radInt * (x.facDpv + x.lVent) / x.lVent - x.facDpv * dpvExt - x.radNeta * x.facRad;
    const double difT = x.aporte / x.den;
    const double difPv = (x.radInt - difT * (x.hVent + x.ucob)) / x.lVent;
    x.tSin = Cortar(x.tempExt + difT, 1);
    e.TempSinControl(h) = x.tSin;
    const double psInt = PresSat(x.tSin);
    const double pvInt = x.pvExt + difPv;
    const double hr = pvInt * 100 / psInt;
    x.dpvInt = psInt - pvInt;
    if (x.dpvInt < 0) x.dpvInt = 0;
    double hrInterior = Cortar(hr, 1);
    if (hrInterior > 100) hrInterior = 100;
    if (hrInterior < 0) hrInterior = 0;
    e.HRInterior(h) = hrInterior;
    e.RenovHora(h) = CortarSimple(static_cast<float>(renov), 1);
    return x;
}

void SimulaHora(Escenario& e, int h) {
    const Hora x = SinControl(e, h);
    float tCon = static_cast<float>(x.tSin);
    double dpv = x.dpvInt;
    if (x.tSin > x.tMax && x.dpvInt > 0) {
        double agua = 0, hrc = 0;
        while (dpv > 0 && tCon > x.tMax && agua < 1) {
            agua += 0.005;
            const double qEvap = agua * x.calorLatente / 3.6;
            const double difTc = (x.aporte - qEvap) / x.den;
            const double difPvc = (x.radInt - difTc * (x.hVent + x.ucob)) / x.lVent;
            tCon = static_cast<float>(x.tempExt + difTc);
            const double psC = PresSat(tCon);
            const double pvC = x.pvExt + difPvc;
            hrc = pvC * 100 / psC;
            dpv = psC - pvC;
        }
        if (hrc > 100) hrc = 100;
        e.HRInterior(h) = Cortar(hrc, 1);
        e.ControlPorM2(h) = agua;
        e.ControlHora(h) = static_cast<float>(agua * x.suelo);
        e.AcumAgua += e.ControlHora(h);
    } else if (x.tSin < x.tMin) {
        const double q = DemandaCalefaccion(e, x.tempExt, x.viento, x.nub);
        const double qHora = q / 4.17 * 3.6;
        const double qBruto = qHora / e.Eficiencia * 100;
        const double comb = Cortar(qBruto / e.PoderCalorico * 4.17, 3);
        const double combTotal = Cortar(comb * x.suelo, 3);
        tCon = static_cast<float>(x.tMin);
        e.DemandaCalor(h) = q;
        e.ControlPorM2(h) = comb;
        e.ControlHora(h) = static_cast<float>(combTotal);
        e.AcumComb += e.ControlHora(h);
    }
    e.TempConControl(h) = CortarSimple(tCon, 1);
    double etr = Cortar(3.6 * (x.radNeta * x.facRad + dpv * x.facDpv) / x.calorLatente, 2);
    if (etr < 0) etr = 0;
    e.EtrHora(h) = etr;
    e.AcumEtr = Cortar(e.AcumEtr + etr, 2);
    const double pendC = PendSat(e.TempConControl(h));
    const float etp = static_cast<float>(
        3.6 * (pendC * x.radNeta / 1000 + x.densAire * x.calEspAire * dpv / 112000) / (pendC / 1000 + 0.066) /
        x.calorLatente);
    float etpCortada = CortarSimple(etp, 2);
    if (etpCortada < 0) etpCortada = 0;
    e.EtpHora(h) = etpCortada;
    e.AcumEtp = CortarSimple(e.AcumEtp + etpCortada, 2);
}

void SimulaDia(Escenario& e) {
    e.AcumAgua = 0;
    e.AcumComb = 0;
    e.AcumEtr = 0;
    e.AcumEtp = 0;
    for (int h = 1; h <= 24; ++h) {
        e.ControlPorM2(h) = 0;
        e.ControlHora(h) = 0;
        e.DemandaCalor(h) = 0;
        SimulaHora(e, h);
    }
}

}  // namespace oraculo

namespace {

// A scenario the panels could have made: any roof, cover and schedule, a hot or cold day.
Escenario Aleatorio(std::mt19937& g) {
    const auto u = [&](double a, double b) { return std::uniform_real_distribution<double>(a, b)(g); };
    const auto n = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(g); };
    const auto simple = [](double x) { return static_cast<float>(x); };
    Escenario e;
    PonValoresIniciales(e);
    e.TipoTecho = static_cast<std::int16_t>(n(1, 4));
    e.DobleTecho = static_cast<std::int16_t>(n(0, 1));
    const double ancho = u(3, 12), lateral = u(1.5, 4);
    EXPECT_EQ(AceptaDimensiones(e, {ancho, u(10, 100), lateral, lateral + u(0, 3), static_cast<double>(n(1, 6))}), "");
    e.MatCobertura = Variante::Entero(static_cast<std::int16_t>(n(1, 3)));
    e.RenovAire = simple(u(0.5, 6));
    e.Cenital = static_cast<std::int16_t>(n(0, 1));
    e.SupVentanas = simple(u(0, 80));
    for (int h = 1; h <= 24; ++h) e.AperturaHora(h) = n(0, 2) == 0 ? 0.0F : static_cast<float>(-n(1, 100));
    e.Eficiencia = simple(u(40, 100));
    e.PoderCalorico = simple(u(5000, 50000));
    e.TMaxTol = Variante::Entero(static_cast<std::int16_t>(n(15, 40)));
    e.TMinTol = Variante::Simple(simple(n(-50, 150) / 10.0));
    e.IAF = simple(u(0, 6));
    e.TMax = Variante::Simple(simple(n(0, 480) / 10.0));
    e.TMin = Variante::Simple(simple(e.TMax.valor() - n(30, 250) / 10.0));
    e.HRMax = Variante::Entero(static_cast<std::int16_t>(n(40, 100)));
    e.HRMin = Variante::Entero(static_cast<std::int16_t>(n(5, static_cast<int>(e.HRMax.valor()))));
    e.Latitud = Variante::Doble(u(0, 60));
    e.Hemisferio = Variante::Entero(static_cast<std::int16_t>(n(0, 1) == 0 ? -1 : 1));
    e.Dia = static_cast<std::int16_t>(n(1, 28));
    e.Mes = static_cast<std::int16_t>(n(1, 12));
    e.TipoNubes = static_cast<std::int16_t>(n(1, 3));
    for (int h = 1; h <= 24; ++h) {
        e.NubHora(h) = static_cast<float>(n(0, 8));
        e.VtoHoraKmh(h) = static_cast<float>(n(0, 60));
    }
    RecalculaClima(e);
    return e;
}

template <class T>
std::uint64_t Bits(T x) {
    if constexpr (sizeof(T) == 8) return std::bit_cast<std::uint64_t>(x);
    else return std::bit_cast<std::uint32_t>(x);
}

// Every figure the run writes, as bits: the hours, the window areas it floors, the totals.
std::vector<std::uint64_t> Cifras(const Escenario& e) {
    std::vector<std::uint64_t> c;
    for (int h = 1; h <= 24; ++h) {
        for (std::uint64_t b : {Bits(e.TempSinControl(h)), Bits(e.TempConControl(h)), Bits(e.HRInterior(h)),
                                Bits(e.RenovHora(h)), Bits(e.ControlPorM2(h)), Bits(e.ControlHora(h)),
                                Bits(e.EtrHora(h)), Bits(e.EtpHora(h)), Bits(e.DemandaCalor(h)),
                                Bits(e.AreaVentHora(h).valor()), static_cast<std::uint64_t>(e.AreaVentHora(h).tipo())})
            c.push_back(b);
    }
    for (std::uint64_t b : {Bits(e.AcumComb), Bits(e.AcumAgua), Bits(e.AcumEtr), Bits(e.AcumEtp)}) c.push_back(b);
    return c;
}

}  // namespace

TEST(CifrasIdenticas, TwoThousandRandomDaysGiveTheOldModelsFiguresBitForBit) {
    std::mt19937 g(20240519);
    int horasAspersion = 0, horasCalefaccion = 0, horasTopeAgua = 0;
    for (int caso = 0; caso < 2000; ++caso) {
        const Escenario inicial = Aleatorio(g);
        Escenario viejo = inicial, nuevo = inicial;
        oraculo::SimulaDia(viejo);
        ASSERT_TRUE(SimulaDia(nuevo).ok) << "caso " << caso;
        ASSERT_EQ(Cifras(nuevo), Cifras(viejo)) << "caso " << caso;
        for (int h = 1; h <= 24; ++h) {
            const bool riega = viejo.TempSinControl(h) > viejo.TMaxTol.valor() && viejo.ControlPorM2(h) > 0;
            horasAspersion += riega;
            horasTopeAgua += riega && viejo.ControlPorM2(h) > 1;
            horasCalefaccion += viejo.DemandaCalor(h) > 0;
        }
    }
    // The days reach every branch: many spray hours, some of them stopped by the 200-step cap.
    EXPECT_GT(horasAspersion, 10000);
    EXPECT_GT(horasTopeAgua, 300);
    EXPECT_GT(horasCalefaccion, 5000);
}

// The spray's stopping step found by bisection against the plain loop, over balances the
// bisection must leave to the loop: where the steps need not cool and dry monotonically the loop
// itself runs, and the result is the same either way. The model's own hot hours, every stopping
// step up to the cap among them, are in the days above.
namespace {

auto BitsAspersion(const Aspersion& a) {
    return std::array<std::uint64_t, 5>{static_cast<std::uint64_t>(a.pasos), Bits(a.agua), Bits(a.tCon), Bits(a.hr),
                                        Bits(a.dpv)};
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
    b.pvExt = oraculo::PresSat(b.tempExt) * u(0, 1);
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
        ASSERT_EQ(BitsAspersion(Asperja(x.b, x.tCon, x.dpv)), BitsAspersion(paso)) << "hora " << i;
        ++porPasos[static_cast<std::size_t>(paso.pasos)];
    }
    // Every stopping step is reached, from the first to the cap.
    for (std::size_t k = 1; k < porPasos.size(); ++k) EXPECT_GT(porPasos[k], 0) << k << " pasos";
}

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
        EXPECT_EQ(BitsAspersion(Asperja(x.b, x.tCon, x.dpv)), BitsAspersion(AsperjaPasoAPaso(x.b, x.tCon, x.dpv)))
            << "hora " << i;
    }
}
