#pragma once

#include "engine/gapitem.h"
#include "framework/exerciseform.h"

#include <array>

class QLabel;
class QPushButton;

namespace vindra {

/// The gap-filling exercise: an English sentence with one or two gaps, an answer box in
/// each gap, inside the sentence; an optional prompt line (usually Swedish) stands above it
/// and up to two help texts can be asked for. A gap answered right shows the typed text in
/// green in the box's place, a wrong one the right answer in maroon. A two-gap item is one
/// item: it is right only when both gaps are, and enters the error list once.
class TSkrivinf : public ExerciseForm {
    Q_OBJECT
public:
    TSkrivinf(Engine& engine, const Services& services, QWidget* parent = nullptr);

    // ---- Handlers of the form's own controls ----
    void Edit1KeyPress(); ///< Enter in the box of gap 1
    void Edit2KeyPress(); ///< Enter in the box of gap 2
    void BitBtn2Click();  ///< "&Help": the next help text
    void RegelknappClick();
    void LampknappClick();
    void LampShapeMouseDown();
    void KollaEdit(); ///< the lamp follows the typing

    /// Gaps of the item on screen (1 or 2).
    int gapCount() const { return static_cast<int>(m_item.answers.size()); }
    /// The gap whose box waits for its answer: 1 or 2, 0 once the item is answered.
    int awaitedGap() const { return m_awaited; }
    /// The item on screen as the form read it.
    const gap::Item& shownItem() const { return m_item; }

protected:
    void Inled() override;
    void placeQuestionArea() override;
    void NollaLabeller() override;
    void showItem() override;
    QWidget* answerFocus() const override;
    void setHelpEnabled(bool on) override;
    void roundComplete() override;
    void newRoundControls(bool correction) override;
    void paused() override;
    void rensa() override;
    bool keepsRightCountOnContinue() const override { return true; }
    bool swedishCaptions() const override;
    void worksheetItemLines(const QByteArray& prefix, WorksheetSend how) override;

    QLabel* Label3 = nullptr; ///< prompt, first line
    QLabel* Label4 = nullptr; ///< prompt, second line
    /// Label5 … Label13: the pieces of sentence text between and around the boxes.
    std::array<QLabel*, 9> m_pieces{};
    AnswerBox* Edit1 = nullptr;
    AnswerBox* Edit2 = nullptr;
    QLabel* Label14 = nullptr; ///< gap 1 answered: the typed text (green) or the answer (maroon)
    QLabel* Label15 = nullptr; ///< the same for gap 2
    QLabel* Label16 = nullptr; ///< help text 1
    QLabel* Label17 = nullptr; ///< help text 2
    QPushButton* bitbtn2 = nullptr; ///< "&Help"
    QPushButton* regelknapp = nullptr;
    QPushButton* lampknapp = nullptr;
    Lamp* LampShape = nullptr;

private:
    /// One widget of a sentence line, in reading order.
    struct Placed {
        QWidget* widget;
        int line; ///< 0-based
        int gap;  ///< 1 or 2 for a box, 0 for text
    };

    datafile::ItemFields itemFields() const;
    AnswerBox* box(int gap) const { return gap == 2 ? Edit2 : Edit1; }
    QLabel* shownAnswer(int gap) const { return gap == 2 ? Label15 : Label14; }
    /// Checks the typed text of gap `gap`, shows the result in the box's place.
    bool checkGap(int gap);
    /// The box or its shown answer, one after the other on each line.
    void layOutLines();
    /// Splits the sentence into lines and builds the pieces; false when a gap found no place.
    bool buildLines(int maxLines);
    void placeLamp();
    void colourLamp();
    int lineTop(int line) const;

    gap::Item m_item;
    QList<Placed> m_placed;
    int m_sentenceTop = 0;
    int m_linePitch = 0;
    int m_left = 0;
    int m_right = 0;

    int m_awaited = 0;
    bool m_firstRight = false;
    int m_helpStep = 0; ///< help texts shown for this item
    bool m_lampOffered = false;
    bool m_lampOn = false;
};

} // namespace vindra
