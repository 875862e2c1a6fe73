#pragma once

#include "framework/exerciseform.h"

namespace vindra {

/// The written-answer exercise: a question (word, phrase or sentence) is shown and the pupil
/// types the answer. Field 1 is the question and field 2 the answer, reversed for exercise
/// code 16. It is the plainest form of the exercise session; see src/framework/README.md.
class TSKRIV : public ExerciseForm {
    Q_OBJECT
public:
    TSKRIV(Engine& engine, const Services& services, QWidget* parent = nullptr);

protected:
    bool swedishCaptions() const override;
    int ruleNumber() const override;
    void rulesButtonAtCreation() override;
    void rulesButtonForItem() override;
    void showItem() override;

private:
    quint16 code() const { return m_engine.item.exerciseCode; }
};

} // namespace vindra
