#pragma once

#include "engine/diagnosisregister.h"
#include "engine/engine.h"
#include "framework/services.h"

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace vindra {

/// The diagnosis register window ("Diagnosis"): a pupil chooses a name from the register or
/// creates one, types a password when the record has one, and goes on to the protocol. The
/// teacher logs in as "VÄKTOR" and deletes diagnoses or changes the teacher password. Opened
/// modally by the main window with the session mode at diagnosis test; however it closes,
/// the session mode is practice again.
class TDiag : public QDialog {
    Q_OBJECT
public:
    TDiag(Engine& engine, const Services& services, QWidget* parent = nullptr);

    /// Failed password attempts of this opening (pupil and teacher share them).
    int failures() const { return m_failures; }
    /// 0 none, 2 with the pupil's password, 3 without.
    int deleteMode() const { return m_deleteMode; }

    /// The twenty lines of the help panel.
    static QStringList helpLines();

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void VisaListbox();
    void chooseEntry(QListWidgetItem* item);
    void NewUserButtonClick();
    void NameEditReturn();
    void PasswordEditReturn();
    void deleteSelected();
    void countFailure();
    void showPasswordPrompt();
    void openProtocol();
    void DeleteAllButtonClick();
    void DeleteModeClick(int mode);
    void changeTeacherPassword();
    QListWidgetItem* selectedEntry() const;

    Engine& m_engine;
    Services m_services;
    DiagnosisRegister m_register;

    int m_failures = 0;
    int m_deleteMode = 0;
    bool m_deleteFlag = false;
    bool m_teacherUnverified = true;
    QByteArray m_deleteBuffer;

    QLabel* HeadingLabel = nullptr;
    QListWidget* NameList = nullptr;
    QLabel* NamePrompt = nullptr;
    QLineEdit* NameEdit = nullptr;
    QLabel* PasswordPrompt = nullptr;
    QLabel* ErrorLabel = nullptr;
    QLineEdit* PasswordEdit = nullptr;
    QPushButton* NewUserButton = nullptr;
    QPushButton* LeaveButton = nullptr;
    QFrame* TeacherPanel = nullptr;
    QPushButton* DeleteAllButton = nullptr;
    QPushButton* DeleteWithPasswordButton = nullptr;
    QPushButton* DeleteWithoutPasswordButton = nullptr;
    QPushButton* InfoButton = nullptr;
    QFrame* HelpPanel = nullptr;
    QPushButton* CloseHelpButton = nullptr;
};

} // namespace vindra
