#include "engine/figuras_temporada.h"

#include "engine/simula_dia.h"

#include <algorithm>
#include <limits>

namespace hortelia {

double CombustibleDeDemanda(const Escenario& e, double q) {
    // The day sheet's arithmetic, in its order, before it cuts to thousandths.
    const double qBruto = q / 4.17 * 3.6 / e.Eficiencia * 100;
    return qBruto / e.PoderCalorico * 4.17 * e.SueloCubierto.valor();
}

DiaTemporada FigurasDelDia(const Escenario& e, const Fecha& f, CifrasCombustible cifras) {
    DiaTemporada d;
    d.fecha = f;
    d.tmax = e.TMax;
    d.tmin = e.TMin;
    d.hrmax = e.HRMax;
    d.hrmin = e.HRMin;
    d.combustible = cifras == CifrasCombustible::Planilla ? e.AcumComb : 0;
    d.agua = e.AcumAgua;
    d.etr = e.AcumEtr;
    d.etp = e.AcumEtp;
    d.tempMinInterior = std::numeric_limits<float>::infinity();
    d.tempMaxInterior = -std::numeric_limits<float>::infinity();
    const double tMin = e.TMinTol.valor(), tMax = e.TMaxTol.valor();
    for (int h = 1; h <= 24; ++h) {
        d.nubosidad += e.NubHora(h);
        d.vientoKmh += e.VtoHoraKmh(h);
        d.tempMinInterior = std::min(d.tempMinInterior, e.TempConControl(h));
        d.tempMaxInterior = std::max(d.tempMaxInterior, e.TempConControl(h));
        if (e.TempSinControl(h) > tMax && e.ControlHora(h) > 0) ++d.horasRefrigeracion;
        if (cifras == CifrasCombustible::Demanda) {
            const double q = e.DemandaCalor(h);
            if (q > 0) {
                ++d.horasCalefaccion;
                d.combustible += CombustibleDeDemanda(e, q);
                d.potenciaPicoKw = std::max(d.potenciaPicoKw, q * e.SueloCubierto.valor() / 1000);
            }
        } else if (e.TempSinControl(h) < tMin && e.ControlHora(h) > 0) {
            ++d.horasCalefaccion;
            // Fuel of the hour × energy per unit of fuel, net of the boiler's losses: kJ/h to kW.
            const double kw = static_cast<double>(e.ControlHora(h)) * e.PoderCalorico * e.Eficiencia / 100 / 3600;
            d.potenciaPicoKw = std::max(d.potenciaPicoKw, kw);
        }
    }
    d.nubosidad /= 24;
    d.vientoKmh /= 24;
    const HorasFueraDeRango fuera = CuentaHorasFueraDeRango(e);
    d.horasFueraDeRango = fuera.sobreMaxima + fuera.bajoMinima;
    return d;
}

void SumaDia(PeriodoTemporada& p, const DiaTemporada& d) {
    // A day is a period of one day without costs; its figures added as a period's.
    PeriodoTemporada dia;
    dia.dias = 1;
    dia.combustible = d.combustible;
    dia.agua = d.agua;
    dia.etr = d.etr;
    dia.etp = d.etp;
    dia.horasCalefaccion = d.horasCalefaccion;
    dia.horasRefrigeracion = d.horasRefrigeracion;
    dia.horasFueraDeRango = d.horasFueraDeRango;
    dia.tempMinInterior = d.tempMinInterior;
    dia.potenciaPicoKw = d.potenciaPicoKw;
    SumaPeriodo(p, dia);
}

void SumaPeriodo(PeriodoTemporada& p, const PeriodoTemporada& m) {
    p.tempMinInterior = p.dias == 0 ? m.tempMinInterior : std::min(p.tempMinInterior, m.tempMinInterior);
    p.potenciaPicoKw = std::max(p.potenciaPicoKw, m.potenciaPicoKw);
    p.dias += m.dias;
    p.combustible += m.combustible;
    p.agua += m.agua;
    p.etr += m.etr;
    p.etp += m.etp;
    p.horasCalefaccion += m.horasCalefaccion;
    p.horasRefrigeracion += m.horasRefrigeracion;
    p.horasFueraDeRango += m.horasFueraDeRango;
    if (m.costoCombustible) p.costoCombustible = p.costoCombustible.value_or(0) + *m.costoCombustible;
    if (m.costoAgua) p.costoAgua = p.costoAgua.value_or(0) + *m.costoAgua;
}

void AplicaPrecios(PeriodoTemporada& p, const PreciosTemporada& precios) {
    p.costoCombustible.reset();
    p.costoAgua.reset();
    if (precios.combustible) p.costoCombustible = p.combustible * *precios.combustible;
    if (precios.agua) p.costoAgua = p.agua / 1000 * *precios.agua;
}

}  // namespace hortelia
