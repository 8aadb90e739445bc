#include "results/textos_resumen.h"

#include "numeros/conversiones.h"
#include "scenario/catalogo.h"

namespace hortelia {

std::string TextoTipoTecho(int tipo) {
    const auto techo = TechoDeCodigo(tipo);
    return techo ? "Tipo de techo: " + std::string(NombreTecho(*techo)) : std::string();
}

std::string TextoMaterialCarga(double material) {
    const auto m = MaterialDeCodigo(material);
    return m ? "Mat. cobertura: " + std::string(NombreMaterialCorto(*m)) : std::string();
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
    if (!e.MatCobertura.vacia()) t.LCobertura = TextoMaterialCarga(e.MatCobertura.valor());
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

void AplicaCarga(TextosResumen& t, const Escenario& e, bool geometriaValida) {
    const TextosCarga c = TextosDeCarga(e, geometriaValida);
    const std::pair<std::string*, const std::string*> pares[] = {
        {&t.tipoTecho, &c.LTTecho},   {&t.dobleTecho, &c.LDTecho},
        {&t.material, &c.LCobertura}, {&t.mantenimiento, &c.LManten},
        {&t.suelo, &c.LDSuecub},      {&t.superficie, &c.LDSupinv},
        {&t.volumen, &c.LDVolinv},    {&t.ventanas, &c.LVentanas},
        {&t.cenital, &c.LCenital},    {&t.poderCalorico, &c.LPoCal},
        {&t.eficiencia, &c.LEfic},    {&t.tMax, &c.LFTMax},
        {&t.tMin, &c.LFTMin},         {&t.hrMax, &c.LFHRMax},
        {&t.hrMin, &c.LFHRMin},       {&t.latitud, &c.LLat},
        {&t.fecha, &c.LFecha},        {&t.maxTol, &c.LMaxTol},
        {&t.minTol, &c.LMinTol},      {&t.iaf, &c.Liaf}};
    for (const auto& [destino, texto] : pares)
        if (!texto->empty()) *destino = *texto;
}

}  // namespace hortelia
