#include "engine/simula_dia.h"

#include "engine/modelo_horario.h"
#include "numeros/conversiones.h"
#include "scenario/archivo_hrt.h"
#include "scenario/limites.h"

#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace hortelia {
namespace {

using HorasDia = std::array<ResultadoHora, 24>;

bool HoraFinita(const ResultadoHora& r) {
    const double valores[] = {r.tempSinControl, r.tempConControl, r.hrInterior, r.renov,
                              r.controlPorM2,   r.controlHora,    r.etr,        r.etp,
                              r.demandaCalor};
    for (double v : valores)
        if (!std::isfinite(v)) return false;
    return true;
}

/// The first hour whose results are not all finite: 1..24, 0 when every hour is.
int PrimeraHoraNoFinita(const HorasDia& horas) {
    for (int h = 1; h <= 24; ++h)
        if (!HoraFinita(horas[static_cast<std::size_t>(h - 1)])) return h;
    return 0;
}

bool TotalesFinitos(const TotalesDia& t) {
    return std::isfinite(t.comb) && std::isfinite(t.agua) && std::isfinite(t.etr) && std::isfinite(t.etp);
}

// The run's results into the record, with the window floor the hours were computed with.
void Escribe(Escenario& e, const HorasDia& horas, const TotalesDia& t) {
    for (int h = 1; h <= 24; ++h) {
        const ResultadoHora& r = horas[static_cast<std::size_t>(h - 1)];
        if (e.AreaVentHora(h).valor() <= 0) e.AreaVentHora(h) = Variante::Doble(kAreaVentMinima);
        e.TempSinControl(h) = r.tempSinControl;
        e.TempConControl(h) = r.tempConControl;
        e.HRInterior(h) = r.hrInterior;
        e.RenovHora(h) = r.renov;
        e.ControlPorM2(h) = r.controlPorM2;
        e.ControlHora(h) = r.controlHora;
        e.EtrHora(h) = r.etr;
        e.EtpHora(h) = r.etp;
        e.DemandaCalor(h) = r.demandaCalor;
    }
    e.AcumComb = t.comb;
    e.AcumAgua = t.agua;
    e.AcumEtr = t.etr;
    e.AcumEtp = t.etp;
}

// What the hourly model can take, beyond what MotivoNoSimulable already refuses.
constexpr Limite kIAF{0, 20, "índice de área foliar", {}};
constexpr Limite kEficiencia{1, 100, "eficiencia de la calefacción", "%"};
constexpr Limite kPoderCalorico{1, 200000, "poder calórico", {}};
constexpr Limite kRenovaciones{0, 1000, "renovación de aire por fugas", "por hora"};

double Valor(double v) { return v; }
double Valor(const Variante& v) { return v.valor(); }

/// The inputs of hour h that lie outside what the model can take, as phrases for a message:
/// "la temperatura exterior -300 está fuera de rango (de -90 a 70 °C)".
std::vector<std::string> EntradasFueraDeRango(const Escenario& e, int h) {
    std::vector<std::string> r;
    auto mira = [&](const char* que, auto v, const Limite& l) {
        if (!l.Admite(Valor(v)))
            r.push_back(std::string(que) + " " + NumeroSinBlanco(v) + " está fuera de rango (" + l.Rango() + ")");
    };
    auto positivo = [&](const char* que, auto v) {
        if (!(Valor(v) > 0) || !std::isfinite(Valor(v)))
            r.push_back(std::string(que) + " " + NumeroSinBlanco(v) + " debe ser mayor que 0");
    };
    using namespace limites;
    mira("la temperatura exterior", e.TempHora(h), kTemperatura);
    mira("la humedad relativa exterior", e.HRHora(h), kHumedad);
    mira("la radiación", e.RadHora(h), kRadiacion);
    mira("la nubosidad", e.NubHora(h), kNubosidad);
    mira("la velocidad del viento", e.VtoHora(h), kVientoMs);
    if (!(e.AreaVentHora(h).valor() <= e.SupCobertura.valor()))
        r.push_back("el área de ventanas abiertas " + NumeroSinBlanco(e.AreaVentHora(h)) +
                    " m² es mayor que la superficie de cobertura");
    mira("la temperatura máxima tolerable", e.TMaxTol, kTemperatura);
    mira("la temperatura mínima tolerable", e.TMinTol, kTemperatura);
    mira("el índice de área foliar", e.IAF, kIAF);
    mira("la renovación de aire por fugas", e.RenovAire, kRenovaciones);
    mira("la eficiencia de la calefacción", e.Eficiencia, kEficiencia);
    mira("el poder calórico del combustible", e.PoderCalorico, kPoderCalorico);
    positivo("la densidad del aire", e.DensAire);
    positivo("el calor específico del aire", e.CalEspAire);
    positivo("el calor latente", e.CalorLatente);
    return r;
}

/// Why the day's results came out not finite, naming the hour (0: only the totals) and the
/// inputs that caused it.
std::string MotivoNoFinito(const Escenario& e, int h) {
    if (h == 0)
        return "Los totales del día dan resultados fuera de rango (no numéricos); revise las dimensiones, la "
               "ventilación y la calefacción.";
    const std::vector<std::string> causas = EntradasFueraDeRango(e, h);
    std::string m = "Los datos de la hora " + std::to_string(h) + " dan resultados fuera de rango (no numéricos)";
    if (causas.empty()) return m + "; revise las dimensiones, la ventilación y la calefacción.";
    m += ": ";
    for (std::size_t i = 0; i < causas.size(); ++i) m += (i ? "; " : "") + causas[i];
    return m + ".";
}

}  // namespace

