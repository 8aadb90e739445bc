#include "results/informe_temporada.h"

#include "numeros/conversiones.h"
#include "scenario/catalogo.h"
#include "scenario/texto_visible.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace hortelia {
namespace {

template <class T>
std::string Corto(T x) {
    if (x == 0) x = 0;  // no "-0"
    char buf[512];      // plain notation of the largest double takes 309 digits
    const auto fin = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed).ptr;
    return std::string(buf, fin);
}

std::string Nombre(std::string_view s) { return TextoVisible(s, 4096); }

std::string Costo(const std::optional<double>& c) { return c ? NumeroExacto(*c) : std::string(); }

std::string Tabulada(std::string primera, const std::vector<std::string>& celdas, std::size_t desde = 0) {
    for (std::size_t k = desde; k < celdas.size(); ++k) {
        primera += '\t';
        primera += celdas[k];
    }
    return primera + '\n';
}

std::string NombreMesTabla(const PeriodoTemporada& p, TipoTablaClima tipo) {
    const std::string fecha = TextoFecha({p.anio, p.mes, 1}, tipo);
    return TieneAnio(tipo) ? fecha.substr(0, 7) : fecha.substr(0, 2);
}

std::string_view NombreTipo(TipoTablaClima tipo) {
    switch (tipo) {
    case TipoTablaClima::Diaria: return "diaria";
    case TipoTablaClima::Normales: return "normales";
    case TipoTablaClima::Horaria:
    case TipoTablaClima::AnioTipico: break;
    }
    return "horaria";
}

std::string_view TipoEnPalabras(TipoTablaClima tipo) {
    switch (tipo) {
    case TipoTablaClima::Diaria: return "datos diarios";
    case TipoTablaClima::Normales: return "normales mensuales";
    case TipoTablaClima::Horaria: return "registros horarios";
    case TipoTablaClima::AnioTipico: break;
    }
    return "año típico, registros horarios";
}

std::string Opcional(const std::optional<double>& x) { return x ? NumeroExacto(*x) : std::string(); }

// The columns a table lacked, which took their start values: "hrmax, hrmin".
std::string Faltan(const Temporada& t) {
    std::string s;
    for (std::size_t k = 0; k < t.faltan.size(); ++k) s += (k ? ", " : "") + t.faltan[k];
    return s;
}

}  // namespace

// Two decimals for fuel, water, transpiration, power and costs, one for temperatures, cloud
// cover and wind, none for humidities, days and hours.
const std::vector<int>& DecimalesDiaTemporada() {
    static const std::vector<int> decimales{1, 1, 0, 0, 1, 1, 2, 2, 2, 2, 0, 0, 1, 1, 2};
    return decimales;
}
const std::vector<int>& DecimalesPeriodoTemporada() {
    static const std::vector<int> decimales{0, 2, 2, 2, 2, 0, 0, 1, 2, 2, 2, 0};
    return decimales;
}

std::string NumeroExacto(double x) { return Corto(x); }
std::string NumeroExacto(float x) { return Corto(x); }

std::string NumeroExacto(const Variante& v) {
    switch (v.tipo()) {
    case Variante::Tipo::Vacio: return {};
    case Variante::Tipo::Entero: return std::to_string(static_cast<int>(v.valor()));
    case Variante::Tipo::Simple: return Corto(static_cast<float>(v.valor()));
    case Variante::Tipo::Doble: break;
    }
    return Corto(v.valor());
}

std::vector<std::string> CeldasDiaTemporada(const DiaTemporada& d) {
    return {NumeroExacto(d.tmax),
            NumeroExacto(d.tmin),
            NumeroExacto(d.hrmax),
            NumeroExacto(d.hrmin),
            NumeroExacto(d.nubosidad),
            NumeroExacto(d.vientoKmh),
            NumeroExacto(d.combustible),
            NumeroExacto(d.agua),
            NumeroExacto(d.etr),
            NumeroExacto(d.etp),
            std::to_string(d.horasCalefaccion),
            std::to_string(d.horasRefrigeracion),
            NumeroExacto(d.tempMinInterior),
            NumeroExacto(d.tempMaxInterior),
            NumeroExacto(d.potenciaPicoKw)};
}

