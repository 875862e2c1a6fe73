#pragma once

#include "engine/engine.h"
#include "framework/services.h"

#include <QWidget>

class QLabel;
class QListWidget;

namespace vindra {

class Printer;

/// The worksheet's print-queue window (form name "Utskrift"): created once at program start
/// and kept for the run. It shows the engine's two worksheet lists, `ListBox1` without
/// answers and `ListBox2` with answers, at the same place, and prints the chosen one on A4
/// pages. Borderless and on top of the exercise form that opened it.
class TUtskrift : public QWidget {
    Q_OBJECT
public:
    /// The credit line printed under the worksheet heading.
    static const char* const kCreditLine;
    /// The program name printed at the top left of every following page.
    static const char* const kProgramName;

    TUtskrift(Engine& engine, const Services& services, QWidget* parent = nullptr);

    /// List `n` (1 or 2); the two are made at the first need, as the queue is not seen
    /// before the first worksheet and item views are costly at start-up.
    QListWidget* listBox(int n);

    /// Brings list `n` (1 without answers, 2 with answers) to front and shows the window.
    void showList(int n);
    /// Brings the list boxes up to date with the engine's lists.
    void refresh();
    /// Clears the worksheet (`fromForm`: the clear was started by an exercise form, so the
    /// next item opens a block) and the list boxes.
    void clearWorksheet(bool fromForm);

    /// round(page width in device pixels / 210 × mm)
    int XmmTillPixel(int mm) const;
    /// round(page height in device pixels / 297 × mm)
    int YmmTillPixel(int mm) const;
    /// |round(297 / page height × px)|
    int YPixelTillmm(int px) const;
    /// The answer-key text of the engine's current item for the right answer `answer`.
    QByteArray UtSkriftSvar(const QByteArray& answer) const;

    /// Prints the worksheet: the print dialog, then each copy from page 1 with its heading.
    /// A cancelled dialog and an empty worksheet print nothing.
    void SkrivutFraga();

private:
    void makeListBoxes();
    void SkrivSidNr(int n);
    void SkrivProgramNamn();
    void SkrivProgramRubrik();
    void newPage();
    void textAt(int xMm, int yMm, const QByteArray& line);

    Engine& m_engine;
    Services m_services;

    QLabel* TitlePanel = nullptr;
    QListWidget* ListBox1 = nullptr;
    QListWidget* ListBox2 = nullptr;
};

} // namespace vindra
