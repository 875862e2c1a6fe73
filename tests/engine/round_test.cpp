#include "engine/engine.h"
#include "engine/round.h"
#include "support/material.h"

#include <gtest/gtest.h>

#include <string>

using namespace vindra;

namespace {

// A practice file and a diagnosis practice file of 25 items each.
QByteArray items(int n)
{
    QByteArray out = "$Test\n";
    for (int i = 1; i <= n; ++i)
        out += "q" + QByteArray::number(i) + "#a" + QByteArray::number(i) + '\n';
    return out;
}

class Round : public ::testing::Test {
protected:
    void SetUp() override
    {
        inst.data("datfiler.eng", "ENG31051.DAT\nENOVN106.DAT\nENGDI06.DAT\n");
        inst.data("ENG31051.DAT", items(25));
        inst.data("ENOVN106.DAT", items(25));
        inst.data("ENGDI06.DAT", items(25));
        engine = inst.start();
        ASSERT_TRUE(inst.started);
        engine->diagnosis.current.name = "Alva";
        engine->diagnosis.currentSlot = 6;
    }

    RoundSession& open(const QByteArray& file, SessionMode mode)
    {
        engine->session.mode = mode;
        engine->setCurrentFileName(file);
        EXPECT_TRUE(engine->Kolla(file));
        round = std::make_unique<RoundSession>(*engine);
        round->start();
        round->drawItem();
        return *round;
    }

    /// Answers items by a pattern ('+' right, '-' wrong, 'h' right after help) and returns
    /// what the round did after the last of them.
    RoundSession::Next play(const std::string& pattern)
    {
        RoundSession::Next next = RoundSession::Next::NextItem;
        for (const char c : pattern) {
            round->record(c != '-', c == 'h');
            next = round->advance();
            if (!round->state().roundOver())
                round->drawItem();
        }
        return next;
    }

    const SessionState& s() const { return engine->session; }
    void clearErrors()
    {
        engine->errors.clear();
        for (CacheSlot& slot : engine->cache)
            slot.errorCount = 0;
    }

    test::Installation inst;
    std::unique_ptr<Engine> engine;
    std::unique_ptr<RoundSession> round;
};

} // namespace

TEST_F(Round, LengthsAndWhatFollowsAnAnswer)
{
    struct Case {
        SessionMode mode;
        std::string pattern;
        int length;
        RoundSession::Next next;
    };
    using N = RoundSession::Next;
    const Case cases[] = {
        {SessionMode::Practice, "+", 10, N::NextItem},
        {SessionMode::Practice, "-", 10, N::ShowAnswer},
        {SessionMode::Practice, "+++++++++-", 10, N::ShowAnswerThenEnd},
        {SessionMode::Practice, "---------+", 10, N::End},
        {SessionMode::DiagnosisTest, "++++++++++", 20, N::NextItem},
        {SessionMode::Practise1, std::string(20, '+'), 20, N::End},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern);
        open(c.mode == SessionMode::Practice ? "ENG31051.DAT" : "ENOVN106.DAT", c.mode);
        EXPECT_EQ(s().sessionLength, c.length);
        EXPECT_EQ(play(c.pattern.substr(0, std::min<size_t>(c.pattern.size(), c.length))), c.next);
    }
}

