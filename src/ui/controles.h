#pragma once

// Small pieces the greenhouse panels build their controls from: option-button arrays named
// Option<n>_<i>, scroll bars with a name a screen reader can say, and the writes that show a
// loaded value in a control without running the control's handler.

#include <QList>
#include <QString>
#include <QStringList>

class QRadioButton;
class QScrollBar;
class QWidget;

namespace hortelia {

/// The option-button array `nombre`_0, `nombre`_1, ... with one caption each; exclusive.
QList<QRadioButton*> CreaOpciones(const QString& nombre, const QStringList& textos, QWidget* padre);
/// Index of the checked option of an array, -1 when none is checked.
int OpcionMarcada(const QList<QRadioButton*>& opciones);
/// Checks option i without running any handler; an index outside the array changes nothing.
void MarcaOpcionSinEventos(const QList<QRadioButton*>& opciones, int i);

/// A scroll bar with objectName `nombre`, accessible name `accesible`, range and large step.
QScrollBar* CreaBarra(const QString& nombre, const QString& accesible, Qt::Orientation orientacion, int minimo,
                      int maximo, int pasoGrande, QWidget* padre);
/// Bar position of a record value: 16-bit integer (halves to even), kept inside the bar's range.
int PosicionBarra(const QScrollBar* barra, double valor);
/// Puts the bar on a record value without running its change handler.
void PonBarraSinEventos(QScrollBar* barra, double valor);

}  // namespace hortelia
