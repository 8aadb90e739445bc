#pragma once

// Every figure the season window writes in words, in one place: its totals, the heater to
// install and the condition it was sized for, the place of the weather file, the days left out
// and the sentences that go with them. The figures a grower reads are rounded in the user's
// language (CifraLocal); the fields a grower types into keep number-to-text.

#include "engine/temporada.h"
#include "weather/tabla_clima.h"

#include <QString>

#include <optional>
#include <string>

namespace hortelia {

/// A total in large type: rounded to `decimales`, with its unit: "316,94 kg".
QString Total(double x, int decimales, const QString& unidad);
/// A count of hours as a total: "1.606".
QString Cuenta(int n);
/// An inside temperature as a total: "8,0 °C".
QString Temperatura(float t);
/// A heater's output as a total: "36,52 kW", and the same in kcal/h, "31.404 kcal/h".
QString PotenciaKw(double kw);
QString PotenciaKcalH(double kw);
/// A cost under its total: "Costo: 380,33", or "Sin precio".
QString Costo(const std::optional<double>& costo);
/// A design temperature or wind as its field shows it: "-4.5".
QString NumeroDeCampo(double x);

/// What the window says of a climate table just read: its kind, its days, its place, its file's
/// encoding, and the start values its missing columns take.
QString DescripcionTabla(const TablaClima& t);
/// The place a weather file names, "Ezeiza, latitud -34.8°"; empty when it names neither.
QString LugarDelArchivo(const std::string& lugar, const std::optional<double>& latitud);
/// The days of the season's span it left out, why, and the first of them; empty when none was.
QString AvisoDiasSinDatos(const Temporada& t);
/// The condition the heater was sized for: "para -4,5 °C y viento de 4,6 m/s, condición de
/// diseño del archivo"; empty when there is none.
QString TextoCondicion(const CondicionDiseno& c);
/// The line under the totals about the heater to install: that the season needs none when no
/// hour of it heated, the condition it was sized for and, when it is the coldest hour of the days
/// run, what the grower should know of it.
QString NotaDiseno(const Temporada& t);
/// What a season of monthly normals asks for, before it runs: a design temperature, and why.
QString PideTemperaturaDiseno();
/// Why a season can show more fuel than the data sheets of its days.
QString PorQueMasCombustible();

}  // namespace hortelia