std::vector<std::string> CeldasPeriodoTemporada(const PeriodoTemporada& p) {
    return {std::to_string(p.dias),
            NumeroExacto(p.combustible),
            NumeroExacto(p.agua),
            NumeroExacto(p.etr),
            NumeroExacto(p.etp),
            std::to_string(p.horasCalefaccion),
            std::to_string(p.horasRefrigeracion),
            NumeroExacto(p.tempMinInterior),
            NumeroExacto(p.potenciaPicoKw),
            Costo(p.costoCombustible),
            Costo(p.costoAgua),
            std::to_string(p.horasFueraDeRango)};
}

std::vector<std::string> TitulosDiasTemporada(std::string_view unidad) {
    return {"Día",
            "T. máx.\n(°C)",
            "T. mín.\n(°C)",
            "HR máx.\n(%)",
            "HR mín.\n(%)",
            "Nubosidad\n(octavos)",
            "Viento\n(km/h)",
            "Combustible\n(" + std::string(unidad) + ")",
            "Agua\n(l)",
            "Etr\n(mm)",
            "Etp\n(mm)",
            "Horas de\ncalefacción",
            "Horas de\nrefrigeración",
            "T. mín.\ninterior (°C)",
            "T. máx.\ninterior (°C)",
            "Potencia\npico (kW)"};
}

std::vector<std::string> TitulosMesesTemporada(std::string_view unidad) {
    return {"Mes",
            "Días",
            "Combustible\n(" + std::string(unidad) + ")",
            "Agua\n(l)",
            "Etr\n(mm)",
            "Etp\n(mm)",
            "Horas de\ncalefacción",
            "Horas de\nrefrigeración",
            "T. mín.\ninterior (°C)",
            "Potencia\npico (kW)",
            "Costo del\ncombustible",
            "Costo del\nagua",
            "Horas fuera\nde rango"};
}

std::string NombreDiaTemporada(const Fecha& f, TipoTablaClima tipo) {
    char buf[32];
    if (TieneAnio(tipo)) std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", f.dia, f.mes, f.anio);
    else std::snprintf(buf, sizeof buf, "%02d/%02d", f.dia, f.mes);
    return buf;
}

std::string NombreMesTemporada(const PeriodoTemporada& p, TipoTablaClima tipo) {
    std::string s = NombreMes(p.mes);
    if (TieneAnio(tipo)) s += " " + std::to_string(p.anio);
    return s;
}

std::string DiasFaltantesTemporada(const Temporada& t, bool comoLosLee) {
    std::string s;
    for (std::size_t k = 0; k < t.faltantes.size(); ++k)
        s += (k ? ", " : "") +
             (comoLosLee ? NombreDiaTemporada(t.faltantes[k], t.tipo) : TextoFecha(t.faltantes[k], t.tipo));
    const auto resto = static_cast<std::size_t>(std::max(t.diasSinDatos, 0));
    if (resto > t.faltantes.size()) s += " y " + std::to_string(resto - t.faltantes.size()) + " más";
    return s;
}

std::string DiasFaltantesEnPalabras(const Temporada& t) {
    if (t.diasSinDatos <= 0) return {};
    return (t.diasSinDatos == 1 ? "Es el " : "Son el ") + DiasFaltantesTemporada(t, true) + ".";
}

