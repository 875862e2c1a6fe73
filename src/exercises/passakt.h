#pragma once

#include "engine/categoryitem.h"
#include "framework/exerciseform.h"

#include <QPushButton>

class QLabel;

namespace vindra {

/// One choice button of the category-choice form: lime, yellow under the mouse (or when it
/// shows the right answer after a wrong one); a right click asks for a pause.
class ChoiceButton : public QPushButton {
    Q_OBJECT
public:
    ChoiceButton(int number, QWidget* parent);
    int number() const { return m_number; }
    /// Yellow with a lowered bevel (`hot`), or lime with a raised one.
    void setHot(bool hot);
    bool hot() const { return m_hot; }

Q_SIGNALS:
    void hovered(int number);
    void rightClicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int m_number;
    bool m_hot = false;
};

/// The category-choice exercise: a word or sentence (perhaps with one part highlighted) and
/// a row of up to seven buttons naming categories; the pupil clicks the right one or presses
/// its number. After a wrong answer the button with the right answer turns yellow, the
/// exercise explains the answer and, in "Rimord" and "Tidd", speaks the item. See
/// src/framework/README.md for the session it runs.
class TPassAkt : public ExerciseForm {
    Q_OBJECT
public:
    TPassAkt(Engine& engine, const Services& services, QWidget* parent = nullptr);

    /// Checks choice `k` (1-based) as the pupil's answer.
    void RaettTest(int k);
    void bitbtn2Click(); ///< rules
    /// Plays the item's spoken sound, where the exercise has one and the settings allow it.
    void playItemSound();

    /// The buttons showing a choice, in order, and the right answer of the item shown.
    QList<ChoiceButton*> shownChoices() const;
    const QByteArray& shownRight() const { return m_item.right; }

protected:
    void placeQuestionArea() override;
    void NollaLabeller() override;
    void showItem() override;
    QByteArray rightAnswer() const override;
    QWidget* answerFocus() const override;
    void setAnswerActive(bool on) override;
    void setHelpEnabled(bool on) override;
    void paused() override;
    bool keepsRightCountOnContinue() const override { return true; }
    bool swedishCaptions() const override;
    void worksheetItemLines(const QByteArray& prefix, WorksheetSend how) override;

    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

    QLabel* Label3 = nullptr;        ///< the whole question line (blue)
    QLabel* Label4 = nullptr;        ///< before the highlighted part (blue)
    QLabel* Label5 = nullptr;        ///< the highlighted part (green)
    QLabel* Label6 = nullptr;        ///< after the highlighted part (blue)
    QLabel* Label7 = nullptr;        ///< explanation after a wrong answer (maroon)
    QLabel* Label8 = nullptr;        ///< its second line
    QLabel* Oversattlabel = nullptr; ///< the translation (green)
    QLabel* templabel = nullptr;     ///< measures button texts; never shown
    QFrame* Valpanel = nullptr;      ///< the choice buttons' panel, named "Panel1"
    QList<ChoiceButton*> m_buttons;  ///< Panel2 … Panel8
    QPushButton* bitbtn2 = nullptr;  ///< "&Rules" / "&Regler"

private:
    void hover(int number);
    void layChoices();
    /// The question on one or two lines; returns the bottom of its last line.
    int showQuestion();
    void rightClickPause();

    category::Item m_item;
    int m_questionPoints = 14;
    int m_buttonPoints = 14;
    bool m_soundFlag = false;
};

} // namespace vindra
