#pragma once

#include <QColor>
#include <QFont>
#include <QObject>
#include <QRect>
#include <QStringList>
#include <QWidget>

#include <array>

class QFrame;
class QLabel;

namespace vindra {

class Engine;

/// The two or three answer rows of a multiple-choice question: each row a number box
/// (`NrPanel1`..`NrPanel3`, captioned "1", "2", "3") and an alternative box
/// (`AlternativPanel1`..`AlternativPanel3`) holding its text (`AltLabel1`..`AltLabel3`).
/// The pupil chooses a row with the left mouse button or by typing its figure; moving the
/// mouse over a row highlights it; the right button asks for a pause. The form places the
/// rows, fills them and decides what a choice means (the read-and-answer exercise and the
/// picture quiz).
class AnswerRows : public QObject {
    Q_OBJECT
public:
    static constexpr int kRows = 3;

    /// Creates the nine controls as children of `form`, empty and enabled.
    explicit AnswerRows(QWidget* form);

    /// Places row `row` (1..3): its number box and its alternative box; the text inside the
    /// box starts `indent` pixels in.
    void placeRow(int row, const QRect& numberBox, const QRect& alternativeBox, int indent);

    /// Fills the rows in order with `texts` (two or three); with two, row 3 is hidden.
    void fill(const QStringList& texts);
    /// The text of row `row`, empty for a row that is not in use.
    QString alternative(int row) const;
    /// Rows in use (0 before the first fill and after clear()).
    int count() const { return m_count; }
    /// The row of a figure key (Qt::Key_1..Key_3) on a row in use, else 0.
    int rowOfKey(int key) const;

    /// The largest font, from `font` down a point at a time (to 6 points), in which every
    /// text is at most `maxWidth` pixels wide; it is used for all three texts.
    void fitTexts(QFont font, const QStringList& texts, int maxWidth);

    /// Empties the three alternative boxes.
    void clear();
    /// Every row in the plain colour.
    void restoreColours();
    /// Enables or disables the number boxes, the alternative boxes and their texts.
    void setRowsEnabled(bool on);
    bool rowsEnabled() const { return m_enabled; }
    /// Colours row `row` aqua and the other rows plain.
    void highlight(int row);
    /// The rows' state by the forms' code: 0 empty them, restore their colours and enable
    /// them; 2 restore and enable; 3 restore and disable; 4 enable; 5 disable; 11..13 show
    /// `rightAnswer` and colour row 1..3. Codes below 4 also hide `rightAnswer`.
    void setState(int code, QWidget* rightAnswer);
    /// While set, moving the mouse over a row does not highlight it (the right answer is
    /// being shown in its colour).
    void setHighlightBlocked(bool blocked) { m_highlightBlocked = blocked; }
    /// Whether choosing `row` is right: it is `rightRow`, or its text passes the engine's
    /// answer check (mode 1) against the item's answer `right`, alternatives included.
    bool isRight(const Engine& engine, int row, int rightRow, const QByteArray& right) const;
    /// After a wrong choice: `rightAnswer` shown, row `rightRow` in its colour, and the mouse
    /// no longer highlighting rows.
    void showRight(int rightRow, QWidget* rightAnswer);

    std::array<QLabel*, kRows> NrPanel{};
    std::array<QFrame*, kRows> AlternativPanel{};
    std::array<QLabel*, kRows> AltLabel{};

    static const QColor kPlain;  ///< the button face colour
    static const QColor kChosen; ///< aqua

Q_SIGNALS:
    /// The left mouse button on row `row`.
    void chosen(int row);
    /// The right mouse button on a row.
    void pauseRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int rowOf(QObject* control) const;
    void colourRow(int row, const QColor& colour);

    int m_count = 0;
    bool m_enabled = true;
    bool m_highlightBlocked = false;
};

/// The small input that takes the figure keys of a multiple-choice question: a figure is
/// handed on, Esc asks for a pause, and nothing is typed into it.
class FigureBox : public QWidget {
    Q_OBJECT
public:
    FigureBox(const QString& name, QWidget* parent);

Q_SIGNALS:
    void figure(int key);
    void pauseRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace vindra
