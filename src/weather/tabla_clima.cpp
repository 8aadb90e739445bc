#include "weather/tabla_clima.h"

#include "numeros/conversiones.h"
#include "scenario/archivo_texto.h"
#include "scenario/limites.h"
#include "scenario/texto_visible.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace hortelia {
namespace {

// ---- cells and lines ----

bool EsBlanco(char c) { return c == ' ' || c == '\t'; }
bool EsDigito(char c) { return c >= '0' && c <= '9'; }

std::string_view SinBlancos(std::string_view s) {
    while (!s.empty() && EsBlanco(s.front())) s.remove_prefix(1);
    while (!s.empty() && EsBlanco(s.back())) s.remove_suffix(1);
    return s;
}

// The cells of a line. A cell that starts with a double quote runs to the closing one and may hold
// the separator ("20,5" in a table separated by commas) and doubled quotes; blanks around a
// cell are dropped.
std::vector<std::string> Parte(std::string_view linea, char separador) {
    std::vector<std::string> celdas;
    std::size_t i = 0;
    for (;;) {
        while (i < linea.size() && EsBlanco(linea[i]) && linea[i] != separador) ++i;
        std::string celda;
        if (i < linea.size() && linea[i] == '"') {
            for (++i; i < linea.size(); ++i) {
                if (linea[i] != '"') {
                    celda += linea[i];
                } else if (i + 1 < linea.size() && linea[i + 1] == '"') {
                    celda += '"';
                    ++i;
                } else {
                    ++i;
                    break;
                }
            }
            celda = std::string(SinBlancos(celda));
        }
        const std::size_t fin = std::min(linea.find(separador, i), linea.size());
        celda += SinBlancos(linea.substr(i, fin - i));
        celdas.push_back(std::move(celda));
        if (fin == linea.size()) return celdas;
        i = fin + 1;
    }
}

// Title names compare in lower case without accents: "Nubosidad", "NUBOSIDAD", "nubosidád".
std::string NombreNormalizado(std::string_view s) {
    static constexpr std::array<std::pair<std::string_view, char>, 12> kAcentos{{{"á", 'a'},
                                                                                 {"é", 'e'},
                                                                                 {"í", 'i'},
                                                                                 {"ó", 'o'},
                                                                                 {"ú", 'u'},
                                                                                 {"ü", 'u'},
                                                                                 {"Á", 'a'},
                                                                                 {"É", 'e'},
                                                                                 {"Í", 'i'},
                                                                                 {"Ó", 'o'},
                                                                                 {"Ú", 'u'},
                                                                                 {"Ü", 'u'}}};
    std::string r;
    for (std::size_t i = 0; i < s.size();) {
        bool cambiado = false;
        for (const auto& [acento, letra] : kAcentos) {
            if (s.substr(i, acento.size()) == acento) {
                r += letra;
                i += acento.size();
                cambiado = true;
                break;
            }
        }
        if (cambiado) continue;
        const char c = s[i++];
        r += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return r;
}

// ---- the columns ----

enum Columna { kFecha, kMes, kTMax, kTMin, kHRMax, kHRMin, kNubosidad, kViento, kColumnas };

constexpr std::array<std::string_view, kColumnas> kNombres{"fecha", "mes",   "tmax",      "tmin",
                                                           "hrmax", "hrmin", "nubosidad", "viento"};

const Limite& LimiteDe(int columna) {
    switch (columna) {
    case kTMax:
    case kTMin: return limites::kTemperatura;
    case kHRMax:
    case kHRMin: return limites::kHumedad;
    case kNubosidad: return limites::kNubosidad;
    default: return limites::kVientoKmh;
    }
}

double& FiguraDe(FilaClima& f, int columna) {
    switch (columna) {
    case kTMax: return f.tmax;
    case kTMin: return f.tmin;
    case kHRMax: return f.hrmax;
    case kHRMin: return f.hrmin;
    case kNubosidad: return f.nubosidad;
    default: return f.viento;
    }
}

// ---- reading ----

/// Thrown to stop reading; the details are in Lector::error.
struct Rechazo {};

class Lector {
public:
    ResultadoTablaClima r;

    void Lee(std::string_view texto) {
        if (texto.substr(0, 3) == "\xEF\xBB\xBF") texto.remove_prefix(3);
        int numero = 0;
        std::size_t i = 0;
        while (i < texto.size()) {
            std::size_t fin = texto.find_first_of("\r\n", i);
            if (fin == std::string_view::npos) fin = texto.size();
            ++numero;
            LeeLinea(texto.substr(i, fin - i), numero);
            i = fin;
            if (i < texto.size() && texto[i] == '\r' && i + 1 < texto.size() && texto[i + 1] == '\n') ++i;
            if (i < texto.size()) ++i;
        }
        Termina();
    }

private:
    void LeeLinea(std::string_view linea, int numero) {
        const std::string_view limpia = SinBlancos(linea);
        if (limpia.empty() || limpia.front() == '#') return;
        if (!hayTitulo_) {
            LeeTitulo(linea, numero);
            return;
        }
        const std::vector<std::string> celdas = Parte(linea, separador_);
        if (std::all_of(celdas.begin(), celdas.end(), [](const std::string& c) { return c.empty(); })) return;
        if (celdas.size() != posicion_.size())
            Falla(numero, 0,
                  "la línea tiene " + std::to_string(celdas.size()) + " columnas y el título " +
                      std::to_string(posicion_.size()));
        LeeFila(celdas, numero);
    }

    void LeeTitulo(std::string_view linea, int numero) {
        hayTitulo_ = true;
        separador_ = linea.find('\t') != std::string_view::npos  ? '\t'
                     : linea.find(';') != std::string_view::npos ? ';'
                                                                 : ',';
        lineaTitulo_ = numero;
        columnaDe_.fill(0);
        const std::vector<std::string> nombres = Parte(linea, separador_);
        for (std::size_t k = 0; k < nombres.size(); ++k) {
            const int col = static_cast<int>(k) + 1;
            const std::string nombre = NombreNormalizado(nombres[k]);
            const auto it = std::find(kNombres.begin(), kNombres.end(), nombre);
            if (nombres[k].empty()) Falla(numero, col, "la columna " + std::to_string(col) + " no tiene título");
            if (it == kNombres.end())
                Falla(numero, col,
                      "la columna \"" + TextoVisible(nombres[k], 60) +
                          "\" no es conocida (las columnas son fecha o mes, tmax, tmin, hrmax, hrmin, "
                          "nubosidad y viento)");
            const int c = static_cast<int>(it - kNombres.begin());
            if (columnaDe_[static_cast<std::size_t>(c)] != 0)
                Falla(numero, col,
                      "la columna " + std::string(kNombres[static_cast<std::size_t>(c)]) + " está repetida");
            columnaDe_[static_cast<std::size_t>(c)] = col;
            posicion_.push_back(c);
        }
        if (columnaDe_[kFecha] && columnaDe_[kMes])
            Falla(numero, columnaDe_[kMes],
                  "la tabla tiene fecha y mes: una tabla diaria lleva fecha, una de normales mes");
        if (!columnaDe_[kFecha] && !columnaDe_[kMes])
            Falla(numero, 0, "falta la columna fecha (una fila por día) o mes (doce filas de normales mensuales)");
        for (int c : {kTMax, kTMin})
            if (!columnaDe_[static_cast<std::size_t>(c)])
                Falla(numero, 0, "falta la columna " + std::string(kNombres[static_cast<std::size_t>(c)]));
        r.tabla.tipo = columnaDe_[kMes] ? TipoTablaClima::Normales : TipoTablaClima::Diaria;
        for (int c : {kHRMax, kHRMin, kNubosidad, kViento})
            if (!columnaDe_[static_cast<std::size_t>(c)])
                r.tabla.faltan.emplace_back(kNombres[static_cast<std::size_t>(c)]);
    }

    void LeeFila(const std::vector<std::string>& celdas, int numero) {
        FilaClima f;
        f.hrmax = kHRMaxInicial;
        f.hrmin = kHRMinInicial;
        f.nubosidad = kNubosidadInicial;
        f.viento = kVientoInicial;
        const bool coma = separador_ != ',';
        for (std::size_t k = 0; k < celdas.size(); ++k) {
            const int c = posicion_[k];
            const int col = static_cast<int>(k) + 1;
            const std::string_view celda = celdas[k];
            if (c == kFecha || c == kMes) {
                const auto fecha = c == kFecha ? LeeFecha(celda, TipoTablaClima::Diaria) : LeeMes(celda);
                if (!fecha)
                    Falla(numero, col, Valor(celda) + (c == kFecha ? ExplicaFecha(celda) : "no es un mes de 1 a 12"));
                f.fecha = *fecha;
                continue;
            }
            const auto v = LeeNumeroCelda(celda, coma);
            if (!v)
                Falla(numero, col,
                      Valor(celda) + (celda.empty() ? "está vacía: falta el número"
                                      : coma        ? "no es un número (decimales con punto o coma)"
                                                    : "no es un número (decimales con punto)"));
            const Limite& l = LimiteDe(c);
            if (!l.Admite(*v))
                Falla(numero, col,
                      Valor(celda) + "está fuera de los límites de la " + std::string(l.que) + " (" + l.Rango() + ")");
            FiguraDe(f, c) = *v;
        }
        if (f.tmin > f.tmax) Falla(numero, columnaDe_[kTMin], "la temperatura mínima es mayor que la máxima");
        if (f.hrmin > f.hrmax) {
            // Without its column the minimum is the start value; the maximum's column then says it.
            const bool conMinima = columnaDe_[kHRMin] != 0;
            Falla(numero, conMinima ? columnaDe_[kHRMin] : columnaDe_[kHRMax],
                  conMinima ? "la humedad mínima es mayor que la máxima"
                            : "la humedad máxima es menor que la mínima (" + NumeroSinBlanco(kHRMinInicial) +
                                  " %, el valor inicial: falta la columna hrmin)");
        }
        CompruebaOrden(f.fecha, numero);
        r.tabla.filas.push_back(f);
        lineas_.push_back(numero);
    }

    static std::string Valor(std::string_view celda) {
        return celda.empty() ? "la celda " : "el valor \"" + TextoVisible(celda, 60) + "\" ";
    }

    // Why a date cell is not a date: its form, or a day the calendar does not have.
    static std::string ExplicaFecha(std::string_view celda) {
        const bool forma = celda.size() == 10 && celda[4] == '-' && celda[7] == '-' &&
                           std::all_of(celda.begin(), celda.end(), [](char c) { return EsDigito(c) || c == '-'; });
        return forma ? "no es una fecha posible" : "no es una fecha AAAA-MM-DD";
    }

    static std::optional<Fecha> LeeMes(std::string_view celda) {
        if (celda.empty() || celda.size() > 2 || !std::all_of(celda.begin(), celda.end(), EsDigito))
            return std::nullopt;
        const int mes = std::stoi(std::string(celda));
        if (!limites::kMes.Admite(mes)) return std::nullopt;
        return Fecha{0, mes, 0};
    }

    void CompruebaOrden(const Fecha& f, int numero) {
        if (r.tabla.tipo == TipoTablaClima::Normales) {
            for (std::size_t k = 0; k < r.tabla.filas.size(); ++k)
                if (r.tabla.filas[k].fecha.mes == f.mes)
                    Falla(numero, columnaDe_[kMes],
                          "el mes " + std::to_string(f.mes) + " está repetido (ya estaba en la línea " +
                              std::to_string(lineas_[k]) + ")");
            return;
        }
        if (r.tabla.filas.empty()) return;
        const Fecha& anterior = r.tabla.filas.back().fecha;
        if (f == anterior)
            Falla(numero, columnaDe_[kFecha],
                  "la fecha " + TextoFecha(f, TipoTablaClima::Diaria) + " está repetida (ya estaba en la línea " +
                      std::to_string(lineas_.back()) + ")");
        if (f < anterior)
            Falla(numero, columnaDe_[kFecha],
                  "la fecha " + TextoFecha(f, TipoTablaClima::Diaria) + " es anterior a la de la línea " +
                      std::to_string(lineas_.back()) + " (las fechas van en orden)");
    }

    void Termina() {
        if (!hayTitulo_) Falla(0, 0, "el archivo no tiene línea de títulos ni datos");
        auto& filas = r.tabla.filas;
        if (filas.empty()) Falla(0, 0, "la tabla no tiene filas de datos");
        if (r.tabla.tipo == TipoTablaClima::Normales) {
            std::string faltan;
            for (int m = 1; m <= 12; ++m)
                if (std::none_of(filas.begin(), filas.end(), [m](const FilaClima& f) { return f.fecha.mes == m; }))
                    faltan += (faltan.empty() ? "" : ", ") + std::to_string(m);
            if (!faltan.empty())
                Falla(0, columnaDe_[kMes], "una tabla de normales lleva los doce meses; faltan los meses " + faltan);
            std::sort(filas.begin(), filas.end(),
                      [](const FilaClima& a, const FilaClima& b) { return a.fecha < b.fecha; });
        }
        r.ok = true;
    }

    [[noreturn]] void Falla(int linea, int columna, const std::string& motivo) {
        r.ok = false;
        r.linea = linea;
        r.columna = columna;
        r.mensaje = "La tabla de clima no es válida: ";
        std::string donde;
        if (linea > 0) donde = "en la línea " + std::to_string(linea);
        if (columna > 0) donde += (linea > 0 ? ", columna " : "en la columna ") + std::to_string(columna);
        if (columna > 0 && linea != lineaTitulo_) {
            const auto c = std::find(columnaDe_.begin(), columnaDe_.end(), columna) - columnaDe_.begin();
            if (c < kColumnas) donde += " (" + std::string(kNombres[static_cast<std::size_t>(c)]) + ")";
        }
        if (!donde.empty()) r.mensaje += donde + ", ";
        r.mensaje += motivo + ".";
        r.tabla = {};
        throw Rechazo{};
    }

    bool hayTitulo_ = false;
    char separador_ = ',';
    int lineaTitulo_ = 0;
    std::array<int, kColumnas> columnaDe_{};  ///< 1-based column of each known name, 0 when absent
    std::vector<int> posicion_;               ///< the known name of each column of the file
    std::vector<int> lineas_;                 ///< the file's line of each row read
};

}  // namespace

ResultadoTablaClima LeeTablaClima(std::string_view texto) {
    Lector lector;
    try {
        lector.Lee(texto);
    } catch (const Rechazo&) {
    }
    return std::move(lector.r);
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

bool EsBisiesto(int anio) { return anio != 0 && ((anio % 4 == 0 && anio % 100 != 0) || anio % 400 == 0); }

int DiasDelMes(int anio, int mes) {
    static constexpr std::array<int, 12> kDias{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return mes == 2 && EsBisiesto(anio) ? 29 : kDias.at(static_cast<std::size_t>(mes - 1));
}

Fecha DiaSiguiente(const Fecha& f) {
    Fecha s = f;
    if (++s.dia <= DiasDelMes(f.anio, f.mes)) return s;
    s.dia = 1;
    if (++s.mes <= 12) return s;
    s.mes = 1;
    if (s.anio != 0) ++s.anio;
    return s;
}

long NumeroDeDia(const Fecha& f) {
    // Days from civil: March-based years, so that February 29 is a year's last day.
    const long y = f.anio - (f.mes <= 2 ? 1 : 0);
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long anioEra = y - era * 400;
    const long diaAnio = (153 * (f.mes + (f.mes > 2 ? -3 : 9)) + 2) / 5 + f.dia - 1;
    const long diaEra = anioEra * 365 + anioEra / 4 - anioEra / 100 + diaAnio;
    return era * 146097 + diaEra - 719468;
}

std::optional<Fecha> LeeFecha(std::string_view texto, TipoTablaClima tipo) {
    texto = SinBlancos(texto);
    const bool diaria = tipo == TipoTablaClima::Diaria;
    const std::size_t largo = diaria ? 10 : 5;
    if (texto.size() != largo) return std::nullopt;
    for (std::size_t i = 0; i < largo; ++i) {
        const bool guion = diaria ? (i == 4 || i == 7) : i == 2;
        if (guion ? texto[i] != '-' : !EsDigito(texto[i])) return std::nullopt;
    }
    const auto num = [&](std::size_t desde, std::size_t n) {
        int v = 0;
        for (std::size_t i = desde; i < desde + n; ++i) v = v * 10 + (texto[i] - '0');
        return v;
    };
    Fecha f;
    f.anio = diaria ? num(0, 4) : 0;
    f.mes = diaria ? num(5, 2) : num(0, 2);
    f.dia = diaria ? num(8, 2) : num(3, 2);
    if ((diaria && f.anio < 1) || f.mes < 1 || f.mes > 12 || f.dia < 1 || f.dia > DiasDelMes(f.anio, f.mes))
        return std::nullopt;
    return f;
}

std::string TextoFecha(const Fecha& f, TipoTablaClima tipo) {
    char buf[32];
    if (tipo == TipoTablaClima::Diaria) std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", f.anio, f.mes, f.dia);
    else std::snprintf(buf, sizeof buf, "%02d-%02d", f.mes, f.dia);
    return buf;
}

std::optional<double> LeeNumeroCelda(std::string_view texto, bool comaDecimal) {
    return LeeNumeroCompleto(
        texto, {.comaDecimal = comaDecimal, .exponente = FormaNumero::Exponente::Ninguno, .blancosAlrededor = true});
}

}  // namespace hortelia
