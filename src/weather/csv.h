#pragma once

// The plain text of the CSV files growers bring. The file's bytes become UTF-8 first: a UTF-8
// byte-order mark is dropped, a UTF-16 one (a spreadsheet's "Unicode text") decodes the file,
// and a file that is not valid UTF-8 is read as Windows-1252 (a Spanish spreadsheet's default).
// Then its lines, numbered as an editor numbers them (LF, CR LF or a lone CR ends a line; CRs
// before an LF, as a file converted twice to CR LF has them, end it with that LF), and the
// cells of a line at a separator. A cell in double quotes may hold the separator and doubled
// quotes, and ends on its own line; blanks around a cell are dropped. The climate readers
// stand on this.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace hortelia {

/// How a file's text was written.
enum class Codificacion { Utf8, Windows1252, Utf16LE, Utf16BE };

/// "UTF-8", "Windows-1252", "UTF-16LE", "UTF-16BE".
std::string_view NombreCodificacion(Codificacion c);

struct TextoDecodificado {
    std::string texto;  ///< UTF-8, without a byte-order mark
    Codificacion codificacion = Codificacion::Utf8;
};

/// The text of a file's bytes in UTF-8. A UTF-16 surrogate without its pair or a last odd byte
/// becomes U+FFFD; so do the five bytes Windows-1252 leaves undefined. After a UTF-8 byte-order
/// mark the bytes are kept as they are, valid or not.
TextoDecodificado DecodificaTexto(std::string_view bytes);

struct LineaTexto {
    std::string_view texto;  ///< without its line end
    int numero = 0;          ///< 1-based
};

/// The lines of `texto` (UTF-8, as DecodificaTexto gives it); a last line without its line end
/// counts, an empty end does not.
std::vector<LineaTexto> LineasDeTexto(std::string_view texto);

/// `s` without blanks and tabs at either end.
std::string_view SinBlancos(std::string_view s);

/// The cells of a line, or where its quotes go wrong.
struct FilaCsv {
    std::vector<std::string> celdas;
    std::vector<bool> entreComillas;  ///< of each cell: it came in double quotes
    int columnaMala = 0;              ///< 1-based cell whose quote is not closed right, 0 when none
    std::string problema;             ///< what is wrong with that quote, in Spanish
};

/// The cells of `linea` at `separador`. A quote that opens a cell and does not close on the
/// line, or text after the quote that closes one ("2"0), stops at that cell with its problem.
FilaCsv CeldasDeLinea(std::string_view linea, char separador);

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
