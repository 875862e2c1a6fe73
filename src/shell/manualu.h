#pragma once

#include "engine/engine.h"
#include "framework/services.h"

#include <QDialog>
#include <QStringList>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace vindra {

class Printer;

/// The manual window (white, full screen): the text of "\DATA\ENGMAN.TXT" in a read-only
/// box, every line preceded by two blanks, printed whole ("Skriv ut") or as far as it is
/// selected ("Skriv ut markerat"). "Avbryt" and Esc close it.
///
/// The file is read at creation; when it cannot be read the missing-file message is shown
/// and `loaded()` is false: the opener must not show the window then.
class TManual : public QDialog {
    Q_OBJECT
public:
    TManual(Engine& engine, const Services& services, QWidget* parent = nullptr);

    bool loaded() const { return m_loaded; }
    QPlainTextEdit* textBox() const { return Memo1; }

    /// Prints `lines` after the print dialog, one print job per page: Arial 12 points, the
    /// page number at the top right, lines from `firstTop` mm down in steps of a line height
    /// plus 1 mm; when a page is full the line printed last is printed again at the top of
    /// the next page. Nothing is printed when the dialog is cancelled; an empty text shows a
    /// message and opens no dialog.
    void printLines(const QStringList& lines, int firstTop);

    /// round(page width in device pixels / 210 × mm)
    int XmmTillPixel(int mm) const;
    /// round(page height in device pixels / 297 × mm)
    int YmmTillPixel(int mm) const;
    /// round(297 / page height in device pixels × px)
    int YPixelTillmm(int px) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool FormCreate();
    void layoutWindow();
    void Button2Click();
    void Button3Click();
    void SkrivSidNr(int page);

    Engine& m_engine;
    Services m_services;
    bool m_loaded = false;

    QLabel* Label1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
};

} // namespace vindra
