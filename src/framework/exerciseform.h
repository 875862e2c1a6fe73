#pragma once

#include "engine/engine.h"
#include "engine/round.h"
#include "framework/chrome.h"
#include "framework/services.h"
#include "framework/worksheetpanel.h"

#include <QDialog>

class QLabel;

namespace vindra {

class FormTimer;
class TAster;

/// The exercise session that every exercise form runs, and the pieces every form shows
/// around its own question and answer controls: the header box, the instruction, the
/// progress boxes or the diagnosis panel, the ending picture, the praise line, the button
/// bar, the two waits and worksheet mode. The round's rules (counts, error list, passes,
/// hand-over) are RoundSession's, in the engine; this class runs them and shows them.
///
/// A form derives from it, builds its own question and answer controls in its constructor
/// and overrides the hooks below where it differs. The form registry creates a form, then
/// calls FormCreate(), then shows it: no constructor calls FormCreate() itself, so every
/// override is in place when the session starts. See src/framework/README.md.
class ExerciseForm : public QDialog {
    Q_OBJECT
public:
    ExerciseForm(Engine& engine, const Services& services, QWidget* parent = nullptr,
                 const ButtonBarNames& barNames = {});
    ~ExerciseForm() override;

    Engine& engine() { return m_engine; }
    RoundSession& round() { return m_round; }

    // ---- The lifecycle, in the order the session runs it ----

    /// Creation: exercise code, layout, captions, first state, header, mode set-up, first
    /// item.
    void FormCreate();
    /// Draws up to three header lines in the header box, each shrunk until it fits.
    void RitaOverskriften(const QByteArray& line1, const QByteArray& line2,
                          const QByteArray& line3);
    /// Prepares the next item of the round: draw (or re-ask), stop the waits, clear the
    /// form's labels, show the item.
    void NyPost();
    void UppDateraDiagnosResultatet();
    /// The caption of the diagnosis round ("Diagnosis: Test", "Practise 1", "Practise 2").
    void TestOverSkrift();
    /// true: a fresh column of progress boxes for the round; false: hides them.
    void NyStartaAster(bool show);
    /// The end of a round: picture, diagnosis hand-over, praise line, button bar.
    void Avslutning();

    /// The answer to the item on screen has been checked (the form has shown the right
    /// answer when `right` is false): counts, progress boxes, error list, the right-answer
    /// display, the next item or the ending. Ignored when no answer is due.
    /// `changesErrorList` false: the item neither enters nor leaves the error list.
    void answerChecked(bool right, bool changesErrorList = true);

    // ---- Handlers of the shared controls ----
    void Button1Click(); ///< correct errors
    void Button2Click(); ///< continue
    void Button3Click(); ///< leave
    void Button4Click(); ///< settings
    void Timer1Timer();  ///< right-answer display, every 100 ms
    void Timer3Timer();  ///< end-of-round wait, every 100 ms
    /// Esc (or a right click, in the forms that have it) while the round runs.
    void pause();

    FormTimer* timer1() const { return Timer1; }
    FormTimer* timer3() const { return Timer3; }

protected:
    // ---- Hooks: what a form may change. Every one has a default except showItem(). ----

