#include "engine/carga_escenario.h"

#include "greenhouse/geometria.h"
#include "scenario/archivo_texto.h"
#include "scenario/catalogo.h"

namespace hortelia {

ResultadoCarga CargaTextoEscenario(const std::string& texto, Escenario& e) {
    ResultadoCarga r;
    Escenario nuevo = e;
    static_cast<ResultadoLectura&>(r) = LeeEscenario(texto, nuevo);
    if (!r.ok) return r;
    // The tunnel's height follows from width and side height, whatever the file held.
    if (EsTecho(nuevo.TipoTecho, Techo::Tunel))
        nuevo.AlturaMaxima = AlturaMaximaTunel(nuevo.Ancho, nuevo.AlturaLateral);
    r.motivoDimensiones = DerivaGeometria(nuevo);
    r.dimensionesValidas = r.motivoDimensiones.empty();
    if (!r.dimensionesValidas) {
        // Never derived: processing stays refused until the dimensions are accepted.
        nuevo.Flecha = 0;
        nuevo.SueloCubierto = Variante();
        nuevo.SupCobertura = Variante();
        nuevo.Volumen = 0;
    }
    e = std::move(nuevo);
    return r;
}

ResultadoCarga CargaEscenario(const std::string& ruta, Escenario& e) {
    const ResultadoArchivo archivo = LeeArchivoTexto(ruta, kLimiteEscenario);
    if (!archivo.ok) {
        ResultadoCarga r;
        r.mensaje = archivo.mensaje;
        return r;
    }
    return CargaTextoEscenario(archivo.texto, e);
}

}  // namespace hortelia
