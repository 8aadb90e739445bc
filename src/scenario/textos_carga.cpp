#include "scenario/textos_carga.h"

#include "greenhouse/conversiones.h"

namespace hortelia {

std::string TextoTipoTecho(int tipo) {
    switch (tipo) {
    case 1: return "Tipo de techo: A dos aguas";
    case 2: return "Tipo de techo: Plano inclinado";
    case 3: return "Tipo de techo: Túnel";
    case 4: return "Tipo de techo: Parabólico";
    default: return {};
    }
}

std::string TextoMaterialCarga(int material) {
    switch (material) {
    case 1: return "Mat. cobertura: Vidrio";
    case 2: return "Mat. cobertura: Plástico 1er.año";
    case 3: return "Mat. cobertura: Plástico 2do.año";
    default: return {};
    }
}

TextosCarga TextosDeCarga(const Escenario& e, bool geometriaValida) {
    TextosCarga t;
    t.LTTecho = TextoTipoTecho(e.TipoTecho);
    if (e.DobleTecho == 1) t.LDTecho = "Doble techo:   Si";
    if (e.DobleTecho == 0) t.LDTecho = "Doble techo:   No";
    if (geometriaValida) {
        t.LDSuecub = Caption("Suelo cubierto =", e.SueloCubierto, " m2");
        t.LDSupinv = Caption("Sup. cobertura  =", e.SupCobertura, " m2");
        t.LDVolinv = Caption("Volumen invern. =", e.Volumen, " m3");
    }
    const double material = e.MatCobertura.valor();
    if (!e.MatCobertura.vacia() && material == static_cast<int>(material))
        t.LCobertura = TextoMaterialCarga(static_cast<int>(material));
    t.LManten = Caption("Mantenimiento= ", e.RenovAire, " l/h");
    t.LVentanas = Caption("Ventanas = ", e.SupVentanas, " m2");
    if (e.Cenital == 1) t.LCenital = "Cenital: Abierta";
    if (e.Cenital == 0) t.LCenital = "Cenital: Cerrada";
    t.LPoCal = Caption("P.Calórico = ", e.PoderCalorico);
    t.LEfic = Caption("Eficiencia = ", e.Eficiencia, " %");
    t.LMaxTol = Caption("Máxima tolerable= ", e.TMaxTol, " C");
    t.LMinTol = Caption("Mínima tolerable= ", e.TMinTol, " C");
    t.Liaf = Caption("Índice de área foliar= ", e.IAF);
    t.LFTMax = Caption("Máxima= ", e.TMax, " C");
    t.LFTMin = Caption("Mínima= ", e.TMin, " C");
    t.LFHRMax = Caption("Máxima= ", e.HRMax, " %");
    t.LFHRMin = Caption("Mínima= ", e.HRMin, " %");
    t.LLat = Caption("Latitud= ", e.Latitud, "°");
    if (e.Mes >= 1 && e.Mes <= 12) t.LFecha = Caption("Fecha: ", e.Dia) + " de " + NombreMes(e.Mes);
    return t;
}

}  // namespace hortelia
