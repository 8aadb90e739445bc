#pragma once

// Choosing a file to open or to save, through the program's Interaccion. A name typed without
// its extension gets it; replacing a file that exists is asked first (and "No" shows the
// dialog again).

#include "ui/interaccion.h"

#include <QString>

namespace hortelia {

/// A kind of file: the dialog's filter and the extension a name must end in.
struct TipoArchivo {
    QString filtro;
    QString extension;  ///< without the point
};
inline const TipoArchivo kArchivoEscenario{QStringLiteral("Archivos Hortelia (*.hrt)"), QStringLiteral("hrt")};
inline const TipoArchivo kArchivoTexto{QStringLiteral("Archivos de texto (*.txt)"), QStringLiteral("txt")};
inline const TipoArchivo kArchivoHojaCalculo{QStringLiteral("Hojas de cálculo (*.xlsx)"), QStringLiteral("xlsx")};

/// The chosen file to read, or an empty string on cancel.
QString EligeParaAbrir(Interaccion& interaccion, const TipoArchivo& tipo, const QString& propuesto);
/// The chosen file to write, with its extension, or an empty string on cancel.
QString EligeParaGuardar(Interaccion& interaccion, const TipoArchivo& tipo, const QString& propuesto);

/// `ruta` with the extension of `tipo` in place of its own ("dia.hrt" -> "dia.txt").
QString ConExtension(const QString& ruta, const TipoArchivo& tipo);

}  // namespace hortelia
