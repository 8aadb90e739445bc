// The CSV exports of public weather APIs: an optional block "latitude,longitude,..." with its
// values and a blank line, then a title line whose first column is `time`, then one row an hour
// (stamped AAAA-MM-DDTHH:MM) or a day (AAAA-MM-DD). Columns are known by the name before " (",
// in any order, with the unit in the brackets; other columns are ignored.
//
// Hourly: the row at HH:00 is hour HH of its date and 00:00 is hour 24 of the day before, as
// written (no time zone is applied). A day inside the file with a missing hour or an empty
// required cell is kept as not complete; the first and last days, cut by every export (it runs
// 00:00 to 23:00), are dropped when not complete. Daily: the rows of our own daily table; a row
// with an empty cell is left out, as a date the table lacks.

#include "numeros/conversiones.h"
#include "scenario/limites.h"
#include "scenario/texto_visible.h"
#include "weather/lectores_clima.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace hortelia {
namespace {

constexpr std::string_view kEncabezado = "La exportación de clima no es válida";
constexpr long kDiasDeRegistro = 36525;  // a hundred years

enum class Magnitud { Temperatura, Humedad, Radiacion, Viento, Nubes };

struct ColumnaApi {
    std::string_view nombre;
    Magnitud magnitud;
    bool requerida;
};

constexpr std::array<ColumnaApi, 5> kHorarias{{{"temperature_2m", Magnitud::Temperatura, true},
                                               {"relative_humidity_2m", Magnitud::Humedad, true},
                                               {"shortwave_radiation", Magnitud::Radiacion, true},
                                               {"wind_speed_10m", Magnitud::Viento, true},
                                               {"cloud_cover", Magnitud::Nubes, false}}};

// The daily columns, in the order of our table's figures: tmax, tmin, hrmax, hrmin, nubosidad, viento.
constexpr std::array<ColumnaApi, 6> kDiarias{{{"temperature_2m_max", Magnitud::Temperatura, true},
                                              {"temperature_2m_min", Magnitud::Temperatura, true},
                                              {"relative_humidity_2m_max", Magnitud::Humedad, false},
                                              {"relative_humidity_2m_min", Magnitud::Humedad, false},
                                              {"cloud_cover_mean", Magnitud::Nubes, false},
                                              {"wind_speed_10m_mean", Magnitud::Viento, false}}};
constexpr std::array<std::string_view, 6> kNombresPropios{"tmax", "tmin", "hrmax", "hrmin", "nubosidad", "viento"};

// A unit a column may come in, and how it becomes the model's: x * factor + suma.
struct Unidad {
    std::string_view texto;
    double factor, suma;
};

// Wind to m/s (hourly records) or km/h (daily rows); °F to °C.
constexpr std::array<Unidad, 4> kUnidadesVientoMs{{{"km/h", 1 / 3.6, 0}, {"m/s", 1, 0}, {"mp/h", 0.44704, 0}, {"kn", 1852.0 / 3600, 0}}};
constexpr std::array<Unidad, 4> kUnidadesVientoKmh{{{"km/h", 1, 0}, {"m/s", 3.6, 0}, {"mp/h", 1.609344, 0}, {"kn", 1.852, 0}}};
constexpr std::array<Unidad, 2> kUnidadesTemperatura{{{"°C", 1, 0}, {"°F", 5.0 / 9, -32 * 5.0 / 9}}};

class LectorApi {
public:
    LectorApi(const std::vector<LineaTexto>& lineas, std::size_t titulo) : lineas_(lineas), titulo_(titulo) {}

