#include "results/hoja_calculo.h"

#include "numeros/conversiones.h"
#include "scenario/texto_visible.h"

#include <xlsxwriter.h>

#include <locale.h>
#include <stdlib.h>
#include <unistd.h>
#include <clocale>

#include <cmath>
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

// Builds the workbook at `temporal`; empty on success, else what failed.
std::string EscribeLibro(const std::string& temporal, const Hoja& hoja) {
    lxw_workbook* libro = workbook_new(temporal.c_str());
    if (!libro) return "no hay memoria para armar la hoja de cálculo";
    lxw_worksheet* hojaLibro = workbook_add_worksheet(libro, hoja.nombre.c_str());
    if (!hojaLibro) {
        workbook_close(libro);
        return "la hoja no puede llamarse " + Entrecomillado(hoja.nombre);
    }
    lxw_format* destacada = workbook_add_format(libro);
    format_set_bold(destacada);
    lxw_format* titulo = workbook_add_format(libro);
    format_set_bold(titulo);
    format_set_text_wrap(titulo);
    format_set_align(titulo, LXW_ALIGN_CENTER);
    format_set_align(titulo, LXW_ALIGN_VERTICAL_BOTTOM);
    auto formato = [&](CeldaHoja::Estilo e) -> lxw_format* {
        switch (e) {
        case CeldaHoja::Estilo::Normal: return nullptr;
        case CeldaHoja::Estilo::Destacada: return destacada;
        case CeldaHoja::Estilo::Titulo: return titulo;
        }
        return nullptr;
    };

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
            switch (celda.tipo) {
            case CeldaHoja::Tipo::Vacia: break;
            case CeldaHoja::Tipo::Texto:
                bien = worksheet_write_string(hojaLibro, r, col, celda.texto.c_str(), formato(celda.estilo)) ==
                       LXW_NO_ERROR;
                break;
            case CeldaHoja::Tipo::Numero:
                bien = std::isfinite(celda.numero) &&
                       worksheet_write_number(hojaLibro, r, col, celda.numero, formato(celda.estilo)) == LXW_NO_ERROR;
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

ResultadoArchivo GuardaHojaCalculo(const std::string& ruta, const Hoja& hoja) {
    ResultadoArchivo r;
    const std::string prefijo = "No se puede guardar en " + Entrecomillado(ruta) + ": ";

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
        r.mensaje = prefijo + "no se puede crear un archivo temporal en " + Entrecomillado(carpeta.string()) + ".";
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
