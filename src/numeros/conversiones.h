#pragma once

// The number conversions that every panel, caption, chart and file uses:
// lenient parse of typed text, number-to-text by value kind, the checked
// conversion to a 16-bit integer and the cut of decimals toward minus infinity.

#include "numeros/variante.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace hortelia {

/// '0' to '9'.
constexpr bool EsDigito(char c) { return c >= '0' && c <= '9'; }
/// A blank or a tab.
constexpr bool EsBlanco(char c) { return c == ' ' || c == '\t'; }

/// Lenient parse: skips leading blanks, tabs and line feeds, reads the longest numeric
/// prefix ("." as the only decimal point, exponent by E or D, blanks inside skipped);
/// no number gives 0. A number too large for a double gives an infinity, which callers refuse.
double Parse(std::string_view texto);

/// What a whole text may look like to be read as one number: always an optional sign and digits
/// with at most one decimal separator; the rest as each source writes numbers.
struct FormaNumero {
    enum class Exponente { Ninguno, E, EoD };
    bool comaDecimal = false;            ///< "," separates the decimals as well as "."
    Exponente exponente = Exponente::E;  ///< an exponent may follow ("1.5E-05"; "1D2" with EoD)
    bool blancosAlrededor = false;       ///< blanks and tabs around the number are skipped
};

/// A whole text as one number in the given form; nullopt for anything else (a trailing unit,
/// a second separator, an exponent without digits) and for a number too large for a double.
/// Whatever the C locale.
std::optional<double> LeeNumeroCompleto(std::string_view texto, FormaNumero forma);

/// A number typed in a text box, read the way Spanish is written as well: blanks around it,
/// an optional sign, digits with at most one decimal separator ("," or "."), an optional
/// exponent by E. nullopt for anything else ("1.234,5", "3,8,1", "3m", "ocho", empty) and for
/// a number too large for a double. Whatever the C locale.
std::optional<double> LeeNumeroTecleado(std::string_view texto);

/// The number a table cell shows, as number-to-text wrote it (" 9.5", "-1", " .24", " 1.5E-05";
/// blanks around it ignored), whatever the C locale; none for an empty text, a text that is not
/// wholly a number, and a number too large for a double.
std::optional<double> NumeroDeCelda(std::string_view texto);

/// A plain decimal number ("-1.5e3", "+.5"), read whatever the C locale; out of range gives
/// an infinity (too large) or zero (too small).
double LeeDecimal(const std::string& texto);

/// Number-to-text: a leading blank for zero and positive numbers, no zero before the point,
/// at most 15 significant digits (7 for a single); exponent form outside the plain range.
std::string NumeroATexto(double x);
std::string NumeroATexto(float x);
std::string NumeroATexto(std::int16_t x);
std::string NumeroATexto(int x);
std::string NumeroATexto(const Variante& v);

/// The same digits without the leading blank (file fields, export cells, chart values).
std::string NumeroSinBlanco(double x);
std::string NumeroSinBlanco(float x);
std::string NumeroSinBlanco(const Variante& v);

/// Round to the nearest integer, halves to even; nullopt outside -32768..32767 (overflow).
std::optional<std::int16_t> AEntero16(double x);

/// x rounded half away from zero to n decimals, in double precision: for the figures the program
/// adds beyond the day and keeps (an hour of a weather record as stored, a payback), never for a
/// figure of the day, which is cut. A figure only shown to a person is rounded as written, on its
/// exact value (ui/cifra_local).
double Redondea(double x, int decimales);

/// Int(x * 10^n) / 10^n in double precision: the cut toward minus infinity.
double Cortar(double x, int decimales);
/// The same cut with the factor, the floor and the division in single precision.
float CortarSimple(float x, int decimales);

}  // namespace hortelia

namespace hortelia {

/// A caption: a literal prefix, number-to-text of the value and, where there is one, a unit.
template <class T>
std::string Caption(std::string_view prefijo, const T& valor, std::string_view unidad = {}) {
    std::string r(prefijo);
    r += NumeroATexto(valor);
    r += unidad;
    return r;
}

}  // namespace hortelia
