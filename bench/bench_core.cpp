// Figures for the core: a whole day, the spray of one hot hour, each weather model, load + run +
// export, and a season.

#include "engine/aspersion.h"
#include "engine/carga_escenario.h"
#include "engine/simula_dia.h"
#include "engine/temporada.h"
#include "engine/valores_iniciales.h"
#include "greenhouse/geometria.h"
#include "results/exportacion.h"
#include "weather/humedad.h"
#include "weather/radiacion.h"
#include "weather/tabla_clima.h"
#include "weather/temperatura.h"

#include <benchmark/benchmark.h>

using namespace hortelia;

namespace {

Escenario Inicial() {
    Escenario e;
    PonValoresIniciales(e);
    AceptaDimensiones(e, {8, 30, 1.5, 3.8, 1});
    e.MatCobertura = Variante::Entero(1);
    e.Cenital = 1;
    return e;
}

// A hot, dry day: spray in most daylight hours.
Escenario DiaCaluroso() {
    Escenario e = Inicial();
    e.TMax = Variante::Entero(45);
    e.TMin = Variante::Entero(25);
    e.HRMax = Variante::Entero(40);
    e.HRMin = Variante::Entero(10);
    e.TMaxTol = Variante::Entero(28);
    CalculaTemperatura(e);
    CalculaHumedad(e);
    return e;
}

void SimulaDiaDe(benchmark::State& st, Escenario e) {
    for (auto _ : st) {
        ResultadoDia r = SimulaDia(e);
        benchmark::DoNotOptimize(r);
    }
    int horas = 0;
    for (int h = 1; h <= 24; ++h) horas += e.ControlPorM2(h) > 0;
    st.counters["horas_con_control"] = horas;
}

}  // namespace

static void BM_SimulaDia_Inicial(benchmark::State& st) { SimulaDiaDe(st, Inicial()); }
BENCHMARK(BM_SimulaDia_Inicial)->Unit(benchmark::kMicrosecond);

static void BM_SimulaDia_Caluroso(benchmark::State& st) { SimulaDiaDe(st, DiaCaluroso()); }
BENCHMARK(BM_SimulaDia_Caluroso)->Unit(benchmark::kMicrosecond);

// ---- the spray of one hot hour: by bisection, and step by step ----

namespace {

// A dry afternoon hour of 36.1 °C outside, 40.8 °C inside without control, taken from a random
// day; with a tolerable maximum of 23 °C the spray runs its 200 steps.
BalanceAspersion HoraDeAspersion() {
    BalanceAspersion b;
    b.tempExt = 36.1;
    b.pvExt = 2637.1008162508792;
    b.aporte = 378.06772511955984;
    b.den = 79.842201257024129;
    b.radInt = 657.345;
    b.intercambio = 54.613313511708796;
    b.lVent = 0.7042687144508466;
    b.calorLatente = 2500;
    b.tMax = 23;
    return b;
}
constexpr float kTSinAspersion = 40.8F;
constexpr double kDpvAspersion = 4264.7717489565766;

// The same hour with the tolerable maximum at which it stops after `pasos` steps (0: not hot).
BalanceAspersion HoraDe(int pasos) {
    BalanceAspersion b = HoraDeAspersion();
    if (pasos == kPasosAspersionMaximos) return b;
    for (b.tMax = kTSinAspersion; b.tMax > b.tempExt; b.tMax -= 0.001)
        if (AsperjaPasoAPaso(b, kTSinAspersion, kDpvAspersion).pasos >= pasos) break;
    return b;
}

void AspersionDe(benchmark::State& st, Aspersion (*asperja)(const BalanceAspersion&, float, double)) {
    const int pasos = static_cast<int>(st.range(0));
    const BalanceAspersion b = HoraDe(pasos);
    if (AsperjaPasoAPaso(b, kTSinAspersion, kDpvAspersion).pasos != pasos) st.SkipWithError("no such hour");
    for (auto _ : st) {
        Aspersion a = asperja(b, kTSinAspersion, kDpvAspersion);
        benchmark::DoNotOptimize(a);
    }
}

}  // namespace

