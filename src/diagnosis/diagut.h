#pragma once

#include "engine/engine.h"
#include "framework/services.h"

#include <QWidget>

#include <array>

class QTableWidget;

namespace vindra {

/// Rounds to the nearest whole number, halves to the even neighbour (2.5 gives 2, 3.5 gives 4).
int roundHalfEven(double value);

/// The printout of the diagnosis protocol (form name "Diagutform"): created once at program
/// start and never shown. The protocol copies its grid and its four column positions into it
/// and calls SkrivutDiaggen(), which prints the grid as a ruled table on one A4 page.
/// Millimetres are mapped to the printer's page, so a page that is not A4 gets the table
/// scaled to its size.
class TDiagutform : public QWidget {
    Q_OBJECT
public:
    /// The grid's size: the same as the protocol's.
    static constexpr int kColumns = 5;
    static constexpr int kRows = 22;

    TDiagutform(Engine& engine, const Services& services, QWidget* parent = nullptr);

    /// The copy of the protocol grid (columns 0..4, rows 0..21), made when first used: the
    /// form is never shown, and most runs never print a protocol.
    QTableWidget* grid() const;
    /// Resizes the copy and sets one cell of it.
    void setGridSize(int columns, int rows);
    void setCell(int column, int row, const QString& text);
    QString cell(int column, int row) const;

    /// Starts, in percent of the printable width, of the subject, result, occasion and state
    /// columns.
    void setColumnPositions(const std::array<int, 4>& percent) { m_positions = percent; }
    const std::array<int, 4>& columnPositions() const { return m_positions; }

    /// round(page width in pixels / 210 × mm)
    int XmmTillPixel(double mm) const;
    /// round(page height in pixels / 297 × mm)
    int YmmTillPixel(double mm) const;
    /// round(percent × page width in pixels × 6/7 / 100): a share of the 180 mm between the
    /// margins.
    int ProcentTillPixel(int percent) const;
    /// The inverse conversions, rounded.
    int PixelTillXmm(int px) const;
    int YPixelTillmm(int px) const;

    /// Asks for a printer and prints the protocol of the current diagnosis record: the title
    /// line and the ruled table of every grid row, one page per copy asked for. A cancelled
    /// dialog prints nothing.
    void SkrivutDiaggen();

private:
    QSize page() const;

    Engine& m_engine;
    Services m_services;
    std::array<int, 4> m_positions{};
    mutable QTableWidget* StringGrid1 = nullptr;
};

} // namespace vindra
