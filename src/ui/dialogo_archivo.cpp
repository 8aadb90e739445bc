#include "ui/dialogo_archivo.h"

#include <QFileDialog>

namespace hortelia {

QString DialogoArchivo::Elige(Modo modo, const QString& filtro) {
    QString ruta;
    if (elige) {
        ruta = elige(modo, filtro, ultimo_);
    } else if (modo == Modo::Abrir) {
        ruta = QFileDialog::getOpenFileName(padre_, QStringLiteral("Abrir"), ultimo_, filtro, nullptr,
                                            QFileDialog::DontConfirmOverwrite);
    } else {
        // No overwrite prompt and no default extension: a name is used as typed.
        ruta = QFileDialog::getSaveFileName(padre_, QStringLiteral("Guardar"), ultimo_, filtro, nullptr,
                                            QFileDialog::DontConfirmOverwrite);
    }
    if (!ruta.isEmpty()) ultimo_ = ruta;
    return ruta;
}

}  // namespace hortelia
