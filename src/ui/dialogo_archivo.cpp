#include "ui/dialogo_archivo.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace hortelia {

QString EligeParaAbrir(Interaccion& interaccion, const TipoArchivo& tipo, const QString& propuesto) {
    return interaccion.Archivo(Interaccion::Modo::Abrir, tipo.filtro, propuesto);
}

QString EligeParaGuardar(Interaccion& interaccion, const TipoArchivo& tipo, const QString& propuesto) {
    QString ruta = propuesto;
    for (;;) {
        ruta = interaccion.Archivo(Interaccion::Modo::Guardar, tipo.filtro, ruta, tipo.nota);
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

QString CarpetaDocumentos() {
    const QString documentos = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documentos.isEmpty() && QFileInfo(documentos).isDir() ? documentos : QDir::homePath();
}

QString JuntoAlEscenario(const QString& rutaEscenario, const QString& sufijo, const QString& extension,
                         const QString& sinEscenario) {
    if (rutaEscenario.isEmpty()) return QDir(CarpetaDocumentos()).filePath(sinEscenario + QLatin1Char('.') + extension);
    const QFileInfo escenario(rutaEscenario);
    const QString nombre = escenario.completeBaseName() + sufijo + QLatin1Char('.') + extension;
    const QFileInfo carpeta(escenario.absolutePath());
    return QDir(carpeta.isDir() && carpeta.isWritable() ? carpeta.absoluteFilePath() : CarpetaDocumentos())
        .filePath(nombre);
}

void Exporta(Interaccion& interaccion, const TipoArchivo& tipo, const QString& propuesto,
             const std::function<ResultadoArchivo(const std::string& ruta)>& escribe) {
    const QString ruta = EligeParaGuardar(interaccion, tipo, propuesto);
    if (ruta.isEmpty()) return;
    const ResultadoArchivo r = escribe(ruta.toStdString());
    if (!r.ok) interaccion.Mensaje(Interaccion::Gravedad::Error, QString::fromStdString(r.mensaje));
}

}  // namespace hortelia