    TablaClima Lee(std::optional<double> latitud) {
        if (latitud && !(std::abs(*latitud) <= 90)) latitud.reset();
        tabla_.latitud = latitud;
        LeeTitulo();
        for (std::size_t k = titulo_ + 1; k < lineas_.size(); ++k) {
            if (EsLineaSinDatos(lineas_[k].texto)) continue;
            const FilaCsv fila = CeldasDeLinea(lineas_[k].texto, ',');
            if (fila.columnaMala) Falla(lineas_[k].numero, fila.columnaMala, fila.problema);
            if (CeldasVacias(fila.celdas)) continue;
            if (fila.celdas.size() != nombres_.size())
                Rechaza(kEncabezado, lineas_[k].numero, 0, {}, {},
                        "la línea tiene " + Cuenta(fila.celdas.size(), "columna", "columnas") + " y el título " +
                            std::to_string(nombres_.size()));
            if (horaria_) LeeHora(fila, lineas_[k].numero);
            else LeeDia(fila, lineas_[k].numero);
        }
        if (horaria_) TerminaHoras();
        else if (tabla_.filas.empty()) Rechaza(kEncabezado, 0, 0, {}, {}, "no tiene ningún día con todos sus datos");
        return std::move(tabla_);
    }

private:
    [[noreturn]] void Falla(int linea, int columna, const std::string& motivo) const {
        const std::string_view nombre =
            columna > 0 && static_cast<std::size_t>(columna) <= nombres_.size() ? std::string_view(nombres_[static_cast<std::size_t>(columna - 1)]) : std::string_view();
        Rechaza(kEncabezado, linea, columna, "columna", TextoVisible(nombre, 60), motivo);
    }

    template <std::size_t N>
    const Unidad& UnidadDe(int columna, std::string_view unidad, const std::array<Unidad, N>& admitidas) const {
        for (const Unidad& u : admitidas)
            if (u.texto == unidad) return u;
        std::string lista;
        for (std::size_t k = 0; k < N; ++k) lista += (k == 0 ? "" : k + 1 == N ? " o " : ", ") + std::string(admitidas[k].texto);
        Falla(lineas_[titulo_].numero, columna,
              "la unidad \"" + TextoVisible(unidad, 20) + "\" de " + nombres_[static_cast<std::size_t>(columna - 1)] +
                  " no es conocida (" + lista + ")");
    }

    // The conversion of a column to the model's unit; a missing unit is the API's own default.
    Unidad Conversion(int columna, Magnitud m, std::string_view unidad) const {
        const auto fija = [&](std::string_view esperada) {
            if (!unidad.empty() && unidad != esperada)
                Falla(lineas_[titulo_].numero, columna,
                      "la unidad \"" + TextoVisible(unidad, 20) + "\" de " + nombres_[static_cast<std::size_t>(columna - 1)] +
                          " no es conocida (" + std::string(esperada) + ")");
            return Unidad{esperada, 1, 0};
        };
        switch (m) {
        case Magnitud::Temperatura: return UnidadDe(columna, unidad.empty() ? "°C" : unidad, kUnidadesTemperatura);
        case Magnitud::Humedad: return fija("%");
        case Magnitud::Radiacion: return fija("W/m²");
        case Magnitud::Nubes: return fija("%");
        case Magnitud::Viento:
            return horaria_ ? UnidadDe(columna, unidad.empty() ? "km/h" : unidad, kUnidadesVientoMs)
                            : UnidadDe(columna, unidad.empty() ? "km/h" : unidad, kUnidadesVientoKmh);
        }
        return {};
    }

    void LeeTitulo() {
        const FilaCsv titulos = CeldasDeLinea(lineas_[titulo_].texto, ',');
        if (titulos.columnaMala)
            Rechaza(kEncabezado, lineas_[titulo_].numero, titulos.columnaMala, "columna", {}, titulos.problema);
        std::vector<std::string_view> unidades;
        for (const std::string& c : titulos.celdas) {
            const std::size_t abre = c.find(" (");
            const bool conUnidad = abre != std::string::npos && c.back() == ')';
            nombres_.push_back(conUnidad ? c.substr(0, abre) : c);
            unidades.push_back(conUnidad ? std::string_view(c).substr(abre + 2, c.size() - abre - 3) : std::string_view());
        }
        const auto columna = [&](std::string_view nombre) {
            const auto it = std::find(nombres_.begin(), nombres_.end(), nombre);
            return it == nombres_.end() ? 0 : static_cast<int>(it - nombres_.begin()) + 1;
        };
        horaria_ = columna("temperature_2m") != 0;
        if (!horaria_ && columna("temperature_2m_max") == 0)
            Rechaza(kEncabezado, lineas_[titulo_].numero, 0, {}, {},
                    "falta la columna temperature_2m (datos horarios) o temperature_2m_max (datos diarios)");
        const auto lee = [&](const auto& columnas) {
            for (std::size_t k = 0; k < columnas.size(); ++k) {
                const int c = columna(columnas[k].nombre);
                if (c == 0 && columnas[k].requerida)
                    Rechaza(kEncabezado, lineas_[titulo_].numero, 0, {}, {},
                            "falta la columna " + std::string(columnas[k].nombre));
                columnas_.push_back(c);
                conversiones_.push_back(c ? Conversion(c, columnas[k].magnitud, unidades[static_cast<std::size_t>(c - 1)])
                                          : Unidad{});
                if (c == 0 && !horaria_) tabla_.faltan.emplace_back(kNombresPropios[k]);
            }
        };
        if (horaria_) lee(kHorarias);
        else lee(kDiarias);
        tabla_.tipo = horaria_ ? TipoTablaClima::Horaria : TipoTablaClima::Diaria;
    }

