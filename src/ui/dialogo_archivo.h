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

/// A kind of file: the dialog's filter, the extension a name must end in, and what the dialog
/// says of it, if anything.
struct TipoArchivo {
    QString filtro;
    QString extension;  ///< without the point
    QString nota = {};
};
inline const TipoArchivo kArchivoEscenario{QStringLiteral("Archivos Hortelia (*.hrt)"), QStringLiteral("hrt")};
inline const TipoArchivo kArchivoTexto{
    QStringLiteral("Archivos de texto (*.txt)"), QStringLiteral("txt"),
    QStringLiteral("Este texto, separado por tabuladores y con punto decimal, es para otros programas. Para abrir "
                   "las cifras en una planilla (LibreOffice Calc, Excel), guarde la hoja de cálculo (.xlsx): "
                   "cada cifra queda como número.")};
inline const TipoArchivo kArchivoHojaCalculo{QStringLiteral("Hojas de cálculo (*.xlsx)"), QStringLiteral("xlsx")};

/// The chosen file to read, or an empty string on cancel.
QString EligeParaAbrir(Interaccion& interaccion, const TipoArchivo& tipo, const QString& propuesto);
/// The chosen file to write, with its extension, or an empty string on cancel.
QString EligeParaGuardar(Interaccion& interaccion, const TipoArchivo& tipo, const QString& propuesto);

/// The user's documents folder, or the home folder when there is none.
QString CarpetaDocumentos();

/// Where a file made from the scenario is proposed: beside it, its name followed by `sufijo`
/// and `extension` ("/campo/dia.hrt", "-temporada", "txt" -> "/campo/dia-temporada.txt");
/// `sinEscenario` with that extension while the scenario has no file. A name without a folder,
/// or beside a scenario in a folder that cannot be written (the installed examples), goes to
/// the documents folder.
QString JuntoAlEscenario(const QString& rutaEscenario, const QString& sufijo, const QString& extension,
                         const QString& sinEscenario);

/// Asks where to save a `tipo` file (as EligeParaGuardar, proposing `propuesto`) and writes it
/// there with `escribe`; a failure is shown with its reason. Nothing is written on cancel.
void Exporta(Interaccion& interaccion, const TipoArchivo& tipo, const QString& propuesto,
             const std::function<ResultadoArchivo(const std::string& ruta)>& escribe);

}  // namespace hortelia
