#include "round.h"

#include "diagnosisrecord.h"
#include "engine.h"

#include <algorithm>

namespace vindra {

RoundSession::RoundSession(Engine& engine) : m_engine(engine) {}

SessionState& RoundSession::s()
{
    return m_engine.session;
}

SessionMode RoundSession::mode() const
{
    return m_engine.session.mode;
}

const SessionState& RoundSession::state() const
{
    return m_engine.session;
}

void RoundSession::start()
{
    s().correctionRound = false;
    s().itemCounter = 1;
    s().rightCount = 0;
    const int length = isDiagnosisRound(mode()) ? kDiagnosisLength : kPracticeLength;
    s().sessionLength = s().savedSessionLength = length;
    s().tickCounter = 0;
    m_answerDue = false;
}

void RoundSession::setLength(int length)
{
    s().sessionLength = s().savedSessionLength = std::max(1, length);
}

bool RoundSession::drawItem()
{
    Engine& e = m_engine;
    if (m_source) {
        if (!m_source->draw(s().correctionRound))
            return false;
    } else if (s().correctionRound) {
        e.haemtafel(e.item.currentFileName, Engine::kReAskError);
    } else if (CacheSlot* slot = e.currentCacheSlot()) {
        e.item.currentItemNumber =
            static_cast<quint16>(e.haemta_slumptal(slot->nextDraw, e.item.cacheSlot));
        e.haemtaord(e.item.currentFileName, e.item.currentItemNumber);
    }
    e.str_postarray(e.item.currentItemLine);
    resetTicks();
    m_answerDue = mode() != SessionMode::Worksheet;
    return true;
}

void RoundSession::record(bool right, bool helpUsed, bool changesErrorList)
{
    Engine& e = m_engine;
    m_answerDue = false;
    s().lastAnswerRight = right;
    if (right && !helpUsed)
        ++s().rightCount;
    if (!changesErrorList)
        return;
    if (m_source) {
        m_source->record(right, s().correctionRound);
    } else if (right) {
        if (s().correctionRound)
            e.haemtafel(e.item.currentFileName, Engine::kRemoveError);
    } else {
        e.haemtafel(e.item.currentFileName,
                    s().correctionRound ? Engine::kMoveErrorToBack : Engine::kRecordError);
    }
}

RoundSession::Next RoundSession::advance()
{
    ++s().itemCounter;
    const bool right = s().lastAnswerRight;
    if (!s().roundOver())
        return right ? Next::NextItem : Next::ShowAnswer;
    return right ? Next::End : Next::ShowAnswerThenEnd;
}

RoundSession::Ending RoundSession::end()
{
    Engine& e = m_engine;
    Ending ending;
    m_answerDue = false;
    if (mode() == SessionMode::DiagnosisTest)
        s().diagnosisRoundMarker = 0;
    if (isDiagnosisPractice(mode()) && !s().correctionRound &&
        s().rightCount >= kPracticePassMark) {
        if (mode() == SessionMode::Practise2) {
            practisePassed();
            ending.close = true;
            return ending;
        }
        s().mode = SessionMode::Practise2;
    }
    if (mode() == SessionMode::DiagnosisTest) {
        e.diagnosback(s().rightCount);
        ending.close = true;
        return ending;
    }
    ending.praise = mode() == SessionMode::Practice && !s().correctionRound &&
                    s().rightCount >= s().sessionLength - 2;
    ending.offerCorrection = correctionOffered();
    return ending;
}

bool RoundSession::correctErrors()
{
    if (!offersCorrection(mode()) || errorCountOfFile() == 0)
        return false;
    s().rightCount = 0;
    s().correctionRound = true;
    const int cap =
        s().savedSessionLength <= kPracticeLength ? s().savedSessionLength : kPracticeLength;
    s().sessionLength = std::min(errorCountOfFile(), cap);
    s().itemCounter = 1;
    if (isDiagnosisPractice(mode())) {
        m_practiceMode = mode();
        s().mode = SessionMode::DiagnosisCorrection;
    }
    return true;
}

bool RoundSession::continueRound(bool keepCount)
{
    // A round that keeps its count goes on with its last item too; a practice round paused
    // on its last item starts anew.
    const bool newRound = keepCount ? s().roundOver() : s().itemCounter >= s().sessionLength;
    if (newRound) {
        s().correctionRound = false;
        s().sessionLength = s().savedSessionLength;
        // The practice round the correction came from: a passed "Practise 1" stays passed.
        if (mode() == SessionMode::DiagnosisCorrection)
            s().mode = m_practiceMode;
        s().itemCounter = 1;
    }
    if (newRound || !keepCount)
        s().rightCount = 0;
    return newRound;
}

void RoundSession::leave()
{
    Engine& e = m_engine;
    m_answerDue = false;
    if (isDiagnosisMode(mode()) && e.diagnosis.protocol)
        e.diagnosis.protocol->setProtocolEnabled(true);
    // A round whose ending has already judged it (a passed "Practise 1" is now "Practise 2")
    // passes nothing more by leaving.
    if (!s().roundOver() && isDiagnosisPractice(mode()) && !s().correctionRound &&
        s().rightCount >= kPracticePassMark) {
        if (mode() == SessionMode::Practise2)
            practisePassed();
        else
            s().mode = SessionMode::Practise2;
    }
    if (mode() == SessionMode::DiagnosisTest) {
        if (s().diagnosisRoundMarker == 5)
            s().diagnosisRoundMarker = 0;
        else
            e.diagnosback(s().rightCount);
    }
}

bool RoundSession::tick()
{
    ++s().tickCounter;
    return s().tickCounter >= 10 * m_engine.settings.TIMESHOWINGCORRECTANSWER;
}

void RoundSession::skipWait()
{
    s().tickCounter = 20000;
}

void RoundSession::resetTicks()
{
    s().tickCounter = 0;
}

int RoundSession::errorCountOfFile() const
{
    if (m_source)
        return m_source->errorCount();
    const CacheSlot* slot = m_engine.currentCacheSlot();
    return slot ? slot->errorCount : 0;
}

bool RoundSession::correctionOffered() const
{
    return offersCorrection(mode()) && errorCountOfFile() > 0;
}

void RoundSession::practisePassed()
{
    Engine& e = m_engine;
    const int slot = e.diagnosis.currentSlot;
    const bool known = slot >= 1 && slot <= kDiagnosisSlots;
    if (known) {
        e.diagnosis.current.state[static_cast<size_t>(slot)] = 2;
        e.GeStatusTal(slot);
        e.diagnosis.recordChanged = true;
    }
    s().diagnosisRoundMarker = 5;
    if (e.diagnosis.protocol && known) {
        e.diagnosis.protocol->setStateCell(
            slot, "    " + diagnosisrecord::stateText(
                               e.diagnosis.current.state[static_cast<size_t>(slot)]));
        e.diagnosis.protocol->hideWaitPanel();
    }
    s().mode = SessionMode::DiagnosisTest;
    s().rightCount = 0;
    if (e.diagnosis.protocol)
        e.diagnosis.protocol->setProtocolEnabled(true);
}

} // namespace vindra
