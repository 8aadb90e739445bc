#pragma once

// The plain text of the CSV files growers bring: its lines, numbered as an editor numbers them
// (a UTF-8 byte-order mark dropped; LF, CR LF or a lone CR ends a line), and the cells of a line
// at a separator. A cell in double quotes may hold the separator and doubled quotes; blanks
// around a cell are dropped. The climate readers stand on this.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace hortelia {

struct LineaTexto {
    std::string_view texto;  ///< without its line end
    int numero = 0;          ///< 1-based
};

/// The lines of `texto`; a last line without its line end counts, an empty end does not.
std::vector<LineaTexto> LineasDeTexto(std::string_view texto);

/// `s` without blanks and tabs at either end.
std::string_view SinBlancos(std::string_view s);

/// The cells of `linea` at `separador`.
std::vector<std::string> CeldasDeLinea(std::string_view linea, char separador);

/// The fields of `linea` at `separador`, for formats whose fields never hold quotes (EPW):
/// views into the line, in `campos` (cleared first, kept for the next line), blanks around
/// each dropped; the field number `hasta` holds the rest of the line.
void CamposDeLinea(std::string_view linea, char separador, std::vector<std::string_view>& campos,
                   std::size_t hasta = SIZE_MAX);

/// The separator a title line uses: a tab, else ";", else ",".
char SeparadorDeTitulo(std::string_view linea);

/// True for a line with nothing to read: empty or blank, or a comment starting with "#".
bool EsLineaSinDatos(std::string_view linea);

/// True when every cell is empty (a line a spreadsheet writes under its table).
bool CeldasVacias(const std::vector<std::string>& celdas);

}  // namespace hortelia