static void BM_Aspersion(benchmark::State& st) { AspersionDe(st, Asperja); }
BENCHMARK(BM_Aspersion)->Arg(0)->Arg(50)->Arg(100)->Arg(200)->Unit(benchmark::kNanosecond);

static void BM_AspersionPasoAPaso(benchmark::State& st) { AspersionDe(st, AsperjaPasoAPaso); }
BENCHMARK(BM_AspersionPasoAPaso)->Arg(0)->Arg(50)->Arg(100)->Arg(200)->Unit(benchmark::kNanosecond);

static void BM_CalculaRadiacion(benchmark::State& st) {
    Escenario e = Inicial();
    for (auto _ : st) {
        CalculaRadiacion(e);
        benchmark::DoNotOptimize(e.RadHora(12));
    }
}
BENCHMARK(BM_CalculaRadiacion)->Unit(benchmark::kMicrosecond);

static void BM_CalculaTemperatura(benchmark::State& st) {
    Escenario e = Inicial();
    for (auto _ : st) {
        CalculaTemperatura(e);
        benchmark::DoNotOptimize(e.TempHora(12));
    }
}
BENCHMARK(BM_CalculaTemperatura)->Unit(benchmark::kMicrosecond);

static void BM_CalculaHumedad(benchmark::State& st) {
    Escenario e = Inicial();
    for (auto _ : st) {
        CalculaHumedad(e);
        benchmark::DoNotOptimize(e.HRHora(12));
    }
}
BENCHMARK(BM_CalculaHumedad)->Unit(benchmark::kMicrosecond);

static void BM_CargaSimulaExporta(benchmark::State& st) {
    const std::string archivo = TextoEscenario(Inicial());
    for (auto _ : st) {
        Escenario e;
        PonValoresIniciales(e);
        CargaTextoEscenario(archivo, e);
        SimulaDia(e);
        std::string texto = TextoPlanilla(e, {});
        benchmark::DoNotOptimize(texto);
    }
}
BENCHMARK(BM_CargaSimulaExporta)->Unit(benchmark::kMicrosecond);

// ---- a whole season: 365 days from monthly normals ----

namespace {

Escenario TunelDeEjemplo() {
    Escenario e;
    PonValoresIniciales(e);
    CargaEscenario(std::string(HORTELIA_EJEMPLOS) + "/tunel_doble.hrt", e);
    return e;
}

// Normals of a hot site: summer maxima of 40 °C, dry afternoons; the tunnel sprays above 30 °C.
TablaClima NormalesCalurosas() {
    std::string t = "mes,tmax,tmin,hrmax,hrmin,nubosidad,viento\n";
    const double maximas[] = {40, 39, 36, 31, 27, 24, 23, 26, 29, 33, 37, 39.5};
    for (int m = 1; m <= 12; ++m)
        t += std::to_string(m) + "," + std::to_string(maximas[m - 1]) + "," + std::to_string(maximas[m - 1] - 16) +
             ",80,25,1,10\n";
    return LeeTablaClima(t).tabla;
}

void TemporadaDe(benchmark::State& st, const Escenario& e, const TablaClima& tabla) {
    int horasRiego = 0, horasCalor = 0;
    for (auto _ : st) {
        ResultadoTemporada r = SimulaTemporada(e, tabla);
        horasRiego = r.temporada.total.horasRefrigeracion;
        horasCalor = r.temporada.total.horasCalefaccion;
        benchmark::DoNotOptimize(r);
    }
    st.counters["horas_aspersion"] = horasRiego;
    st.counters["horas_calefaccion"] = horasCalor;
}

}  // namespace

static void BM_Temporada_NormalesEjemplo(benchmark::State& st) {
    TemporadaDe(st, TunelDeEjemplo(), CargaTablaClima(std::string(HORTELIA_EJEMPLOS) + "/clima_normales.csv").tabla);
}
BENCHMARK(BM_Temporada_NormalesEjemplo)->Unit(benchmark::kMillisecond);

static void BM_Temporada_Calurosa(benchmark::State& st) { TemporadaDe(st, TunelDeEjemplo(), NormalesCalurosas()); }
BENCHMARK(BM_Temporada_Calurosa)->Unit(benchmark::kMillisecond);
