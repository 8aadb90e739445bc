#pragma once

// Where the program's windows stand on the screen. The data sheet and the season are windows of
// the main window: the window system keeps them above it and groups them with it (Alt+Tab, the
// taskbar), and a screen reader announces each as a window, by its title. Every window takes
// at most the room the screen leaves it: its available area less a title bar.

#include <QRect>
#include <QSize>

class QWidget;

namespace hortelia {

/// Makes `ventana`, a child of the main window not yet shown, a window of the main window.
void HazVentanaDeLaPrincipal(QWidget* ventana);

/// The room a window of `referencia`'s screen may take, title bar and borders included.
QRect AreaParaVentanas(const QWidget* referencia);

/// Moves and shrinks `ventana` as little as needed to put it, title bar included, inside the
/// room of the screen it stands on most.
void MeteEnLaPantalla(QWidget* ventana);

/// The first place of `ventana`: as large as it asks (`deseado`), within the room of its screen,
/// centred on `sobre` as far as the room allows.
void PonPrimeraVez(QWidget* ventana, QSize deseado, const QWidget* sobre);

/// Shows `ventana`, a window of the main window, in front and active. The first time
/// (`dimensionada` false, then true) it takes its first place (PonPrimeraVez over the main
/// window); after that it stays as the user left it.
void MuestraAlFrente(QWidget* ventana, bool& dimensionada, QSize deseado);

}  // namespace hortelia
