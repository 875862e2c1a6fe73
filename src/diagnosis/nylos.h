#pragma once

#include "engine/engine.h"
#include "framework/services.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vindra {

/// The new-password dialog. It changes the teacher password while the engine's teacher flag
/// is set, otherwise the password of the current diagnosis record. The new password must be
/// typed twice, must differ from the old one and must not be empty; it is kept to its first
/// 10 characters (the register window's password field takes no more). "&Leave" or Esc close
/// the dialog without a change.
class TNLOS : public QDialog {
    Q_OBJECT
public:
    TNLOS(Engine& engine, const Services& services, QWidget* parent = nullptr);

    /// 1 while the person types, 2 while a message waits to be read.
    int messageState() const { return m_messageState; }

private:
    void Edit1Return();
    void Edit1Edited();
    QByteArray& password();
    void setMessage(const QString& text, bool tryAgain);

    Engine& m_engine;
    Services m_services;
    QByteArray m_firstEntry;
    int m_messageState = 1;

    QLabel* Label1 = nullptr; ///< the upper line: the instruction, then the messages
    QLabel* Label2 = nullptr; ///< "Try again."
    QLineEdit* Edit1 = nullptr;
    QPushButton* LeaveButton = nullptr;
};

} // namespace vindra
