// Build-time tool: the grower's guide as HTML, from the README's part for growers (everything
// before "# For developers"), with the pictures it shows copied beside it under capturas/.
//
//   hortelia-guia README.md SALIDA.html
//
// It reads the Markdown the README uses: headings, paragraphs, lists (- and 1.) whose items go
// on indented, tables, blocks indented four blanks, pictures alone on their line, `code`,
// **bold** and *italics*. Exit status: 0 written, 1 unreadable README or unwritable output,
// 2 wrong usage.

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::string kFinDeLaGuia = "# For developers";
constexpr int kAnchoMaximo = 640;  // pixels a picture takes at most in the guide

std::string Escapa(const std::string& s) {
    std::string r;
    for (const char c : s) {
        if (c == '&') r += "&amp;";
        else if (c == '<') r += "&lt;";
        else if (c == '>') r += "&gt;";
        else if (c == '"') r += "&quot;";
        else r += c;
    }
    return r;
}

// Replaces each pair of `marca` around text by the tag; an unpaired mark stays as it is.
std::string Pares(const std::string& s, const std::string& marca, const std::string& etiqueta) {
    std::string r;
    std::size_t i = 0;
    for (;;) {
        const std::size_t a = s.find(marca, i);
        const std::size_t b = a == std::string::npos ? a : s.find(marca, a + marca.size());
        if (b == std::string::npos) return r + s.substr(i);
        r += s.substr(i, a - i) + "<" + etiqueta + ">" + s.substr(a + marca.size(), b - a - marca.size()) + "</" +
             etiqueta + ">";
        i = b + marca.size();
    }
}

// A line's text: `code` as it is written, then **bold** and *italics* around the rest.
std::string EnLinea(const std::string& s) {
    std::string r;
    std::size_t i = 0;
    for (;;) {
        const std::size_t a = s.find('`', i);
        const std::size_t b = a == std::string::npos ? a : s.find('`', a + 1);
        const std::string antes = s.substr(i, b == std::string::npos ? std::string::npos : a - i);
        r += Pares(Pares(Escapa(antes), "**", "b"), "*", "i");
        if (b == std::string::npos) return r;
        r += "<code>" + Escapa(s.substr(a + 1, b - a - 1)) + "</code>";
        i = b + 1;
    }
}

// The width of a PNG picture, 0 when it is not one.
int AnchoPng(const fs::path& ruta) {
    std::ifstream f(ruta, std::ios::binary);
    unsigned char cabecera[24] = {};
    if (!f.read(reinterpret_cast<char*>(cabecera), sizeof cabecera) || cabecera[1] != 'P' || cabecera[2] != 'N')
        return 0;
    return (cabecera[16] << 24) | (cabecera[17] << 16) | (cabecera[18] << 8) | cabecera[19];
}

std::string Blancos(const std::string& s) {
    const std::size_t a = s.find_first_not_of(' ');
    return a == std::string::npos ? std::string() : s.substr(a, s.find_last_not_of(' ') - a + 1);
}

std::vector<std::string> Celdas(const std::string& fila) {
    std::vector<std::string> celdas;
    std::stringstream entrada(Blancos(fila).substr(1));
    std::string celda;
    while (std::getline(entrada, celda, '|')) celdas.push_back(Blancos(celda));
    if (!celdas.empty() && celdas.back().empty()) celdas.pop_back();
    return celdas;
}

class Guia {
public:
    Guia(fs::path readme, fs::path salida) : readme_(std::move(readme)), carpeta_(salida.parent_path()) {}

    bool Convierte(std::istream& entrada) {
        std::string linea;
        while (std::getline(entrada, linea) && linea != kFinDeLaGuia) lineas_.push_back(linea);
        for (i_ = 0; i_ < lineas_.size();) Bloque();
        return ok_;
    }
    const std::string& Html() const { return html_; }

private:
    bool Queda() const { return i_ < lineas_.size(); }
    const std::string& Linea() const { return lineas_[i_]; }
    static bool Lista(const std::string& l, bool numerada) {
        if (!numerada) return l.rfind("- ", 0) == 0;
        const std::size_t p = l.find(". ");
        return p != std::string::npos && p > 0 && l.find_first_not_of("0123456789") == p;
    }

    void Bloque() {
        const std::string& l = Linea();
        if (Blancos(l).empty()) ++i_;
        else if (l[0] == '#') Titulo();
        else if (l.rfind("    ", 0) == 0) Codigo();
        else if (l.rfind("![", 0) == 0) Imagen();
        else if (l[0] == '|') Tabla();
        else if (Lista(l, false)) Items(false);
        else if (Lista(l, true)) Items(true);
        else Parrafo();
    }

