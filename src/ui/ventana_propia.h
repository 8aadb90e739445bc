#pragma once

// What the windows of their own share (the data sheet, the season window): created once, shown
// in front when asked for, sized the first time and then left as the user leaves them.

#include <QSize>

class QWidget;

namespace hortelia {

/// Shows `ventana` in front, active. The first time (`dimensionada` false, then true) it takes
/// `deseado`, within `anchoPorCiento` and `altoPorCiento` of the screen's free area.
void MuestraAlFrente(QWidget* ventana, bool& dimensionada, QSize deseado, int anchoPorCiento, int altoPorCiento);

}  // namespace hortelia
