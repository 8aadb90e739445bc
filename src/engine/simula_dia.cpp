#include "engine/simula_dia.h"

#include "engine/modelo_horario.h"
#include "scenario/archivo_hrt.h"

#include <cmath>

namespace hortelia {
namespace {

bool ResultadosFinitos(const Escenario& e) {
    for (int h = 1; h <= 24; ++h) {
        const double valores[] = {e.TempSinControl(h), e.TempConControl(h), e.HRInterior(h), e.RenovHora(h),
                                  e.ControlPorM2(h),   e.ControlHora(h),    e.EtrHora(h),    e.EtpHora(h)};
        for (double v : valores)
            if (!std::isfinite(v)) return false;
    }
    return std::isfinite(e.AcumComb) && std::isfinite(e.AcumAgua) && std::isfinite(e.AcumEtr) &&
           std::isfinite(e.AcumEtp);
}

}  // namespace

std::string MotivoNoSimulable(const Escenario& e) {
    if (!(e.SueloCubierto.valor() > 0))
        return "El suelo cubierto es 0: acepte las dimensiones del invernáculo antes de procesar.";
    if (!(e.Volumen > 0))
        return "El volumen del invernáculo es 0: acepte las dimensiones del invernáculo antes de procesar.";
    if (!(e.Eficiencia > 0)) return "La eficiencia del sistema de calefacción debe ser mayor que 0 %.";
    if (!(e.PoderCalorico > 0)) return "El poder calórico del combustible debe ser mayor que 0.";
    return {};
}

ResultadoDia SimulaDia(Escenario& e) {
    ResultadoDia r;
    r.mensaje = MotivoNoSimulable(e);
    if (!r.mensaje.empty()) return r;

    // The day runs on a scratch copy, so a refused run leaves the record untouched.
    Escenario dia = e;
    dia.AcumAgua = 0;
    dia.AcumComb = 0;
    dia.AcumEtr = 0;
    dia.AcumEtp = 0;
    for (int h = 1; h <= 24; ++h) {
        dia.ControlPorM2(h) = 0;
        dia.ControlHora(h) = 0;
        SimulaHora(dia, h);
    }
    if (!ResultadosFinitos(dia)) {
        r.mensaje =
            "Los datos dan resultados fuera de rango (no numéricos); revise las dimensiones, la "
            "ventilación y la calefacción.";
        return r;
    }
    dia.HoraSel = 1;
    e = std::move(dia);
    r.ok = true;
    return r;
}

std::string HuellaEscenario(const Escenario& e) {
    Escenario copia = e;
    for (int h = 1; h <= 24; ++h)
        if (copia.AreaVentHora(h).valor() <= kAreaVentMinima) copia.AreaVentHora(h) = Variante::Entero(0);
    return TextoEscenario(copia);
}

}  // namespace hortelia
