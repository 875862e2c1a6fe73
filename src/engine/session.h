#pragma once

#include <QtGlobal>

#include <ostream>

namespace vindra {

/// What the exercise form is doing for the pupil: set by whoever opens the form, changed by
/// the form itself only where a diagnosis practice moves on (3 → 4 → 2, 3/4 → 5 → 3). The
/// numbers are the ones the register and the protocol use for the slot states they start.
enum class SessionMode : quint8 {
    Practice = 0,            ///< a practice round of 10 items from the menus
    Worksheet = 1,           ///< items are offered for a printed worksheet, nothing is asked
    DiagnosisTest = 2,       ///< a diagnosis test of 20 items; the result goes to the register
    Practise1 = 3,           ///< first practice round of a diagnosis slot
    Practise2 = 4,           ///< second practice round of a diagnosis slot
    DiagnosisCorrection = 5, ///< a correction round inside a diagnosis practice
};

/// The mode's number and name, for messages and test output ("3 Practise1").
inline std::ostream& operator<<(std::ostream& out, SessionMode m)
{
    static const char* const names[] = {"Practice",  "Worksheet", "DiagnosisTest",
                                        "Practise1", "Practise2", "DiagnosisCorrection"};
    const auto n = static_cast<unsigned>(m);
    return out << n << ' ' << (n < 6 ? names[n] : "?");
}

/// Modes 2 to 4: the diagnosis panel instead of the progress boxes, 20 items a round.
constexpr bool isDiagnosisRound(SessionMode m)
{
    return m == SessionMode::DiagnosisTest || m == SessionMode::Practise1 ||
           m == SessionMode::Practise2;
}

/// Modes 3 and 4: a diagnosis practice round, which can be passed with 8 right.
constexpr bool isDiagnosisPractice(SessionMode m)
{
    return m == SessionMode::Practise1 || m == SessionMode::Practise2;
}

/// Modes 2 to 5: opened from the diagnosis protocol (green header; the protocol is enabled
/// again when the form closes).
constexpr bool isDiagnosisMode(SessionMode m)
{
    return isDiagnosisRound(m) || m == SessionMode::DiagnosisCorrection;
}

/// Modes 0 and 5: each answer fills a progress box.
constexpr bool showsProgressBoxes(SessionMode m)
{
    return m == SessionMode::Practice || m == SessionMode::DiagnosisCorrection;
}

/// Modes 0, 3, 4 and 5: the correct-errors button is offered when the file has errors.
constexpr bool offersCorrection(SessionMode m)
{
    return m == SessionMode::Practice || isDiagnosisPractice(m) ||
           m == SessionMode::DiagnosisCorrection;
}

/// Modes 0, 3, 4 and 5: the help lamp is offered and coloured as the pupil types. One rule
/// for switching it on and for each change of the text, so a lamp that is shown always
/// follows the typing.
constexpr bool colorsLamp(SessionMode m)
{
    return offersCorrection(m);
}

/// Modes 2 to 4: the rules button counts as help, so an item answered after it is not
/// counted right.
constexpr bool rulesCountAsHelp(SessionMode m)
{
    return isDiagnosisRound(m);
}

/// Items of a practice round, of a diagnosis round, and the pass mark of a practice round.
constexpr int kPracticeLength = 10;
constexpr int kDiagnosisLength = 20;
constexpr int kPracticePassMark = kPracticeLength - 2;

/// Session state shared by every exercise form, the opener and the protocol.
struct SessionState {
    SessionMode mode = SessionMode::Practice;
    int sessionLength = kPracticeLength;      ///< items of the current round
    int savedSessionLength = kPracticeLength; ///< restored when a correction round ends
    int itemCounter = 1; ///< 1-based; above the session length when the round is over
    int rightCount = 0;
    bool lastAnswerRight = false;
    int tickCounter = 0; ///< 100 ms ticks of the right-answer display and the end-of-round wait
    bool correctionRound = false;
    int selectedProtocolRow = 1;
    int dictationMode = 0;
    int diagnosisRoundMarker = 0;

    bool roundOver() const { return itemCounter > sessionLength; }
};

} // namespace vindra
