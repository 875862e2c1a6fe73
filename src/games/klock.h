#pragma once

#include "framework/exerciseform.h"

#include <QPointF>
#include <QWidget>

class QLabel;
class QPushButton;

namespace vindra {

/// Where the hands of the clock stand for an item of the clock exercise: the item number n
/// (1..144) fixes the time, hour index (n - 1) / 12 (0 shown as twelve) and minutes
/// 5 × ((n - 1) % 12).
struct ClockHands {
    int hourIndex = 0;   ///< 0..11
    int minutes = 0;     ///< 0..55
    int minuteAngle = 0; ///< degrees clockwise from twelve
    int hourAngle = 0;   ///< degrees clockwise from twelve, rounded half to even
    static ClockHands forItem(int itemNumber);
};

/// The clock face (`PaintBox1`): the numbers 1 to 12, the blue hour hand with its lime dot
/// and the red minute hand, drawn for the box's size.
class ClockFace : public QWidget {
    Q_OBJECT
public:
    explicit ClockFace(QWidget* parent);
    void setItem(int itemNumber);
    int item() const { return m_item; }
    /// The point at `angle` degrees clockwise from twelve and `distance` from the centre.
    static QPoint pointAt(QPoint centre, double angle, double distance);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_item = 1;
};

/// The clock exercise: an analogue clock shows a time in five-minute steps and the pupil
/// writes it in words. A practice session of the exercise framework with progress boxes,
/// correction rounds and the praise line, but without the header box and ending picture.
class TKlockan : public ExerciseForm {
    Q_OBJECT
public:
    TKlockan(Engine& engine, const Services& services, QWidget* parent = nullptr);

    void Edit1KeyPress();
    void Edit1Change();
    void lampknappClick();
    void LampShapeMouseDown();

    /// The typed time as the answer check sees it: a leading "It is" or "It's", which the
    /// pupil may type although the form shows it, is dropped.
    static QByteArray withoutItIs(const QByteArray& typed);

protected:
    void Inled() override;
    void placeQuestionArea() override;
    void NollaLabeller() override;
    void showItem() override;
    QByteArray rightAnswer() const override;
    QWidget* answerFocus() const override;
    void roundComplete() override;
    void newRoundControls(bool correction) override;
    void paused() override;
    void rensa() override;
    bool showsEndingPicture() const override { return false; }
    void worksheetItemLines(const QByteArray& prefix, WorksheetSend how) override;

private:
    void colourLamp();

    RoundedBox* Shape1 = nullptr;
    RoundedBox* Shape2 = nullptr;
    QLabel* Label1 = nullptr; ///< "What time"
    QLabel* Label2 = nullptr; ///< "is it?"
    QLabel* Label3 = nullptr; ///< " It is ..."
    ClockFace* PaintBox1 = nullptr;
    AnswerBox* Edit1 = nullptr;
    QLabel* Label4 = nullptr; ///< the right answer after a wrong one
    QPushButton* lampknapp = nullptr;
    Lamp* LampShape = nullptr;
    bool m_lampOn = false;
};

} // namespace vindra
