#pragma once

#include <QByteArray>
#include <QList>

#include <array>

/// The line syntax of exercise data files, as pure functions over bytes, so that every
/// reader (the engine, the tools, the fuzzer) parses lines the same way.
namespace vindra::datafile {

/// Longest header line, instruction line and worksheet instruction kept (longer are cut).
constexpr int kTextWidth = 80;
/// Most fields of an item line.
constexpr int kMaxFields = 10;

enum class LineKind {
    Empty,                ///< empty line: ignored, not counted
    Comment,              ///< ";"
    Instruction,          ///< "$§": the on-screen instruction
    WorksheetInstruction, ///< "$%": the instruction printed on worksheets
    Header,               ///< any other "$" line
    Item                  ///< plain or scrambled (")") item line
};

LineKind classify(const QByteArray& line);

/// True for the lines that are numbered as items.
inline bool isItem(const QByteArray& line)
{
    return classify(line) == LineKind::Item;
}

/// Splits a file's bytes into lines at LF, dropping the CR of a CR LF ending. A final line
/// without a line end is kept; the empty text after a final line end is not a line.
QList<QByteArray> splitLines(const QByteArray& content);

/// Removes a trailing CR LF, LF or CR from a line read with readLine().
QByteArray chompLine(QByteArray line);

/// The fields of one item line: `field[1]` … `field[10]` (index 0 unused).
struct ItemFields {
    std::array<QByteArray, kMaxFields + 1> field;
    quint16 fieldCount = 0;
    quint16 alternativesCount = 0;
};

/// Unscrambles the line when it is scrambled and splits it at "#": at most 10 fields (the
/// parts after the tenth "#" are appended to field 10 without separators), leading blanks
/// removed (a field of blanks keeps one), and from the first field that begins with "&" on,
/// every field is an alternative (its "&" removed).
ItemFields splitFields(const QByteArray& line);

/// The "$" lines of a data file as they are read in file order.
struct Headers {
    std::array<QByteArray, 4> header; ///< header lines 1..3 (index 0 unused)
    QByteArray instruction;
    QByteArray worksheetInstruction;
    int nextHeader = 1;

    /// Takes one "$" line: "$§" sets the instruction, "$%" the worksheet instruction, any
    /// other the next header line (1, 2, then 3 again and again). Other lines are ignored.
    void take(const QByteArray& line);
    void clear() { *this = Headers{}; }
};

/// The exercise code of a file name: the digits at the end of the part before its first
/// ".", as a 16-bit number ("ENG31051.DAT" gives 31051, "ENGDI16.DAT" gives 16). A name
/// without trailing digits gives 0.
quint16 GeProgramtal(const QByteArray& name);

/// The extension of a name: the text from its last "." in capitals ("a.dat" gives ".DAT").
QByteArray extensionOf(const QByteArray& name);

} // namespace vindra::datafile
