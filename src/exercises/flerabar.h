#pragma once

#include "framework/exerciseform.h"

#include <QPushButton>

class QFrame;
class QLabel;

namespace vindra {

/// One word button of the word-choice form (`Panel2` … `Panel13`): lime with raised edges,
/// yellow with lowered edges while the pointer is over it or the keyboard has moved to it.
/// A left click, Enter or Space chooses the word; a right click is left to the form.
class WordButton : public QPushButton {
    Q_OBJECT
public:
    WordButton(int index, QWidget* parent);
    int index() const { return m_index; }
    /// Yellow and lowered (the word under the pointer) or lime and raised.
    void setLit(bool lit);
    bool lit() const { return m_lit; }

Q_SIGNALS:
    /// The pointer entered the button, or the keyboard moved to it.
    void pointedAt(int index);

protected:
    void enterEvent(QEnterEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    int m_index;
    bool m_lit = false;
};

/// The word-choice exercise: a sentence with one word left out and a row of word buttons,
/// one for every word the data file marks; the pupil chooses the word that fits the gap.
/// There is no answer box: the word buttons take the answer, by mouse or keyboard.
///
/// Item lines hold the sentence with the right word between "<" and ">"; in the a/an
/// exercise field 2 numbers the explanation shown after a wrong answer.
class TFLERBAR : public ExerciseForm {
    Q_OBJECT
public:
    TFLERBAR(Engine& engine, const Services& services, QWidget* parent = nullptr);

    /// Word `k` (1-based) of the table in use is the answer; `left` is false for a right
    /// click, which pauses instead.
    void RaettTest(int k, bool left = true);
    void BitBtn2Click(); ///< rules

    /// The words of the file in order of first occurrence, lower case (the buttons' words
    /// when the marked word does not begin with a capital).
    const QList<QByteArray>& words() const { return m_lower; }
    /// The word buttons' rows: 1 or 2.
    int rows() const { return m_rows; }

protected:
    void Inled() override;
    void placeQuestionArea() override;
    void NollaLabeller() override;
    void showItem() override;
    QByteArray rightAnswer() const override { return m_markedWord; }
    QWidget* answerFocus() const override;
    void setAnswerActive(bool on) override;
    void setHelpEnabled(bool on) override;
    void roundComplete() override;
    void paused() override;
    bool keepsRightCountOnContinue() const override { return true; }
    void worksheetItemLines(const QByteArray& prefix, WorksheetSend how) override;
    void worksheetStartBlock(WorksheetSend how) override;

    void mousePressEvent(QMouseEvent* event) override;

    // The word buttons' container is this form's `Panel1`; the button bar, which the session
    // calls `Panel1`, is named `Escapepanel` here and reached as such.
    ButtonBar* Escapepanel = nullptr;
    QFrame* Panel1 = nullptr;
    QList<WordButton*> m_buttons; ///< Panel2 … Panel13

    QLabel* FrageLabel1 = nullptr; ///< placing only: the lines below follow it
    QLabel* FrageLabel2 = nullptr;
    QLabel* Label4 = nullptr; ///< before the gap
    QLabel* Label5 = nullptr; ///< the gap: "?" or the word pointed at
    QLabel* Label6 = nullptr; ///< after the gap
    QLabel* Label8 = nullptr; ///< the other line of a two-line sentence
    QLabel* Label9 = nullptr; ///< a/an explanation, two lines
    QLabel* Label10 = nullptr;
    QLabel* KorrektSvarLabel = nullptr; ///< the right word in the gap after a wrong choice
    QLabel* EfterdelLabel = nullptr;    ///< the after-gap part following it
    QPushButton* BitBtn2 = nullptr;     ///< "&Rules"

private:
    /// Collects the marked words of the whole data file (`Hittapreppar`).
    void Hittapreppar();
    /// The worksheet instruction: "At, in or on ?".
    QByteArray wordListInstruction() const;
    /// Shows word `k` of the table in use in the gap and lights its button.
    void pointAt(int k);
    void placeAfterGap();
    /// The panel's height and the buttons' height for the rows the words need.
    void layOutButtons();
    /// The shown buttons in their rows, each as wide as its word, and the panel around them.
    void placeButtons();
    /// The a/an explanation of field 2 under the sentence.
    void explainArticle();
    const QList<QByteArray>& tableInUse() const { return m_upperInUse ? m_upper : m_lower; }
    /// Whether the pupil can choose now: the word buttons are shown and an answer is due.
    bool choosing() const;

    QList<QByteArray> m_lower; ///< the words, lower case, as they first occur
    QList<QByteArray> m_upper; ///< the same with a capital first letter
    bool m_upperInUse = false;
    int m_rows = 1;
    QByteArray m_markedWord;
    QByteArray m_afterGap;
    int m_longestWord = 0; ///< characters of the longest word, for the worksheet's gap
};

} // namespace vindra
