#pragma once

// What the season window keeps between runs, in the program's settings beside the recent files
// (QSettings): the climate file, the first and last day, and the prices and the design
// condition as the grower typed them.

#include <QDate>
#include <QString>
#include <QStringList>

namespace hortelia {

struct PreferenciasTemporada {
    QString clima;  ///< the climate file's path, "" before one was read
    QDate desde, hasta;
    QString precioCombustible, precioAgua;
    QStringList diseno;  ///< the design temperature and wind
};

PreferenciasTemporada LeePreferenciasTemporada();
void GuardaPreferenciasTemporada(const PreferenciasTemporada& p);

}  // namespace hortelia
