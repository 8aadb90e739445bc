#include "results/exportacion.h"

#include "greenhouse/conversiones.h"
#include "scenario/textos_carga.h"

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

std::string TextoPlanilla(const Escenario& e) {
    std::string out = "Planilla de resultados\n";
    for (const std::string& l : LineasResumen(e)) out += l + "\n";
    out += "\n";
    auto fila = [&out](const std::vector<std::string>& celdas) {
        for (std::size_t i = 0; i < celdas.size(); ++i) out += (i ? "\t" : "") + celdas[i];
        out += "\n";
    };
    fila(TitulosColumnas());
    for (int h = 1; h <= 24; ++h) {
        const ControlDeHora c = ControlMostrado(e, h);
        const std::string control = NumeroSinBlanco(e.ControlHora(h));
        fila({std::to_string(h), NumeroSinBlanco(e.TempHora(h)), NumeroSinBlanco(e.HRHora(h)),
              NumeroSinBlanco(e.VtoHora(h)), NumeroSinBlanco(e.RadHora(h)), NumeroSinBlanco(e.NubHora(h)),
              NumeroSinBlanco(e.TempSinControl(h)), NumeroSinBlanco(e.TempConControl(h)),
              NumeroSinBlanco(e.HRInterior(h)), NumeroSinBlanco(e.RenovHora(h)),
              c == ControlDeHora::Calefaccion ? control : "", c == ControlDeHora::Refrigeracion ? control : "",
              NumeroSinBlanco(e.AreaVentHora(h)), NumeroSinBlanco(e.EtrHora(h)), NumeroSinBlanco(e.EtpHora(h))});
    }
    fila({"Totales", NumeroSinBlanco(e.AcumComb), NumeroSinBlanco(e.AcumAgua), NumeroSinBlanco(e.AcumEtr),
          NumeroSinBlanco(e.AcumEtp)});
    return out;
}

}  // namespace hortelia
