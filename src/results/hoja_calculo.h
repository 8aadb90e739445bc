#pragma once

// A workbook of one sheet (.xlsx) that any spreadsheet opens with its figures as numbers,
// whatever its language: a number cell holds a binary number, never a text with a decimal
// point that a Spanish spreadsheet would read as a thousands separator. The data sheet and
// the season report describe their sheet as plain rows of cells; GuardaHojaCalculo writes it.

#include "numeros/conversiones.h"
#include "scenario/archivo_texto.h"

#include <string>
#include <vector>

namespace hortelia {

struct CeldaHoja {
    enum class Tipo { Vacia, Texto, Numero };
    /// Normal; bold (titles, headings, totals); a column title: bold, centred, wrapped to the
    /// column's width (and at each "\n").
    enum class Estilo { Normal, Destacada, Titulo };

    Tipo tipo = Tipo::Vacia;
    std::string texto;  ///< UTF-8; what XML cannot hold is written as U+FFFD
    double numero = 0;
    Estilo estilo = Estilo::Normal;
    int decimales = -1;  ///< decimals a number is shown with (the value stays whole); -1 as the spreadsheet likes

    static CeldaHoja DeTexto(std::string t, Estilo estilo = Estilo::Normal) {
        return {Tipo::Texto, std::move(t), 0, estilo};
    }
    static CeldaHoja DeNumero(double x, Estilo estilo = Estilo::Normal, int decimales = -1) {
        return {Tipo::Numero, {}, x, estilo, decimales};
    }
};

struct Hoja {
    std::string nombre;                         ///< the sheet's tab: 1..31 characters, none of []:*?/\ .
    std::vector<std::vector<CeldaHoja>> filas;  ///< from the first row, each from column A
    std::vector<double> anchos;                 ///< column widths from A, in characters; 0 keeps the default
    std::vector<int> lineas;                    ///< row heights from the first, in lines of text; 0 keeps one
};

/// Writes `hoja` as an .xlsx workbook at `ruta`, the way GuardaTexto writes a file: built in a
/// private temporary file, then written beside the target and renamed over it, so that a
/// failed save leaves an existing file as it was. Numbers are written with a decimal point
/// whatever the C locale. On failure the message says why, in Spanish.
ResultadoArchivo GuardaHojaCalculo(const std::string& ruta, const Hoja& hoja);

/// `texto` as an XML 1.0 document can hold it: invalid UTF-8 and the characters XML does not
/// allow (control characters other than tab and line ends, U+FFFE, U+FFFF) become U+FFFD.
std::string TextoParaXml(std::string_view texto);

}  // namespace hortelia
