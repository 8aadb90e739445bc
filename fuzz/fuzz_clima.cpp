// Fuzz target: any bytes through the climate-file reader, whatever kind its content says (our own
// table, an EPW, a weather API's export) and in any encoding. A refusal says why with no control
// character and names a line the file has; a table read holds what its kind promises, every
// figure within the limits; a decoded text that was not UTF-8 comes out as valid UTF-8.

#include "scenario/limites.h"
#include "weather/tabla_clima.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

using namespace hortelia;

bool SinControles(std::string_view s) {
    for (const unsigned char c : s)
        if (c < 0x20 || c == 0x7F) return false;
    return true;
}

void CompruebaFilas(const TablaClima& t) {
    if (t.filas.empty() || (t.tipo == TipoTablaClima::Normales && t.filas.size() != 12)) std::abort();
    for (std::size_t k = 0; k < t.filas.size(); ++k) {
        const FilaClima& f = t.filas[k];
        if (k > 0 && !(t.filas[k - 1].fecha < f.fecha)) std::abort();  // rising, no repeats
        if (t.tipo == TipoTablaClima::Diaria && LeeFecha(TextoFecha(f.fecha, t.tipo), t.tipo) != f.fecha) std::abort();
        if (!(f.tmin <= f.tmax && f.hrmin <= f.hrmax)) std::abort();
        if (!limites::kTemperatura.Admite(f.tmin) || !limites::kTemperatura.Admite(f.tmax)) std::abort();
        if (!limites::kHumedad.Admite(f.hrmin) || !limites::kHumedad.Admite(f.hrmax)) std::abort();
        if (!limites::kNubosidad.Admite(f.nubosidad) || !limites::kVientoKmh.Admite(f.viento)) std::abort();
    }
}

void CompruebaDias(const TablaClima& t) {
    if (t.dias.empty()) std::abort();
    for (const DiaClima& d : t.dias) {
        if (!d.completo) continue;
        for (const HoraClima& h : d.horas)
            if (!std::isfinite(h.temperatura) || !std::isfinite(h.humedad) || !std::isfinite(h.radiacion) ||
                !std::isfinite(h.viento) || !(h.nubes >= 0 && h.nubes <= 1))
                std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
    const std::string_view bytes(reinterpret_cast<const char*>(datos), n);

    // What is decoded from another encoding is UTF-8 (a decoded byte-order mark aside, which a
    // second reading drops).
    const TextoDecodificado decodificado = DecodificaTexto(bytes);
    if (decodificado.codificacion != Codificacion::Utf8 && decodificado.texto.substr(0, 3) != "\xEF\xBB\xBF" &&
        DecodificaTexto(decodificado.texto).codificacion != Codificacion::Utf8)
        std::abort();
    const auto lineas = LineasDeTexto(decodificado.texto);

    const ResultadoTablaClima r = LeeTablaClima(bytes);
    if (!r.ok) {
        if (r.mensaje.empty() || !SinControles(r.mensaje)) std::abort();
        if (r.linea < 0 || static_cast<std::size_t>(r.linea) > lineas.size() || r.columna < 0) std::abort();
        return 0;
    }
    if (r.tabla.codificacion != decodificado.codificacion) std::abort();
    if (EsHoraria(r.tabla.tipo)) CompruebaDias(r.tabla);
    else CompruebaFilas(r.tabla);
    return 0;
}
