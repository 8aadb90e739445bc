#pragma once

// The calendar of climate tables and seasons: dates of a real year, or of a year with no number
// (year 0: monthly normals and typical years, which have no February 29 unless a file brings
// one), leap years, the next day, days between dates, and dates as growers type them.

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace hortelia {

/// A day of a real year, or of a year with no number (year 0).
struct Fecha {
    int anio = 0;
    int mes = 0;
    int dia = 0;
    // clang-tidy 14 reads the defaulted comparison's 0 as a null pointer.
    friend auto operator<=>(const Fecha&, const Fecha&) = default;  // NOLINT(modernize-use-nullptr)
};

/// Gregorian leap year; year 0 is not one.
bool EsBisiesto(int anio);
/// Days of month 1..12 of `anio`.
int DiasDelMes(int anio, int mes);
/// The next day; a year 0 runs from December 31 back to January 1.
Fecha DiaSiguiente(const Fecha& f);
/// Days from 1970-01-01 (proleptic Gregorian calendar), for counting days between dates.
long NumeroDeDia(const Fecha& f);

/// AAAA-MM-DD (blanks around it ignored); none when it is not a possible date.
std::optional<Fecha> LeeFechaCompleta(std::string_view texto);
/// A date as a grower's table writes it: AAAA-MM-DD, dd/mm/aaaa or d/m/aaaa (blanks around it
/// ignored); none when it is not a possible date.
std::optional<Fecha> LeeFechaDeTabla(std::string_view texto);
/// Why LeeFechaDeTabla reads no date in `texto`: not a possible date, a date without its year
/// or with two digits of it, or another form.
std::string MotivoFechaDeTabla(std::string_view texto);
/// MM-DD of year 0 (blanks around it ignored); February 29 only when `con29DeFebrero`.
std::optional<Fecha> LeeMesDia(std::string_view texto, bool con29DeFebrero);
/// "2024-07-01".
std::string TextoFechaCompleta(const Fecha& f);
/// "07-01".
std::string TextoMesDia(const Fecha& f);

}  // namespace hortelia
