#pragma once

// Copying cells of a table to a spreadsheet.

#include <QModelIndex>
#include <QString>

#include <functional>

class QTableView;

namespace hortelia {

/// The selected cells of `tabla` (the current one when none is) as a spreadsheet pastes them:
/// the block from the first to the last selected row and column, tab-separated, a cell not
/// selected left empty, a number with the user's decimal separator (so that a Spanish
/// spreadsheet reads 0,24 and not 24). `texto` gives a cell's text as the table shows it.
QString TextoParaCopiar(const QTableView* tabla, const std::function<QString(const QModelIndex&)>& texto);

}  // namespace hortelia
