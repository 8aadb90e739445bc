#pragma once

// A table of texts that a user reads and copies from, as the data sheet and the season window
// show theirs: read only, any block of cells selected, Tab on to the next control, rows shaded
// by turns, no header of row numbers. Ctrl+C and "&Copia" of its context menu put the selected
// cells on the clipboard as a spreadsheet pastes them (a plain table view copies one cell).

#include <QModelIndex>
#include <QString>
#include <QTableView>

#include <functional>

namespace hortelia {

class TablaCopiable : public QTableView {
public:
    /// `texto` gives a cell's text as the table shows it; an empty one copies as an empty cell.
    TablaCopiable(std::function<QString(const QModelIndex&)> texto, QWidget* padre);

    /// The selected cells (the current one when none is) as a spreadsheet pastes them: the
    /// block from the first to the last selected row and column, tab-separated, a cell not
    /// selected left empty, the text without blanks around it, a number with the user's decimal
    /// separator (so that a Spanish spreadsheet reads 0,24 and not 24).
    QString TextoSeleccionado() const;
    /// Puts TextoSeleccionado() on the clipboard.
    void CopiaSeleccion() const;

protected:
    void keyPressEvent(QKeyEvent* evento) override;

private:
    std::function<QString(const QModelIndex&)> texto_;
};

}  // namespace hortelia
