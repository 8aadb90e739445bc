#include "results/informe_opciones.h"

#include "results/informe_temporada.h"
#include "scenario/texto_visible.h"

#include <cstdio>

namespace hortelia {
namespace {

std::string Opcional(const std::optional<double>& x) { return x ? NumeroExacto(*x) : std::string(); }

// The payback as the text writes it: one decimal, "no se recupera", or empty.
std::string Retorno(const FilaComparacion& f) {
    if (!f.inversion || !f.ahorroAnual) return {};
    if (!f.retornoAnios) return std::string(kNoSeRecupera);
    char buf[400];  // plain notation of the largest double takes 309 digits
    std::snprintf(buf, sizeof buf, "%.1f", *f.retornoAnios);
    return buf;
}

}  // namespace

std::vector<std::string> CeldasComparacion(const FilaComparacion& f) {
    return {NumeroExacto(f.total.combustible),
            f.unidadCombustible,
            NumeroExacto(f.total.agua),
            Opcional(f.total.costoCombustible),
            Opcional(f.total.costoAgua),
            Opcional(f.costoTotal),
            Opcional(f.ahorroAnual),
            Opcional(f.inversion),
            Retorno(f),
            Opcional(f.potenciaDisenoKw)};
}

const std::vector<int>& DecimalesComparacion() {
    static const std::vector<int> decimales{2, -1, 2, 2, 2, 2, 2, 2, 1, 2};
    return decimales;
}

std::vector<std::string> TitulosComparacion() {
    return {"Opción",
            "Combustible",
            "Unidad",
            "Agua\n(l)",
            "Costo del\ncombustible",
            "Costo del\nagua",
            "Costo\ntotal",
            "Ahorro\nanual",
            "Inversión",
            "Retorno\n(años)",
            "Calefacción a\ninstalar (kW)"};
}

std::string NotaEscalado(const Comparacion& c) {
    if (!c.escalada) return {};
    return "Ahorro escalado a un año: 365/" + std::to_string(c.dias) + " del de la temporada";
}

std::string TextoComparacion(const Comparacion& c) {
    std::string s;
    if (c.escalada) s += "Escalado\t365/" + std::to_string(c.dias) + '\n';
    s += "Opcion\tCombustible\tUnidad\tAgua\tCostoCombustible\tCostoAgua\tCostoTotal\tAhorroAnual\tInversion\t"
         "Retorno_anios\tPotenciaDiseno_kW\n";
    for (const FilaComparacion& f : c.filas) {
        s += TextoVisible(f.nombre, 4096);
        for (const std::string& celda : CeldasComparacion(f)) s += '\t' + celda;
        s += '\n';
    }
    return s;
}

Hoja HojaComparacion(const Comparacion& c, std::string_view escenario, std::string_view clima) {
    using Estilo = CeldaHoja::Estilo;
    const auto texto = [](std::string_view s, Estilo estilo = Estilo::Normal) {
        return CeldaHoja::DeTexto(TextoVisible(s, 4096), estilo);
    };
    const Temporada& t = c.base;
    Hoja hoja;
    hoja.nombre = "Opciones";
    auto& filas = hoja.filas;
    filas.push_back({texto("¿Conviene? Opciones", Estilo::Destacada)});
    filas.push_back({texto("Escenario"), texto(escenario)});
    filas.push_back({texto("Tabla de clima"), texto(clima)});
    filas.push_back({texto("Desde"), texto(NombreDiaTemporada(t.desde, t.tipo))});
    filas.push_back({texto("Hasta"), texto(NombreDiaTemporada(t.hasta, t.tipo))});
    filas.push_back({texto("Días"), CeldaHoja::DeNumero(c.dias)});
    if (t.precios.combustible)
        filas.push_back({texto("Precio del combustible"), CeldaHoja::DeNumero(*t.precios.combustible)});
    if (t.precios.agua) filas.push_back({texto("Precio del agua (m³)"), CeldaHoja::DeNumero(*t.precios.agua)});
    if (c.escalada) filas.push_back({texto(NotaEscalado(c))});
    filas.emplace_back();
    hoja.lineas.assign(filas.size(), 0);
    hoja.lineas.push_back(2);
    std::vector<CeldaHoja> titulos;
    for (const std::string& s : TitulosComparacion()) titulos.push_back(CeldaHoja::DeTexto(s, Estilo::Titulo));
    filas.push_back(std::move(titulos));
    for (const FilaComparacion& f : c.filas) {
        std::vector<CeldaHoja> fila{texto(f.titulo)};
        const std::vector<std::string> celdas = CeldasComparacion(f);
        for (std::size_t k = 0; k < celdas.size(); ++k) {
            // A figure as a number, shown as the season's workbook shows its own (the payback with
            // its one decimal); the unit and "no se recupera" as words; an empty cell empty.
            const auto x = NumeroDeCelda(celdas[k]);
            fila.push_back(x                   ? CeldaHoja::DeNumero(*x, Estilo::Normal, DecimalesComparacion()[k])
                           : celdas[k].empty() ? CeldaHoja{}
                                               : texto(celdas[k]));
        }
        filas.push_back(std::move(fila));
    }
    hoja.anchos.assign(TitulosComparacion().size(), 15);
    hoja.anchos[0] = 30;
    return hoja;
}

}  // namespace hortelia
