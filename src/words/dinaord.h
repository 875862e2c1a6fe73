#pragma once

#include "engine/wordlistsource.h"
#include "framework/exerciseform.h"

#include <QDateTime>

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;

namespace vindra {

/// "Your words": the pupil picks a general or special word list, types a name and translates
/// the list's words one by one. Each right answer scores by its length and by how quickly it
/// was typed, and the round's score can go into the list's high-score list. In worksheet mode
/// the chosen list's words go to the worksheet. The session is the exercise session with
/// its own picker, name box, score panel and word-list tables (see engine/wordlist.h).
class TDinaOrd : public ExerciseForm {
    Q_OBJECT
public:
    TDinaOrd(Engine& engine, const Services& services, QWidget* parent = nullptr);

    /// The three screens of the form.
    enum class Screen { Picker = 0, NameBox = 1, Session = 2 };
    Screen screenShown() const { return m_screen; }
    double score() const { return m_score; }
    const WordListSource& list() const { return m_list; }

    // ---- Handlers of the form's own controls ----
    /// Enter or a double-click in the picker: the selected list is opened and read (a list
    /// that cannot be read leaves the pupil in the picker), then the name box is shown, or in
    /// worksheet mode the worksheet panel with the first word.
    void Filvald();
    void Edit2KeyPress(); ///< Enter in the name box
    void Edit1KeyPress(); ///< Enter in the answer box: check the answer
    void Edit1Change();   ///< the lamp follows the typing
    void Button3Click();  ///< "&Table"
    void LampknappClick();
    void LampKnappMouseDown(); ///< a click on the lamp hides it

protected:
    quint16 exerciseCodeAtCreation() const override { return m_menuCode; }
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
    bool praisesRound() const override { return false; }
    bool hasProgressBoxes() const override { return false; }
    void worksheetItemLines(const QByteArray& prefix, WorksheetSend how) override;
    void worksheetStartBlock(WorksheetSend how) override;
    int worksheetItemCount() const override { return m_list.itemCount(); }

    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;
    void showEvent(QShowEvent* event) override;

    /// The result panel: "Question" n/length and " Score " with the rounded score.
    void UppDateraResultatet();
    /// The mistakes panel of a correction round, showing `left` errors of the list.
    void UppDateraFelKvarRutan(int left);
    /// The list panel: the current list's name.
    void TestOverSkrift();

    QLabel* FilPanel = nullptr;      ///< the current list's name
    QFrame* ValPanel = nullptr;      ///< the picker, headed "Pick a file"
    QListWidget* ListBox1 = nullptr; ///< the lists by long name
    QFrame* NamnPanel = nullptr;     ///< the name box
    AnswerBox* Edit2 = nullptr;      ///< the pupil's name
    QLabel* FrageLabel1 = nullptr;
    QLabel* FrageLabel2 = nullptr;
    AnswerBox* Edit1 = nullptr;
    QLabel* SvarsLabel = nullptr; ///< the right answer
    QFrame* DiagPanel1 = nullptr; ///< the result panel
    QLabel* FragaNummer = nullptr;
    QLabel* PoangNummer = nullptr;
    QFrame* FelPanel = nullptr; ///< the mistakes panel
    QLabel* FelAntal = nullptr;
    QPushButton* lampknapp = nullptr;
    Lamp* LampShape = nullptr;

private:
    QPushButton* tableButton() const;
    void showScreen(Screen screen);
    void placeInstruction();
    /// Places the question, the answer box, the right answer and the lamp from `top` down.
    void placeItemArea(int top);
    bool isOppositeList() const;
    void colourLamp();
    void showLampState();

    wordlist::Kind m_kind;
    quint16 m_menuCode;
    WordListSource m_list;
    QList<QByteArray> m_files; ///< the picker's lists, entry by entry
    QByteArray m_listName;     ///< the long name of the chosen list (cp1252)
    Screen m_screen = Screen::Picker;
    double m_score = 0;
    QDateTime m_shownAt; ///< when the word on screen appeared
    bool m_lampOn = false;
};

} // namespace vindra
