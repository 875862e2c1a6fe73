#pragma once

namespace vindra {

/// Points of the Arial bold font that `Engine::dela_mening` measures lines in: 8 for a
/// picture caption, 22 for the synonym exercises (22011..22301), 18 for the reading
/// exercises (61051..61112), 14 otherwise. A form that shows the lines in another size gives
/// the split its room in these points.
int sentencePoints(int exerciseCode, bool captionFlag);

} // namespace vindra
