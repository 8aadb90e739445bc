#pragma once

// Reads back the cells of the first sheet of an .xlsx workbook, for the tests of the
// spreadsheet export (core and window): the sheet's XML and its shared strings by
// `unzip -p`, after every XML part of the workbook is found well formed by `xmllint`. A missing
// unzip or xmllint is an error, never a skip.

#include <cstdio>
#include <map>
#include <optional>
#include <regex>
#include <string>
#include <vector>

namespace hortelia::prueba {

struct CeldaLeida {
    bool numero = false;  ///< a number cell (no t="s"), whose text is its <v> as written
    std::string texto;    ///< the number as written, or the shared string
};
/// Cells by reference ("B7"); a cell the file does not hold is absent.
using CeldasLeidas = std::map<std::string, CeldaLeida>;

/// "A1" for column 0 and row 1 (columns A..Z).
inline std::string Ref(std::size_t columna, std::size_t fila) {
    return std::string(1, static_cast<char>('A' + columna)) + std::to_string(fila);
}

/// What `orden` writes, run by /bin/sh; nullopt when it cannot run or fails.
inline std::optional<std::string> SalidaDeOrden(const std::string& orden) {
    FILE* tubo = ::popen(orden.c_str(), "r");
    if (!tubo) return std::nullopt;
    std::string salida;
    char buf[4096];
    for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, tubo)) > 0;) salida.append(buf, n);
    return ::pclose(tubo) == 0 ? std::optional(salida) : std::nullopt;
}

/// The whole output of `unzip -p archivo miembro`, or nullopt when unzip fails or is missing.
inline std::optional<std::string> Miembro(const std::string& archivo, const std::string& miembro) {
    if (std::system("command -v unzip >/dev/null 2>&1") != 0) return std::nullopt;
    return SalidaDeOrden("unzip -p '" + archivo + "' '" + miembro + "' 2>/dev/null");
}

inline std::string SinEntidades(std::string s) {
    const std::pair<const char*, const char*> entidades[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}};
    for (const auto& [de, a] : entidades)
        for (std::size_t i; (i = s.find(de)) != std::string::npos;) s.replace(i, std::string(de).size(), a);
    return s;
}

/// The XML parts of the workbook that are not well formed, one per line; "" when all are.
inline std::string XmlMalFormado(const std::string& archivo) {
    const std::string orden = "command -v xmllint >/dev/null || { echo 'falta xmllint'; exit; }; "
                              "for m in $(unzip -Z1 '" + archivo + "' | grep -E '[.](xml|rels)$'); do "
                              "unzip -p '" + archivo + "' \"$(printf %s \"$m\" | sed 's/\\[/[[]/g')\" | "
                              "xmllint --noout - 2>/dev/null || echo \"$m\"; done";
    return SalidaDeOrden(orden).value_or("no se pudo revisar el XML");
}

/// The cells of xl/worksheets/sheet1.xml; `error` says what failed (unzip or xmllint missing,
/// an XML part not well formed).
inline std::optional<CeldasLeidas> LeeLibro(const std::string& archivo, std::string& error) {
    if (const std::string mal = XmlMalFormado(archivo); !mal.empty()) {
        error = archivo + ": XML mal formado o sin revisar (scripts/deps.sh instala xmllint): " + mal;
        return std::nullopt;
    }
    const auto hoja = Miembro(archivo, "xl/worksheets/sheet1.xml");
    const auto compartidos = Miembro(archivo, "xl/sharedStrings.xml");
    if (!hoja || !compartidos) {
        error = "no se pudo leer " + archivo + " con unzip (¿falta el programa unzip? scripts/deps.sh lo instala)";
        return std::nullopt;
    }
    std::vector<std::string> textos;
    const std::regex si("<si><t[^>]*>([^<]*)</t></si>");
    for (std::sregex_iterator i(compartidos->begin(), compartidos->end(), si), fin; i != fin; ++i)
        textos.push_back(SinEntidades((*i)[1]));
    CeldasLeidas celdas;
    const std::regex c("<c r=\"([A-Z]+[0-9]+)\"([^>]*?)(/>|>(.*?)</c>)");
    const std::regex v("<v>([^<]*)</v>");
    for (std::sregex_iterator i(hoja->begin(), hoja->end(), c), fin; i != fin; ++i) {
        const std::string atributos = (*i)[2], dentro = (*i)[4];
        std::smatch valor;
        if (!std::regex_search(dentro, valor, v)) continue;  // a formatted empty cell
        CeldaLeida leida;
        leida.numero = atributos.find("t=\"") == std::string::npos;
        if (leida.numero) leida.texto = valor[1];
        else if (atributos.find("t=\"s\"") != std::string::npos && std::stoul(valor[1]) < textos.size())
            leida.texto = textos[std::stoul(valor[1])];
        else {
            error = "celda " + std::string((*i)[1]) + " de un tipo inesperado: " + atributos;
            return std::nullopt;
        }
        celdas[(*i)[1]] = leida;
    }
    return celdas;
}

}  // namespace hortelia::prueba
