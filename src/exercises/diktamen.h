#pragma once

#include "framework/exerciseform.h"

class QFrame;
class QLabel;
class QPushButton;
class QToolButton;

namespace vindra {

/// The dictation: the pupil hears an English word, sentence or letter (or sees it flashed
/// for a moment) and types it. Field 1 of an item is what is said and the right answer;
/// field 3 an optional help text. The item's recording is LJUD\<prefix>\<prefix>nnn.WAV
/// (nnn the item number). The same form serves the two dictations and the two alphabet
/// exercises (write the letter; spell the word), which only speak.
class TDiktam : public ExerciseForm {
    Q_OBJECT
public:
    TDiktam(Engine& engine, const Services& services, QWidget* parent = nullptr);

    /// How the word is presented; engine-wide, kept between openings.
    enum Presentation { OnlyHear = 0, OnlySee = 1, SeeAndHear = 2 };

    // ---- Handlers ----
    void Edit1KeyPress(); ///< Enter: check the answer
    void Edit1Change();   ///< the lamp follows the typing
    void BitBtn2Click();  ///< help
    void UpprepaButtonClick();
    void BaraHoraButtonClick();
    void BaraseordetButtonClick();
    void SeochHoraButtonClick();
    void TidSpinButtonUpClick();
    void TidSpinButtonDownClick();
    void LampknappClick();
    void LampShapeMouseDown();
    /// The flashed word has been shown for the exposure time.
    void BlinkTimerTimer();
    /// A tick of the automatic presentation after a new item.
    void Timer5Timer();
    /// Plays the current item's recording (an item above 999 has none).
    void Ljudet();

    FormTimer* blinkTimer() const { return m_blinkTimer; }
    FormTimer* timer5() const { return Timer5; }
    int exposureTime() const { return m_exposure; }
    /// The presentation in force: the stored one in the dictations, hearing alone in the
    /// alphabet exercises (their buttons are not shown, and they train listening).
    Presentation presentation() const;

protected:
    void placeQuestionArea() override;
    void NollaLabeller() override;
    void showItem() override;
    QByteArray rightAnswer() const override;
    QWidget* answerFocus() const override;
    void setAnswerActive(bool on) override;
    void setHelpEnabled(bool on) override;
    void roundComplete() override;
    void newRoundControls(bool correction) override;
    void paused() override;
    void rensa() override;
    void worksheetItemLines(const QByteArray& prefix, WorksheetSend how) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool spokenWords() const;
    /// Presents the word by the presentation in force.
    void present();
    /// Shows the word for the exposure time, the answer box closed meanwhile.
    void flash();
    void startAutomaticPresentation();
    void stopFlash();
    /// Opens the answer box when an item waits for its answer and nothing is in the way.
    void reopenAnswerBox();
    void setPresentation(Presentation p);
    void showExposure(bool on);
    void placeLamp();
    void colourLamp();

    QLabel* FrageLabel1 = nullptr;
    QLabel* FrageLabel2 = nullptr;
    AnswerBox* Edit1 = nullptr;
    QLabel* Label4 = nullptr; ///< shown with the answer box while asking; holds no text
    QLabel* Label5 = nullptr; ///< the right answer
    QLabel* Label6 = nullptr; ///< the help text
    QLabel* BlinkLabel = nullptr;
    QPushButton* BitBtn2 = nullptr; ///< "&Help"
    QPushButton* lampknapp = nullptr;
    Lamp* LampShape = nullptr;
    QPushButton* UpprepaButton = nullptr;
    QPushButton* BaraHoraButton = nullptr;
    QPushButton* BaraseordetButton = nullptr;
    QPushButton* SeochHoraButton = nullptr;
    QFrame* TidSpinButton = nullptr;
    QToolButton* m_timeUp = nullptr;
    QToolButton* m_timeDown = nullptr;
    QLabel* SeTidPanel = nullptr;
    QLabel* SeIntervalLabel = nullptr;
    FormTimer* m_blinkTimer = nullptr;
    FormTimer* Timer5 = nullptr;

    int m_exposure = 100; ///< ms the flashed word is shown
    int m_autoTicks = 0;
    bool m_lampOffered = false;
    bool m_lampOn = false;
    bool m_buttons = true; ///< the presentation buttons and the lamp are shown
};

} // namespace vindra