    /// The exercise code the form runs under, set at creation. Default: the code of the
    /// current data file's name.
    virtual quint16 exerciseCodeAtCreation() const;
    /// Lays out the shared pieces for the screen. A form that moves one of them calls the
    /// base first.
    virtual void Inled();
    /// The items of a round, given the mode's length (`standard`), at creation. Default: the
    /// mode's length.
    virtual int roundLength(int standard) const { return standard; }
    /// Places the form's question and answer controls below the instruction label, after
    /// the instruction is placed at creation.
    virtual void placeQuestionArea() {}
    /// Empties and hides the form's item labels before an item is shown.
    virtual void NollaLabeller() {}
    /// Shows the item just drawn (the engine's item fields) and, outside worksheet mode,
    /// readies and focuses the answer controls unless firstItem() (creation) holds.
    virtual void showItem() = 0;
    /// The one right answer of the current item: the field the catalogue names for the
    /// exercise code (field 2; field 1 where the direction is reversed).
    virtual QByteArray rightAnswer() const;
    /// The right-answer display has lasted its time and items are left. Default: NyPost().
    virtual void rightAnswerShown();
    /// Where the focus goes when the pupil goes on (Continue, Correct errors, Settings):
    /// the answer control that waits for input. Null: the form itself.
    virtual QWidget* answerFocus() const { return nullptr; }
    /// Enables (and focuses) or disables the answer controls. Disabling moves the focus to
    /// the form, so Space during a wait reaches it.
    virtual void setAnswerActive(bool on);
    /// Enables or disables the form's help buttons (the rules and more-help buttons).
    virtual void setHelpEnabled(bool) {}
    /// The round is complete (the last answer is in): disable what only a running round
    /// uses, such as the lamp button.
    virtual void roundComplete() {}
    /// A new round starts (`correction`: a correction round): the form's per-round controls
    /// such as the lamp.
    virtual void newRoundControls(bool /*correction*/) {}
    /// Esc (or right click) while the round runs. Default: the button bar, with correct
    /// errors where it is offered.
    virtual void paused();
    /// Space during a wait. Default: the wait ends at the next tick.
    virtual void skipWait();
    /// `rensa`: the lamp's state when the pupil goes on; the right count is the round's.
    virtual void rensa() {}
    /// Whether "Continue" after a pause keeps the right answers given so far. Default: in a
    /// diagnosis round (the test's and the practice's result), not in a practice round.
    virtual bool keepsRightCountOnContinue() const;
    /// Whether the ending shows the ending picture with its caption (a form whose own
    /// picture fills the screen, such as the clock, has none).
    virtual bool showsEndingPicture() const { return true; }
    /// Whether a good practice round ends with a praise line.
    virtual bool praisesRound() const { return true; }
    /// Whether practice rounds mark each answer in the column of progress boxes.
    virtual bool hasProgressBoxes() const { return true; }
    /// Swedish captions on the button bar.
    virtual bool swedishCaptions() const { return false; }
    /// Whether the settings button opens the dialog in worksheet mode.
    virtual bool settingsInWorksheetMode() const { return false; }
    /// Worksheet mode: adds the displayed item's lines to the worksheet, the first starting
    /// with `prefix`. Default: the question (field 1) with a writing line, and the answer
    /// (field 2 with its alternatives) in the answer key.
    virtual void worksheetItemLines(const QByteArray& prefix, WorksheetSend how);
    /// Worksheet mode: opens a block. Default: the title from the header lines and the
    /// worksheet instruction.
    virtual void worksheetStartBlock(WorksheetSend how);
    /// Worksheet mode: the most items the count panel offers. Default: the data file's items.
    virtual int worksheetItemCount() const;

    // ---- Helpers for the forms ----

    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

    /// Opens the rule page of the exercise code's rule number (catalogue); the exercise
    /// code stays as it is.
    void showRulePage();
    /// Help used for the current item: a right answer then does not count.
    void addHelp() { ++m_helpUsed; }
    void setHelpUsed(int n) { m_helpUsed = n; }
    int helpUsed() const { return m_helpUsed; }
    /// True while the first item is prepared at creation (the focus is not moved then).
    bool firstItem() const { return m_firstItem; }

    int unit() const { return std::max(1, m_engine.layoutUnit); }
    SessionMode mode() const { return m_engine.session.mode; }
    quint16 code() const { return m_engine.item.exerciseCode; }
    QSize screen() const;
    /// Arial at `size` points (or pixels) scaled by the screen scale.
    QFont font(int size, bool pixels = false, bool bold = true) const;
    static QString text(const QByteArray& cp1252);
    /// The shared pieces' geometry, for forms that place their own controls by them.
    const HeaderBox& header() const { return *m_header; }

    Engine& m_engine;
    Services m_services;
    RoundSession m_round;

    // The shared controls, named as the forms name them.
    QLabel* InstruktionsLabel = nullptr;
    TAster* Aster1 = nullptr;
    ButtonBar* Panel1 = nullptr; ///< the button bar (named as the form names it)
    EndingPanel* BildPanelen = nullptr;
    PraisePanel* LovordPanel = nullptr;
    FormTimer* Timer1 = nullptr;
    FormTimer* Timer3 = nullptr;
    WorksheetHeading* SkrivutOverskrift = nullptr; ///< the "Utskrifter" box
    WorksheetPanel* SkrivutHelaPanelen = nullptr;

private:
    void stopWaits();

    HeaderBox* m_header = nullptr;
    DiagnosisCaption* m_diagCaption = nullptr;
    DiagnosisPanel* m_diagPanel = nullptr;
    int m_helpUsed = 0;
    bool m_firstItem = true;
};

} // namespace vindra
