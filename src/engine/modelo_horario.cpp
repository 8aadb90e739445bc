#include "engine/modelo_horario.h"

#include "engine/aspersion.h"
#include "numeros/conversiones.h"

#include <algorithm>
#include <cmath>

namespace hortelia {
namespace {

// Leak renewals per hour per m/s of wind through each cover material.
constexpr double kFugasVidrio = 0.43;         // glass
constexpr double kFugasPlasticoNuevo = 0.05;  // plastic in its first year
constexpr double kFugasPlasticoUsado = 0.1;   // plastic in its second year
// Not 0.4343: log10(e) as the model writes it; dividing by it turns the slope of 10^x into ln 10.
constexpr double kLog10DeE = 0.43;

// Radiation through the cover: the share that reaches the inside air (double and single roof),
// the share that reaches the crop, and the part of that the crop absorbs; all dimensionless.
constexpr double kTransmisionDoble = 0.6;
constexpr double kTransmisionSimple = 0.65;
constexpr double kNetaDoble = 0.55;
constexpr double kNetaSimple = 0.65;
constexpr double kNetaCultivo = 0.96;

// The crop's transpiration: a radiation term 0.154 ln(1.1 IAF^1.13 + 1) and a vapour term
// 1.65 IAF (1 - 0.56 2.71^(-RadInt / 13)) / 66, whose stomata close as the light fades.
constexpr double kFactorRadiacion = 0.154;      // share of the net radiation transpired, per unit of ln
constexpr double kExponenteIAF = 1.13;          // of the leaf area index, dimensionless
constexpr double kConductanciaHoja = 1.65;      // leaves' exchange, W/(m² K) per unit of leaf area index
constexpr double kCierreEstomas = 0.56;         // share of that exchange lost in the dark, dimensionless
constexpr int kPsicrometricaPa = 66;            // psychrometric constant, Pa/K
constexpr double kPsicrometricaKPa = 0.066;     // the same in kPa/K, in the potential evapotranspiration
constexpr double kResistenciaAireKPa = 112000;  // the air's resistance to vapour, 112 s/m, times 1000 Pa/kPa

// Windows: their discharge coefficient and the wind's pressure coefficient (under a square root),
// both dimensionless.
constexpr double kDescargaVentanas = 0.475;
constexpr double kPresionViento = 0.2;
// The model divides the cover's exchange coefficients (W/(m² K)) by this, in cooling and heating
// alike; dimensionless.
constexpr double kDivisorCobertura = 1.39;
// Vapour the renewed air carries per Pa of vapour pressure, 0.622 / p (kg/kg per Pa), times
// 1000 J/kJ since the latent heat is in kJ/kg.
constexpr double kVaporPorPa = 0.00625;
// Clouds keep the night's heat in: the cover loses 1 / (1 + 0.02 octavos) of the clear-sky loss.
constexpr double kAbrigoPorOctavo = 0.02;

// Leak renewals per hour: maintenance rate plus the wind through the cover material (none
// without a material the model knows).
double RenovacionFugas(const ConstantesDia& d, double viento) {
    if (!d.conFugas) return 0;
    return d.renovAire + d.kFugas * viento;
}

double FugasDelMaterial(double material) {
    if (material == 1) return kFugasVidrio;
    if (material == 2) return kFugasPlasticoNuevo;
    if (material == 3) return kFugasPlasticoUsado;
    return 0;
}

// Air renewals per hour: the windows' (wind counts with the roof window open; a shut window
// counts as open kAreaVentMinima), raised to the leaks'.
double Renovaciones(const ConstantesDia& d, double areaVent, double viento) {
    const double area = areaVent <= 0 ? kAreaVentMinima : areaVent;
    const double vtoVent = viento < 1 ? 1 : viento;
    double nVent = kDescargaVentanas * area / d.suelo / 2 * d.raizPresionViento;
    if (d.cenital) nVent = nVent * vtoVent;
    nVent = nVent * 3600 * d.suelo / d.volumen;
    const double nFugas = RenovacionFugas(d, viento);
    return nVent < nFugas ? nFugas : nVent;
}

// What the control and the transpiration take from the hour's balance without control.
struct SinControl {
    BalanceAspersion balance;
    double viento = 0, nubosidad = 0;
    double radNeta = 0, facDpv = 0;
    double tSin = 0, dpvInt = 0;
};

// Radiation, vapour, renewals and the balance of the hour with no control: writes the
// temperature, humidity and renewal without control.
SinControl BalanceSinControl(const ConstantesDia& d, const Escenario& e, int h, ResultadoHora& r) {
    const double tempExt = e.TempHora(h).valor();
    const double hrExt = e.HRHora(h);
    const double rad = e.RadHora(h).valor();
    const double viento = e.VtoHora(h).valor();
    const double areaVent = e.AreaVentHora(h).valor();
    SinControl x;
    x.viento = viento;
    x.nubosidad = e.NubHora(h);
    BalanceAspersion& b = x.balance;
    b.tempExt = tempExt;
    b.calorLatente = d.calorLatente;
    b.tMax = d.tMax;

    // Radiation inside
    b.radInt = rad * (d.doble ? kTransmisionDoble : kTransmisionSimple);
    x.radNeta = rad * (d.doble ? kNetaDoble : kNetaSimple) * kNetaCultivo;

    // Outdoor vapour
    const double psExt = PresSat(tempExt);
    b.pvExt = psExt * hrExt / 100;
    const double dpvExt = psExt - b.pvExt;

    // The crop's vapour term (the base 2.71, not e, is the model's); in the dark 2.71^-0 is 1.
    const double cierre = b.radInt == 0 ? 1 : std::pow(2.71, -b.radInt / 13);
    x.facDpv = d.conductancia * (1 - kCierreEstomas * cierre) / kPsicrometricaPa;

    const double renov = Renovaciones(d, areaVent, viento);

    // Exchange coefficients per m2 of floor
    const double ucob = (d.doble ? 4 + 0.2 * viento : 6 + 0.5 * viento) / kDivisorCobertura * d.cobertura / d.suelo;
    const double hVent = d.calorAire * renov / 3600 / d.suelo;
    b.lVent = d.latenteAire * renov / d.sueloPorHora;
    b.intercambio = hVent + ucob;
    const double pendExt = PendSat(tempExt);

    // Balance without control
    b.den = x.facDpv * pendExt + (x.facDpv + b.lVent) * b.intercambio / b.lVent;
    b.aporte = b.radInt * (x.facDpv + b.lVent) / b.lVent - x.facDpv * dpvExt - x.radNeta * d.facRad;
    const double difT = b.aporte / b.den;
    const double difPv = (b.radInt - difT * b.intercambio) / b.lVent;
    x.tSin = Cortar(tempExt + difT, 1);
    r.tempSinControl = x.tSin;

    // Humidity without control
    const double psInt = PresSat(x.tSin);
    const double pvInt = b.pvExt + difPv;
    const double hr = pvInt * 100 / psInt;
    x.dpvInt = std::max(psInt - pvInt, 0.0);
    r.hrInterior = std::clamp(Cortar(hr, 1), 0.0, 100.0);
    r.renov = CortarSimple(static_cast<float>(renov), 1);
    return x;
}

}  // namespace

ConstantesDia ConstantesDelDia(const Escenario& e) {
    ConstantesDia d;
    d.suelo = e.SueloCubierto.valor();
    d.cobertura = e.SupCobertura.valor();
    d.volumen = e.Volumen;
    d.doble = e.DobleTecho != 0;
    d.cenital = e.Cenital == 1;
    d.vidrio = e.MatCobertura.valor() == 1;
    d.kFugas = FugasDelMaterial(e.MatCobertura.valor());
    d.conFugas = d.kFugas != 0;
    d.renovAire = e.RenovAire;
    d.tMax = e.TMaxTol.valor();
    d.tMin = e.TMinTol.valor();
    d.eficiencia = e.Eficiencia;
    d.poderCalorico = e.PoderCalorico;
    d.calorLatente = e.CalorLatente;
    const double iaf = e.IAF;
    d.facRad = kFactorRadiacion * std::log(1.1 * std::pow(iaf, kExponenteIAF) + 1);
    d.conductancia = kConductanciaHoja * iaf;
    d.raizPresionViento = std::pow(kPresionViento, 0.5);
    const double densAire = e.DensAire.valor();
    d.calorAireM3 = densAire * e.CalEspAire.valor();
    d.calorAire = d.calorAireM3 * d.volumen;
    d.latenteAire = kVaporPorPa * densAire * d.calorLatente * d.volumen;
    d.sueloPorHora = 3600 * d.suelo;
    return d;
}

// The model's own constants, deliberate: 2272.005 in the pressure but 2272 in its slope,
// 129.86 for 98700 / 760, and / kLog10DeE for the factor ln 10.
double PresSat(double t) { return 98700 * std::pow(10, 9 - 2272.005 / (t + 273)) / 760; }

double PendSat(double t) {
    return 129.86 * (std::pow(10, 9 - 2272 / (t + 273)) * 2272 / std::pow(t + 273, 2)) / kLog10DeE;
}

double DemandaCalefaccion(const ConstantesDia& d, double tempExt, double viento, double nubosidad) {
    double kc;
    if (d.vidrio) kc = 4.04 + 0.65 * viento;
    else if (!d.doble) kc = 4.76 + 0.52 * viento;
    else kc = 3.7 + 0.25 * viento;
    double qCob = kc * (d.tMin - tempExt) / kDivisorCobertura * d.cobertura / d.suelo;
    qCob = qCob / (nubosidad * kAbrigoPorOctavo + 1);
    // 1.24 and 964.52 written out, not DensAire (1.29) and CalEspAire: the model's own figures.
    const double qFugas = RenovacionFugas(d, viento) * d.volumen / d.suelo * 1.24 * 964.52 * (d.tMin - tempExt) / 3600;
    // Outdoor air warmer than the tolerable minimum gives a negative demand: the house
    // then burns nothing, it cannot give fuel back.
    return std::max(0.0, qCob + qFugas);
}

double DemandaCalefaccion(const Escenario& e, double tempExt, double viento, double nubosidad) {
    return DemandaCalefaccion(ConstantesDelDia(e), tempExt, viento, nubosidad);
}

ResultadoHora SimulaHora(const ConstantesDia& d, const Escenario& e, int h, TotalesDia& t) {
    ResultadoHora r;
    const SinControl x = BalanceSinControl(d, e, h, r);

    // Control: spray cooling first, otherwise heating, otherwise nothing
    float tCon = static_cast<float>(x.tSin);
    double dpv = x.dpvInt;
    if (x.tSin > d.tMax && x.dpvInt > 0) {
        const Aspersion a = Asperja(x.balance, tCon, dpv);
        tCon = a.tCon;
        dpv = a.dpv;
        r.hrInterior = Cortar(std::min(a.hr, 100.0), 1);
        r.controlPorM2 = a.agua;
        r.controlHora = static_cast<float>(a.agua * d.suelo);
        t.agua += r.controlHora;
    } else if (x.tSin < d.tMin) {
        const double q = DemandaCalefaccion(d, x.balance.tempExt, x.viento, x.nubosidad);
        // 4.17 kJ a kcal, not 4.1868, here and below: the model's own figure.
        const double qHora = q / 4.17 * 3.6;
        const double qBruto = qHora / d.eficiencia * 100;
        const double comb = Cortar(qBruto / d.poderCalorico * 4.17, 3);
        const double combTotal = Cortar(comb * d.suelo, 3);
        tCon = static_cast<float>(d.tMin);
        r.demandaCalor = q;
        r.controlPorM2 = comb;
        r.controlHora = static_cast<float>(combTotal);
        t.comb += r.controlHora;
    }
    r.tempConControl = CortarSimple(tCon, 1);

    // Transpiration
    r.etr = std::max(Cortar(3.6 * (x.radNeta * d.facRad + dpv * x.facDpv) / d.calorLatente, 2), 0.0);
    t.etr = Cortar(t.etr + r.etr, 2);

    // Potential evapotranspiration
    const double pendC = PendSat(r.tempConControl);
    const float etp = static_cast<float>(3.6 * (pendC * x.radNeta / 1000 + d.calorAireM3 * dpv / kResistenciaAireKPa) /
                                         (pendC / 1000 + kPsicrometricaKPa) / d.calorLatente);
    r.etp = std::max(CortarSimple(etp, 2), 0.0F);
    t.etp = CortarSimple(t.etp + r.etp, 2);
    return r;
}

}  // namespace hortelia
