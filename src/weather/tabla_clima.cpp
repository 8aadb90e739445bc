#include "weather/tabla_clima.h"

#include "numeros/conversiones.h"
#include "scenario/archivo_texto.h"
#include "scenario/texto_visible.h"
#include "weather/lectores_clima.h"

namespace hortelia {
namespace {

std::string Minusculas(std::string_view s) {
    std::string r(s);
    for (char& c : r)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return r;
}

// The first cell of a line, in lower case, whatever the separator.
std::string PrimeraCelda(std::string_view linea) {
    const std::vector<std::string> celdas = CeldasDeLinea(linea, SeparadorDeTitulo(linea)).celdas;
    return celdas.empty() ? std::string() : Minusculas(celdas.front());
}

// The next line with something to read: not empty, not a comment ("#").
std::size_t SiguienteNoVacia(const std::vector<LineaTexto>& lineas, std::size_t desde) {
    while (desde < lineas.size() && EsLineaSinDatos(lineas[desde].texto)) ++desde;
    return desde;
}

// An API export opens with an optional block "latitude,longitude,..." and its values, then a
// blank line, before its title line "time,...". The latitude of that block, and where the title is.
std::optional<std::size_t> TituloDeExportacion(const std::vector<LineaTexto>& lineas, std::size_t primera,
                                               std::optional<double>& latitud) {
    const std::string celda = PrimeraCelda(lineas[primera].texto);
    if (celda == "time") return primera;
    if (celda != "latitude") return std::nullopt;
    const std::size_t valores = SiguienteNoVacia(lineas, primera + 1);
    if (valores < lineas.size()) {
        const std::vector<std::string> cifras = CeldasDeLinea(lineas[valores].texto, ',').celdas;
        if (!cifras.empty()) latitud = LeeNumeroCelda(cifras.front(), false);
    }
    const std::size_t titulo = SiguienteNoVacia(lineas, valores + 1);
    if (titulo >= lineas.size())
        Rechaza("La exportación de clima no es válida", 0, 0, {}, {},
                "después del bloque de latitude no hay línea de títulos (time, ...) ni datos");
    return titulo;
}

// A text file never holds a null byte; UTF-16 without its byte-order mark is full of them.
void RechazaBytesNulos(const std::vector<LineaTexto>& lineas) {
    for (const LineaTexto& l : lineas)
        if (l.texto.find('\0') != std::string_view::npos)
            Rechaza("La tabla de clima no es válida", l.numero, 0, {}, {},
                    "tiene bytes nulos: no es texto, o es texto UTF-16 sin su marca de orden de bytes; guárdela "
                    "desde la planilla como «Texto CSV» con la codificación UTF-8");
}

}  // namespace

[[noreturn]] void Rechaza(std::string_view encabezado, int linea, int columna, std::string_view que,
                          std::string_view nombre, const std::string& motivo) {
    std::string donde;
    if (linea > 0) donde = "en la línea " + std::to_string(linea);
    if (columna > 0) donde += (linea > 0 ? ", " : "en la ") + std::string(que) + " " + std::to_string(columna);
    if (columna > 0 && !nombre.empty()) donde += " (" + std::string(nombre) + ")";
    RechazoClima r;
    r.linea = linea;
    r.columna = columna;
    r.mensaje = std::string(encabezado) + ": " + (donde.empty() ? "" : donde + ", ") + motivo + ".";
    throw r;
}

std::string ValorDeCelda(std::string_view celda) {
    return celda.empty() ? "la celda " : "el valor \"" + TextoVisible(celda, 60) + "\" ";
}

std::string Cuenta(std::size_t n, std::string_view singular, std::string_view plural) {
    return std::to_string(n) + " " + std::string(n == 1 ? singular : plural);
}

ResultadoTablaClima LeeTablaClima(std::string_view bytes) {
    ResultadoTablaClima r;
    try {
        const TextoDecodificado texto = DecodificaTexto(bytes);
        const std::vector<LineaTexto> lineas = LineasDeTexto(texto.texto);
        RechazaBytesNulos(lineas);
        const std::size_t primera = SiguienteNoVacia(lineas, 0);
        std::optional<double> latitud;
        if (primera < lineas.size() && lineas[primera].texto.substr(0, 9) == "LOCATION,") {
            r.tabla = LeeEpw(lineas);
        } else if (const auto titulo = primera < lineas.size() ? TituloDeExportacion(lineas, primera, latitud)
                                                               : std::nullopt) {
            r.tabla = LeeExportacionApi(lineas, *titulo, latitud);
        } else {
            r.tabla = LeeTablaPropia(lineas);
        }
        r.tabla.codificacion = texto.codificacion;
        r.ok = true;
    } catch (const RechazoClima& rechazo) {
        r.linea = rechazo.linea;
        r.columna = rechazo.columna;
        r.mensaje = rechazo.mensaje;
        r.tabla = {};
    }
    return r;
}

ResultadoTablaClima CargaTablaClima(const std::string& ruta) {
    const ResultadoArchivo a = LeeArchivoTexto(ruta, kLimiteTablaClima);
    if (!a.ok) {
        ResultadoTablaClima r;
        r.mensaje = a.mensaje;
        return r;
    }
    return LeeTablaClima(a.texto);
}

Fecha PrimerDia(const TablaClima& t) {
    if (EsHoraria(t.tipo)) return t.dias.front().fecha;
    return t.tipo == TipoTablaClima::Normales ? Fecha{0, 1, 1} : t.filas.front().fecha;
}

Fecha UltimoDia(const TablaClima& t) {
    if (EsHoraria(t.tipo)) return t.dias.back().fecha;
    return t.tipo == TipoTablaClima::Normales ? Fecha{0, 12, 31} : t.filas.back().fecha;
}

std::optional<Fecha> LeeFecha(std::string_view texto, TipoTablaClima tipo) {
    if (TieneAnio(tipo)) return LeeFechaCompleta(texto);
    return LeeMesDia(texto, tipo == TipoTablaClima::AnioTipico);
}

std::string TextoFecha(const Fecha& f, TipoTablaClima tipo) {
    return TieneAnio(tipo) ? TextoFechaCompleta(f) : TextoMesDia(f);
}

std::optional<double> LeeNumeroCelda(std::string_view texto, bool comaDecimal) {
    return LeeNumeroCompleto(
        texto, {.comaDecimal = comaDecimal, .exponente = FormaNumero::Exponente::Ninguno, .blancosAlrededor = true});
}

}  // namespace hortelia