std::string MotivoNoSimulable(const Escenario& e) {
    if (!(e.SueloCubierto.valor() > 0))
        return "El suelo cubierto es 0: acepte las dimensiones del invernáculo antes de procesar.";
    if (!(e.Volumen > 0))
        return "El volumen del invernáculo es 0: acepte las dimensiones del invernáculo antes de procesar.";
    if (!(e.Eficiencia > 0)) return "La eficiencia del sistema de calefacción debe ser mayor que 0 %.";
    if (!(e.PoderCalorico > 0)) return "El poder calórico del combustible debe ser mayor que 0.";
    // Without a material the leaks would count as none.
    if (e.MatCobertura.vacia()) return "Acepte el panel de cobertura: el material de cobertura no está elegido.";
    if (!limites::kMaterial.Admite(e.MatCobertura.valor()))
        return "El material de cobertura " + NumeroSinBlanco(e.MatCobertura) + " no es válido (" +
               limites::kMaterial.Rango() + "): acepte el panel de cobertura.";
    return {};
}

ResultadoDia SimulaDia(Escenario& e) {
    ResultadoDia r;
    r.mensaje = MotivoNoSimulable(e);
    if (!r.mensaje.empty()) return r;

    const ConstantesDia d = ConstantesDelDia(e);
    HorasDia horas;
    TotalesDia totales;
    for (int h = 1; h <= 24; ++h) horas[static_cast<std::size_t>(h - 1)] = SimulaHora(d, e, h, totales);
    // Nothing is written before every result is known to be finite: a refused run leaves the
    // record exactly as it was.
    const int noFinita = PrimeraHoraNoFinita(horas);
    if (noFinita != 0 || !TotalesFinitos(totales)) {
        r.mensaje = MotivoNoFinito(e, noFinita);
        return r;
    }
    Escribe(e, horas, totales);
    r.ok = true;
    return r;
}

std::string HuellaEscenario(const Escenario& e) {
    Escenario copia = e;
    for (int h = 1; h <= 24; ++h)
        if (copia.AreaVentHora(h).valor() <= kAreaVentMinima) copia.AreaVentHora(h) = Variante::Entero(0);
    return TextoEscenario(copia);
}

HorasFueraDeRango CuentaHorasFueraDeRango(const Escenario& e) {
    HorasFueraDeRango horas;
    for (int h = 1; h <= 24; ++h) {
        const double t = e.TempConControl(h);
        if (t > e.TMaxTol.valor()) ++horas.sobreMaxima;
        if (t < e.TMinTol.valor()) ++horas.bajoMinima;
    }
    return horas;
}

}  // namespace hortelia
