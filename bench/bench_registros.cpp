// Figures for a season on hourly records: a whole typical year in EPW read and run on the
// example tunnel, in-process.

#include "engine/carga_escenario.h"
#include "engine/temporada.h"
#include "engine/valores_iniciales.h"
#include "weather/tabla_clima.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

using namespace hortelia;

namespace {

// A year of hours with a daily wave and a yearly one (southern hemisphere: cold in July), every
// figure inside the limits; the same shape bench/figuras.sh writes for the whole process.
std::string AnioEpw() {
    std::string s = "LOCATION,Banco de pruebas,x,x,x,0,-31.5,-60.7,-3,20\nDESIGN CONDITIONS,0\n";
    for (int k = 0; k < 6; ++k) s += "x\n";
    static constexpr int kDias[12]{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int n = 0;
    for (int mes = 1; mes <= 12; ++mes)
        for (int dia = 1; dia <= kDias[mes - 1]; ++dia, ++n)
            for (int h = 1; h <= 24; ++h) {
                const double t = 17 + 8 * std::cos(2 * M_PI * n / 365) + 6 * std::sin(2 * M_PI * (h - 9) / 24);
                const double rad = h < 8 || h > 18 ? 0 : 500 * std::sin(M_PI * (h - 7) / 12);
                char fila[200];
                std::snprintf(fila, sizeof fila,
                              "2005,%d,%d,%d,60,x,%.1f,5,%d,101300,0,0,0,%.0f,0,0,0,0,0,0,0,%.1f,%d\n", mes, dia, h, t,
                              70 + (h % 5) * 4, rad, 1 + (h % 7) * 0.8, h % 11);
                s += fila;
            }
    return s;
}

}  // namespace

static void BM_Temporada_AnioEpw(benchmark::State& st) {
    Escenario e;
    PonValoresIniciales(e);
    if (!CargaEscenario(std::string(HORTELIA_EJEMPLOS) + "/tunel_doble.hrt", e).ok) st.SkipWithError("ejemplo");
    const std::string texto = AnioEpw();
    for (auto _ : st) {
        const ResultadoTablaClima tabla = LeeTablaClima(texto);
        const ResultadoTemporada r = SimulaTemporada(e, tabla.tabla);
        if (!r.ok) st.SkipWithError(r.mensaje.c_str());
        benchmark::DoNotOptimize(r.temporada.total.combustible);
    }
}
BENCHMARK(BM_Temporada_AnioEpw)->Unit(benchmark::kMillisecond);

static void BM_LeeAnioEpw(benchmark::State& st) {
    const std::string texto = AnioEpw();
    for (auto _ : st) benchmark::DoNotOptimize(LeeTablaClima(texto).tabla.dias.size());
}
BENCHMARK(BM_LeeAnioEpw)->Unit(benchmark::kMillisecond);
