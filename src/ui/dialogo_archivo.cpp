#include "ui/dialogo_archivo.h"

#include <QFileInfo>

namespace hortelia {

QString EligeParaAbrir(Interaccion& interaccion, const TipoArchivo& tipo, const QString& propuesto) {
    return interaccion.Archivo(Interaccion::Modo::Abrir, tipo.filtro, propuesto);
}

QString EligeParaGuardar(Interaccion& interaccion, const TipoArchivo& tipo, const QString& propuesto) {
    QString ruta = propuesto;
    for (;;) {
        ruta = interaccion.Archivo(Interaccion::Modo::Guardar, tipo.filtro, ruta);
        if (ruta.isEmpty()) return {};
        if (QFileInfo(ruta).suffix().compare(tipo.extension, Qt::CaseInsensitive) != 0)
            ruta += QLatin1Char('.') + tipo.extension;
        if (!QFileInfo::exists(ruta)) return ruta;
        const auto respuesta = interaccion.Pregunta(
            QStringLiteral("El archivo %1 ya existe. ¿Desea reemplazarlo?").arg(QFileInfo(ruta).fileName()),
            QStringLiteral("Reemplazar"), QStringLiteral("No"), false);
        if (respuesta == Interaccion::Respuesta::Si) return ruta;
    }
}

QString ConExtension(const QString& ruta, const TipoArchivo& tipo) {
    const QFileInfo info(ruta);
    const QString base = info.suffix().isEmpty() ? ruta : ruta.left(ruta.size() - info.suffix().size() - 1);
    return base + QLatin1Char('.') + tipo.extension;
}

}  // namespace hortelia
