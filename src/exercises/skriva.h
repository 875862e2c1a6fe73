#pragma once

#include "framework/exerciseform.h"

class QLabel;
class QPushButton;

namespace vindra {

/// The written-answer exercise: a question (word, phrase or sentence) is shown and the pupil
/// types the answer in one box. Field 1 is the question and field 2 the answer (reversed
/// where the catalogue says so). The plainest form of the exercise session; see
/// src/framework/README.md.
class TSKRIV : public ExerciseForm {
    Q_OBJECT
public:
    TSKRIV(Engine& engine, const Services& services, QWidget* parent = nullptr);

    // ---- Handlers of the form's own controls ----
    void Edit1KeyPress(); ///< Enter: check the answer
    void Edit1Change();   ///< the lamp follows the typing
    void BitBtn2Click();  ///< rules or help
    void BitBtn3Click();  ///< more help
    void LampknappClick();
    void LampShapeMouseDown();

protected:
    void placeQuestionArea() override;
    void NollaLabeller() override;
    void showItem() override;
    QWidget* answerFocus() const override;
    void setHelpEnabled(bool on) override;
    void roundComplete() override;
    void newRoundControls(bool correction) override;
    void rensa() override;
    bool swedishCaptions() const override;

    QLabel* FrageLabel1 = nullptr;
    QLabel* FrageLabel2 = nullptr;
    AnswerBox* Edit1 = nullptr;
    QLabel* Label4 = nullptr;       ///< shown with the answer box while asking; holds no text
    QLabel* Label5 = nullptr;       ///< the right answer
    QLabel* Label6 = nullptr;       ///< help text of the rules button
    QLabel* Label7 = nullptr;       ///< help text of the more-help button
    QPushButton* BitBtn2 = nullptr; ///< "&Rules" (or "&Help", "&Regler")
    QPushButton* BitBtn3 = nullptr; ///< "&More help"
    QPushButton* lampknapp = nullptr;
    Lamp* LampShape = nullptr;

private:
    void colourLamp();

    /// The lamp button may be shown outside correction rounds (never in this form).
    bool m_lampOffered = false;
    bool m_lampOn = false;
};

} // namespace vindra
