#include "results/temperaturas_tolerables.h"

namespace hortelia {
namespace {

std::string Horas(int n) { return std::to_string(n) + (n == 1 ? " hora" : " horas"); }

}  // namespace

std::string TextoFueraDeRango(const HorasFueraDeRango& horas) {
    if (horas.sobreMaxima == 0 && horas.bajoMinima == 0)
        return "La temperatura con control quedó entre la mínima y la máxima tolerables las 24 horas.";
    std::string texto;
    if (horas.sobreMaxima > 0)
        texto = "La temperatura superó la máxima tolerable en " + Horas(horas.sobreMaxima) +
                ": la refrigeración no alcanzó.";
    if (horas.bajoMinima > 0)
        texto += (texto.empty() ? "La temperatura bajó" : " Bajó") + std::string(" de la mínima tolerable en ") +
                 Horas(horas.bajoMinima) + ": la calefacción no alcanzó.";
    return texto;
}

}  // namespace hortelia
