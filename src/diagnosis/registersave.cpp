#include "registersave.h"

#include "engine/cp1252.h"
#include "engine/engine.h"
#include "platform/messages.h"

#include <QCursor>
#include <QGuiApplication>

namespace vindra {

DiagnosisRegister::StoreResult saveWithRetry(Engine& engine, DiagnosisRegister& reg)
{
    for (;;) {
        recordfile::Error error;
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        const auto result = reg.saveCurrent(&error);
        QGuiApplication::restoreOverrideCursor();
        if (result != DiagnosisRegister::StoreResult::Failed)
            return result;
        const QString text = QStringLiteral("Diagnosen kunde inte sparas.\n") +
                             cp1252::toUnicode(reg.failureText(error));
        if (!engine.messages().retry(text))
            return result;
    }
}

} // namespace vindra
