#include "engine/comparacion.h"

#include "numeros/conversiones.h"

namespace hortelia {
namespace {

std::optional<double> CostoTotal(const PeriodoTemporada& p) {
    if (!p.costoCombustible && !p.costoAgua) return std::nullopt;
    return p.costoCombustible.value_or(0) + p.costoAgua.value_or(0);
}

FilaComparacion Fila(const OpcionAComparar* o, const Temporada& t) {
    FilaComparacion f;
    if (o) {
        f.nombre = o->nombre;
        f.titulo = o->titulo;
        f.corto = o->corto;
        f.inversion = o->inversion;
    } else {
        f.nombre = "base";
        f.titulo = f.corto = "Base";
    }
    f.unidadCombustible = t.unidadCombustible;
    f.total = t.total;
    f.potenciaDisenoKw = t.potenciaDisenoKw;
    f.costoTotal = CostoTotal(t.total);
    return f;
}

}  // namespace

std::string MotivoPreciosCombustible(const Escenario& base, const std::vector<OpcionAComparar>& opciones,
                                     const PreciosTemporada& precios, const std::optional<double>& nuevo) {
    if (nuevo && !precios.combustible) return "el precio del combustible nuevo va con el precio del combustible";
    const OpcionAComparar* otro = nullptr;
    for (const OpcionAComparar& o : opciones) {
        if (o.escenario.Combustible == base.Combustible) continue;
        if (otro && o.escenario.Combustible != otro->escenario.Combustible)
            return otro->nombre + " quema " + otro->escenario.Combustible + " y " + o.nombre + " " +
                   o.escenario.Combustible + ": compare un solo combustible nuevo por vez";
        otro = &o;
        if (precios.combustible && !nuevo)
            return o.nombre + " quema " + o.escenario.Combustible + " y el escenario " + base.Combustible +
                   ": falta el precio del combustible nuevo";
    }
    return {};
}

ResultadoComparacion ComparaOpciones(const Escenario& base, const std::vector<OpcionAComparar>& opciones,
                                     const TablaClima& tabla, const OpcionesTemporada& temporada,
                                     const std::optional<double>& precioNuevo, AvanceTemporada* avance) {
    ResultadoComparacion r;
    // Every season of the comparison (each option with its own fuel price), side by side.
    std::vector<TemporadaPedida> corridas{{&base, temporada}};
    for (const OpcionAComparar& o : opciones) {
        corridas.push_back({&o.escenario, temporada});
        if (o.escenario.Combustible != base.Combustible) corridas.back().opciones.precios.combustible = precioNuevo;
    }
    const std::vector<ResultadoTemporada> temporadas = SimulaTemporadas(corridas, tabla, temporada.hilos, avance);
    for (std::size_t k = 0; k < temporadas.size(); ++k) {
        if (!temporadas[k].ok) {
            r.mensaje = k == 0 ? temporadas[k].mensaje : opciones[k - 1].nombre + ": " + temporadas[k].mensaje;
            return r;
        }
    }
    Comparacion& c = r.comparacion;
    c.dias = static_cast<int>(temporadas.front().temporada.dias.size());
    c.escalada = c.dias > kDiasDeUnAnio;
    c.filas.push_back(Fila(nullptr, temporadas.front().temporada));
    const std::optional<double> costoBase = c.filas.front().costoTotal;
    for (std::size_t k = 0; k < opciones.size(); ++k) {
        FilaComparacion f = Fila(&opciones[k], temporadas[k + 1].temporada);
        if (costoBase && f.costoTotal) f.ahorroAnual = AhorroAnual(*costoBase, *f.costoTotal, c.dias);
        if (f.inversion && f.ahorroAnual) f.retornoAnios = RetornoAnios(*f.inversion, *f.ahorroAnual);
        c.filas.push_back(std::move(f));
    }
    c.base = temporadas.front().temporada;
    r.ok = true;
    return r;
}

double AhorroAnual(double costoBase, double costoOpcion, int dias) {
    const double ahorro = costoBase - costoOpcion;
    return dias > kDiasDeUnAnio ? ahorro * 365 / dias : ahorro;
}

std::optional<double> RetornoAnios(double inversion, double ahorroAnual) {
    if (!(ahorroAnual > 0)) return std::nullopt;
    return Redondea(inversion / ahorroAnual, 1);
}

}  // namespace hortelia
