#pragma once

#include "framework/exerciseform.h"

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace vindra {

class AnswerRows;
class FigureBox;

/// The read-and-answer exercise: an English story (the reading text, "<data file>.LAS") and
/// multiple-choice questions on it. Item fields: 1 the question, 2 the right answer (also
/// the first alternative), 3 and 4 the wrong alternatives. The pupil answers by clicking one
/// of the two or three rows or by typing its figure, and may switch between the text and the
/// questions at any time. A round has the file's items, at most 10; errors are not recorded,
/// so there is no correction round.
class TInseTxt : public ExerciseForm {
    Q_OBJECT
public:
    TInseTxt(Engine& engine, const Services& services, QWidget* parent = nullptr);

    /// The answer on row `row` (1..3); `button` 0 is the left mouse button (and a figure
    /// key), 1 the right one, which pauses.
    void RaettTest(int row, int button);
    /// A figure key (Qt::Key_1..Key_3).
    void Edit1KeyPress(int key);
    /// Between the reading text and the questions.
    void SeTextButtonClick();
    bool textVisible() const { return m_textVisible; }
    /// The row the right answer stands on.
    int rightRow() const { return m_rightRow; }

protected:
    int roundLength(int standard) const override;
    void placeQuestionArea() override;
    void NollaLabeller() override;
    void showItem() override;
    QByteArray rightAnswer() const override;
    QWidget* answerFocus() const override;
    void setAnswerActive(bool on) override;
    void roundComplete() override;
    void paused() override;
    bool keepsRightCountOnContinue() const override { return true; }
    void worksheetItemLines(const QByteArray& prefix, WorksheetSend how) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    /// The state of the rows by code (AnswerRows::setState), the right answer being
    /// RattSvarLabel.
    void Paneler(int code);
    /// Loads the reading text into the text area and adjusts it.
    void HaemtaText();
    void showText(bool on);
    /// The header of the screen on show: the text's or the questions'.
    void drawHeader();

    QLabel* FrageLabel1 = nullptr;
    QLabel* FrageLabel2 = nullptr;
    QLabel* RattSvarLabel = nullptr;
    AnswerRows* m_rows = nullptr;
    QPushButton* SeTextButton = nullptr;
    QFrame* TextPanel1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    FigureBox* Edit1 = nullptr;

    int m_rightRow = 1;
    bool m_showingRight = false;
    bool m_textVisible = true;
    int m_questionRight = 0; ///< right edge of the question area
};

} // namespace vindra
