#pragma once

// Choosing a file to open or to save, through the program's Interaccion. A name typed without
// its extension gets it; replacing a file that exists is asked first (and "No" shows the
// dialog again).

#include "scenario/archivo_texto.h"
#include "ui/interaccion.h"

#include <QString>

#include <functional>
#include <string>

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

/// Where a file made from the scenario is proposed: beside it, its name followed by `sufijo`
/// and `extension` ("/campo/dia.hrt", "-temporada", "txt" -> "/campo/dia-temporada.txt");
/// `sinEscenario` with that extension while the scenario has no file.
QString JuntoAlEscenario(const QString& rutaEscenario, const QString& sufijo, const QString& extension,
                         const QString& sinEscenario);

/// Asks where to save a `tipo` file (as EligeParaGuardar, proposing `propuesto`) and writes it
/// there with `escribe`; a failure is shown with its reason. Nothing is written on cancel.
void Exporta(Interaccion& interaccion, const TipoArchivo& tipo, const QString& propuesto,
             const std::function<ResultadoArchivo(const std::string& ruta)>& escribe);

}  // namespace hortelia
