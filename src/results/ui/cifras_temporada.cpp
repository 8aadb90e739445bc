#include "results/ui/cifras_temporada.h"

#include "numeros/conversiones.h"
#include "results/informe_temporada.h"
#include "ui/cifra_local.h"
#include "ui/texto_qt.h"

#include <QStringList>

#include <algorithm>

namespace hortelia {
namespace {

// 1 kW = 859.845 kcal/h (the international table calorie: 3600 kJ/h over 4.1868 kJ/kcal).
constexpr double kKcalHPorKw = 859.845;

QString Numero(double x) { return Q(NumeroSinBlanco(x)); }

}  // namespace

QString Total(double x, int decimales, const QString& unidad) {
    return CifraLocal(x, decimales) + QLatin1Char(' ') + unidad;
}

QString Cuenta(int n) { return CifraLocal(n, 0); }

QString Temperatura(float t) { return CifraLocal(t, 1) + QStringLiteral(" °C"); }

QString PotenciaKw(double kw) { return Total(kw, 2, QStringLiteral("kW")); }

QString PotenciaKcalH(double kw) { return Total(kw * kKcalHPorKw, 0, QStringLiteral("kcal/h")); }

QString Costo(const std::optional<double>& costo) {
    return costo ? QStringLiteral("Costo: %1").arg(CifraLocal(*costo, 2)) : QStringLiteral("Sin precio");
}

QString NumeroDeCampo(double x) { return Numero(x); }

QString DescripcionTabla(const TablaClima& t) {
    QString texto = QStringLiteral("Normales mensuales: cada día se interpola entre los meses vecinos.");
    if (t.tipo != TipoTablaClima::Normales) {
        const bool horaria = EsHoraria(t.tipo);
        const auto dias =
            horaria ? std::count_if(t.dias.begin(), t.dias.end(), [](const DiaClima& d) { return d.completo; })
                    : static_cast<qsizetype>(t.filas.size());
        texto = QStringLiteral("%1 del %2 al %3 (%4 días con datos).")
                    .arg(horaria ? QStringLiteral("Registros horarios") : QStringLiteral("Datos diarios"),
                         Q(NombreDiaTemporada(PrimerDia(t), t.tipo)), Q(NombreDiaTemporada(UltimoDia(t), t.tipo)))
                    .arg(dias);
    }
    const QString lugar = LugarDelArchivo(t.lugar, t.latitud);
    if (!lugar.isEmpty()) texto += QStringLiteral(" Lugar: %1.").arg(lugar);
    texto += QStringLiteral(" Archivo en %1.").arg(Q(std::string(NombreCodificacion(t.codificacion))));
    if (!t.faltan.empty()) {
        QStringList faltan;
        for (const std::string& c : t.faltan) {
            const double inicial = c == "hrmax"       ? kHRMaxInicial
                                   : c == "hrmin"     ? kHRMinInicial
                                   : c == "nubosidad" ? kNubosidadInicial
                                                      : kVientoInicial;
            const char* unidad = c == "nubosidad" ? " octavos" : c == "viento" ? " km/h" : " %";
            faltan << QStringLiteral("%1 (%2%3)").arg(Q(c), Numero(inicial), QLatin1String(unidad));
        }
        texto += QStringLiteral(" Sin las columnas %1: se usan esos valores iniciales.").arg(faltan.join(", "));
    }
    return texto;
}

QString LugarDelArchivo(const std::string& lugar, const std::optional<double>& latitud) {
    QStringList partes;
    if (!lugar.empty()) partes << Q(lugar);
    if (latitud) partes << QStringLiteral("latitud %1°").arg(Numero(*latitud));
    return partes.join(QStringLiteral(", "));
}

QString AvisoDiasSinDatos(const Temporada& t) {
    const int n = t.diasSinDatos;
    if (n <= 0) return {};
    const QString fuera = n == 1 ? QStringLiteral("Quedó fuera 1 día del lapso")
                                 : QStringLiteral("Quedaron fuera %1 días del lapso").arg(n);
    QString porque;
    if (EsHoraria(t.tipo))
        porque = n == 1 ? QStringLiteral(": le falta alguna hora o algún dato en el archivo.")
                        : QStringLiteral(": les falta alguna hora o algún dato en el archivo.");
    else
        porque = n == 1 ? QStringLiteral(": la tabla de clima no lo tiene.")
                        : QStringLiteral(": la tabla de clima no los tiene.");
    return fuera + porque + QLatin1Char(' ') + Q(DiasFaltantesEnPalabras(t));
}

QString TextoCondicion(const CondicionDiseno& c) {
    QString origen;
    switch (c.origen) {
    case OrigenDiseno::Indicada: origen = QStringLiteral("la condición de diseño indicada"); break;
    case OrigenDiseno::Archivo: origen = QStringLiteral("condición de diseño del archivo"); break;
    case OrigenDiseno::HoraMasFria:
        origen = QStringLiteral("la hora más fría de la temporada con el viento de diseño");
        break;
    case OrigenDiseno::Falta: return {};
    }
    return QStringLiteral("para %1 °C y viento de %2 m/s, %3")
        .arg(CifraLocal(c.temperatura, 1), CifraLocal(c.viento, 1), origen);
}

QString NotaDiseno(const Temporada& t) {
    const QString sinCalefaccion =
        t.total.horasCalefaccion == 0 && t.total.dias > 0
            ? QStringLiteral(
                  "No hace falta calefacción en esta temporada: la mínima tolerable del cultivo queda por "
                  "debajo de todas las noches. ")
            : QString();
    if (t.diseno.origen == OrigenDiseno::Falta)
        return sinCalefaccion + QStringLiteral("Calefacción a instalar: falta la temperatura de diseño.");
    QString nota = sinCalefaccion + QStringLiteral("Calefacción a instalar %1.").arg(TextoCondicion(t.diseno));
    if (t.diseno.origen == OrigenDiseno::HoraMasFria)
        nota += QStringLiteral(
            " Un año típico o un registro corto rara vez trae las noches más frías del lugar: escriba la "
            "temperatura de diseño local si la conoce.");
    return nota;
}

QString PideTemperaturaDiseno() {
    return QStringLiteral(
        "Escriba la temperatura de diseño de su lugar para saber qué calefacción instalar: las normales "
        "mensuales son promedios y nunca traen la noche más fría.");
}

QString PorQueMasCombustible() {
    return QStringLiteral(
        "La temporada suma la demanda de calor de cada hora antes de los cortes a milésimas de la planilla del "
        "día, por eso puede mostrar más combustible que la suma de las planillas de sus días.");
}

}  // namespace hortelia
