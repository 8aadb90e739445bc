#pragma once

// The one scenario record: greenhouse, crop, weather day and the results of the
// last run. The application owns exactly one and passes it by reference; the
// panels, the models, the engine and the file reader read and write its fields
// in place by name. Hourly arrays are addressed by hour 1..24.

#include "numeros/variante.h"

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace hortelia {

/// 24 hourly values, hour h at position h - 1; an hour outside 1..24 throws.
template <class T>
class Horario {
public:
    T& operator()(int h) { return v_.at(Indice(h)); }
    const T& operator()(int h) const { return v_.at(Indice(h)); }
    friend bool operator==(const Horario&, const Horario&) = default;

private:
    static std::size_t Indice(int h) {
        if (h < 1 || h > 24) throw std::out_of_range("hora fuera de 1..24: " + std::to_string(h));
        return static_cast<std::size_t>(h - 1);
    }
    std::array<T, 24> v_{};
};

struct Escenario {
    // Structure
    std::int16_t TipoTecho = 0;                          ///< 1 two slopes, 2 inclined plane, 3 tunnel, 4 parabolic
    std::int16_t DobleTecho = 0;                         ///< 0 no, 1 yes
    std::int16_t TipoTechoAnt = 0;                       ///< roof type when the roof panel was opened
    Variante Ancho, Largo, AlturaLateral, AlturaMaxima;  ///< m
    std::int16_t Modulos = 0;
    float Flecha = 0;        ///< roof rise, m (derived)
    Variante SueloCubierto;  ///< covered floor, m2 (derived)
    Variante SupCobertura;   ///< cover surface, m2 (derived)
    float Volumen = 0;       ///< inside air, m3 (derived)

    // Cover and maintenance
    Variante MatCobertura;   ///< 1 glass, 2 plastic first year, 3 plastic second year
    Variante Mantenimiento;  ///< 1 good, 2 fair, 3 poor, 4 typed rate
    float RenovAire = 0;     ///< air renewals per hour through leaks

    // Ventilation
    float SupVentanas = 0;           ///< total window area, m2
    std::int16_t Cenital = 0;        ///< roof window: 1 open, 0 closed
    Horario<float> AperturaHora;     ///< opening bar position, 0 closed .. -100 fully open
    Horario<Variante> AreaVentHora;  ///< open window area, m2

    // Heating
    std::string Combustible;
    float PoderCalorico = 0;
    float Eficiencia = 0;  ///< %

    // Crop
    Variante TMaxTol, TMinTol;  ///< tolerable temperatures, C
    float IAF = 0;              ///< leaf area index

    // Weather day
    Variante TMax, TMin, HoraTMax;
    float HoraTMin = 0;
    Variante HRMax, HRMin;
    Variante Latitud;     ///< degrees
    Variante Hemisferio;  ///< -1 south, anything else north
    std::int16_t Dia = 0, Mes = 0;
    std::int16_t TipoNubes = 0;  ///< 1 clear, 2 intermediate, 3 dark
    float CoefNubes = 0;

    // Hourly outdoor weather
    Horario<Variante> TempHora;  ///< C
    Horario<float> HRHora;       ///< %
    Horario<Variante> RadTope;   ///< cloudless radiation, W/m2
    Horario<float> NubHora;      ///< octavos
    Horario<Variante> RadHora;   ///< W/m2
    Horario<Variante> VtoHora;   ///< m/s
    Horario<float> VtoHoraKmh;   ///< km/h

    // Working values. The hour shown and the panels accepted are the windows' navigation state
    // (ui/protocolo.h), not the record's.
    std::array<std::string, 12> NomMes{};

    // Model constants
    Variante DensAire, CalEspAire;
    float CalorLatente = 0;

    // Results of the last run
    Horario<double> TempSinControl;
    Horario<float> TempConControl;
    Horario<double> HRInterior;
    Horario<float> RenovHora;
    Horario<double> ControlPorM2;
    Horario<float> ControlHora;
    Horario<double> EtrHora;
    Horario<float> EtpHora;
    /// Heating demand of a heating hour before its fuel is cut to thousandths, W per m² of
    /// floor (0 in every other hour): what season sums and heater sizing rest on.
    Horario<double> DemandaCalor;
    double AcumComb = 0, AcumAgua = 0, AcumEtr = 0;
    float AcumEtp = 0;
};

}  // namespace hortelia