    void Titulo() {
        const std::size_t nivel = Linea().find_first_not_of('#');
        const std::string n = std::to_string(nivel);
        html_ += "<h" + n + ">" + EnLinea(Blancos(Linea().substr(nivel))) + "</h" + n + ">\n";
        ++i_;
    }

    void Codigo() {
        html_ += "<pre>";
        for (; Queda() && (Linea().rfind("    ", 0) == 0 || Blancos(Linea()).empty()); ++i_)
            html_ += Escapa(Linea().size() > 4 ? Linea().substr(4) : std::string()) + "\n";
        while (html_.size() > 1 && html_[html_.size() - 2] == '\n') html_.pop_back();
        html_ += "</pre>\n";
    }

    void Imagen() {
        const std::string& l = Linea();
        const std::size_t fin = l.find("](");
        const std::string alt = l.substr(2, fin - 2), origen = l.substr(fin + 2, l.rfind(')') - fin - 2);
        const fs::path desde = readme_.parent_path() / origen;
        const std::string destino = "capturas/" + fs::path(origen).filename().string();
        std::error_code error;
        fs::create_directories(carpeta_ / "capturas", error);
        fs::copy_file(desde, carpeta_ / destino, fs::copy_options::overwrite_existing, error);
        if (error) {
            std::cerr << "hortelia-guia: no se puede copiar " << desde << ": " << error.message() << "\n";
            ok_ = false;
        }
        const int ancho = AnchoPng(desde);
        html_ += "<p><img src=\"" + Escapa(destino) + "\" alt=\"" + Escapa(alt) + "\"" +
                 (ancho > 0 ? " width=\"" + std::to_string(std::min(ancho, kAnchoMaximo)) + "\"" : "") + "></p>\n";
        ++i_;
    }

    void Tabla() {
        html_ += "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">\n";
        for (bool titulos = true; Queda() && Linea()[0] == '|'; ++i_) {
            if (Linea().find("---") != std::string::npos) continue;
            html_ += "<tr>";
            for (const std::string& c : Celdas(Linea()))
                html_ += (titulos ? "<th>" : "<td>") + EnLinea(c) + (titulos ? "</th>" : "</td>");
            html_ += "</tr>\n";
            titulos = false;
        }
        html_ += "</table>\n";
    }

    void Items(bool numerada) {
        html_ += numerada ? "<ol>\n" : "<ul>\n";
        while (Queda() && Lista(Linea(), numerada)) {
            std::string texto = Linea().substr(Linea().find(' ') + 1);
            for (++i_; Queda() && Linea().rfind("  ", 0) == 0 && !Blancos(Linea()).empty(); ++i_)
                texto += " " + Blancos(Linea());
            html_ += "<li>" + EnLinea(texto) + "</li>\n";
        }
        html_ += numerada ? "</ol>\n" : "</ul>\n";
    }

    void Parrafo() {
        std::string texto;
        for (; Queda() && !Blancos(Linea()).empty() && Linea()[0] != '#' && Linea().rfind("![", 0) != 0; ++i_)
            texto += (texto.empty() ? "" : " ") + Blancos(Linea());
        html_ += "<p>" + EnLinea(texto) + "</p>\n";
    }

    fs::path readme_, carpeta_;
    std::vector<std::string> lineas_;
    std::size_t i_ = 0;
    std::string html_;
    bool ok_ = true;
};

const char* const kPrincipio =
    "<!DOCTYPE html>\n<html lang=\"es\">\n<head>\n<meta charset=\"utf-8\">\n"
    "<title>Hortelia: guía del productor</title>\n"
    "<style>body { font-family: sans-serif; max-width: 46em; margin: 1em auto; padding: 0 1em; line-height: 1.4; }\n"
    "pre { background: #f2f2f2; padding: 0.5em; overflow-x: auto; } img { max-width: 100%; height: auto; }\n"
    "table { border-collapse: collapse; }</style>\n</head>\n<body>\n";

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "uso: hortelia-guia README.md SALIDA.html\n");
        return 2;
    }
    std::ifstream entrada(argv[1]);
    if (!entrada) {
        std::fprintf(stderr, "hortelia-guia: no se puede leer %s\n", argv[1]);
        return 1;
    }
    Guia guia(argv[1], argv[2]);
    const bool ok = guia.Convierte(entrada);
    std::ofstream salida(argv[2], std::ios::binary | std::ios::trunc);
    salida << kPrincipio << guia.Html() << "</body>\n</html>\n";
    if (!salida.flush()) {
        std::fprintf(stderr, "hortelia-guia: no se puede escribir %s\n", argv[2]);
        return 1;
    }
    return ok ? 0 : 1;
}
