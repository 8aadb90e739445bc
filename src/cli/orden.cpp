#include "cli/orden.h"

#include "scenario/limites.h"

#include <set>

namespace hortelia::cli {

const char* const kUso =
    "Uso: hortelia-sim [--recalcular-clima] [--guardar SALIDA.hrt] ESCENARIO.hrt\n"
    "       hortelia-sim --temporada CLIMA [--desde FECHA] [--hasta FECHA]\n"
    "                    [--precio-combustible X] [--precio-agua Y]\n"
    "                    [--temperatura-diseno T [--viento-diseno V]] ESCENARIO.hrt\n"
    "       hortelia-sim --temporada REGISTRO --dia FECHA [--guardar DIA.hrt] ESCENARIO.hrt\n"
    "       hortelia-sim --resumen [--temporada CLIMA ...] [--recalcular-clima]\n"
    "                    [--precio-combustible X] [--precio-agua Y] A.hrt B.hrt ...\n";

const char* const kAyuda =
    "Simula el día del escenario ESCENARIO.hrt y escribe la planilla de resultados\n"
    "(texto separado por tabuladores) en la salida estándar.\n"
    "\n"
    "Opciones:\n"
    "  --recalcular-clima    recalcula el clima horario a partir de los datos diarios del\n"
    "                        archivo (radiación, temperatura, humedad, viento en m/s y área\n"
    "                        de ventanas abiertas), como lo harían los paneles\n"
    "  --guardar SALIDA.hrt  guarda el escenario después de procesarlo\n"
    "  --help                muestra esta ayuda\n"
    "  --version             muestra la versión\n"
    "\n"
    "Temporada (un día por cada día de una tabla de clima o de un registro horario):\n"
    "  --temporada CLIMA        simula cada día con el invernáculo, el cultivo, la ventilación\n"
    "                           y las temperaturas tolerables del escenario, y escribe una tabla\n"
    "                           por día, una por mes y el total de la temporada: combustible,\n"
    "                           agua, Etr, Etp, horas de calefacción y de refrigeración,\n"
    "                           temperaturas interiores, potencia pico y la calefacción a\n"
    "                           instalar (kW) con su condición de diseño.\n"
    "                           CLIMA puede ser:\n"
    "                           - una tabla CSV en UTF-8 cuya línea de títulos lleva fecha\n"
    "                             (AAAA-MM-DD, una fila por día) o mes (1 a 12, doce filas de\n"
    "                             normales mensuales), tmax y tmin (°C) y, si se tienen, hrmax y\n"
    "                             hrmin (%), nubosidad (octavos) y viento (km/h), en cualquier\n"
    "                             orden; una columna que falta toma el valor inicial del programa\n"
    "                             (100 %, 50 %, 0 octavos, 1 km/h) y la salida lo dice; una\n"
    "                             columna con otro nombre se rechaza. Separador \",\" (decimales\n"
    "                             con punto), \";\" o tabulador (decimales con punto o coma). Se\n"
    "                             saltan las líneas vacías y las que empiezan con #. Con normales,\n"
    "                             cada día se interpola entre los dos meses más cercanos (el 15);\n"
    "                           - un año típico EPW (registros horarios, días MM-DD);\n"
    "                           - la exportación CSV horaria o diaria de un servicio de clima\n"
    "                             (columna time y temperature_2m o temperature_2m_max).\n"
    "                           La clase de archivo se reconoce por su contenido. Un día de un\n"
    "                           registro con datos faltantes queda fuera y se cuenta en\n"
    "                           DiasSinDatos.\n"
    "  --desde FECHA            primer día: AAAA-MM-DD, o MM-DD en normales y en un año típico\n"
    "                           (por omisión el primero de la tabla o el 1 de enero)\n"
    "  --hasta FECHA            último día (por omisión el último de la tabla o el 31 de\n"
    "                           diciembre); con normales o un año típico puede ser anterior a\n"
    "                           --desde: la temporada cruza el año nuevo\n"
    "  --precio-combustible X   precio por unidad de combustible (litro, kg o m³, según el\n"
    "                           combustible del escenario): agrega el costo del combustible\n"
    "  --precio-agua Y          precio del m³ de agua: agrega el costo del agua\n"
    "  --temperatura-diseno T   temperatura exterior de diseño (°C) con la que se dimensiona la\n"
    "                           calefacción a instalar; sin ella, la del archivo EPW o la hora\n"
    "                           más fría de la temporada (las normales no dan ninguna)\n"
    "  --viento-diseno V        viento de diseño (m/s) con --temperatura-diseno (por omisión 6.7)\n"
    "  --dia FECHA              con un registro horario: escribe la planilla de ese día como la\n"
    "                           corrida de un día; con --guardar guarda el escenario con las\n"
    "                           horas de ese día y la latitud del archivo\n"
    "  Con --temporada el clima de cada día se recalcula siempre (--recalcular-clima no agrega\n"
    "  nada) y --guardar solo se admite con --dia.\n"
    "  El combustible de la temporada se suma de la demanda de calor de cada hora sin los dos\n"
    "  cortes a milésimas de la planilla del día, por eso puede ser mayor que la suma de las\n"
    "  planillas.\n"
    "\n"
    "Comparación de escenarios:\n"
    "  --resumen A.hrt B.hrt ...  una fila por escenario con el combustible, el agua, Etr, Etp,\n"
    "                           las horas de calefacción y de refrigeración, la temperatura\n"
    "                           interior mínima, la potencia pico y los costos: del día de cada\n"
    "                           archivo o, con --temporada, de toda la temporada (con la\n"
    "                           calefacción a instalar en la última columna). Un escenario que\n"
    "                           no se puede leer o procesar queda sin fila (el motivo va a la\n"
    "                           salida de errores) y el estado de salida es 1.\n"
    "\n"
    "Los números se escriben con punto decimal y en su forma más corta exacta (12, 0.24, -3.5).\n"
    "Estado de salida: 0 correcto, 1 archivo ilegible, fecha fuera de la tabla, día que no se\n"
    "puede procesar o salida que no se puede escribir, 2 uso incorrecto.\n";

namespace {

// The options that take a value.
const std::set<std::string> kConValor{"--guardar",      "--temporada",          "--desde",       "--hasta",
                                      "--dia",          "--precio-combustible", "--precio-agua", "--temperatura-diseno",
                                      "--viento-diseno"};

std::optional<std::string> Numero(const std::string& opcion, const std::string& texto, const Limite& limite,
                                  std::optional<double>& destino) {
    destino = LeeCifra(texto, limite);
    if (destino) return std::nullopt;
    return "el valor de " + opcion + " debe ser un número " + limite.Rango() + ": " + texto;
}

// What is wrong with the combination of options; none when it holds together.
std::optional<std::string> Combinacion(const Orden& o, const std::set<std::string>& dadas) {
    const bool temporada = !o.clima.empty();
    const auto dada = [&](const char* opcion) { return dadas.count(opcion) > 0; };
    if (!temporada && (dada("--desde") || dada("--hasta"))) return "--desde y --hasta van con --temporada";
    if (!temporada && (dada("--temperatura-diseno") || dada("--viento-diseno")))
        return "--temperatura-diseno y --viento-diseno van con --temporada";
    if (dada("--viento-diseno") && !dada("--temperatura-diseno")) return "--viento-diseno va con --temperatura-diseno";
    if (!temporada && !o.resumen && (dada("--precio-combustible") || dada("--precio-agua")))
        return "los precios van con --temporada o con --resumen";
    if (dada("--dia") && (!temporada || o.resumen)) return "--dia va con --temporada y sin --resumen";
    if (dada("--dia") && (dada("--desde") || dada("--hasta"))) return "--dia no va con --desde ni con --hasta";
    if (dada("--guardar") && o.resumen) return "--guardar no se usa con --resumen";
    if (dada("--guardar") && temporada && !dada("--dia")) return "--guardar va con --temporada solo junto con --dia";
    if (o.escenarios.empty()) return "falta el archivo de escenario";
    if (!o.resumen && o.escenarios.size() > 1) return "sobra un argumento: " + o.escenarios[1];
    return std::nullopt;
}

}  // namespace

std::variant<Orden, std::string> LeeOrden(const std::vector<std::string>& args) {
    Orden o;
    std::set<std::string> dadas;
    bool soloArchivos = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (soloArchivos || a.size() < 2 || a[0] != '-') {
            o.escenarios.push_back(a);
            continue;
        }
        if (a == "--") {
            soloArchivos = true;
            continue;
        }
        if (a == "--help" || a == "-h") {
            o.ayuda = true;
            return o;
        }
        if (a == "--version") {
            o.version = true;
            return o;
        }
        if (!dadas.insert(a).second && (kConValor.count(a) || a == "--resumen" || a == "--recalcular-clima"))
            return "la opción " + a + " se dio más de una vez";
        if (a == "--resumen") {
            o.resumen = true;
            continue;
        }
        if (a == "--recalcular-clima") {
            o.recalcular = true;
            continue;
        }
        if (!kConValor.count(a)) return "opción desconocida: " + a;
        if (i + 1 >= args.size()) return "falta el valor después de " + a;
        const std::string& valor = args[++i];
        if (valor.empty()) return "el valor de " + a + " está vacío";
        std::optional<std::string> error;
        if (a == "--guardar") o.guardar = valor;
        else if (a == "--temporada") o.clima = valor;
        else if (a == "--desde") o.desde = valor;
        else if (a == "--hasta") o.hasta = valor;
        else if (a == "--dia") o.dia = valor;
        else if (a == "--precio-combustible") error = Numero(a, valor, limites::kPrecio, o.precios.combustible);
        else if (a == "--precio-agua") error = Numero(a, valor, limites::kPrecio, o.precios.agua);
        else if (a == "--temperatura-diseno") error = Numero(a, valor, limites::kTemperatura, o.temperaturaDiseno);
        else error = Numero(a, valor, limites::kVientoMs, o.vientoDiseno);
        if (error) return *error;
    }
    if (auto error = Combinacion(o, dadas)) return *error;
    return o;
}

}  // namespace hortelia::cli