TEST_F(Round, EndingsByModeAndResult)
{
    struct Case {
        const char* name;
        SessionMode mode;
        std::string pattern;
        SessionMode modeAfter;
        bool close, praise, offer;
    };
    const std::string eight = "++++++++------------";
    const std::string seven = "+++++++-------------";
    const Case cases[] = {
        {"practice, 8 right: praise", SessionMode::Practice, "++-+++-+++", SessionMode::Practice,
         false, true, true},
        {"practice, 7 right: none", SessionMode::Practice, "+-+-++-+++", SessionMode::Practice,
         false, false, true},
        {"practice, 10 right: nothing to correct", SessionMode::Practice, "++++++++++",
         SessionMode::Practice, false, true, false},
        {"Practise 1 passed: Practise 2 next", SessionMode::Practise1, eight,
         SessionMode::Practise2, false, false, true},
        {"Practise 1 not passed: again", SessionMode::Practise1, seven, SessionMode::Practise1,
         false, false, true},
        {"Practise 2 passed: the slot is ready", SessionMode::Practise2, eight,
         SessionMode::DiagnosisTest, true, false, false},
        {"help does not count", SessionMode::Practise1, "hhhhhhhh++++++++----",
         SessionMode::Practise2, false, false, true},
        {"the test reports", SessionMode::DiagnosisTest, std::string(20, '+'),
         SessionMode::DiagnosisTest, true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        clearErrors();
        engine->diagnosis.current.state[6] = c.mode == SessionMode::DiagnosisTest ? 0 : 3;
        open(c.mode == SessionMode::Practice ? "ENG31051.DAT" : "ENOVN106.DAT", c.mode);
        play(c.pattern);
        const RoundSession::Ending e = round->end();
        EXPECT_EQ(s().mode, c.modeAfter);
        EXPECT_EQ(e.close, c.close);
        EXPECT_EQ(e.praise, c.praise);
        EXPECT_EQ(e.offerCorrection, c.offer);
    }
    EXPECT_EQ(engine->diagnosis.current.result[6], 20) << "the test's result went to the record";
}

TEST_F(Round, CorrectionRoundsAskTheErrorsAndKeepWhatWasPassed)
{
    // Practice: 3 errors give a correction round of 3; a right answer removes an error, a
    // wrong one moves it to the back.
    open("ENG31051.DAT", SessionMode::Practice);
    play("-+-+++-+++");
    round->end();
    EXPECT_EQ(round->errorCountOfFile(), 3);
    ASSERT_TRUE(round->correctErrors());
    EXPECT_EQ(s().sessionLength, 3);
    round->drawItem();
    play("+-+");
    EXPECT_EQ(round->errorCountOfFile(), 1);
    EXPECT_FALSE(round->end().praise) << "no praise after a correction round";

    // Fourteen errors give at most ten.
    open("ENG31051.DAT", SessionMode::Practice);
    play("----------");
    play("----------");
    EXPECT_GE(round->errorCountOfFile(), 14);
    ASSERT_TRUE(round->correctErrors());
    EXPECT_EQ(s().sessionLength, 10);

    // A pass of "Practise 1" is kept through a correction round: "Practise 2" follows.
    clearErrors();
    engine->diagnosis.current.state[6] = 3;
    open("ENOVN106.DAT", SessionMode::Practise1);
    play("++++++++++-------+++");
    round->end();
    EXPECT_EQ(s().mode, SessionMode::Practise2);
    ASSERT_TRUE(round->correctErrors());
    EXPECT_EQ(s().mode, SessionMode::DiagnosisCorrection);
    round->drawItem();
    play(std::string(static_cast<size_t>(s().sessionLength), '+'));
    round->end();
    EXPECT_TRUE(round->continueRound());
    EXPECT_EQ(s().mode, SessionMode::Practise2) << "the passed first practice is not lost";

    // No correction round in a test, nor without errors.
    open("ENGDI06.DAT", SessionMode::DiagnosisTest);
    play("-");
    EXPECT_FALSE(round->correctErrors());
    EXPECT_EQ(s().itemCounter, 2) << "nothing changed";
}

TEST_F(Round, ContinueAfterAPause)
{
    // Practice: the same round goes on with its count started again; on the last item a new
    // round starts.
    open("ENG31051.DAT", SessionMode::Practice);
    play("++");
    EXPECT_FALSE(round->continueRound());
    EXPECT_EQ(s().rightCount, 0);
    EXPECT_EQ(s().itemCounter, 3);
    play("+++++++");
    EXPECT_TRUE(round->continueRound());
    EXPECT_EQ(s().itemCounter, 1);

    // A diagnosis test keeps the answers given so far, also on its last item.
    open("ENGDI06.DAT", SessionMode::DiagnosisTest);
    play(std::string(19, '+'));
    EXPECT_FALSE(round->continueRound(true));
    EXPECT_EQ(s().rightCount, 19);
    EXPECT_EQ(s().itemCounter, 20);
    play("+");
    round->end();
    EXPECT_EQ(engine->diagnosis.current.result[6], 20);
}

TEST_F(Round, LeavingHandsOverWhatTheRoundReached)
{
    // Leaving a test reports the answers so far.
    open("ENGDI06.DAT", SessionMode::DiagnosisTest);
    play("+++-+");
    round->leave();
    EXPECT_EQ(engine->diagnosis.current.result[6], 4);

    // Leaving right after passing "Practise 1" does not pass "Practise 2" too.
    engine->diagnosis.current.state[6] = 3;
    open("ENOVN106.DAT", SessionMode::Practise1);
    play("++++++++++++++++++++");
    round->end();
    EXPECT_EQ(s().mode, SessionMode::Practise2);
    round->leave();
    EXPECT_EQ(engine->diagnosis.current.state[6], 3) << "the slot still waits for Practise 2";
}

TEST_F(Round, AnAnswerCountsOnlyWhileOneIsDue)
{
    open("ENG31051.DAT", SessionMode::Practice);
    EXPECT_TRUE(round->answerDue());
    round->record(true, false);
    EXPECT_FALSE(round->answerDue());
    open("ENG31051.DAT", SessionMode::Worksheet);
    EXPECT_FALSE(round->answerDue()) << "worksheet mode asks nothing";
}
