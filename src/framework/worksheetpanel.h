#pragma once

#include "engine/engine.h"

#include <QFrame>

#include <functional>

class QLabel;
class QPushButton;
class QToolButton;

namespace vindra {

class TUtskrift;

/// How the displayed item reaches the worksheet: one item by "Skickas &till utskrift", or a
/// counted run by "&Klart". A few forms write their lines differently for the two.
enum class WorksheetSend { Single, Counted };

/// What the worksheet panel needs from its exercise form. Every form with worksheet support
/// supplies its own item lines; the rest is common.
struct WorksheetHooks {
    /// Shows the next item with its answer (`NyPost`).
    std::function<void()> nextItem;
    /// Adds the displayed item's lines to the engine's worksheet, the first of them starting
    /// with `prefix` (the item number is already counted).
    std::function<void(const QByteArray& prefix, WorksheetSend how)> addItemLines;
    /// The number of items the exercise offers: the most the count panel goes up to.
    std::function<int()> itemCount;
    /// Closes the exercise form ("Till &menyn").
    std::function<void()> closeForm;
    /// Opens a block (called only while the new-block flag is set). When empty, the block
    /// opens the common way: from the engine's header lines and worksheet instruction.
    std::function<void(WorksheetSend how)> startBlock;
};

/// The maroon "Utskrifter" box that an exercise form shows above the question in worksheet
/// mode (`SkrivutOverskriftShape1`, `SkrivutOverskriftShape2`, `SkrivutOverskriftLabel`).
class WorksheetHeading : public QFrame {
    Q_OBJECT
public:
    explicit WorksheetHeading(QWidget* parent);

    /// Shows or hides the box. The inner shape is `inset` pixels inside the outer one at
    /// left and top and `shrink` pixels narrower and lower; the label takes the inner
    /// shape's left edge and width.
    void RitaUtskriftOverskriftRuta(bool show, int inset = 6, int shrink = 12);

    QFrame* SkrivutOverskriftShape1 = nullptr;
    QFrame* SkrivutOverskriftShape2 = nullptr;
    QLabel* SkrivutOverskriftLabel = nullptr;
};

/// The worksheet panel of an exercise form in worksheet mode (`SkrivutHelaPanelen`): five
/// maroon bars at the same place, one in front at a time. The user sends the displayed item
/// to the worksheet, skips it, lets the program pick a number of items, looks at the
/// collected worksheet and prints it.
class WorksheetPanel : public QFrame {
    Q_OBJECT
public:
    /// `utskrift` is the print-queue window; without it nothing can be viewed or printed.
    WorksheetPanel(Engine& engine, TUtskrift* utskrift, QWidget* parent);

    void setHooks(WorksheetHooks hooks) { m_hooks = std::move(hooks); }

    /// Opening a form in worksheet mode: no answer key yet, a new block due, the panel shown
    /// with its main bar in front; viewing, printing and clearing enabled only when the
    /// worksheet holds lines.
    void openForWorksheet();

    /// Places the panel along the bottom of its form (the bars fill it).
    void place(const QRect& geometry);

    /// The bar in front.
    QFrame* frontBar() const;

    /// Up and Down while the count panel is shown change the count; returns true when the
    /// key was used.
    bool handleKey(int key);

    /// Disables (`off`) or enables the three buttons of the print bar.
    void SkrivutAv(bool off);
    /// Adds the displayed item ("Skickas &till utskrift").
    void SkrivutSkickaButtonClick();
    /// Adds the displayed item and the following ones, the chosen count in all ("&Klart").
    void SkrivutKlartButtonClick();

    bool cameFromChoosing() const { return m_cameFromChoosing; }
    bool returnToMain() const { return m_returnToMain; }

    QFrame* SkrivutPanel1 = nullptr;       ///< main bar
    QFrame* SkrivutValPanel = nullptr;     ///< choose-items bar
    QFrame* SkrivutSvarPanel = nullptr;    ///< print bar
    QFrame* SkrivutAntalPanel = nullptr;   ///< count panel
    QFrame* SkrivutListValPanel = nullptr; ///< view bar

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* addButton(QFrame* bar, const char* name, const char* caption,
                           void (WorksheetPanel::*handler)(), const char* hint = nullptr);
    void layoutBars();
    void showBar(QFrame* bar);
    void setOutputButtonsEnabled(bool on);
    void startBlockIfDue(WorksheetSend how);
    void addDisplayedItem(WorksheetSend how);
    void linesChanged();
    void showCount();
    void print(bool withAnswers);

    void SkrivutAntalButtonClick();
    void SkrivutValjUtButtonClick();
    void SkrivutSeValButtonClick();
    void SkrivutSkrivUtButtonClick();
    void SkrivutRensaButtonClick();
    void SkrivutMenynButtonClick();
    void SkrivutNastaButtonClick();
    void SkrivutValSeValButtonClick();
    void SkrivutValSkrivUtButtonClick();
    void SkrivutValAvbrytButtonClick();
    void SkrivutUtanSvarButtonClick();
    void SkrivutMedSvarButtonClick();
    void SkrivutSvarAvbrytButtonClick();
    void SkrivutUppButtonClick();
    void SkrivutNedButtonClick();
    void SkrivutAntalAvbrytButtonClick();
    void SkrivutSeUtanButtonClick();
    void SkrivutSeMedButtonClick();
    void SkrivutListAvbrytButtonClick();

    Engine& m_engine;
    TUtskrift* m_utskrift;
    WorksheetHooks m_hooks;
    bool m_cameFromChoosing = false;
    bool m_returnToMain = false;

    QList<QPushButton*> m_viewButtons;  ///< "Se ditt &val" on both bars
    QList<QPushButton*> m_printButtons; ///< "&Skriv ut" on both bars
    QPushButton* m_clearButton = nullptr;
    QList<QPushButton*> m_printBarButtons;
    QLabel* m_countLabel = nullptr;
    QLabel* m_countValue = nullptr;
    QToolButton* m_up = nullptr;
    QToolButton* m_down = nullptr;
};

} // namespace vindra
