// Fuzz target: any bytes through the scenario reader and the number parses. A load either
// refuses the input with a message that shows no control character, leaving the record as it
// was, or gives a record whose file text reads back the same.

#include "engine/carga_escenario.h"
#include "engine/simula_dia.h"
#include "engine/valores_iniciales.h"
#include "numeros/conversiones.h"
#include "scenario/texto_visible.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
    using namespace hortelia;
    const std::string texto(reinterpret_cast<const char*>(datos), n);

    const double x = Parse(texto.substr(0, 64));
    (void)NumeroATexto(x);
    (void)NumeroATexto(static_cast<float>(x));
    (void)AEntero16(x);
    const auto tecleado = LeeNumeroTecleado(texto.substr(0, 64));
    if (tecleado && !std::isfinite(*tecleado)) std::abort();
    auto sinControles = [](const std::string& s) {
        for (const unsigned char c : s)
            if (c < 0x20 || c == 0x7F) return false;
        return true;
    };
    if (!sinControles(TextoVisible(texto, 64))) std::abort();

    static const Escenario inicial = [] {
        Escenario e;
        PonValoresIniciales(e);
        return e;
    }();
    Escenario e = inicial;
    const ResultadoCarga r = CargaTextoEscenario(texto, e);
    if (!r.ok) {
        if (r.mensaje.empty() || !sinControles(r.mensaje) || TextoEscenario(e) != TextoEscenario(inicial)) std::abort();
        return 0;
    }
    // What was loaded saves and loads again to the same text.
    const std::string guardado = TextoEscenario(e);
    Escenario otra = inicial;
    if (!LeeEscenario(guardado, otra).ok || TextoEscenario(otra) != guardado) std::abort();
    // A loaded day either runs or says why it cannot.
    const ResultadoDia dia = SimulaDia(e);
    if (!dia.ok && dia.mensaje.empty()) std::abort();
    return 0;
}
