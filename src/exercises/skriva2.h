#pragma once

#include "framework/exerciseform.h"

class QLabel;
class QPushButton;

namespace vindra {

/// The two-answer exercise: two written answers to one item, one after the other, each in
/// its own box (the comparative and the superlative of an adjective, for example). Field 1
/// is the question, fields 2 and 3 the answers, field 4 a help text (layout A) or a Swedish
/// gloss (layout B). The item counts right only when both answers are right.
class Tskriv2 : public ExerciseForm {
    Q_OBJECT
public:
    Tskriv2(Engine& engine, const Services& services, QWidget* parent = nullptr);

    // ---- Handlers of the form's own controls ----
    void Edit1KeyPress(); ///< Enter in the first box
    void Edit2KeyPress(); ///< Enter in the second box
    void BitBtn2Click();  ///< "&Help": the item's help text
    void RegelknappClick();
    void LampknappClick();
    void LampShapeMouseDown();
    void KollaEdit1(); ///< the first lamp follows the typing
    void KollaEdit2(); ///< the second lamp follows the typing

    bool layoutA() const { return m_layoutA; }
    bool awaitingSecondAnswer() const { return m_awaitingSecond; }

protected:
    void Inled() override;
    void placeQuestionArea() override;
    void NollaLabeller() override;
    void showItem() override;
    void rightAnswerShown() override;
    QWidget* answerFocus() const override;
    void setHelpEnabled(bool on) override;
    void roundComplete() override;
    void newRoundControls(bool correction) override;
    void paused() override;
    void skipWait() override;
    void rensa() override;
    bool keepsRightCountOnContinue() const override { return true; }
    bool swedishCaptions() const override;
    bool settingsInWorksheetMode() const override { return true; }
    void worksheetItemLines(const QByteArray& prefix, WorksheetSend how) override;
    void worksheetStartBlock(WorksheetSend how) override;

    QLabel* FrageLabel1 = nullptr;
    QLabel* FrageLabel2 =
        nullptr; ///< an empty place holder; layout A shows it after the first answer
    AnswerBox* Edit1 = nullptr;
    AnswerBox* Edit2 = nullptr;
    QLabel* SvarsLabel1 = nullptr; ///< the right first answer
    QLabel* SvarsLabel2 = nullptr; ///< the right second answer
    QFrame* SkiljeShape1 = nullptr;
    QFrame* SkiljeShape2 = nullptr;
    QLabel* SvenskaLabel = nullptr; ///< layout B: the Swedish gloss
    QLabel* HjalpLabel = nullptr;   ///< layout A: the help text
    QLabel* Label6 = nullptr;
    QLabel* Label9 = nullptr;
    QPushButton* BitBtn2 = nullptr; ///< "&Help"
    QPushButton* Regelknapp = nullptr;
    QPushButton* Lampknapp = nullptr;
    Lamp* LampShape1 = nullptr;
    Lamp* LampShape2 = nullptr;

private:
    QByteArray field(int n) const;
    bool itemHasHelp() const;
    void colourLamps();

    bool m_layoutA = false;
    bool m_lampOffered = false;
    bool m_lampOn = false;
    bool m_firstRight = false;
    bool m_awaitingSecond = false;
};

} // namespace vindra
