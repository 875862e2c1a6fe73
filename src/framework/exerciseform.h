#pragma once

#include "engine/engine.h"
#include "framework/worksheetpanel.h"
#include "platform/services.h"

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vindra {

class FormTimer;
class TAster;
class RoundedBox;

/// The exercise session that every exercise form runs: the header box, the instruction, the
/// question and answer box, the progress boxes or the diagnosis panel, the right-answer
/// display and the end-of-round wait, the ending picture, the praise line, the button bar,
/// correction rounds, the settings and rules buttons, the lamp, and the hand-over of a
/// diagnosis result. A form derives from it, builds what it has of its own, calls
/// FormCreate() at the end of its constructor and overrides only what differs (see
/// src/framework/README.md).
///
/// Session state (mode, counts, item counter, tick counter) is engine-wide (Engine::session);
/// the form reads and writes it there.
class ExerciseForm : public QDialog {
    Q_OBJECT
public:
    ExerciseForm(Engine& engine, const Services& services, QWidget* parent = nullptr);
    ~ExerciseForm() override;

    Engine& engine() { return m_engine; }

    // ---- The lifecycle, in the order the session runs it ----

    /// Creation: scale, exercise code, layout, captions, first state, header, mode set-up,
    /// first item.
    void FormCreate();
    /// Lays out the header box, progress boxes, button bar, picture and praise panels.
    virtual void Inled();
    /// Draws up to three header lines in the header box, each shrunk until it fits.
    void RitaOverskriften(const QByteArray& line1, const QByteArray& line2,
                          const QByteArray& line3);
    /// Prepares the next item of the round.
    virtual void NyPost();
    virtual void NollaLabeller();
    void UppDateraDiagnosResultatet();
    void TestOverSkrift();
    /// true: a fresh column of progress boxes for the round; false: hides them.
    void NyStartaAster(bool show);
    /// The end of a round: picture, diagnosis hand-over, praise line, button bar.
    virtual void Avslutning();
    void RitaLovord(const QByteArray& a, const QByteArray& b, const QByteArray& c);
    void rensa();

    /// The typed answer has been checked: counts, progress boxes, error list, waits, next
    /// item or ending. The form has shown the right answer when `right` is false.
    void answerChecked(bool right);

    // ---- Handlers ----
    void Button1Click(); ///< correct errors
    void Button2Click(); ///< continue
    void Button3Click(); ///< leave
    void Button4Click(); ///< settings
    void BitBtn2Click(); ///< rules or help
    void BitBtn3Click(); ///< more help
    void Timer1Timer();  ///< right-answer display, every 100 ms
    void Timer3Timer();  ///< end-of-round wait, every 100 ms
    void LampknappClick();
    void LampShapeMouseDown();
    void Edit1Change();
    /// Esc while the round runs: the button bar.
    void pause();

    FormTimer* timer1() const { return Timer1; }
    FormTimer* timer3() const { return Timer3; }

protected:
    // ---- What a form may change ----

    /// Captions of the button bar; the default is the English set.
    virtual bool swedishCaptions() const { return false; }
    /// The rule number opened by the rules button for this exercise code, 0 for none.
    virtual int ruleNumber() const { return 0; }
    /// Whether the rules button is shown at creation, and its caption then.
    virtual void rulesButtonAtCreation() {}
    /// Shows the rules button for the item just prepared, where the exercise has rules.
    virtual void rulesButtonForItem() {}
    /// Places the question labels and the answer box below the instruction.
    virtual void placeQuestionArea();
    /// Fills the question and the right answer of the current item (`Label5`).
    virtual void showItem() = 0;
    /// The text the lamp compares with the typed text.
    virtual QByteArray lampAnswer() const;
    /// Worksheet mode: adds the displayed item's lines to the worksheet, the first starting
    /// with `prefix`. The default writes the question (field 1) with a writing line, and the
    /// answer (field 2 with its alternatives) in the answer key.
    virtual void worksheetItemLines(const QByteArray& prefix, WorksheetSend how);

    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    /// The answer box's key Enter: check and hand on to answerChecked().
    virtual void Edit1KeyPress();

    int unit() const { return std::max(1, m_engine.layoutUnit); }
    int mode() const { return m_engine.session.mode; }
    QSize screen() const;
    QFont font(int size, bool pixels = false, bool bold = true) const;
    QString text(const QByteArray& cp1252) const;
    /// Shows the button bar and focuses "Correct errors" or "Continue".
    void showButtonBar(bool offerCorrection);
    /// The practice of a diagnosis slot is passed: the slot is ready for its test again.
    void practisePassed();
    int errorCountOfFile() const;
    void setAnswerBoxActive(bool on);

    Engine& m_engine;
    Services m_services;

    // Controls, named as the forms name them.
    RoundedBox* OverskriftYtterShape = nullptr;
    RoundedBox* OverskriftInnerShape = nullptr;
    QLabel* Overs1Label = nullptr;
    QLabel* Overs2Label = nullptr;
    QLabel* Overs3Label = nullptr;
    QLabel* InstruktionsLabel = nullptr;
    QLabel* FrageLabel1 = nullptr;
    QLabel* FrageLabel2 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    TAster* Aster1 = nullptr;
    QFrame* DiagPanel1 = nullptr;
    RoundedBox* DiagPanel2 = nullptr;
    QLabel* DiagLabel1 = nullptr;
    RoundedBox* DiagShape2 = nullptr;
    QLabel* DiagLabel2 = nullptr;
    QLabel* DiagLabel3 = nullptr;
    RoundedBox* DiagShape4 = nullptr;
    QLabel* DiagLabel4 = nullptr;
    QLabel* DiagLabel5 = nullptr;
    QFrame* BildPanelen = nullptr;
    QLabel* Image1 = nullptr;
    QFrame* BildTextPanel = nullptr;
    QLabel* BildLabel = nullptr;
    QFrame* LovordPanel = nullptr;
    RoundedBox* LovordYttershape = nullptr;
    RoundedBox* lovordinnershape = nullptr;
    QLabel* LovordLabel1 = nullptr;
    QFrame* Panel1 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BitBtn3 = nullptr;
    QPushButton* lampknapp = nullptr;
    RoundedBox* LampShape = nullptr;
    FormTimer* Timer1 = nullptr;
    FormTimer* Timer3 = nullptr;
    WorksheetHeading* SkrivutOverskrift = nullptr; ///< the "Utskrifter" box
    WorksheetPanel* SkrivutHelaPanelen = nullptr;

    bool m_lampOffered = false;
    bool m_lampOn = false;
    int m_helpUsed = 0;
    bool m_firstItem = true;

private:
    void buildControls();
    void layoutButtonBar();
    void showEndingPicture();
    void showPraise();
    void setDiagnosisRecordState();
};

/// A rounded rectangle in one colour, optionally with a frame: the header box, the praise
/// panel, the diagnosis boxes, the lamp.
class RoundedBox : public QWidget {
    Q_OBJECT
public:
    RoundedBox(const QString& name, const QColor& fill, int radius, QWidget* parent);
    void setFill(const QColor& c);
    QColor fill() const { return m_fill; }

Q_SIGNALS:
    void pressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QColor m_fill;
    int m_radius;
};

} // namespace vindra
