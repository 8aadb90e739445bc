// A typical year in EPW, the weather file of building-energy tools: 8 header lines, the first
// "LOCATION,place,region,country,source,station,latitude,...", the second "DESIGN CONDITIONS,..."
// with a Heating block, then one comma-separated row an hour: year, month, day, hour 1..24,
// minute, flags, then the figures, counted from field 1: 7 dry bulb (°C), 9 relative humidity
// (%), 14 global horizontal radiation (Wh/m² over the hour ending at the row's hour), 22 wind
// speed (m/s), 23 total sky cover (tenths). Missing values are written as 99.9, 999, 9999, 999
// and 99; a day with one of the first four missing is kept as not complete.

#include "numeros/conversiones.h"
#include "scenario/limites.h"
#include "scenario/texto_visible.h"
#include "weather/lectores_clima.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace hortelia {
namespace {

constexpr std::string_view kEncabezado = "El archivo EPW no es válido";

struct Campo {
    int numero;  ///< 1-based
    std::string_view nombre;
};
constexpr Campo kMes{2, "mes"}, kDia{3, "día"}, kHora{4, "hora"}, kTemperatura{7, "temperatura de bulbo seco"},
    kHumedad{9, "humedad relativa"}, kRadiacion{14, "radiación global horizontal"}, kViento{22, "velocidad del viento"},
    kNubes{23, "nubosidad total"};
constexpr int kCamposDeDatos = 23;
constexpr int kLineasDeEncabezado = 8;

// After the word Heating of the design conditions: the 99.6 % dry bulb, and the mean wind
// coincident with it.
constexpr int kTemperaturaDiseno = 2, kVientoDiseno = 14;

class LectorEpw {
public:
    TablaClima Lee(const std::vector<LineaTexto>& lineas) {
        tabla_.tipo = TipoTablaClima::AnioTipico;
        LeeUbicacion(lineas.front());
        if (lineas.size() > 1) LeeDiseno(lineas[1]);
        for (std::size_t k = kLineasDeEncabezado; k < lineas.size(); ++k)
            if (!SinBlancos(lineas[k].texto).empty()) LeeHora(lineas[k]);
        for (std::size_t k = 0; k < tabla_.dias.size(); ++k) tabla_.dias[k].completo = horas_[k].completas == kDiaEntero;
        if (tabla_.dias.empty()) Rechaza(kEncabezado, 0, 0, {}, {}, "no tiene filas de datos después de las 8 líneas de encabezado");
        return std::move(tabla_);
    }

private:
    static constexpr std::uint32_t kDiaEntero = (1U << 24) - 1;

    [[noreturn]] static void Falla(int linea, const Campo& c, const std::string& motivo) {
        Rechaza(kEncabezado, linea, c.numero, "campo", c.nombre, motivo);
    }

    static double Numero(const std::vector<std::string_view>& campos, int linea, const Campo& c) {
        const std::string_view texto = campos[static_cast<std::size_t>(c.numero - 1)];
        const auto v = LeeNumeroCelda(texto, false);
        if (!v) Falla(linea, c, ValorDeCelda(texto) + "no es un número");
        return *v;
    }

    void LeeUbicacion(const LineaTexto& l) {
        std::vector<std::string_view> campos;
        CamposDeLinea(l.texto, ',', campos);
        if (campos.size() > 1) tabla_.lugar = campos[1];
        if (campos.size() < 7) return;
        const Campo latitud{7, "latitud"};
        const double v = Numero(campos, l.numero, latitud);
        if (!(std::abs(v) <= 90)) Falla(l.numero, latitud, ValorDeCelda(campos[6]) + "no es una latitud (de -90 a 90)");
        tabla_.latitud = v;
    }

    void LeeDiseno(const LineaTexto& l) {
        std::vector<std::string_view> campos;
        CamposDeLinea(l.texto, ',', campos);
        if (campos.empty() || campos.front() != "DESIGN CONDITIONS") return;
        std::size_t k = 0;
        while (k < campos.size() && campos[k] != "Heating") ++k;
        if (k == campos.size()) return;
        const int heating = static_cast<int>(k) + 1;
        const Campo temperatura{heating + kTemperaturaDiseno, "temperatura de diseño de calefacción al 99,6 %"};
        const Campo viento{heating + kVientoDiseno, "viento coincidente al 99,6 %"};
        if (static_cast<int>(campos.size()) < viento.numero)
            Falla(l.numero, viento, "faltan campos en las condiciones de diseño de calefacción");
        DisenoArchivo d;
        d.temperatura = Numero(campos, l.numero, temperatura);
        d.viento = Numero(campos, l.numero, viento);
        if (!limites::kTemperatura.Admite(d.temperatura))
            Falla(l.numero, temperatura, "la temperatura de diseño está fuera de " + limites::kTemperatura.Rango());
        if (!limites::kVientoMs.Admite(d.viento))
            Falla(l.numero, viento, "el viento de diseño está fuera de " + limites::kVientoMs.Rango());
        tabla_.diseno = d;
    }

