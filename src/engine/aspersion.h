#pragma once

// Spray cooling of a hot hour. Water goes on in steps of 0.005 l/m² while the air is still
// unsaturated, still above the tolerable maximum and the water below 1 l/m²; each step's
// evaporation lowers the temperature and raises the vapour of the hour's balance. The hourly
// model asks for the hour's stopping step, which bisection finds in about eight evaluations of
// the saturation pressure instead of one per step.

namespace hortelia {

/// The hour's balance as the spray sees it: figures of the balance without control, per m² of
/// floor, in the hourly model's units.
struct BalanceAspersion {
    double tempExt = 0;       ///< outdoor temperature, °C
    double pvExt = 0;         ///< outdoor vapour pressure
    double aporte = 0;        ///< heat the inside air gains before any spray, W/m²
    double den = 0;           ///< the balance's divisor, W/(m² K)
    double radInt = 0;        ///< radiation inside, W/m²
    double intercambio = 0;   ///< sensible exchange of renewed air and cover, W/(m² K)
    double lVent = 0;         ///< latent exchange of the renewed air, W/m² per unit of vapour pressure
    double calorLatente = 0;  ///< kJ/kg
    double tMax = 0;          ///< tolerable maximum, °C
};

/// Where the spray of an hour stops.
struct Aspersion {
    int pasos = 0;    ///< steps of 0.005 l/m² taken, 0..200
    double agua = 0;  ///< l/m² sprayed: the steps summed one by one
    float tCon = 0;   ///< temperature reached, °C (as a single)
    double hr = 0;    ///< relative humidity after the last step, % (0 with no step)
    double dpv = 0;   ///< vapour-pressure deficit left
};

/// The most steps an hour sprays: the 200th brings the water past 1 l/m².
inline constexpr int kPasosAspersionMaximos = 200;

/// The spray of an hour that starts at `tCon` with deficit `dpv`, one step after the other.
Aspersion AsperjaPasoAPaso(const BalanceAspersion& b, float tCon, double dpv);

/// The same result, bit for bit, found by bisection where each step provably cools the air and
/// dries it less (otherwise step by step). Debug builds check it against AsperjaPasoAPaso.
Aspersion Asperja(const BalanceAspersion& b, float tCon, double dpv);

}  // namespace hortelia
