#include "results/hoja_calculo.h"

#include "numeros/conversiones.h"

#include <xlsxwriter.h>

#include <locale.h>
#include <stdlib.h>
#include <unistd.h>
#include <clocale>

#include <cmath>
#include <map>
#include <utility>
#include <filesystem>
#include <system_error>

namespace hortelia {
namespace {

namespace fs = std::filesystem;

// A workbook of a few thousand cells is some tens of KB; this only stops a runaway read.
constexpr std::size_t kLimiteLibro = 64 * 1024 * 1024;
// Points of a row for each line of text in the default font.
constexpr double kPuntosPorLinea = 15;

// libxlsxwriter writes numbers with "%.16G" through the C library, which puts the decimal
// separator of LC_NUMERIC: under a Spanish locale 0.24 would land in the file as "0,24". For
// the time of the write this thread reads and writes numbers the C way; the rest stays.
class NumerosConPunto {
public:
    NumerosConPunto() {
        const locale_t copia = duplocale(uselocale(static_cast<locale_t>(nullptr)));
        if (!copia) return;
        propia_ = newlocale(LC_NUMERIC_MASK, "C", copia);
        if (!propia_) {
            freelocale(copia);
            return;
        }
        anterior_ = uselocale(propia_);
    }
    ~NumerosConPunto() {
        if (!propia_) return;
        uselocale(anterior_);
        freelocale(propia_);
    }
    NumerosConPunto(const NumerosConPunto&) = delete;
    NumerosConPunto& operator=(const NumerosConPunto&) = delete;
    bool Lista() const { return propia_ != nullptr; }

private:
    locale_t propia_ = nullptr;
    locale_t anterior_ = nullptr;
};

// The private temporary file the library writes to, removed when done.
struct Temporal {
    std::string ruta;
    ~Temporal() {
        if (!ruta.empty()) ::unlink(ruta.c_str());
    }
};

std::string Entre(const std::string& ruta) { return "«" + ruta + "»"; }

// The cell formats of a workbook, made once each: a style with the decimals a number shows.
class Formatos {
public:
    explicit Formatos(lxw_workbook* libro) : libro_(libro) {}
    /// The format, nullptr for the default one; `bien` turns false when one cannot be made.
    lxw_format* De(CeldaHoja::Estilo estilo, int decimales, bool& bien) {
        if (estilo == CeldaHoja::Estilo::Normal && decimales < 0) return nullptr;
        const auto clave = std::pair(estilo, decimales);
        if (const auto it = hechos_.find(clave); it != hechos_.end()) return it->second;
        lxw_format* f = workbook_add_format(libro_);
        if (!f) {
            bien = false;
            return nullptr;
        }
        if (estilo != CeldaHoja::Estilo::Normal) format_set_bold(f);
        if (estilo == CeldaHoja::Estilo::Titulo) {
            format_set_text_wrap(f);
            format_set_align(f, LXW_ALIGN_CENTER);
            format_set_align(f, LXW_ALIGN_VERTICAL_BOTTOM);
        }
        // "0.00" is read with the spreadsheet's own decimal separator.
        if (decimales >= 0) format_set_num_format(f, decimales == 0 ? "0" : ("0." + std::string(static_cast<std::size_t>(decimales), '0')).c_str());
        hechos_[clave] = f;
        return f;
    }

private:
    lxw_workbook* libro_;
    std::map<std::pair<CeldaHoja::Estilo, int>, lxw_format*> hechos_;
};

// Builds the workbook at `temporal`; empty on success, else what failed.
std::string EscribeLibro(const std::string& temporal, const Hoja& hoja) {
    lxw_workbook* libro = workbook_new(temporal.c_str());
    if (!libro) return "no hay memoria para armar la hoja de cálculo";
    const std::string nombre = TextoParaXml(hoja.nombre);
    lxw_worksheet* hojaLibro = workbook_add_worksheet(libro, nombre.c_str());
    if (!hojaLibro) {
        workbook_close(libro);
        return "la hoja no puede llamarse " + Entre(nombre);
    }
    Formatos formatos(libro);
    bool bien = hoja.filas.size() <= LXW_ROW_MAX;
    for (std::size_t c = 0; bien && c < hoja.anchos.size(); ++c) {
        if (hoja.anchos[c] <= 0) continue;
        const auto col = static_cast<lxw_col_t>(c);
        bien = worksheet_set_column(hojaLibro, col, col, hoja.anchos[c], nullptr) == LXW_NO_ERROR;
    }
    for (std::size_t f = 0; bien && f < hoja.lineas.size() && f < hoja.filas.size(); ++f)
        if (hoja.lineas[f] > 1)
            bien = worksheet_set_row(hojaLibro, static_cast<lxw_row_t>(f), hoja.lineas[f] * kPuntosPorLinea, nullptr) ==
                   LXW_NO_ERROR;
    for (std::size_t f = 0; bien && f < hoja.filas.size(); ++f) {
        const auto& fila = hoja.filas[f];
        for (std::size_t c = 0; bien && c < fila.size(); ++c) {
            const CeldaHoja& celda = fila[c];
            const auto r = static_cast<lxw_row_t>(f);
            const auto col = static_cast<lxw_col_t>(c);
            lxw_format* formato = formatos.De(celda.estilo, celda.tipo == CeldaHoja::Tipo::Numero ? celda.decimales : -1, bien);
            switch (celda.tipo) {
            case CeldaHoja::Tipo::Vacia: break;
            case CeldaHoja::Tipo::Texto:
                bien = bien && worksheet_write_string(hojaLibro, r, col, TextoParaXml(celda.texto).c_str(), formato) ==
                                   LXW_NO_ERROR;
                break;
            case CeldaHoja::Tipo::Numero:
                bien = bien && std::isfinite(celda.numero) &&
                       worksheet_write_number(hojaLibro, r, col, celda.numero, formato) == LXW_NO_ERROR;
                break;
            }
        }
    }
    const lxw_error cierre = workbook_close(libro);
    if (!bien) return "una celda queda fuera de la hoja o no se puede escribir";
    if (cierre != LXW_NO_ERROR)
        return "no se pudo escribir la hoja de cálculo en un archivo temporal (error " +
               std::to_string(static_cast<int>(cierre)) + " de libxlsxwriter)";
    return {};
}

}  // namespace

std::string TextoParaXml(std::string_view texto) {
    static constexpr std::string_view kReemplazo = "\xEF\xBF\xBD";  // U+FFFD
    std::string r;
    r.reserve(texto.size());
    for (std::size_t i = 0; i < texto.size();) {
        const auto b = static_cast<unsigned char>(texto[i]);
        // The length of the sequence a lead byte opens, the smallest code point it may hold.
        const std::size_t largo = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 0;
        char32_t cp = largo == 1 ? b : largo == 2 ? (b & 0x1F) : largo == 3 ? (b & 0x0F) : (b & 0x07);
        bool valida = largo > 0 && i + largo <= texto.size();
        for (std::size_t k = 1; valida && k < largo; ++k) {
            const auto c = static_cast<unsigned char>(texto[i + k]);
            valida = (c >> 6) == 2;
            cp = (cp << 6) | (c & 0x3F);
        }
        static constexpr char32_t kMinimo[] = {0, 0, 0x80, 0x800, 0x10000};
        valida = valida && cp >= kMinimo[largo] && cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF);
        // XML 1.0: tab, line feed, carriage return, then from U+0020, never U+FFFE or U+FFFF.
        const bool admitida = cp == 0x9 || cp == 0xA || cp == 0xD || (cp >= 0x20 && cp != 0xFFFE && cp != 0xFFFF);
        if (valida && admitida) r.append(texto.substr(i, largo));
        else r.append(kReemplazo);
        i += valida ? largo : 1;
    }
    return r;
}

