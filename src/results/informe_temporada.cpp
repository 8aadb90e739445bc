#include "results/informe_temporada.h"

#include "scenario/texto_visible.h"

#include <charconv>

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

// The columns a month, the season and a compared scenario share after their first cells.
std::string Sumas(const PeriodoTemporada& p) {
    return NumeroExacto(p.agua) + '\t' + NumeroExacto(p.etr) + '\t' + NumeroExacto(p.etp) + '\t' +
           std::to_string(p.horasCalefaccion) + '\t' + std::to_string(p.horasRefrigeracion) + '\t' +
           NumeroExacto(p.tempMinInterior) + '\t' + NumeroExacto(p.potenciaPicoKw) + '\t' + Costo(p.costoCombustible) +
           '\t' + Costo(p.costoAgua) + '\n';
}

std::string FilaDia(const DiaTemporada& d, TipoTablaClima tipo) {
    std::string s = TextoFecha(d.fecha, tipo);
    for (const std::string& c :
         {NumeroExacto(d.tmax), NumeroExacto(d.tmin), NumeroExacto(d.hrmax), NumeroExacto(d.hrmin),
          NumeroExacto(d.nubosidad), NumeroExacto(d.vientoKmh), NumeroExacto(d.combustible), NumeroExacto(d.agua),
          NumeroExacto(d.etr), NumeroExacto(d.etp), std::to_string(d.horasCalefaccion),
          std::to_string(d.horasRefrigeracion), NumeroExacto(d.tempMinInterior), NumeroExacto(d.tempMaxInterior),
          NumeroExacto(d.potenciaPicoKw)}) {
        s += '\t';
        s += c;
    }
    return s + '\n';
}

std::string NombreMesTabla(const PeriodoTemporada& p, TipoTablaClima tipo) {
    const std::string fecha = TextoFecha({p.anio, p.mes, 1}, tipo);
    return tipo == TipoTablaClima::Diaria ? fecha.substr(0, 7) : fecha.substr(0, 2);
}

}  // namespace

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

std::string TextoTemporada(const Temporada& t, std::string_view escenario, std::string_view clima) {
    const bool diaria = t.tipo == TipoTablaClima::Diaria;
    std::string s;
    s.reserve(160 * (t.dias.size() + t.meses.size() + 16));
    s += "Escenario\t" + Nombre(escenario) + '\n';
    s += "Clima\t" + Nombre(clima) + '\n';
    s += std::string("Tipo\t") + (diaria ? "diaria" : "normales") + '\n';
    s += "Desde\t" + TextoFecha(t.desde, t.tipo) + '\n';
    s += "Hasta\t" + TextoFecha(t.hasta, t.tipo) + '\n';
    s += "Dias\t" + std::to_string(t.dias.size()) + '\n';
    if (t.diasSinDatos > 0) s += "DiasSinDatos\t" + std::to_string(t.diasSinDatos) + '\n';
    s += "UnidadCombustible\t" + t.unidadCombustible + '\n';
    if (t.precios.combustible) s += "PrecioCombustible\t" + NumeroExacto(*t.precios.combustible) + '\n';
    if (t.precios.agua) s += "PrecioAgua\t" + NumeroExacto(*t.precios.agua) + '\n';
    if (!t.faltan.empty()) {
        s += "Faltan\t";
        for (std::size_t k = 0; k < t.faltan.size(); ++k) s += (k ? ", " : "") + t.faltan[k];
        s += '\n';
    }

    s += "\nFecha\tTMax\tTMin\tHRMax\tHRMin\tNubosidad\tViento\tCombustible\tAgua\tEtr\tEtp\tHorasCalefaccion\t"
         "HorasRefrigeracion\tTempMinInterior\tTempMaxInterior\tPotenciaPico_kW\n";
    for (const DiaTemporada& d : t.dias) s += FilaDia(d, t.tipo);

    s += "\nMes\tDias\tCombustible\tAgua\tEtr\tEtp\tHorasCalefaccion\tHorasRefrigeracion\tTempMinInterior\t"
         "PotenciaPico_kW\tCostoCombustible\tCostoAgua\n";
    for (const PeriodoTemporada& p : t.meses)
        s += NombreMesTabla(p, t.tipo) + '\t' + std::to_string(p.dias) + '\t' + NumeroExacto(p.combustible) + '\t' +
             Sumas(p);
    s += "Total\t" + std::to_string(t.total.dias) + '\t' + NumeroExacto(t.total.combustible) + '\t' + Sumas(t.total);
    return s;
}

std::string TituloResumenEscenarios() {
    return "Escenario\tCombustible\tUnidad\tAgua\tEtr\tEtp\tHorasCalefaccion\tHorasRefrigeracion\tTempMinInterior\t"
           "PotenciaPico_kW\tCostoCombustible\tCostoAgua\n";
}

std::string FilaResumenEscenario(std::string_view escenario, const PeriodoTemporada& p, std::string_view unidad) {
    return Nombre(escenario) + '\t' + NumeroExacto(p.combustible) + '\t' + std::string(unidad) + '\t' + Sumas(p);
}

}  // namespace hortelia