namespace {

// A figure as the text writes it, as a number shown with `decimales` (its value whole); an empty
// cost stays an empty cell.
CeldaHoja Figura(const std::string& texto, CeldaHoja::Estilo estilo = CeldaHoja::Estilo::Normal, int decimales = -1) {
    const auto x = NumeroDeCelda(texto);
    return x ? CeldaHoja::DeNumero(*x, estilo, decimales) : CeldaHoja{};
}

CeldaHoja Texto(std::string s) { return CeldaHoja::DeTexto(std::move(s)); }

// The head of the workbook: what was run, on which weather, and the heater to install.
void PonCabezaHoja(std::vector<std::vector<CeldaHoja>>& filas, const Temporada& t, std::string_view escenario,
                   std::string_view clima) {
    using Estilo = CeldaHoja::Estilo;
    filas.push_back({CeldaHoja::DeTexto("Temporada", Estilo::Destacada)});
    filas.push_back({Texto("Escenario"), Texto(Nombre(escenario))});
    filas.push_back({Texto("Tabla de clima"), Texto(Nombre(clima))});
    filas.push_back({Texto("Codificación"), Texto(std::string(NombreCodificacion(t.codificacion)))});
    filas.push_back({Texto("Tipo"), Texto(std::string(TipoEnPalabras(t.tipo)))});
    if (!t.lugar.empty()) filas.push_back({Texto("Lugar"), Texto(Nombre(t.lugar))});
    if (t.latitud) filas.push_back({Texto("Latitud (°)"), CeldaHoja::DeNumero(*t.latitud)});
    filas.push_back({Texto("Desde"), Texto(NombreDiaTemporada(t.desde, t.tipo))});
    filas.push_back({Texto("Hasta"), Texto(NombreDiaTemporada(t.hasta, t.tipo))});
    filas.push_back({Texto("Días"), CeldaHoja::DeNumero(static_cast<double>(t.dias.size()))});
    filas.push_back({Texto("Días sin datos"), CeldaHoja::DeNumero(t.diasSinDatos)});
    filas.push_back({Texto("Días faltantes"), Texto(DiasFaltantesTemporada(t, true))});
    filas.push_back({Texto("Unidad del combustible"), Texto(t.unidadCombustible)});
    if (t.precios.combustible)
        filas.push_back({Texto("Precio del combustible"), Figura(NumeroExacto(*t.precios.combustible))});
    if (t.precios.agua) filas.push_back({Texto("Precio del agua (m³)"), Figura(NumeroExacto(*t.precios.agua))});
    if (!t.faltan.empty()) filas.push_back({Texto("Faltan (valor inicial)"), Texto(Faltan(t))});
    const bool conDiseno = t.diseno.origen != OrigenDiseno::Falta;
    const auto cifra = [](const std::optional<double>& x) { return x ? CeldaHoja::DeNumero(*x) : CeldaHoja{}; };
    filas.push_back({Texto("Temperatura de diseño (°C)"),
                     cifra(conDiseno ? std::optional(t.diseno.temperatura) : std::nullopt)});
    filas.push_back({Texto("Viento de diseño (m/s)"), cifra(conDiseno ? std::optional(t.diseno.viento) : std::nullopt)});
    filas.push_back({Texto("Calefacción a instalar (kW)"), cifra(t.potenciaDisenoKw)});
    filas.push_back({Texto("Condición de diseño"), Texto(std::string(NombreOrigenDiseno(t.diseno.origen)))});

}

}  // namespace

Hoja HojaTemporada(const Temporada& t, std::string_view escenario, std::string_view clima) {
    using Estilo = CeldaHoja::Estilo;
    const auto fila = [&](std::string nombre, const std::vector<std::string>& celdas, Estilo estilo,
                          const std::vector<int>& decimales) {
        std::vector<CeldaHoja> f{CeldaHoja::DeTexto(std::move(nombre), estilo)};
        for (std::size_t k = 0; k < celdas.size(); ++k)
            f.push_back(Figura(celdas[k], estilo, k < decimales.size() ? decimales[k] : -1));
        return f;
    };
    const auto titulos = [](const std::vector<std::string>& t) {
        std::vector<CeldaHoja> f;
        f.reserve(t.size());
        for (const std::string& c : t) f.push_back(CeldaHoja::DeTexto(c, Estilo::Titulo));
        return f;
    };
    Hoja hoja;
    hoja.nombre = "Temporada";
    auto& filas = hoja.filas;
    PonCabezaHoja(filas, t, escenario, clima);
    filas.emplace_back();
    hoja.lineas.assign(filas.size(), 0);
    hoja.lineas.push_back(2);
    filas.push_back(titulos(TitulosMesesTemporada(t.unidadCombustible)));
    for (const PeriodoTemporada& p : t.meses)
        filas.push_back(fila(NombreMesTemporada(p, t.tipo), CeldasPeriodoTemporada(p), Estilo::Normal,
                             DecimalesPeriodoTemporada()));
    filas.push_back(fila("Total", CeldasPeriodoTemporada(t.total), Estilo::Destacada, DecimalesPeriodoTemporada()));

    filas.emplace_back();
    hoja.lineas.resize(filas.size(), 0);
    hoja.lineas.push_back(2);
    filas.push_back(titulos(TitulosDiasTemporada(t.unidadCombustible)));
    for (const DiaTemporada& d : t.dias)
        filas.push_back(
            fila(NombreDiaTemporada(d.fecha, t.tipo), CeldasDiaTemporada(d), Estilo::Normal, DecimalesDiaTemporada()));

    // Column A holds the head's names, the months and the days; the figures are as wide as the
    // longest word of their titles ("refrigeración", "interior (°C)").
    hoja.anchos.assign(TitulosDiasTemporada(t.unidadCombustible).size(), 15);
    hoja.anchos[0] = 24;
    return hoja;
}

