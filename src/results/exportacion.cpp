#include "results/exportacion.h"

#include "numeros/conversiones.h"
#include "results/textos_resumen.h"

namespace hortelia {
namespace {

// A loaded caption, or the label's start caption when the record holds no listed code.
std::string O(const std::string& texto, const char* inicial) { return texto.empty() ? inicial : texto; }

}  // namespace

ControlDeHora ControlMostrado(const Escenario& e, int h) {
    if (e.TempSinControl(h) < e.TMinTol.valor()) return ControlDeHora::Calefaccion;
    if (e.TempSinControl(h) > e.TMaxTol.valor()) return ControlDeHora::Refrigeracion;
    return ControlDeHora::Ninguno;
}

std::vector<std::string> LineasResumen(const Escenario& e) {
    const TextosCarga t = TextosDeCarga(e, e.SueloCubierto.valor() > 0);
    return {O(t.LTTecho, "Tipo de techo: A dos aguas "),
            O(t.LDTecho, "Doble techo:    No"),
            O(t.LCobertura, "Mat. cobertura: "),
            t.LManten,
            O(t.LDSuecub, "Suelo cubierto = "),
            O(t.LDSupinv, "Superficie inv. ="),
            O(t.LDVolinv, "Volumen inv.   ="),
            t.LVentanas,
            O(t.LCenital, "Cenital:"),
            t.LPoCal,
            t.LEfic,
            "Temp. " + t.LFTMax,
            "Temp. " + t.LFTMin,
            "H.rel. " + t.LFHRMax,
            "H.rel. " + t.LFHRMin,
            t.LLat,
            O(t.LFecha, "Fecha:"),
            t.LMaxTol,
            t.LMinTol,
            t.Liaf};
}

const std::vector<std::string>& TitulosColumnas() {
    static const std::vector<std::string> titulos{
        "Hora",           "Temperat. (°C)",    "Humedad rel. (%)", "Viento (m/s)",     "Radiac. (w/m2)",
        "Nub. (octavos)", "Temp. s/control",   "Temp. c/control",  "Humedad relativa", "Renovac. aire",
        "Calefacc.",      "Refriger. (l H2O)", "Ventilac. (m2)",   "Evt relat. (mm)",  "Evt pot. (mm)"};
    return titulos;
}

std::vector<std::string> CeldasHora(const Escenario& e, int h) {
    const ControlDeHora c = ControlMostrado(e, h);
    const std::string control = NumeroATexto(e.ControlHora(h));
    return {NumeroATexto(h),
            NumeroATexto(e.TempHora(h)),
            NumeroATexto(e.HRHora(h)),
            NumeroATexto(e.VtoHora(h)),
            NumeroATexto(e.RadHora(h)),
            NumeroATexto(e.NubHora(h)),
            NumeroATexto(e.TempSinControl(h)),
            NumeroATexto(e.TempConControl(h)),
            NumeroATexto(e.HRInterior(h)),
            NumeroATexto(e.RenovHora(h)),
            c == ControlDeHora::Calefaccion ? control : "",
            c == ControlDeHora::Refrigeracion ? control : "",
            NumeroATexto(e.AreaVentHora(h)),
            NumeroATexto(e.EtrHora(h)),
            NumeroATexto(e.EtpHora(h))};
}

std::vector<std::string> CeldasTotales(const Escenario& e) {
    return {NumeroATexto(e.AcumComb), NumeroATexto(e.AcumAgua), NumeroATexto(e.AcumEtr), NumeroATexto(e.AcumEtp)};
}

std::string TextoPlanilla(const Escenario& e) {
    std::string out = "Planilla de resultados\n";
    for (const std::string& l : LineasResumen(e)) out += l + "\n";
    out += "\n";
    // Cells as the sheet shows them, without the blank that number-to-text puts first.
    auto fila = [&out](const std::vector<std::string>& celdas) {
        for (std::size_t i = 0; i < celdas.size(); ++i) {
            const std::string& c = celdas[i];
            out += (i ? "\t" : "") + (!c.empty() && c[0] == ' ' ? c.substr(1) : c);
        }
        out += "\n";
    };
    fila(TitulosColumnas());
    for (int h = 1; h <= 24; ++h) fila(CeldasHora(e, h));
    std::vector<std::string> totales = CeldasTotales(e);
    totales.insert(totales.begin(), "Totales");
    fila(totales);
    return out;
}

}  // namespace hortelia
