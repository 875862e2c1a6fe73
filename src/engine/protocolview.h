#pragma once

#include <QByteArray>

namespace vindra {

/// What an exercise form may do to the diagnosis protocol window that opened it. The
/// protocol registers itself with the engine while it is open; forms opened from a menu find
/// no protocol and skip these steps.
class ProtocolView {
public:
    virtual ~ProtocolView() = default;
    /// Writes `text` into the state column of row `slot`.
    virtual void setStateCell(int slot, const QByteArray& text) = 0;
    /// Hides the box that tells the pupil which tests are waiting.
    virtual void hideWaitPanel() = 0;
    virtual void setProtocolEnabled(bool enabled) = 0;
    /// Redraws the whole protocol from the current diagnosis record.
    virtual void refreshProtocol() = 0;
};

} // namespace vindra
