#pragma once

#include "engine/diagnosisregister.h"

namespace vindra {

/// Saves the current diagnosis record through `reg` (DiagnosisRegister::saveCurrent) under a
/// busy cursor, which stays while the save waits for another computer's lock. When the save
/// fails the person is told what is wrong and may try again ("Försök igen") until it works,
/// or give up ("Avbryt"); the answer is then Failed and the record stays unsaved. A first save
/// of a new pupil that finds the name taken meanwhile gives NameTaken without a word: the
/// caller says what fits where it is.
DiagnosisRegister::StoreResult saveWithRetry(Engine& engine, DiagnosisRegister& reg);

} // namespace vindra
