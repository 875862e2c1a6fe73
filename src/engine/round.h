#pragma once

#include "session.h"

namespace vindra {

class Engine;

/// Where a round's items come from and where its errors are kept. Without one, a round draws
/// from the current data file through the data-file cache and keeps its errors in the
/// engine's error list; the word-list trainer gives its own lists and error list.
class ItemSource {
public:
    virtual ~ItemSource() = default;
    /// Makes the next item the current item line: the oldest recorded error in a correction
    /// round, else the next draw. False when there is nothing to draw from yet.
    virtual bool draw(bool correctionRound) = 0;
    /// Keeps the answer to the current item in the error list: a wrong answer is recorded
    /// (or a re-asked error moved to the back), a right one removes a re-asked error.
    virtual void record(bool right, bool correctionRound) = 0;
    /// The recorded errors of what is being asked.
    virtual int errorCount() const = 0;
};

/// What a round of an exercise does with its counts, the error list, the item draw and the
/// diagnosis hand-over, without any window: the rules every exercise form shares. The state
/// itself stays engine-wide (Engine::session), because the opener and the protocol read it
/// too; this class is the one place that changes it while a form runs.
class RoundSession {
public:
    explicit RoundSession(Engine& engine);

    SessionMode mode() const;
    const SessionState& state() const;

    /// A form is created: no correction round, item 1, nothing right, and the round's
    /// length by mode (10 items, 20 in a diagnosis round).
    void start();
    /// A round of `length` items instead of the mode's length (a file with fewer items
    /// than a round has); a new round after this one has the same length.
    void setLength(int length);

    /// Draws from `source` instead of the data-file cache (not owned; null: the cache).
    void setItemSource(ItemSource* source) { m_source = source; }

    /// The next item becomes the current item line and its fields: the oldest recorded error
    /// of this file in a correction round, else the next draw of the file's random order.
    /// An answer is due from now on (outside worksheet mode). False, and nothing changes,
    /// when the item source has nothing to draw from.
    bool drawItem();

    /// Whether the item on screen still waits for its answer. Cleared by the answer and by
    /// the end of the round, so an answer given twice (or after the ending) is never counted.
    bool answerDue() const { return m_answerDue; }
    void setAnswerDue(bool due) { m_answerDue = due; }

    /// The answer to the current item: counts it right (unless help was used for it) or
    /// records the error, and for a re-asked error removes it or moves it to the back.
    /// `changesErrorList` false: the counts only, the error list stays as it is.
    void record(bool right, bool helpUsed, bool changesErrorList = true);

    enum class Next {
        NextItem,          ///< right, items left: the next item at once
        ShowAnswer,        ///< wrong, items left: the right answer stays for the set time
        ShowAnswerThenEnd, ///< wrong last item: the right answer stays, then the ending
        End,               ///< right last item: the ending at once
    };
    /// Moves the item counter on after record().
    Next advance();

    /// The end of a round. `close`: the form closes (a test reported, or "Practise 2"
    /// passed and the slot ready for its test); otherwise a praise line is due after a good
    /// practice round, and correct errors is offered where the mode has it.
    struct Ending {
        bool close = false;
        bool praise = false;
        bool offerCorrection = false;
    };
    Ending end();

    /// "Correct errors": a correction round over this file's recorded errors (at most 10,
    /// or the saved length when that is shorter); a diagnosis practice becomes mode 5.
    /// False, and nothing changes, where the mode has no correction round or the file has
    /// no recorded error.
    bool correctErrors();

    /// "Continue": a new round (true) when the round is over, or, unless `keepCount`, when its
    /// last item is on screen; else the same round goes on, its right count kept when
    /// `keepCount` and started again at 0 otherwise. A new round always starts at 0.
    bool continueRound(bool keepCount = false);

    /// "Leave": the practice pass of a diagnosis practice and the test's hand-over.
    void leave();

    /// One 100 ms tick of a wait; true when the right answer has been shown long enough.
    bool tick();
    /// Space: the wait ends at the next tick.
    void skipWait();
    void resetTicks();

    /// The recorded errors of the current data file.
    int errorCountOfFile() const;
    /// Whether the correct-errors button is offered now.
    bool correctionOffered() const;

private:
    SessionState& s();
    /// The practice of the diagnosis slot is passed: the slot is ready for its test again.
    void practisePassed();

    Engine& m_engine;
    ItemSource* m_source = nullptr;
    bool m_answerDue = false;
    /// The diagnosis practice a correction round returns to.
    SessionMode m_practiceMode = SessionMode::Practise1;
};

} // namespace vindra
