#pragma once

// The program's own pictures, drawn with QPainter so they scale with the panel: the
// cross-section of each roof shape (roof panel), the same shape with its numbered
// dimensions (dimensions panel), and the two pictures of the start frame.

#include "scenario/catalogo.h"

#include <QWidget>

namespace hortelia {

class Dibujo : public QWidget {
    Q_OBJECT
public:
    enum class Tipo {
        Techo,        ///< a block of three modules of roof shape `techo`
        Dimensiones,  ///< one module of roof shape `techo` with the dimensions 1..5
        Invernaculo,  ///< start frame: a greenhouse under the sun
        Cultivo,      ///< start frame: crop rows inside, heating and an open window
    };

    /// `techo` is the roof shape drawn (the start pictures draw two slopes).
    Dibujo(const QString& nombre, Tipo tipo, Techo techo, const QString& descripcion, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    Tipo tipo_;
    Techo techo_;
};

}  // namespace hortelia