    // The k-th known column's figure in the model's unit; none when the cell is empty. A quoted
    // cell may bring a decimal comma, as a spreadsheet saves it.
    std::optional<double> Figura(const FilaCsv& fila, std::size_t k, int linea, const Limite& limite,
                                 double minimo, double maximo) const {
        const int c = columnas_[k];
        const std::string& celda = fila.celdas[static_cast<std::size_t>(c - 1)];
        if (celda.empty()) return std::nullopt;
        const auto v = LeeNumeroCelda(celda, fila.entreComillas[static_cast<std::size_t>(c - 1)]);
        if (!v) Falla(linea, c, ValorDeCelda(celda) + "no es un número (decimales con punto)");
        const double x = *v * conversiones_[k].factor + conversiones_[k].suma;
        if (!(x >= minimo && x <= maximo))
            Falla(linea, c,
                  ValorDeCelda(celda) + "está fuera de los límites de la " + std::string(limite.que) + " (" +
                      limite.Rango() + ")");
        return x;
    }

    void LeeHora(const FilaCsv& fila, int linea) {
        const std::string& sello = fila.celdas.front();
        const auto fecha = LeeFechaCompleta(std::string_view(sello).substr(0, 10));
        const bool forma = sello.size() == 16 && sello[10] == 'T' && sello[13] == ':' && EsDigito(sello[11]) &&
                           EsDigito(sello[12]) && EsDigito(sello[14]) && EsDigito(sello[15]);
        if (!fecha || !forma) Falla(linea, 1, ValorDeCelda(sello) + "no es una hora AAAA-MM-DDTHH:MM");
        const int hh = (sello[11] - '0') * 10 + (sello[12] - '0');
        if (hh > 23 || sello[14] != '0' || sello[15] != '0')
            Falla(linea, 1, ValorDeCelda(sello) + "no es una hora en punto (de 00:00 a 23:00)");
        // 00:00 closes the day before, as its hour 24.
        Fecha dia = *fecha;
        int hora = hh;
        if (hh == 0) {
            hora = 24;
            dia = DiaAnterior(*fecha);
        }
        const long numero = NumeroDeDia(dia) * 24 + hora;
        if (!tabla_.dias.empty() && numero <= ultimaHora_)
            Falla(linea, 1, "la hora " + sello + " no va después de la de la línea " + std::to_string(ultimaLinea_) +
                                " (las horas van en orden, sin repetirse)");
        ultimaHora_ = numero;
        ultimaLinea_ = linea;
        // Days with no row at all between the last one and this one stay, not complete: a record
        // spans at most kDiasDeRegistro days, so that a date mistyped far ahead cannot fill the memory.
        if (tabla_.dias.empty()) NuevoDia(dia);
        if (NumeroDeDia(dia) - NumeroDeDia(tabla_.dias.front().fecha) >= kDiasDeRegistro)
            Falla(linea, 1,
                  "la hora " + sello + " está a más de cien años de la primera del registro (" +
                      TextoFechaCompleta(tabla_.dias.front().fecha) + ")");
        while (tabla_.dias.back().fecha != dia) NuevoDia(DiaSiguiente(tabla_.dias.back().fecha));

        using namespace limites;
        const auto t = Figura(fila, 0, linea, kTemperatura, kTemperatura.minimo, kTemperatura.maximo);
        const auto hr = Figura(fila, 1, linea, kHumedad, 0, 110);
        const auto rad = Figura(fila, 2, linea, kRadiacion, -kRadiacion.maximo, kRadiacion.maximo);
        const auto v = Figura(fila, 3, linea, kVientoMs, kVientoMs.minimo, kVientoMs.maximo);
        const auto nubes = columnas_[4] ? Figura(fila, 4, linea, kHumedad, 0, 100) : std::nullopt;
        if (!t || !hr || !rad || !v) return;  // the day stays not complete
        HoraClima& h = tabla_.dias.back().horas[static_cast<std::size_t>(hora - 1)];
        h.temperatura = *t;
        h.humedad = *hr;
        h.radiacion = *rad;
        h.viento = *v;
        h.nubes = nubes.value_or(0) / 100;
        completas_.back() |= 1U << (hora - 1);
    }