std::string TextoTemporada(const Temporada& t, std::string_view escenario, std::string_view clima) {
    std::string s;
    s.reserve(160 * (t.dias.size() + t.meses.size() + 16));
    s += "Escenario\t" + Nombre(escenario) + '\n';
    s += "Clima\t" + Nombre(clima) + '\n';
    s += "Codificacion\t" + std::string(NombreCodificacion(t.codificacion)) + '\n';
    s += "Tipo\t" + std::string(NombreTipo(t.tipo)) + '\n';
    if (!t.lugar.empty()) s += "Lugar\t" + Nombre(t.lugar) + '\n';
    if (t.latitud) s += "Latitud\t" + NumeroExacto(*t.latitud) + '\n';
    s += "Desde\t" + TextoFecha(t.desde, t.tipo) + '\n';
    s += "Hasta\t" + TextoFecha(t.hasta, t.tipo) + '\n';
    s += "Dias\t" + std::to_string(t.dias.size()) + '\n';
    s += "DiasSinDatos\t" + std::to_string(t.diasSinDatos) + '\n';
    s += "DiasFaltantes\t" + DiasFaltantesTemporada(t) + '\n';
    s += "UnidadCombustible\t" + t.unidadCombustible + '\n';
    if (t.precios.combustible) s += "PrecioCombustible\t" + NumeroExacto(*t.precios.combustible) + '\n';
    if (t.precios.agua) s += "PrecioAgua\t" + NumeroExacto(*t.precios.agua) + '\n';
    if (!t.faltan.empty()) s += "Faltan\t" + Faltan(t) + '\n';
    const bool conDiseno = t.diseno.origen != OrigenDiseno::Falta;
    s += "TemperaturaDiseno\t" + (conDiseno ? NumeroExacto(t.diseno.temperatura) : std::string()) + '\n';
    s += "VientoDiseno_ms\t" + (conDiseno ? NumeroExacto(t.diseno.viento) : std::string()) + '\n';
    s += "PotenciaDiseno_kW\t" + Opcional(t.potenciaDisenoKw) + '\n';
    s += "OrigenDiseno\t" + std::string(NombreOrigenDiseno(t.diseno.origen)) + '\n';

    s += "\nFecha\tTMax\tTMin\tHRMax\tHRMin\tNubosidad\tViento\tCombustible\tAgua\tEtr\tEtp\tHorasCalefaccion\t"
         "HorasRefrigeracion\tTempMinInterior\tTempMaxInterior\tPotenciaPico_kW\n";
    for (const DiaTemporada& d : t.dias) s += Tabulada(TextoFecha(d.fecha, t.tipo), CeldasDiaTemporada(d));

    s += "\nMes\tDias\tCombustible\tAgua\tEtr\tEtp\tHorasCalefaccion\tHorasRefrigeracion\tTempMinInterior\t"
         "PotenciaPico_kW\tCostoCombustible\tCostoAgua\tHorasFueraDeRango\n";
    for (const PeriodoTemporada& p : t.meses) s += Tabulada(NombreMesTabla(p, t.tipo), CeldasPeriodoTemporada(p));
    s += Tabulada("Total", CeldasPeriodoTemporada(t.total));
    return s;
}

std::string TituloResumenEscenarios(bool conDiseno) {
    return std::string("Escenario\tCombustible\tUnidad\tAgua\tEtr\tEtp\tHorasCalefaccion\tHorasRefrigeracion\t"
                       "TempMinInterior\tPotenciaPico_kW\tCostoCombustible\tCostoAgua") +
           (conDiseno ? "\tPotenciaDiseno_kW\n" : "\n");
}

std::string FilaResumenEscenario(std::string_view escenario, const PeriodoTemporada& p, std::string_view unidad) {
    // The month's cells with the unit after the fuel, without the count of days and the hours
    // out of range.
    std::vector<std::string> celdas = CeldasPeriodoTemporada(p);
    celdas.pop_back();
    return Tabulada(Nombre(escenario) + '\t' + celdas[1] + '\t' + std::string(unidad), celdas, 2);
}

std::string FilaResumenTemporada(std::string_view escenario, const Temporada& t) {
    std::string fila = FilaResumenEscenario(escenario, t.total, t.unidadCombustible);
    fila.back() = '\t';
    return fila + Opcional(t.potenciaDisenoKw) + '\n';
}

}  // namespace hortelia
