#pragma once

#include "engine/classoverview.h"
#include "platform/printer.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace vindra {

class Engine;

/// The class overview on paper, for the teacher before a lesson: on landscape sheets, the
/// date and the results directory, a grid of the pupils by the twenty slots (each cell the
/// last result, filled by the slot's standing, with a legend that also holds in black and
/// white), and under it a bar chart of the share of the class that has passed each slot, with
/// the slots' subjects. A class too long for one sheet goes on over more; the chart follows
/// the last pupil. What could not be read from the register is listed on the first sheet.
/// Laid out in millimetres, scaled to the printer's sheet.
class ClassReport {
public:
    ClassReport(ClassOverview overview, QString directory, QDateTime when);

    /// What one sheet holds: pupils first .. first + count − 1 and, on the last, the chart.
    struct Sheet {
        int first = 0;
        int count = 0;
        bool chart = false;
    };
    /// The sheets on `printer`'s page as it is set now (names are measured in its fonts).
    QList<Sheet> sheets(Printer& printer) const;

    /// Draws every sheet on `printer`, one print job each.
    void draw(Printer& printer) const;

    /// How a cell of this standing is filled; nothing (white) for a slot not started or a
    /// cell that could not be read.
    static std::optional<PrinterFill> fillOf(SlotStanding standing);
    /// The fill of the chart's bars.
    static PrinterFill barFill();

    const ClassOverview& overview() const { return m_overview; }

private:
    struct Layout;
    Layout layoutFor(Printer& printer) const;
    void drawHeading(Printer& p, const Layout& l, int sheet, int sheets) const;
    int drawProblems(Printer& p, const Layout& l, int y) const;
    int drawGrid(Printer& p, const Layout& l, const Sheet& sheet, int y) const;
    void drawChart(Printer& p, const Layout& l, int y) const;

    ClassOverview m_overview;
    QString m_directory;
    QDateTime m_when;
};

/// The overview of the register of `engine`, dated by its clock and naming its results
/// directory; nothing when the register cannot be read.
std::optional<ClassReport> classReportOf(Engine& engine);

/// Prints `report` after the print dialog on landscape sheets, every sheet once per copy
/// asked for. The printer's orientation is set back afterwards, whatever the dialog's answer.
/// False when the dialog was cancelled (nothing printed).
bool printClassReport(Printer& printer, const ClassReport& report);

/// The overview of the register of `engine` printed on `printer` (the teacher's button). A
/// register that cannot be read is reported through the engine's messages and nothing is
/// printed.
void printClassOverview(Engine& engine, Printer* printer);

} // namespace vindra
