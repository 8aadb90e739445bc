#pragma once

// What the climate readers share: how one stops at the first fault, and the readers that
// LeeTablaClima chooses among from the file's content. Internal to weather/.

#include "weather/csv.h"
#include "weather/tabla_clima.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hortelia {

/// Thrown by a reader to stop at its first fault.
struct RechazoClima {
    int linea = 0;    ///< 0 for the whole file
    int columna = 0;  ///< column or EPW field, 0 when not about one
    std::string mensaje;
};

/// Stops the reading: "`encabezado`: en la línea 12, `que` 3 (`nombre`), `motivo`." (the parts
/// that are 0 or empty left out).
[[noreturn]] void Rechaza(std::string_view encabezado, int linea, int columna, std::string_view que,
                          std::string_view nombre, const std::string& motivo);

/// "el valor "x" " or "la celda " when it is empty: the start of a refusal about a cell.
std::string ValorDeCelda(std::string_view celda);
/// "la línea tiene 1 columna y el título 3": counts with their plural.
std::string Cuenta(std::size_t n, std::string_view singular, std::string_view plural);

/// Our own table: a title line with fecha or mes, tmax, tmin and optional columns.
TablaClima LeeTablaPropia(const std::vector<LineaTexto>& lineas);

/// A typical year in EPW: 8 header lines, the first starting with LOCATION, then an hour a row.
TablaClima LeeEpw(const std::vector<LineaTexto>& lineas);

/// The hourly or daily CSV export of a weather API: lines[titulo] is its title line (first
/// column `time`); `latitud` comes from the block above it, when there is one.
TablaClima LeeExportacionApi(const std::vector<LineaTexto>& lineas, std::size_t titulo,
                             std::optional<double> latitud);

}  // namespace hortelia
