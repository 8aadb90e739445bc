#include "scenario/escenario.h"
#include "weather/humedad.h"
#include "weather/radiacion.h"
#include "weather/temperatura.h"

#include <benchmark/benchmark.h>

using namespace hortelia;

static void BM_CalculaRadiacion(benchmark::State& st) {
    Escenario e;
    PonValoresIniciales(e);
    for (auto _ : st) {
        CalculaRadiacion(e);
        benchmark::DoNotOptimize(e.RadHora(12));
    }
}
BENCHMARK(BM_CalculaRadiacion);

static void BM_CalculaTemperaturaYHumedad(benchmark::State& st) {
    Escenario e;
    PonValoresIniciales(e);
    for (auto _ : st) {
        CalculaTemperatura(e);
        CalculaHumedad(e);
        benchmark::DoNotOptimize(e.HRHora(12));
    }
}
BENCHMARK(BM_CalculaTemperaturaYHumedad);
