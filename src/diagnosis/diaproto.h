#pragma once

#include "engine/diagnosisregister.h"
#include "engine/engine.h"
#include "framework/services.h"
#include "platform/textmeasure.h"

#include <QDialog>

#include <array>

class QFrame;
class QLabel;
class QPushButton;
class QTableWidget;

namespace vindra {

/// The diagnosis protocol of the current pupil (form name "diaprot"): a grid of the twenty
/// diagnosis slots with subject, last result, its date and time and the slot state, and the
/// total of all results. Enter or a double-click on a row starts the slot's test, or its
/// practice when the state is "Practise"; a waiting row explains what has to be done first.
/// The buttons set a password, print the protocol, show a help text and leave.
///
/// Opened modally by the register window after the pupil is identified. While it is open it
/// is the engine's ProtocolView: a test result (Engine::diagnosback) enables and redraws it,
/// and the redraw saves the record. However the window is closed, the record is saved and
/// the session mode is practice again.
class Tdiaprot : public QDialog, public ProtocolView {
    Q_OBJECT
public:
    static constexpr int kColumns = 5;
    static constexpr int kRows = 22; ///< the header row, slots 1..20 and the total row
    static constexpr int kTotalRow = 21;

    Tdiaprot(Engine& engine, const Services& services, QWidget* parent = nullptr);
    ~Tdiaprot() override;

    // What a running exercise does to the protocol.
    void setStateCell(int slot, const QByteArray& text) override;
    void hideWaitPanel() override;
    void setProtocolEnabled(bool enabled) override;
    void refreshProtocol() override;

    /// False while an exercise opened from here runs.
    bool protocolEnabled() const;

    /// Text of a grid cell.
    QString cell(int column, int row) const;

    /// Fills the grid from the current diagnosis record and selects the selected row; saves
    /// the record when it has changed since the last save.
    void rita_prot();
    /// The total of the twenty results, in the total row.
    void summa();

    /// Where the printout's subject, result, occasion and state columns start, in percent of
    /// the printable width; computed from the screen at opening.
    const std::array<int, 4>& printColumns() const { return m_printColumns; }

    /// The message shown instead of starting a slot whose form is not in the program yet.
    static const char* const kNotAvailable;

    /// The register the protocol saves through.
    DiagnosisRegister& diagnosisRegister() { return m_register; }

    // Handlers, public so that the buttons' work can be driven directly.
    void StringGrid1KeyPress();
    void StringGrid1DblClick();
    void LosenButtonClick();
    void SkrivutButtonClick();
    void HjalpButtonClick();
    void AvbrytButtonClick();

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void InfoText();
    void HjalpText();
    void startSelected();
    void UtseDiagProgram(int slot);
    /// Starts the practice of `slot` in `mode` (the first practice round).
    void UtseOvaProgram(int slot, SessionMode mode);
    /// Whether the program has the form `formClass` (the catalogue's class name) yet.
    bool formBuilt(const char* formClass) const;
    /// Opens `formClass` modally on the current data file.
    void runForm(const char* formClass);
    void selectRow(int row);
    void setCell(int column, int row, const QString& text);
    int scaled(int v) const;
    int textWidth(const QString& text, const FontSpec& font) const;
    /// Saves the current record; a failure is reported, with the choice to try again. True
    /// when the record was saved.
    bool save();

    Engine& m_engine;
    DiagnosisRegister m_register;
    Services m_services;
    std::array<int, 4> m_printColumns{};
    bool m_closing = false;
    FontSpec m_gridFont;
    FontSpec m_boxFont;

    QWidget* m_body = nullptr; ///< every control; disabled while an exercise runs
    QLabel* TitleLabel = nullptr;
    QTableWidget* StringGrid1 = nullptr;
    QFrame* ButtonPanel = nullptr;
    QPushButton* AvbrytButton = nullptr;
    QPushButton* LosenButton = nullptr;
    QPushButton* HjalpButton = nullptr;
    QPushButton* SkrivutButton = nullptr;
    QFrame* Panel1 = nullptr; ///< the help box
    QLabel* HjalpLabel1 = nullptr;
    QLabel* HjalpLabel2 = nullptr;
    QFrame* Panel2 = nullptr; ///< the info box of a waiting row
    QLabel* InfoLabel1 = nullptr;
    QLabel* InfoLabel2 = nullptr;
};

} // namespace vindra
