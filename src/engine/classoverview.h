#pragma once

#include "diagnosisrecord.h"
#include "diagnosisregister.h"

#include <QList>
#include <QStringList>

#include <array>

namespace vindra {

/// How far a pupil has come with one diagnosis slot, as the teacher's class overview shows it.
enum class SlotStanding {
    NotStarted, ///< no test taken yet (or unlocked by a passed predecessor, still untried)
    Waiting,    ///< a chain follower whose predecessor has not been passed
    Practising, ///< the last test was below the pass mark: practice, then the test again
    Passed,     ///< the last test reached the pass mark
    Unreadable  ///< a result or state that no program writes (a damaged record)
};

/// The standing of `slot` (1..20) in `record`. The last result decides first: at the pass
/// mark the slot is passed, below it (but above 0) the pupil is practising, whether the
/// practice is still to do or done and the test is to be taken again. Without a result the
/// state decides: "Practise" (a zero after an earlier result), "Wait", else not started.
SlotStanding standingOf(const DiagnosisRecord& record, int slot);

/// The slots of `record` that are passed.
int passedSlots(const DiagnosisRecord& record);

/// A pupil's name as it can be shown: characters that are not text (bytes past the name of a
/// damaged record) become "?", and a record without a name says so.
QString printableName(const QByteArray& name);

/// A whole class as its register holds it, for the teacher's overview page.
struct ClassOverview {
    /// Every whole record of the register, in the order of the register window's name list
    /// (alphabetical the Swedish way, ignoring letter case). Passwords are left out: nothing
    /// drawn from the overview can show one.
    QList<DiagnosisRecord> pupils;
    /// What could not be read, one English line each, worded like the register check: a
    /// record's impossible fields ("record 2 (Bo): slot 4: state 7 is outside 0..3") and a
    /// truncated end of the file.
    QStringList unreadable;
    /// Pupils who have passed each slot (index 1..20; 0 unused).
    std::array<int, kDiagnosisSlots + 1> passed{};

    static ClassOverview of(const DiagnosisRegister::Contents& contents);

    /// The share 0..1 of the class that has passed `slot`; 0 for a class without pupils.
    double passShare(int slot) const;
};

} // namespace vindra
