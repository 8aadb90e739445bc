#include "engine/modelo_horario.h"

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

// Leak renewals per hour: maintenance rate plus the wind through the cover material.
double RenovacionFugas(const Escenario& e, double viento) {
    const double material = e.MatCobertura.valor();
    double k = 0;
    if (material == 1) k = kFugasVidrio;
    else if (material == 2) k = kFugasPlasticoNuevo;
    else if (material == 3) k = kFugasPlasticoUsado;
    else return 0;
    return e.RenovAire + k * viento;
}

}  // namespace

// The model's own constants, deliberate: 2272.005 in the pressure but 2272 in its slope,
// 129.86 for 98700 / 760, and / kLog10DeE for the factor ln 10.
double PresSat(double t) { return 98700 * std::pow(10, 9 - 2272.005 / (t + 273)) / 760; }

double PendSat(double t) {
    return 129.86 * (std::pow(10, 9 - 2272 / (t + 273)) * 2272 / std::pow(t + 273, 2)) / kLog10DeE;
}

double DemandaCalefaccion(const Escenario& e, double tempExt, double viento, double nubosidad) {
    const double suelo = e.SueloCubierto.valor();
    const double tMin = e.TMinTol.valor();
    double kc;
    if (e.MatCobertura.valor() == 1) kc = 4.04 + 0.65 * viento;
    else if (e.DobleTecho == 0) kc = 4.76 + 0.52 * viento;
    else kc = 3.7 + 0.25 * viento;
    double qCob = kc * (tMin - tempExt) / kDivisorCobertura * e.SupCobertura.valor() / suelo;
    qCob = qCob / (nubosidad * kAbrigoPorOctavo + 1);
    // 1.24 and 964.52 written out, not DensAire (1.29) and CalEspAire: the model's own figures.
    const double qFugas =
        RenovacionFugas(e, viento) * static_cast<double>(e.Volumen) / suelo * 1.24 * 964.52 * (tMin - tempExt) / 3600;
    // Outdoor air warmer than the tolerable minimum gives a negative demand: the house
    // then burns nothing, it cannot give fuel back.
    return std::max(0.0, qCob + qFugas);
}