    void NuevoDia(const Fecha& f) {
        tabla_.dias.push_back({f, false, {}});
        completas_.push_back(0);
    }

    static Fecha DiaAnterior(const Fecha& f) {
        Fecha d = f;
        if (--d.dia >= 1) return d;
        if (--d.mes < 1) {
            d.mes = 12;
            --d.anio;
        }
        d.dia = DiasDelMes(d.anio, d.mes);
        return d;
    }

    void TerminaHoras() {
        auto& dias = tabla_.dias;
        for (std::size_t k = 0; k < dias.size(); ++k) dias[k].completo = completas_[k] == (1U << 24) - 1;
        // The export's first and last days are cut by its hours, not by missing data.
        if (!dias.empty() && !dias.back().completo) dias.pop_back();
        if (!dias.empty() && !dias.front().completo) dias.erase(dias.begin());
        if (std::none_of(dias.begin(), dias.end(), [](const DiaClima& d) { return d.completo; }))
            Rechaza(kEncabezado, 0, 0, {}, {}, "no tiene ningún día completo (las 24 horas con sus datos)");
    }

    void LeeDia(const FilaCsv& fila, int linea) {
        const std::vector<std::string>& celdas = fila.celdas;
        const auto fecha = LeeFechaCompleta(celdas.front());
        if (!fecha) Falla(linea, 1, ValorDeCelda(celdas.front()) + "no es una fecha AAAA-MM-DD");
        if (!tabla_.filas.empty() && *fecha <= ultimaFecha_)
            Falla(linea, 1, "la fecha " + celdas.front() + " no va después de la de la línea " +
                                std::to_string(ultimaLinea_) + " (las fechas van en orden, sin repetirse)");
        ultimaFecha_ = *fecha;
        ultimaLinea_ = linea;
        using namespace limites;
        FilaClima f;
        f.fecha = *fecha;
        const std::array<double, 6> iniciales{0, 0, kHRMaxInicial, kHRMinInicial, kNubosidadInicial, kVientoInicial};
        const std::array<const Limite*, 6> limite{&kTemperatura, &kTemperatura, &kHumedad, &kHumedad, &kNubosidad, &kVientoKmh};
        std::array<double*, 6> destino{&f.tmax, &f.tmin, &f.hrmax, &f.hrmin, &f.nubosidad, &f.viento};
        for (std::size_t k = 0; k < 6; ++k) {
            if (columnas_[k] == 0) {
                *destino[k] = iniciales[k];
                continue;
            }
            // Cloud cover comes in %, our table's in octavos.
            const bool nubes = k == 4;
            const auto v = Figura(fila, k, linea, *limite[k], nubes ? 0 : limite[k]->minimo, nubes ? 100 : limite[k]->maximo);
            if (!v) return;  // a day without all its figures is left out
            *destino[k] = nubes ? *v * 8 / 100 : *v;
        }
        if (f.tmin > f.tmax) Falla(linea, columnas_[1], "la temperatura mínima es mayor que la máxima");
        if (f.hrmin > f.hrmax) Falla(linea, columnas_[3] ? columnas_[3] : columnas_[2], "la humedad mínima es mayor que la máxima");
        tabla_.filas.push_back(f);
    }

    const std::vector<LineaTexto>& lineas_;
    std::size_t titulo_;
    TablaClima tabla_;
    bool horaria_ = false;
    std::vector<std::string> nombres_;  ///< each column's name without its unit
    std::vector<int> columnas_;         ///< 1-based column of each known column, 0 when absent
    std::vector<Unidad> conversiones_;  ///< of each known column
    std::vector<std::uint32_t> completas_;  ///< of each day: bit h - 1 when hour h has every figure
    long ultimaHora_ = 0;
    Fecha ultimaFecha_;
    int ultimaLinea_ = 0;
};

}  // namespace

TablaClima LeeExportacionApi(const std::vector<LineaTexto>& lineas, std::size_t titulo, std::optional<double> latitud) {
    return LectorApi(lineas, titulo).Lee(latitud);
}

}  // namespace hortelia
