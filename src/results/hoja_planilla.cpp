#include "results/hoja_planilla.h"

#include "numeros/conversiones.h"
#include "results/exportacion.h"
#include "scenario/catalogo.h"

#include <algorithm>

namespace hortelia {
namespace {

using Estilo = CeldaHoja::Estilo;

// A figure as a number; a text that is none (never, for numbers the record holds) stays text.
CeldaHoja Figura(const std::string& texto, Estilo estilo = Estilo::Normal) {
    if (texto.empty()) return {};
    const auto x = NumeroDeCelda(texto);
    return x ? CeldaHoja::DeNumero(*x, estilo) : CeldaHoja::DeTexto(texto, estilo);
}

// Characters of the longest word of a title (UTF-8 continuation bytes not counted).
std::size_t PalabraMasLarga(std::string_view t) {
    std::size_t mayor = 0, actual = 0;
    for (const char c : t) {
        if (c == ' ' || c == '\n') actual = 0;
        else if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) mayor = std::max(mayor, ++actual);
    }
    return mayor;
}

}  // namespace

std::string TituloColumna(std::size_t c, std::string_view unidadCombustible) {
    std::string t = TitulosColumnas().at(c);
    if (c == kColumnaCombustible) t += "\n(" + std::string(unidadCombustible) + ")";
    return t;
}

Hoja HojaPlanilla(const Escenario& e, const TextosResumen& resumen) {
    const std::size_t columnas = TitulosColumnas().size();
    Hoja hoja;
    hoja.nombre = "Planilla";
    hoja.filas.push_back({CeldaHoja::DeTexto("Planilla de resultados", Estilo::Destacada)});
    const std::vector<std::string> lineas = LineasResumen(resumen);
    std::size_t linea = 0;
    for (const GrupoResumen& g : kGruposResumen) {
        hoja.filas.push_back({CeldaHoja::DeTexto(std::string(g.titulo), Estilo::Destacada)});
        for (std::size_t i = 0; i < g.lineas; ++i) hoja.filas.push_back({CeldaHoja::DeTexto(lineas.at(linea++))});
    }
    hoja.filas.emplace_back();

    std::vector<CeldaHoja> grupos(columnas);
    for (const GrupoColumnas& g : kGruposColumnas)
        grupos[g.desde] = CeldaHoja::DeTexto(std::string(g.titulo), Estilo::Destacada);
    hoja.filas.push_back(grupos);
    const std::string_view unidad = UnidadCombustible(e.Combustible);
    std::vector<CeldaHoja> titulos;
    for (std::size_t c = 0; c < columnas; ++c)
        titulos.push_back(CeldaHoja::DeTexto(TituloColumna(c, unidad), Estilo::Titulo));
    hoja.lineas.assign(hoja.filas.size(), 0);
    hoja.lineas.push_back(3);  // "Humedad rel. (%)" wraps at its word
    hoja.filas.push_back(titulos);

    // Columns as wide as the longest word of their title or their longest figure, and a little.
    hoja.anchos.assign(columnas, 0);
    for (std::size_t c = 0; c < columnas; ++c)
        hoja.anchos[c] = static_cast<double>(std::max<std::size_t>(PalabraMasLarga(titulos[c].texto), 7) + 2);
    auto ensancha = [&](std::size_t c, const std::string& texto) {
        hoja.anchos[c] = std::max(hoja.anchos[c], static_cast<double>(texto.size() + 2));
    };
    for (int h = 1; h <= 24; ++h) {
        std::vector<CeldaHoja> fila;
        const std::vector<std::string> celdas = CeldasHora(e, h);
        for (std::size_t c = 0; c < columnas; ++c) {
            fila.push_back(Figura(celdas[c]));
            ensancha(c, celdas[c]);
        }
        hoja.filas.push_back(fila);
    }
    std::vector<CeldaHoja> totales(columnas);
    totales[0] = CeldaHoja::DeTexto("Totales", Estilo::Destacada);
    const std::vector<std::string> sumas = CeldasTotales(e);
    for (std::size_t i = 0; i < sumas.size(); ++i) {
        totales[kColumnasTotales[i]] = Figura(sumas[i], Estilo::Destacada);
        ensancha(kColumnasTotales[i], sumas[i]);
    }
    hoja.filas.push_back(totales);
    return hoja;
}

}  // namespace hortelia