void SimulaHora(Escenario& e, int h) {
    // Window floor, written back into the scenario.
    if (e.AreaVentHora(h).valor() <= 0) e.AreaVentHora(h) = Variante::Doble(kAreaVentMinima);

    const double tempExt = e.TempHora(h).valor();
    const double hrExt = e.HRHora(h);
    const double rad = e.RadHora(h).valor();
    const double nub = e.NubHora(h);
    const double viento = e.VtoHora(h).valor();
    const double areaVent = e.AreaVentHora(h).valor();
    const double suelo = e.SueloCubierto.valor();
    const double cobertura = e.SupCobertura.valor();
    const double volumen = e.Volumen;
    const bool doble = e.DobleTecho != 0;
    const double tMax = e.TMaxTol.valor();
    const double tMin = e.TMinTol.valor();
    const double iaf = e.IAF;
    const double densAire = e.DensAire.valor();
    const double calEspAire = e.CalEspAire.valor();
    const double calorLatente = e.CalorLatente;

    // Radiation inside
    const double radInt = rad * (doble ? kTransmisionDoble : kTransmisionSimple);
    const double radNeta = rad * (doble ? kNetaDoble : kNetaSimple) * kNetaCultivo;

    // Outdoor vapour
    const double psExt = PresSat(tempExt);
    const double pvExt = psExt * hrExt / 100;
    const double dpvExt = psExt - pvExt;

    // Crop factors (the base 2.71, not e, is the model's)
    const double facRad = kFactorRadiacion * std::log(1.1 * std::pow(iaf, kExponenteIAF) + 1);
    const double facDpv =
        (kConductanciaHoja * iaf) * (1 - kCierreEstomas * std::pow(2.71, -radInt / 13)) / kPsicrometricaPa;

    // Air renewals per hour: windows (wind counts with the roof window open), then leaks
    const double vtoVent = viento < 1 ? 1 : viento;
    double nVent = kDescargaVentanas * areaVent / suelo / 2 * std::pow(kPresionViento, 0.5);
    if (e.Cenital == 1) nVent = nVent * vtoVent;
    nVent = nVent * 3600 * suelo / volumen;
    const double nFugas = RenovacionFugas(e, viento);
    const double renov = nVent < nFugas ? nFugas : nVent;

    // Exchange coefficients per m2 of floor
    const double ucob = (doble ? 4 + 0.2 * viento : 6 + 0.5 * viento) / kDivisorCobertura * cobertura / suelo;
    const double hVent = densAire * calEspAire * volumen * renov / 3600 / suelo;
    const double lVent = kVaporPorPa * densAire * calorLatente * volumen * renov / (3600 * suelo);
    const double pendExt = PendSat(tempExt);

    // Balance without control
    const double den = facDpv * pendExt + (facDpv + lVent) * (hVent + ucob) / lVent;
    const double aporte = radInt * (facDpv + lVent) / lVent - facDpv * dpvExt - radNeta * facRad;
    const double difT = aporte / den;
    const double difPv = (radInt - difT * (hVent + ucob)) / lVent;
    const double tSin = Cortar(tempExt + difT, 1);
    e.TempSinControl(h) = tSin;

    // Humidity without control
    const double psInt = PresSat(tSin);
    const double pvInt = pvExt + difPv;
    const double hr = pvInt * 100 / psInt;
    double dpvInt = psInt - pvInt;
    if (dpvInt < 0) dpvInt = 0;
    double hrInterior = Cortar(hr, 1);
    if (hrInterior > 100) hrInterior = 100;
    if (hrInterior < 0) hrInterior = 0;
    e.HRInterior(h) = hrInterior;

    e.RenovHora(h) = CortarSimple(static_cast<float>(renov), 1);

    // Control: spray cooling first, otherwise heating, otherwise nothing
    float tCon = static_cast<float>(tSin);
    double dpv = dpvInt;
    if (tSin > tMax && dpvInt > 0) {
        double agua = 0, hrc = 0;
        // Steps of 0.005 while below 1: 200 steps sum to just above 1, so at most 200 steps.
        while (dpv > 0 && tCon > tMax && agua < 1) {
            agua += 0.005;
            const double qEvap = agua * calorLatente / 3.6;
            const double difTc = (aporte - qEvap) / den;
            const double difPvc = (radInt - difTc * (hVent + ucob)) / lVent;
            tCon = static_cast<float>(tempExt + difTc);
            const double psC = PresSat(tCon);
            const double pvC = pvExt + difPvc;
            hrc = pvC * 100 / psC;
            dpv = psC - pvC;
        }
        if (hrc > 100) hrc = 100;
        e.HRInterior(h) = Cortar(hrc, 1);
        e.ControlPorM2(h) = agua;
        e.ControlHora(h) = static_cast<float>(agua * suelo);
        e.AcumAgua += e.ControlHora(h);
    } else if (tSin < tMin) {
        const double q = DemandaCalefaccion(e, tempExt, viento, nub);
        // 4.17 kJ a kcal, not 4.1868, here and below: the model's own figure.
        const double qHora = q / 4.17 * 3.6;
        const double qBruto = qHora / e.Eficiencia * 100;
        const double comb = Cortar(qBruto / e.PoderCalorico * 4.17, 3);
        const double combTotal = Cortar(comb * suelo, 3);
        tCon = static_cast<float>(tMin);
        e.DemandaCalor(h) = q;
        e.ControlPorM2(h) = comb;
        e.ControlHora(h) = static_cast<float>(combTotal);
        e.AcumComb += e.ControlHora(h);
    }
    e.TempConControl(h) = CortarSimple(tCon, 1);

    // Transpiration
    double etr = Cortar(3.6 * (radNeta * facRad + dpv * facDpv) / calorLatente, 2);
    if (etr < 0) etr = 0;
    e.EtrHora(h) = etr;
    e.AcumEtr = Cortar(e.AcumEtr + etr, 2);

    // Potential evapotranspiration
    const double pendC = PendSat(e.TempConControl(h));
    const float etp =
        static_cast<float>(3.6 * (pendC * radNeta / 1000 + densAire * calEspAire * dpv / kResistenciaAireKPa) /
                           (pendC / 1000 + kPsicrometricaKPa) / calorLatente);
    float etpCortada = CortarSimple(etp, 2);
    if (etpCortada < 0) etpCortada = 0;
    e.EtpHora(h) = etpCortada;
    e.AcumEtp = CortarSimple(e.AcumEtp + etpCortada, 2);
}

}  // namespace hortelia
