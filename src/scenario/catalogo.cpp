#include "scenario/catalogo.h"

#include <stdexcept>

namespace hortelia {

std::optional<Techo> TechoDeCodigo(int codigo) {
    for (Techo t : kTechos)
        if (EsTecho(codigo, t)) return t;
    return std::nullopt;
}

std::string_view NombreTecho(Techo techo) {
    switch (techo) {
    case Techo::DosAguas: return "A dos aguas";
    case Techo::PlanoInclinado: return "Plano inclinado";
    case Techo::Tunel: return "Túnel";
    case Techo::Parabolico: return "Parabólico";
    }
    return {};
}

std::optional<Material> MaterialDeCodigo(double codigo) {
    for (Material m : kMateriales)
        if (codigo == static_cast<double>(m)) return m;
    return std::nullopt;
}

std::string_view NombreMaterial(Material m) {
    switch (m) {
    case Material::Vidrio: return "Vidrio";
    case Material::Plastico1erAnio: return "Plástico 1er. año";
    case Material::Plastico2doAnio: return "Plástico 2do. año";
    }
    return {};
}

std::string_view NombreMaterialCorto(Material m) {
    switch (m) {
    case Material::Vidrio: return "Vidrio";
    case Material::Plastico1erAnio: return "Plástico 1er.año";
    case Material::Plastico2doAnio: return "Plástico 2do.año";
    }
    return {};
}

std::optional<std::size_t> IndiceCombustible(std::string_view nombre) {
    for (std::size_t i = 0; i < kCombustibles.size(); ++i)
        if (kCombustibles[i].nombre == nombre) return i;
    return std::nullopt;
}

std::string_view UnidadCombustible(std::string_view nombre) {
    const auto i = IndiceCombustible(nombre);
    return i ? kCombustibles[*i].unidad : kCombustibles.back().unidad;
}

std::string_view UnidadPoderCalorico(std::string_view nombre) {
    const std::string_view unidad = UnidadCombustible(nombre);
    if (unidad == "litros") return "litro";
    if (unidad == "unidades") return "unidad";
    return unidad;
}

const std::string& NombreMes(int mes) {
    static const std::array<std::string, 12> nombres{"enero",     "febrero", "marzo",     "abril",
                                                     "mayo",      "junio",   "julio",     "agosto",
                                                     "setiembre", "octubre", "noviembre", "diciembre"};
    if (mes < 1 || mes > 12) throw std::out_of_range("mes fuera de 1..12");
    return nombres[static_cast<std::size_t>(mes - 1)];
}

}  // namespace hortelia