std::optional<double> NumeroDeCelda(std::string_view texto) {
    return LeeNumeroCompleto(texto, {.blancosAlrededor = true});
}

ResultadoArchivo GuardaHojaCalculo(const std::string& ruta, const Hoja& hoja) {
    ResultadoArchivo r;
    const std::string prefijo = "No se puede guardar en " + Entre(ruta) + ": ";

    // libxlsxwriter writes a whole path of its own; a private temporary file takes it, whose
    // bytes GuardaTexto then puts in place with all its care for the target.
    std::error_code error;
    const fs::path carpeta = fs::temp_directory_path(error);
    if (error) {
        r.mensaje = prefijo + "no hay una carpeta para archivos temporales.";
        return r;
    }
    Temporal temporal{(carpeta / "hortelia-hoja.XXXXXX").string()};
    const int fd = ::mkstemp(temporal.ruta.data());
    if (fd < 0) {
        temporal.ruta.clear();
        r.mensaje = prefijo + "no se puede crear un archivo temporal en " + Entre(carpeta.string()) + ".";
        return r;
    }
    ::close(fd);

    std::string falla;
    {
        const NumerosConPunto conPunto;
        falla = conPunto.Lista() ? EscribeLibro(temporal.ruta, hoja)
                                 : "no se puede fijar el punto decimal para escribir los números";
    }
    if (!falla.empty()) {
        r.mensaje = prefijo + falla + ".";
        return r;
    }
    const ResultadoArchivo libro = LeeArchivoTexto(temporal.ruta, kLimiteLibro);
    if (!libro.ok) {
        r.mensaje = prefijo + "no se pudo releer la hoja de cálculo armada (" + libro.mensaje + ")";
        return r;
    }
    return GuardaTexto(ruta, libro.texto);
}

}  // namespace hortelia
