#include "ui/ventana_propia.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace hortelia {

void MuestraAlFrente(QWidget* ventana, bool& dimensionada, QSize deseado, int anchoPorCiento, int altoPorCiento) {
    if (!dimensionada) {
        dimensionada = true;
        const QRect pantalla = ventana->screen()->availableGeometry();
        ventana->resize(std::min(deseado.width(), pantalla.width() * anchoPorCiento / 100),
                        std::min(deseado.height(), pantalla.height() * altoPorCiento / 100));
    }
    ventana->show();
    ventana->raise();
    ventana->activateWindow();
}

}  // namespace hortelia
