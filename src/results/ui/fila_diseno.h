#pragma once

// The season window's design condition: "Temperatura de diseño" (°C) and "Viento de diseño"
// (m/s), the night the heater to install must hold. A table that brings a design condition
// (an EPW's) fills both; a field still holding the file's figure counts as the file's, and what
// the grower typed stays when another table is read. Empty, the season takes the file's
// condition or the coldest hour of its days; with monthly normals it asks, beside the fields,
// for the temperature and says why. The wind alone is refused, as the batch tool refuses it.

#include "engine/temporada.h"
#include "weather/tabla_clima.h"

#include <QWidget>

#include <optional>

class QLabel;
class QLineEdit;

namespace hortelia {

class Interaccion;
struct Limite;

class FilaDiseno : public QWidget {
    Q_OBJECT
public:
    FilaDiseno(Interaccion& interaccion, QWidget* parent);

    /// The table just read: its design condition into the fields the grower has not typed.
    void PonTabla(const TablaClima& tabla);
    /// The condition typed into `opciones`: none when the fields are empty or still hold the
    /// file's; false (and a warning naming the field and its range) when refused.
    bool Lee(OpcionesTemporada& opciones);
    /// The temperature's and the wind's fields as typed, to keep between runs.
    QStringList Textos() const;
    void PonTextos(const QStringList& textos);

signals:
    /// Enter in a field: run the season.
    void calculaPedido();
    /// The grower typed into a field.
    void cambia();

private:
    /// One field's number inside `limite`; none (and the warning) otherwise.
    std::optional<double> LeeCampo(QLineEdit* campo, const QString& nombre, const Limite& limite);
    /// The fields' accessible names, and what a season of normals asks for beside them.
    void MuestraAyuda();

    Interaccion& interaccion_;
    QLineEdit *temperatura_, *viento_;
    QLabel* ayuda_;
    std::optional<DisenoArchivo> archivo_;  ///< the condition of the table read
    QString textos_[2];                     ///< its temperature and wind as the fields show them
    bool normales_ = false;
};

}  // namespace hortelia