    // A figure of the hour: none when the file marks it missing; refused outside the limits.
    static std::optional<double> Figura(const std::vector<std::string_view>& campos, int linea, const Campo& c,
                                        double faltante, const Limite& limite, double maximo) {
        const double v = Numero(campos, linea, c);
        if (v >= faltante) return std::nullopt;
        if (!(v >= limite.minimo && v <= maximo))
            Falla(linea, c,
                  ValorDeCelda(campos[static_cast<std::size_t>(c.numero - 1)]) + "está fuera de los límites de la " +
                      std::string(limite.que) + " (" + limite.Rango() + ")");
        return v;
    }

    void LeeHora(const LineaTexto& l) {
        std::vector<std::string_view>& campos = campos_;
        // The fields after the last one used are not split.
        CamposDeLinea(l.texto, ',', campos, kCamposDeDatos + 1);
        if (campos.size() < static_cast<std::size_t>(kCamposDeDatos))
            Rechaza(kEncabezado, l.numero, 0, {}, {},
                    "la fila tiene " + Cuenta(campos.size(), "campo", "campos") + " y una fila de datos lleva al menos " +
                        std::to_string(kCamposDeDatos));
        const auto entero = [&](const Campo& c, int desde, int hasta) {
            const double v = Numero(campos, l.numero, c);
            if (!(v >= desde && v <= hasta && std::floor(v) == v))
                Falla(l.numero, c,
                      ValorDeCelda(campos[static_cast<std::size_t>(c.numero - 1)]) + "no es un " + std::string(c.nombre) +
                          " de " + std::to_string(desde) + " a " + std::to_string(hasta));
            return static_cast<int>(v);
        };
        const int mes = entero(kMes, 1, 12);
        const int dia = entero(kDia, 1, DiasDelMes(2000, mes));
        const int hora = entero(kHora, 1, 24);
        const Fecha fecha{0, mes, dia};
        if (tabla_.dias.empty() || tabla_.dias.back().fecha != fecha) {
            auto& visto = vistos_[static_cast<std::size_t>(mes) * 32 + static_cast<std::size_t>(dia)];
            if (visto != 0)
                Falla(l.numero, kDia,
                      "el día " + TextoMesDia(fecha) + " ya estaba en la línea " + std::to_string(visto) +
                          " (las horas de un día van juntas)");
            visto = l.numero;
            tabla_.dias.push_back({fecha, false, {}});
            horas_.emplace_back();
        }
        const std::uint32_t bit = 1U << (hora - 1);
        if (horas_.back().vistas & bit)
            Falla(l.numero, kHora, "la hora " + std::to_string(hora) + " del " + TextoMesDia(fecha) + " está repetida");

        const auto temperatura = Figura(campos, l.numero, kTemperatura, 99.9, limites::kTemperatura, limites::kTemperatura.maximo);
        const auto humedad = Figura(campos, l.numero, kHumedad, 999, limites::kHumedad, 110);
        const auto radiacion = Figura(campos, l.numero, kRadiacion, 9999, limites::kRadiacion, limites::kRadiacion.maximo);
        const auto viento = Figura(campos, l.numero, kViento, 999, limites::kVientoMs, limites::kVientoMs.maximo);
        const double nubes = Numero(campos, l.numero, kNubes);
        if (nubes < 0) Falla(l.numero, kNubes, ValorDeCelda(campos[kNubes.numero - 1]) + "no es una nubosidad (décimos de cielo)");
        horas_.back().vistas |= bit;
        if (!temperatura || !humedad || !radiacion || !viento) return;  // the day stays not complete
        HoraClima& h = tabla_.dias.back().horas[static_cast<std::size_t>(hora - 1)];
        h.temperatura = *temperatura;
        h.humedad = *humedad;
        h.radiacion = *radiacion;
        h.viento = *viento;
        h.nubes = nubes > 10 ? 0 : nubes / 10;  // 99 (missing) and anything above ten tenths: none known
        horas_.back().completas |= bit;
    }

    TablaClima tabla_;
    std::vector<std::string_view> campos_;  ///< of the row being read, kept for the next
    struct Horas {
        std::uint32_t vistas = 0;     ///< bit h - 1: hour h has a row
        std::uint32_t completas = 0;  ///< bit h - 1: hour h has every figure
    };
    std::vector<Horas> horas_;  ///< of each day
    std::array<int, 13 * 32> vistos_{};       ///< line where each month-day began, 0 when not yet seen
};

}  // namespace

TablaClima LeeEpw(const std::vector<LineaTexto>& lineas) { return LectorEpw().Lee(lineas); }

}  // namespace hortelia
