#pragma once

// The weather a grower brings for a season, read from a file whose kind is found from its
// content, not its name:
// - our own CSV table: one row a day (a column `fecha`, AAAA-MM-DD) or twelve rows of monthly
//   normals (a column `mes`), with the day's figures tmax, tmin (°C, required), hrmax, hrmin (%),
//   nubosidad (octavos), viento (km/h) (lector_tabla.cpp);
// - the daily CSV export of a public weather API (a `time` column with temperature_2m_max ...),
//   read into the same rows as our daily table (lector_api.cpp);
// - hourly records: a typical year in EPW (lector_epw.cpp) or the hourly CSV export of a public
//   weather API (lector_api.cpp), 24 hours a day of temperature, humidity, radiation, wind and
//   cloud cover.
// Every value is checked against the limits table before anything runs; a refusal names the
// line and the column (or EPW field) and says why, in Spanish.

#include "scenario/valores_de_inicio.h"
#include "weather/calendario.h"
#include "weather/csv.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hortelia {

/// Daily rows, twelve monthly normals, hourly records dated AAAA-MM-DD, or the hourly records
/// of a typical year, whose days are MM-DD (year 0) taken in file order.
enum class TipoTablaClima { Diaria, Normales, Horaria, AnioTipico };

/// True for the two kinds of hourly records.
constexpr bool EsHoraria(TipoTablaClima t) { return t == TipoTablaClima::Horaria || t == TipoTablaClima::AnioTipico; }
/// True when the days of the table have a year (AAAA-MM-DD); false for MM-DD.
constexpr bool TieneAnio(TipoTablaClima t) { return t == TipoTablaClima::Diaria || t == TipoTablaClima::Horaria; }

/// One row as read: the date (daily) or the month (normals: year 0, day 0) and six figures.
struct FilaClima {
    Fecha fecha;
    double tmax = 0, tmin = 0;    ///< °C
    double hrmax = 0, hrmin = 0;  ///< %
    double nubosidad = 0;         ///< octavos
    double viento = 0;            ///< km/h
};

/// One hour of a record as read, in the model's units.
struct HoraClima {
    double temperatura = 0;  ///< °C
    double humedad = 0;      ///< %, up to 110 as files allow
    double radiacion = 0;    ///< W/m², the mean of the hour ending at this hour; may be slightly negative
    double viento = 0;       ///< m/s
    double nubes = 0;        ///< fraction of the sky covered, 0..1 (0 when the file has none)
};

/// A day of a record: hour h at position h - 1, hour 24 ending at midnight. A day inside the
/// file with an hour or a required value missing is kept, not complete, so that a season can
/// say it was left out.
struct DiaClima {
    Fecha fecha;
    bool completo = true;
    std::array<HoraClima, 24> horas{};
};

/// The design condition for heating a file gives (an EPW's 99.6 % dry bulb and its coincident wind).
struct DisenoArchivo {
    double temperatura = 0;  ///< °C
    double viento = 0;       ///< m/s
};

struct TablaClima {
    TipoTablaClima tipo = TipoTablaClima::Diaria;
    std::vector<FilaClima> filas;     ///< daily: dates rising; normals: months 1..12 in order
    std::vector<DiaClima> dias;       ///< hourly records: the days, in file order
    std::vector<std::string> faltan;  ///< optional columns the file lacks: "hrmax", "hrmin", "nubosidad", "viento"
    std::string lugar;                ///< the place the file names, "" when none
    std::optional<double> latitud;    ///< degrees, south negative, when the file gives it
    std::optional<DisenoArchivo> diseno;
    Codificacion codificacion = Codificacion::Utf8;  ///< how the file's text was written
};

struct ResultadoTablaClima {
    bool ok = false;
    int linea = 0;        ///< line of the file (1-based) the refusal is about, 0 for the whole table
    int columna = 0;      ///< column or EPW field (1-based), 0 when not about one
    std::string mensaje;  ///< why the table was refused, in Spanish
    TablaClima tabla;     ///< the table, when read
};

/// Reads a climate table or record from the bytes of its file, in any encoding DecodificaTexto reads.
ResultadoTablaClima LeeTablaClima(std::string_view bytes);

/// Reads the file at `ruta` (a regular file of at most kLimiteTablaClima bytes).
ResultadoTablaClima CargaTablaClima(const std::string& ruta);

/// The first and the last day a table holds (of normals: January 1 and December 31).
Fecha PrimerDia(const TablaClima& t);
Fecha UltimoDia(const TablaClima& t);

/// A date as typed for a table of this kind: AAAA-MM-DD with a year, MM-DD without (February 29
/// only in a typical year, where a file may bring it); none when it is not a possible date.
std::optional<Fecha> LeeFecha(std::string_view texto, TipoTablaClima tipo);
/// "2024-07-01" with a year, "07-01" without.
std::string TextoFecha(const Fecha& f, TipoTablaClima tipo);

/// A decimal number as a cell holds it: sign, digits, one decimal point (or comma, when
/// `comaDecimal`); blanks around it are ignored. None for anything else.
std::optional<double> LeeNumeroCelda(std::string_view texto, bool comaDecimal);

}  // namespace hortelia
