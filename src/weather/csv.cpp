#include "weather/csv.h"

#include "numeros/conversiones.h"

#include <algorithm>

namespace hortelia {

std::vector<LineaTexto> LineasDeTexto(std::string_view texto) {
    if (texto.substr(0, 3) == "\xEF\xBB\xBF") texto.remove_prefix(3);
    std::vector<LineaTexto> lineas;
    int numero = 0;
    std::size_t i = 0;
    lineas.reserve(static_cast<std::size_t>(std::count(texto.begin(), texto.end(), '\n')) + 1);
    while (i < texto.size()) {
        // The line ends at its first CR or LF.
        std::size_t fin = std::min(texto.find('\n', i), texto.size());
        const std::size_t cr = texto.substr(0, fin).find('\r', i);
        if (cr != std::string_view::npos) fin = cr;
        lineas.push_back({texto.substr(i, fin - i), ++numero});
        i = fin;
        if (i < texto.size() && texto[i] == '\r' && i + 1 < texto.size() && texto[i + 1] == '\n') ++i;
        if (i < texto.size()) ++i;
    }
    return lineas;
}

std::string_view SinBlancos(std::string_view s) {
    while (!s.empty() && EsBlanco(s.front())) s.remove_prefix(1);
    while (!s.empty() && EsBlanco(s.back())) s.remove_suffix(1);
    return s;
}

std::vector<std::string> CeldasDeLinea(std::string_view linea, char separador) {
    std::vector<std::string> celdas;
    std::size_t i = 0;
    for (;;) {
        while (i < linea.size() && EsBlanco(linea[i]) && linea[i] != separador) ++i;
        std::string celda;
        if (i < linea.size() && linea[i] == '"') {
            for (++i; i < linea.size(); ++i) {
                if (linea[i] != '"') {
                    celda += linea[i];
                } else if (i + 1 < linea.size() && linea[i + 1] == '"') {
                    celda += '"';
                    ++i;
                } else {
                    ++i;
                    break;
                }
            }
            celda = std::string(SinBlancos(celda));
        }
        const std::size_t fin = std::min(linea.find(separador, i), linea.size());
        celda += SinBlancos(linea.substr(i, fin - i));
        celdas.push_back(std::move(celda));
        if (fin == linea.size()) return celdas;
        i = fin + 1;
    }
}

void CamposDeLinea(std::string_view linea, char separador, std::vector<std::string_view>& campos,
                   std::size_t hasta) {
    campos.clear();
    const char* p = linea.data();
    const char* const fin = p + linea.size();
    for (;;) {
        const char* corte = campos.size() + 1 == hasta ? fin : std::find(p, fin, separador);
        campos.push_back(SinBlancos(std::string_view(p, static_cast<std::size_t>(corte - p))));
        if (corte == fin) return;
        p = corte + 1;
    }
}

char SeparadorDeTitulo(std::string_view linea) {
    if (linea.find('\t') != std::string_view::npos) return '\t';
    if (linea.find(';') != std::string_view::npos) return ';';
    return ',';
}

bool EsLineaSinDatos(std::string_view linea) {
    const std::string_view limpia = SinBlancos(linea);
    return limpia.empty() || limpia.front() == '#';
}

bool CeldasVacias(const std::vector<std::string>& celdas) {
    return std::all_of(celdas.begin(), celdas.end(), [](const std::string& c) { return c.empty(); });
}

}  // namespace hortelia
