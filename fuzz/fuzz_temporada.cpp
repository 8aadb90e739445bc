// Fuzz target: a whole season on any climate file the reader takes, over at most its first 40
// days (a season is a day's run per day; more days find nothing new, only slower). The season
// runs or says why; when it runs, its months add up to its days, it names no more missing days
// than it counts, and its text, its words for a window and its workbook are made.

#include "engine/temporada.h"
#include "engine/valores_iniciales.h"
#include "greenhouse/geometria.h"
#include "results/informe_temporada.h"
#include "weather/tabla_clima.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

using namespace hortelia;

// A tunnel with a double roof that heats below 8 °C and sprays above 28 °C.
Escenario Tunel() {
    Escenario e;
    PonValoresIniciales(e);
    e.TipoTecho = 3;
    e.DobleTecho = 1;
    if (!AceptaDimensiones(e, {7, 40, 1.5, 5, 1}).empty()) std::abort();
    e.MatCobertura = Variante::Entero(2);
    e.Mantenimiento = Variante::Entero(1);
    e.Cenital = 1;
    e.TMinTol = Variante::Entero(8);
    e.TMaxTol = Variante::Entero(28);
    return e;
}

void CompruebaTemporada(const Temporada& t) {
    int dias = 0;
    for (const PeriodoTemporada& m : t.meses) dias += m.dias;
    if (dias != t.total.dias || static_cast<std::size_t>(dias) != t.dias.size()) std::abort();
    if (t.diasSinDatos < 0 || t.faltantes.size() > kFaltantesNombrados ||
        t.faltantes.size() > static_cast<std::size_t>(t.diasSinDatos))
        std::abort();
    if (t.diasSinDatos > 0 && t.faltantes.empty()) std::abort();
    for (std::size_t k = 1; k < t.faltantes.size() && TieneAnio(t.tipo); ++k)
        if (!(t.faltantes[k - 1] < t.faltantes[k])) std::abort();
    if (!std::isfinite(t.total.combustible) || !std::isfinite(t.total.agua) || !(t.total.combustible >= 0))
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
    static const Escenario escenario = Tunel();
    const ResultadoTablaClima leida = LeeTablaClima(std::string_view(reinterpret_cast<const char*>(datos), n));
    if (!leida.ok) return 0;
    const TablaClima& tabla = leida.tabla;
    OpcionesTemporada opciones;
    opciones.desde = PrimerDia(tabla);
    Fecha hasta = *opciones.desde;
    for (int k = 0; k < 39 && hasta != UltimoDia(tabla); ++k) hasta = DiaSiguiente(hasta);
    opciones.hasta = hasta;
    opciones.precios.combustible = 1.25;
    const ResultadoTemporada r = SimulaTemporada(escenario, tabla, opciones);
    if (!r.ok) {
        if (r.mensaje.empty()) std::abort();
        return 0;
    }
    CompruebaTemporada(r.temporada);
    if (TextoTemporada(r.temporada, "tunel.hrt", "clima.csv").find("\nDiasFaltantes\t") == std::string::npos)
        std::abort();
    (void)DiasFaltantesEnPalabras(r.temporada);
    (void)HojaTemporada(r.temporada, "tunel.hrt", "clima.csv");
    return 0;
}
