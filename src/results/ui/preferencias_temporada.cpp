#include "results/ui/preferencias_temporada.h"

#include <QSettings>

namespace hortelia {
namespace {

const QString kClima = QStringLiteral("temporada/clima");
const QString kDesde = QStringLiteral("temporada/desde");
const QString kHasta = QStringLiteral("temporada/hasta");
const QString kPrecioCombustible = QStringLiteral("temporada/precioCombustible");
const QString kPrecioAgua = QStringLiteral("temporada/precioAgua");
const QString kDiseno = QStringLiteral("temporada/diseno");

}  // namespace

PreferenciasTemporada LeePreferenciasTemporada() {
    const QSettings s;
    return {s.value(kClima).toString(),      s.value(kDesde).toDate(),
            s.value(kHasta).toDate(),        s.value(kPrecioCombustible).toString(),
            s.value(kPrecioAgua).toString(), s.value(kDiseno).toStringList()};
}

void GuardaPreferenciasTemporada(const PreferenciasTemporada& p) {
    QSettings s;
    s.setValue(kClima, p.clima);
    s.setValue(kDesde, p.desde);
    s.setValue(kHasta, p.hasta);
    s.setValue(kPrecioCombustible, p.precioCombustible);
    s.setValue(kPrecioAgua, p.precioAgua);
    s.setValue(kDiseno, p.diseno);
}

}  // namespace hortelia
