#pragma once

#include "scenario/escenario.h"

#include <string>

namespace hortelia {

struct ResultadoDia {
    bool ok = false;
    std::string mensaje;  ///< why the day cannot run, in Spanish
};

/// Why the scenario cannot run (a divisor of the model at 0 or below, or never derived);
/// empty when it can.
std::string MotivoNoSimulable(const Escenario& e);

/// Runs hours 1..24 after resetting the daily totals and each hour's control quantities.
/// A scenario that cannot run, or a result that comes out not finite, is refused and the
/// record is left exactly as it was; otherwise the results replace the last run's.
ResultadoDia SimulaDia(Escenario& e);

/// The hours of the last run whose controlled temperature lay strictly above the crop's
/// maximum tolerable (the cooling fell short) or strictly below its minimum (the heating did).
struct HorasFueraDeRango {
    int sobreMaxima = 0;
    int bajoMinima = 0;
};
HorasFueraDeRango CuentaHorasFueraDeRango(const Escenario& e);

/// The scenario's file text with the run's 0.001 window floor taken back to 0: what decides
/// whether the user changed the scenario since it was loaded or saved (a run is no change).
std::string HuellaEscenario(const Escenario& e);

}  // namespace hortelia
