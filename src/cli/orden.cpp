#include "cli/orden.h"

#include "scenario/limites.h"

#include <algorithm>
#include <set>

namespace hortelia::cli {

const char* const kUso =
    "Uso: hortelia-sim [--recalcular-clima] [--guardar SALIDA.hrt] ESCENARIO.hrt\n"
    "       hortelia-sim --temporada CLIMA [--desde FECHA] [--hasta FECHA]\n"
    "                    [--precio-combustible X] [--precio-agua Y]\n"
    "                    [--temperatura-diseno T [--viento-diseno V]] ESCENARIO.hrt\n"
    "       hortelia-sim --temporada REGISTRO --dia FECHA [--guardar DIA.hrt] ESCENARIO.hrt\n"
    "       hortelia-sim --resumen [--temporada CLIMA ...] [--recalcular-clima]\n"
    "                    [--precio-combustible X] [--precio-agua Y] A.hrt B.hrt ...\n"
    "       hortelia-sim --opciones OPCION[=INVERSION],... --temporada CLIMA [--desde F] [--hasta F]\n"
    "                    [--temperatura-diseno T [--viento-diseno V]] [--precio-combustible X]\n"
    "                    [--precio-agua Y] [--precio-combustible-nuevo Z] ESCENARIO.hrt\n";

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
    "                           - una tabla CSV (en UTF-8, UTF-16 o Windows-1252) cuya línea de\n"
    "                             títulos lleva fecha (AAAA-MM-DD o dd/mm/aaaa, una fila por día)\n"
    "                             o mes (1 a 12, doce filas de normales mensuales), tmax y tmin\n"
    "                             (°C) y, si se tienen, hrmax y hrmin (%), nubosidad (octavos) y\n"
    "                             viento (km/h), en cualquier orden; una columna que falta toma el\n"
    "                             valor inicial del programa (100 %, 50 %, 0 octavos, 1 km/h) y la\n"
    "                             salida lo dice; una columna con otro nombre se rechaza.\n"
    "                             Separador \",\" (decimales con punto, o con coma entre comillas:\n"
    "                             \"13,9\"), \";\" o tabulador (decimales con punto o coma). Se\n"
    "                             saltan las líneas vacías y las que empiezan con #. Con normales,\n"
    "                             cada día se interpola entre los dos meses más cercanos (el 15);\n"
    "                           - un año típico EPW (registros horarios, días MM-DD);\n"
    "                           - la exportación CSV horaria o diaria de un servicio de clima\n"
    "                             (columna time y temperature_2m o temperature_2m_max).\n"
    "                           La clase de archivo se reconoce por su contenido. Un día de un\n"
    "                           registro con datos faltantes queda fuera y se cuenta en\n"
    "                           DiasSinDatos; DiasFaltantes nombra los cinco primeros días que\n"
    "                           faltan y Codificacion dice cómo estaba escrito el archivo.\n"
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
    "¿Conviene? Opciones junto al escenario, en la misma temporada:\n"
    "  --opciones OPCION[=INVERSION],...  una fila por opción, después de la del escenario tal como\n"
    "                           es (base): combustible, agua, sus costos, el costo total, el ahorro\n"
    "                           anual frente a la base, la inversión, los años en que se recupera\n"
    "                           (inversión / ahorro anual, a un decimal; \"no se recupera\" si no hay\n"
    "                           ahorro) y la calefacción a instalar. OPCION es una de:\n"
    "                           doble-techo          doble techo\n"
    "                           mantenimiento-bueno  mantenimiento \"Bueno\" (2 renovaciones por hora)\n"
    "                           minima-N             la mínima tolerable N °C más baja (N de 1 a 3)\n"
    "                           eficiencia-E         la eficiencia de la calefacción en E % (hasta 100)\n"
    "                           combustible-NOMBRE   otro combustible: nafta, gasoil, butano, propano,\n"
    "                                                gas-nat-pobre o gas-nat-rico (uno solo)\n"
    "                           ARCHIVO.hrt          otro escenario, por ejemplo una variante suya\n"
    "                           INVERSION es lo que cuesta la opción. Una opción que el escenario\n"
    "                           ya tiene se rechaza y dice por qué. Una temporada de más de 366\n"
    "                           días lleva su ahorro a un año (365/días; lo dice la línea\n"
    "                           Escalado).\n"
    "  --precio-combustible-nuevo Z  precio por unidad del combustible de la opción\n"
    "                           combustible-NOMBRE (o de un escenario con otro combustible)\n"
    "  Los precios y las inversiones se escriben con punto o coma decimal, de 0 a 1000000.\n"
    "\n"
    "Los números se escriben con punto decimal y en su forma más corta exacta (12, 0.24, -3.5).\n"
    "Estado de salida: 0 correcto, 1 archivo ilegible, fecha fuera de la tabla, día que no se\n"
    "puede procesar o salida que no se puede escribir, 2 uso incorrecto.\n";

namespace {

// The options that take a value.
const std::set<std::string> kConValor{"--guardar",
                                      "--temporada",
                                      "--desde",
                                      "--hasta",
                                      "--dia",
                                      "--precio-combustible",
                                      "--precio-agua",
                                      "--temperatura-diseno",
                                      "--viento-diseno",
                                      "--opciones",
                                      "--precio-combustible-nuevo"};

std::optional<std::string> Numero(const std::string& opcion, const std::string& texto, const Limite& limite,
                                  std::optional<double>& destino) {
    destino = LeeCifra(texto, limite);
    if (destino) return std::nullopt;
    return "el valor de " + opcion + " debe ser un número " + limite.Rango() + ": " + texto;
}

bool EsArchivoHrt(const std::string& nombre) {
    return nombre.size() > 4 && (nombre.ends_with(".hrt") || nombre.ends_with(".HRT"));
}

// One item of --opciones: NAME or a scenario file, then "=INVERSION" when given. A file's name
// may hold "=" itself: an item ending in .hrt is a file without an investment.
std::variant<OpcionPedida, std::string> LeeOpcionPedida(const std::string& item) {
    OpcionPedida p;
    const std::size_t igual = EsArchivoHrt(item) ? std::string::npos : item.rfind('=');
    p.nombre = item.substr(0, igual);
    if (p.nombre.empty()) return "a una opción de --opciones le falta el nombre: " + item;
    if (igual != std::string::npos) {
        const std::string inversion = item.substr(igual + 1);
        p.inversion = LeeCifra(inversion, limites::kPrecio);
        if (!p.inversion)
            return "la inversión de " + p.nombre + " debe ser un número " + limites::kPrecio.Rango() + ": " + inversion;
    }
    if (EsArchivoHrt(p.nombre)) return p;
    p.opcion = OpcionDeNombre(p.nombre);
    if (!p.opcion)
        return "opción desconocida en --opciones: " + p.nombre + "\nLas opciones son " + NombresDeOpciones() +
               ", o un escenario ARCHIVO.hrt.";
    return p;
}

// The items of --opciones, each once and never empty.
std::optional<std::string> LeeOpciones(const std::string& lista, Orden& o) {
    std::set<std::string> vistas;
    int combustibles = 0;
    for (std::size_t desde = 0;;) {
        const std::size_t coma = lista.find(',', desde);
        const std::string item = lista.substr(desde, coma == std::string::npos ? std::string::npos : coma - desde);
        if (item.empty()) return "--opciones tiene una opción vacía: " + lista;
        auto leida = LeeOpcionPedida(item);
        if (auto* error = std::get_if<std::string>(&leida)) return *error;
        OpcionPedida& p = std::get<OpcionPedida>(leida);
        if (!vistas.insert(p.nombre).second) return "la opción " + p.nombre + " se dio más de una vez en --opciones";
        if (p.opcion && p.opcion->tipo == TipoOpcion::Combustible && ++combustibles > 1)
            return "--opciones admite una sola opción de combustible";
        o.opciones.push_back(std::move(p));
        if (coma == std::string::npos) return std::nullopt;
        desde = coma + 1;
    }
}

// What is wrong with --opciones among the other options; none when it holds together.
std::optional<std::string> CombinacionOpciones(const Orden& o, const std::set<std::string>& dadas) {
    const auto dada = [&](const char* opcion) { return dadas.count(opcion) > 0; };
    const bool combustible = std::any_of(o.opciones.begin(), o.opciones.end(), [](const OpcionPedida& p) {
        return p.opcion && p.opcion->tipo == TipoOpcion::Combustible;
    });
    if (dada("--precio-combustible-nuevo") && o.opciones.empty()) return "--precio-combustible-nuevo va con --opciones";
    if (o.opciones.empty()) return std::nullopt;
    if (o.clima.empty()) return "--opciones va con --temporada";
    if (o.resumen) return "--opciones no va con --resumen";
    if (dada("--dia")) return "--dia no va con --opciones";
    if (combustible && !o.precioCombustibleNuevo)
        return "una opción combustible-NOMBRE necesita --precio-combustible-nuevo, el precio por unidad del "
               "combustible nuevo";
    if (o.precioCombustibleNuevo && !o.precios.combustible)
        return "--precio-combustible-nuevo va con --precio-combustible, el del combustible del escenario";
    return std::nullopt;
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
    if (auto error = CombinacionOpciones(o, dadas)) return error;
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
        else if (a == "--opciones") error = LeeOpciones(valor, o);
        else if (a == "--precio-combustible-nuevo")
            error = Numero(a, valor, limites::kPrecio, o.precioCombustibleNuevo);
        else error = Numero(a, valor, limites::kVientoMs, o.vientoDiseno);
        if (error) return *error;
    }
    if (auto error = Combinacion(o, dadas)) return *error;
    return o;
}

}  // namespace hortelia::cli
