#pragma once

// Does it pay? The scenario as it is (the base) and each option beside it (a copy of the
// scenario with the option's fields changed, or a grower's own variant file), each run over the
// same season with the same days, design condition and prices; an option of another fuel pays
// that fuel's price. Each row gives its fuel, water and their cost, the heater to install, and
// against the base the annual saving and the simple payback of the investment typed for it.
//
// The saving is the base's cost (fuel plus water, those with a price) minus the option's. A
// season of at most 366 days is the year's, as a grower heats one season a year; a longer one's
// saving is scaled to a year by 365 / the days run. The payback is the investment over the
// annual saving, in years rounded half away from zero to one decimal; with a saving of 0 or
// less it never pays back.

#include "engine/temporada.h"
#include "scenario/escenario.h"

#include <optional>
#include <string>
#include <vector>

namespace hortelia {

/// One option beside the base.
struct OpcionAComparar {
    std::string nombre;   ///< as the batch tool's text names its row: "doble-techo", "otro.hrt"
    std::string titulo;   ///< as the window shows it: "Doble techo", "otro.hrt"
    std::string corto;    ///< as a chart's row names it
    Escenario escenario;  ///< loaded, dimensions accepted
    std::optional<double> inversion;
};

/// One row of the comparison.
struct FilaComparacion {
    std::string nombre, titulo, corto;
    std::string unidadCombustible;
    PeriodoTemporada total;                  ///< the season's sums, with the costs of the prices given
    std::optional<double> potenciaDisenoKw;  ///< none without a design condition
    std::optional<double> costoTotal;        ///< fuel plus water, of those with a price; none without
    std::optional<double> ahorroAnual;       ///< none on the base row and without costs
    std::optional<double> inversion;         ///< none on the base row and when none was typed
    std::optional<double> retornoAnios;      ///< none unless the investment pays back
};

struct Comparacion {
    int dias = 0;                        ///< days each season ran
    bool escalada = false;               ///< more than kDiasDeUnAnio days: the savings scaled by 365 / dias
    std::vector<FilaComparacion> filas;  ///< the base first, then the options in their order
    Temporada base;                      ///< the base's season: its days, prices and design condition
};

struct ResultadoComparacion {
    bool ok = false;
    std::string mensaje;  ///< why the comparison did not run, in Spanish
    Comparacion comparacion;
};

/// The longest season taken as one year's.
inline constexpr int kDiasDeUnAnio = 366;

/// The fuel price of a scenario in a comparison: the base's for the base's fuel, `nuevo` for
/// another fuel. Why the prices do not fit the options' fuels ("gasoil.hrt quema GasOil: falta su
/// precio"), empty when they do: another fuel needs its price once the base's is given, a price
/// of another fuel needs the base's, and one comparison holds at most one other fuel.
std::string MotivoPreciosCombustible(const Escenario& base, const std::vector<OpcionAComparar>& opciones,
                                     const PreciosTemporada& precios, const std::optional<double>& nuevo);

/// Runs the base and every option over the season of `tabla` with `temporada`'s days, design
/// condition and prices (`precioNuevo` for the options of another fuel). A season that cannot
/// run stops the comparison with its message, naming the option.
ResultadoComparacion ComparaOpciones(const Escenario& base, const std::vector<OpcionAComparar>& opciones,
                                     const TablaClima& tabla, const OpcionesTemporada& temporada,
                                     const std::optional<double>& precioNuevo = std::nullopt,
                                     AvanceTemporada* avance = nullptr);

/// The saving of a year: base cost minus option cost, times 365 / dias for a season of more than
/// kDiasDeUnAnio days.
double AhorroAnual(double costoBase, double costoOpcion, int dias);
/// Investment over annual saving, years rounded half away from zero to one decimal; none (never
/// pays back) when the saving is 0 or less.
std::optional<double> RetornoAnios(double inversion, double ahorroAnual);

}  // namespace hortelia
