#include "results/exportacion.h"

#include "numeros/conversiones.h"
#include "results/textos_resumen.h"

namespace hortelia {
ControlDeHora ControlMostrado(const Escenario& e, int h) {
    if (e.TempSinControl(h) < e.TMinTol.valor()) return ControlDeHora::Calefaccion;
    if (e.TempSinControl(h) > e.TMaxTol.valor()) return ControlDeHora::Refrigeracion;
    return ControlDeHora::Ninguno;
}

std::vector<std::string> LineasResumen(const TextosResumen& t) {
    return {t.tipoTecho,
            t.dobleTecho,
            t.material,
            t.mantenimiento,
            t.suelo,
            t.superficie,
            t.volumen,
            t.ventanas,
            t.cenital,
            t.poderCalorico,
            t.eficiencia,
            "Temp. " + t.tMax,
            "Temp. " + t.tMin,
            "H.rel. " + t.hrMax,
            "H.rel. " + t.hrMin,
            t.latitud,
            t.fecha,
            t.maxTol,
            t.minTol,
            t.iaf};
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

std::string TextoPlanilla(const Escenario& e, const TextosResumen& resumen) {
    std::string out = "Planilla de resultados\n";
    for (const std::string& l : LineasResumen(resumen)) out += l + "\n";
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
    // Each total under its own column, as on the sheet: fuel, water, Etr, Etp.
    const std::vector<std::string> totales = CeldasTotales(e);
    std::vector<std::string> celdas(TitulosColumnas().size());
    celdas[0] = "Totales";
    for (std::size_t i = 0; i < totales.size(); ++i) celdas[kColumnasTotales[i]] = totales[i];
    fila(celdas);
    return out;
}

}  // namespace hortelia
