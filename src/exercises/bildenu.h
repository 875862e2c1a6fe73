#pragma once

#include "framework/exerciseform.h"

class QLabel;

namespace vindra {

/// The body pictures: one large picture of a part of the body (BILD\KROPP\…, chosen by the
/// exercise code) stands at the left for the whole exercise, and typed questions about it
/// are asked and answered as in the written-answer exercise. Field 1 is the question (on up
/// to three lines), field 2 the answer.
class TBilden : public ExerciseForm {
    Q_OBJECT
public:
    TBilden(Engine& engine, const Services& services, QWidget* parent = nullptr);

    /// Enter: check the answer.
    void Edit1KeyPress();

protected:
    void Inled() override;
    void placeQuestionArea() override;
    void NollaLabeller() override;
    void showItem() override;
    QWidget* answerFocus() const override;
    void newRoundControls(bool correction) override;
    bool showsEndingPicture() const override { return false; }
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// Loads the exercise's body picture and fits it to the room at the left; hides it when
    /// the file is in neither directory.
    void loadPicture();

    QLabel* Image1 = nullptr;
    QFrame* Bildpanelen = nullptr;
    QLabel* FrageLabel1 = nullptr;
    QLabel* FrageLabel2 = nullptr;
    AnswerBox* Edit1 = nullptr;
    QLabel* SvarsLabel = nullptr;

    QRect m_pictureRoom; ///< the room at the left edge the picture is fitted to
    int m_textRight = 0; ///< right edge of the question area
};

} // namespace vindra
