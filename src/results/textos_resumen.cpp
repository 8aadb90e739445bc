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
    t.tipoTecho = TextoTipoTecho(e.TipoTecho);
    if (e.DobleTecho == 1) t.dobleTecho = "Doble techo:   Si";
    if (e.DobleTecho == 0) t.dobleTecho = "Doble techo:   No";
    if (geometriaValida) {
        t.suelo = Caption("Suelo cubierto =", e.SueloCubierto, " m2");
        t.superficie = Caption("Sup. cobertura  =", e.SupCobertura, " m2");
        t.volumen = Caption("Volumen invern. =", e.Volumen, " m3");
    }
    if (!e.MatCobertura.vacia()) t.material = TextoMaterialCarga(e.MatCobertura.valor());
    t.mantenimiento = Caption("Mantenimiento= ", e.RenovAire, " l/h");
    t.ventanas = Caption("Ventanas = ", e.SupVentanas, " m2");
    if (e.Cenital == 1) t.cenital = "Cenital: Abierta";
    if (e.Cenital == 0) t.cenital = "Cenital: Cerrada";
    t.poderCalorico = Caption("P.Calórico = ", e.PoderCalorico);
    t.eficiencia = Caption("Eficiencia = ", e.Eficiencia, " %");
    t.maxTol = Caption("Máxima tolerable= ", e.TMaxTol, " C");
    t.minTol = Caption("Mínima tolerable= ", e.TMinTol, " C");
    t.iaf = Caption("Índice de área foliar= ", e.IAF);
    t.tMax = Caption("Máxima= ", e.TMax, " C");
    t.tMin = Caption("Mínima= ", e.TMin, " C");
    t.hrMax = Caption("Máxima= ", e.HRMax, " %");
    t.hrMin = Caption("Mínima= ", e.HRMin, " %");
    t.latitud = Caption("Latitud= ", e.Latitud, "°");
    if (e.Mes >= 1 && e.Mes <= 12) t.fecha = Caption("Fecha: ", e.Dia) + " de " + NombreMes(e.Mes);
    return t;
}

void AplicaCarga(TextosResumen& t, const Escenario& e, bool geometriaValida) {
    const TextosCarga c = TextosDeCarga(e, geometriaValida);
    const std::pair<std::string*, const std::string*> pares[] = {{&t.tipoTecho, &c.tipoTecho},
                                                                 {&t.dobleTecho, &c.dobleTecho},
                                                                 {&t.material, &c.material},
                                                                 {&t.mantenimiento, &c.mantenimiento},
                                                                 {&t.suelo, &c.suelo},
                                                                 {&t.superficie, &c.superficie},
                                                                 {&t.volumen, &c.volumen},
                                                                 {&t.ventanas, &c.ventanas},
                                                                 {&t.cenital, &c.cenital},
                                                                 {&t.poderCalorico, &c.poderCalorico},
                                                                 {&t.eficiencia, &c.eficiencia},
                                                                 {&t.tMax, &c.tMax},
                                                                 {&t.tMin, &c.tMin},
                                                                 {&t.hrMax, &c.hrMax},
                                                                 {&t.hrMin, &c.hrMin},
                                                                 {&t.latitud, &c.latitud},
                                                                 {&t.fecha, &c.fecha},
                                                                 {&t.maxTol, &c.maxTol},
                                                                 {&t.minTol, &c.minTol},
                                                                 {&t.iaf, &c.iaf}};
    for (const auto& [destino, texto] : pares)
        if (!texto->empty()) *destino = *texto;
}

}  // namespace hortelia
