#pragma once

// The climate table a grower brings for a season: a CSV file with one row a day (a column
// `fecha`, AAAA-MM-DD) or twelve rows of monthly normals (a column `mes`, 1..12), each with the
// day's figures: tmax, tmin (°C, required), hrmax, hrmin (%), nubosidad (octavos), viento (km/h).
//
// The separator is the title line's: a tab, else ";", else ",". With "," decimals take a point;
// with ";" or a tab a point or a comma (as Spanish spreadsheets write them). Title names may
// come in any case and order, with or without accents; a column the reader does not know is
// refused (a misspelt "hrmin" would otherwise silently become the start value). A UTF-8
// byte-order mark, empty lines, lines of empty cells and lines starting with "#" are skipped;
// a cell wrapped in double quotes loses them. The whole table is checked before anything runs.

#include <compare>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hortelia {

/// A day of a daily table (year, month, day) or of a year of normals (year 0).
struct Fecha {
    int anio = 0;
    int mes = 0;
    int dia = 0;
    // clang-tidy 14 reads the defaulted comparison's 0 as a null pointer.
    friend auto operator<=>(const Fecha&, const Fecha&) = default;  // NOLINT(modernize-use-nullptr)
};

enum class TipoTablaClima { Diaria, Normales };

/// One row as read: the date (daily) or the month (normals: year 0, day 0) and six figures.
struct FilaClima {
    Fecha fecha;
    double tmax = 0, tmin = 0;    ///< °C
    double hrmax = 0, hrmin = 0;  ///< %
    double nubosidad = 0;         ///< octavos
    double viento = 0;            ///< km/h
};

/// The figures a missing optional column takes: those of a new scenario (PonValoresIniciales).
inline constexpr double kHRMaxInicial = 100, kHRMinInicial = 50, kNubosidadInicial = 0, kVientoInicial = 1;

struct TablaClima {
    TipoTablaClima tipo = TipoTablaClima::Diaria;
    std::vector<FilaClima> filas;     ///< daily: dates rising; normals: months 1..12 in order
    std::vector<std::string> faltan;  ///< optional columns the file lacks: "hrmax", "hrmin", "nubosidad", "viento"
};

struct ResultadoTablaClima {
    bool ok = false;
    int linea = 0;        ///< line of the file (1-based) the refusal is about, 0 for the whole table
    int columna = 0;      ///< column (1-based), 0 when not about one column
    std::string mensaje;  ///< why the table was refused, in Spanish
    TablaClima tabla;     ///< the table, when read
};

/// Reads a climate table from the text of its file.
ResultadoTablaClima LeeTablaClima(std::string_view texto);

/// Reads the file at `ruta` (a regular file of at most kLimiteTablaClima bytes).
ResultadoTablaClima CargaTablaClima(const std::string& ruta);

/// Gregorian leap year.
bool EsBisiesto(int anio);
/// Days of month 1..12 of `anio`; year 0 (normals) is a non-leap year.
int DiasDelMes(int anio, int mes);
/// The next day; a year of normals (year 0) runs from December 31 back to January 1.
Fecha DiaSiguiente(const Fecha& f);
/// Days from 1970-01-01 (proleptic Gregorian calendar), for counting days between dates.
long NumeroDeDia(const Fecha& f);

/// A date as typed: AAAA-MM-DD for a daily table, MM-DD for normals (no February 29);
/// none when it is not a possible date of that form.
std::optional<Fecha> LeeFecha(std::string_view texto, TipoTablaClima tipo);
/// "2024-07-01" for a daily table, "07-01" for normals.
std::string TextoFecha(const Fecha& f, TipoTablaClima tipo);

/// A decimal number as a cell holds it: sign, digits, one decimal point (or comma, when
/// `comaDecimal`); blanks around it are ignored. None for anything else.
std::optional<double> LeeNumeroCelda(std::string_view texto, bool comaDecimal);

}  // namespace hortelia
