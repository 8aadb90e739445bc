// Our own climate table: one row a day (fecha) or twelve monthly normals (mes).
//
// The separator is the title line's: a tab, else ";", else ",". With "," decimals take a point,
// or a comma inside quotes ("13,9", as a Spanish spreadsheet saves them); with ";" or a tab a
// point or a comma. Dates are AAAA-MM-DD, dd/mm/aaaa or d/m/aaaa. Title names may come in any
// case and order, with or without accents and blanks ("T Máx"); a column the reader does not
// know is refused (a misspelt "hrmin" would otherwise silently become the start value). Empty
// lines, lines of empty cells and lines starting with "#" are skipped.

#include "numeros/conversiones.h"
#include "scenario/limites.h"
#include "scenario/texto_visible.h"
#include "weather/lectores_clima.h"

#include <algorithm>
#include <array>

namespace hortelia {
namespace {

// Title names compare in lower case without accents and blanks: "Nubosidad", "NUBOSIDAD",
// "nubosidád", "T Máx".
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
    constexpr std::string_view kBlancoDuro = "\xC2\xA0";  // a no-break space
    std::string r;
    for (std::size_t i = 0; i < s.size();) {
        if (EsBlanco(s[i]) || s.substr(i, kBlancoDuro.size()) == kBlancoDuro) {
            i += EsBlanco(s[i]) ? 1 : kBlancoDuro.size();
            continue;
        }
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

class Lector {
public:
    TablaClima Lee(const std::vector<LineaTexto>& lineas) {
        for (const LineaTexto& l : lineas) LeeLinea(l.texto, l.numero);
        Termina();
        return std::move(tabla_);
    }

private:
    void LeeLinea(std::string_view linea, int numero) {
        if (EsLineaSinDatos(linea)) return;
        if (!hayTitulo_) {
            LeeTitulo(linea, numero);
            return;
        }
        const FilaCsv fila = CeldasDeLinea(linea, separador_);
        if (fila.columnaMala) Falla(numero, fila.columnaMala, fila.problema);
        if (CeldasVacias(fila.celdas)) return;
        if (fila.celdas.size() != posicion_.size())
            Falla(numero, 0,
                  "la línea tiene " + Cuenta(fila.celdas.size(), "columna", "columnas") + " y el título " +
                      std::to_string(posicion_.size()) +
                      (separador_ == ',' && fila.celdas.size() > posicion_.size()
                           ? " (entre comas, un decimal con coma va entre comillas: \"13,9\")"
                           : ""));
        LeeFila(fila, numero);
    }

    void LeeTitulo(std::string_view linea, int numero) {
        hayTitulo_ = true;
        separador_ = SeparadorDeTitulo(linea);
        lineaTitulo_ = numero;
        columnaDe_.fill(0);
        const FilaCsv titulos = CeldasDeLinea(linea, separador_);
        if (titulos.columnaMala) Falla(numero, titulos.columnaMala, titulos.problema);
        const std::vector<std::string>& nombres = titulos.celdas;
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
        tabla_.tipo = columnaDe_[kMes] ? TipoTablaClima::Normales : TipoTablaClima::Diaria;
        for (int c : {kHRMax, kHRMin, kNubosidad, kViento})
            if (!columnaDe_[static_cast<std::size_t>(c)]) tabla_.faltan.emplace_back(kNombres[static_cast<std::size_t>(c)]);
    }

    void LeeFila(const FilaCsv& fila, int numero) {
        const std::vector<std::string>& celdas = fila.celdas;
        FilaClima f;
        f.hrmax = kHRMaxInicial;
        f.hrmin = kHRMinInicial;
        f.nubosidad = kNubosidadInicial;
        f.viento = kVientoInicial;
        for (std::size_t k = 0; k < celdas.size(); ++k) {
            const int c = posicion_[k];
            const int col = static_cast<int>(k) + 1;
            const std::string_view celda = celdas[k];
            if (c == kFecha || c == kMes) {
                const auto fecha = c == kFecha ? LeeFechaDeTabla(celda) : LeeMes(celda);
                if (!fecha)
                    Falla(numero, col,
                          ValorDeCelda(celda) + (c == kFecha ? MotivoFechaDeTabla(celda) : "no es un mes de 1 a 12"));
                f.fecha = *fecha;
                continue;
            }
            const bool coma = separador_ != ',' || fila.entreComillas[k];
            const auto v = LeeNumeroCelda(celda, coma);
            if (!v) Falla(numero, col, NoEsNumero(celda, coma));
            const Limite& l = LimiteDe(c);
            if (!l.Admite(*v))
                Falla(numero, col,
                      ValorDeCelda(celda) + "está fuera de los límites de la " + std::string(l.que) + " (" +
                          l.Rango() + ")");
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
        tabla_.filas.push_back(f);
        lineas_.push_back(numero);
    }

    // Why a cell is not a number: empty, a point and a comma together (which is the thousands
    // separator cannot be told), or not a number of the table's form.
    static std::string NoEsNumero(std::string_view celda, bool coma) {
        if (celda.empty()) return "la celda está vacía: falta el número";
        if (celda.find('.') != std::string_view::npos && celda.find(',') != std::string_view::npos)
            return ValorDeCelda(celda) + "lleva punto y coma: escríbalo sin separador de miles";
        return ValorDeCelda(celda) + (coma ? "no es un número (decimales con punto o coma)"
                                           : "no es un número (decimales con punto, o con coma entre comillas)");
    }

    static std::optional<Fecha> LeeMes(std::string_view celda) {
        if (celda.empty() || celda.size() > 2 || !std::all_of(celda.begin(), celda.end(), EsDigito))
            return std::nullopt;
        const int mes = std::stoi(std::string(celda));
        if (!limites::kMes.Admite(mes)) return std::nullopt;
        return Fecha{0, mes, 0};
    }

    void CompruebaOrden(const Fecha& f, int numero) {
        if (tabla_.tipo == TipoTablaClima::Normales) {
            for (std::size_t k = 0; k < tabla_.filas.size(); ++k)
                if (tabla_.filas[k].fecha.mes == f.mes)
                    Falla(numero, columnaDe_[kMes],
                          "el mes " + std::to_string(f.mes) + " está repetido (ya estaba en la línea " +
                              std::to_string(lineas_[k]) + ")");
            return;
        }
        if (tabla_.filas.empty()) return;
        const Fecha& anterior = tabla_.filas.back().fecha;
        if (f == anterior)
            Falla(numero, columnaDe_[kFecha],
                  "la fecha " + TextoFechaCompleta(f) + " está repetida (ya estaba en la línea " +
                      std::to_string(lineas_.back()) + ")");
        if (f < anterior)
            Falla(numero, columnaDe_[kFecha],
                  "la fecha " + TextoFechaCompleta(f) + " es anterior a la de la línea " +
                      std::to_string(lineas_.back()) + " (las fechas van en orden)");
    }

    void Termina() {
        if (!hayTitulo_) Falla(0, 0, "el archivo no tiene línea de títulos ni datos");
        auto& filas = tabla_.filas;
        if (filas.empty()) Falla(0, 0, "la tabla no tiene filas de datos");
        if (tabla_.tipo == TipoTablaClima::Normales) {
            std::string faltan;
            for (int m = 1; m <= 12; ++m)
                if (std::none_of(filas.begin(), filas.end(), [m](const FilaClima& f) { return f.fecha.mes == m; }))
                    faltan += (faltan.empty() ? "" : ", ") + std::to_string(m);
            if (!faltan.empty())
                Falla(0, columnaDe_[kMes], "una tabla de normales lleva los doce meses; faltan los meses " + faltan);
            std::sort(filas.begin(), filas.end(),
                      [](const FilaClima& a, const FilaClima& b) { return a.fecha < b.fecha; });
        }
    }

    [[noreturn]] void Falla(int linea, int columna, const std::string& motivo) const {
        std::string_view nombre;
        if (columna > 0 && linea != lineaTitulo_) {
            const auto c = std::find(columnaDe_.begin(), columnaDe_.end(), columna) - columnaDe_.begin();
            if (c < kColumnas) nombre = kNombres[static_cast<std::size_t>(c)];
        }
        Rechaza("La tabla de clima no es válida", linea, columna, "columna", nombre, motivo);
    }

    TablaClima tabla_;
    bool hayTitulo_ = false;
    char separador_ = ',';
    int lineaTitulo_ = 0;
    std::array<int, kColumnas> columnaDe_{};  ///< 1-based column of each known name, 0 when absent
    std::vector<int> posicion_;               ///< the known name of each column of the file
    std::vector<int> lineas_;                 ///< the file's line of each row read
};

}  // namespace

TablaClima LeeTablaPropia(const std::vector<LineaTexto>& lineas) { return Lector().Lee(lineas); }

}  // namespace hortelia
