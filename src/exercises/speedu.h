#pragma once

#include "engine/storytext.h"
#include "framework/services.h"

#include <QDateTime>
#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;
class QScrollBar;

namespace vindra {

class Engine;
class FormTimer;

/// The text area of the reading-speed trainer: paints what is left of the text from the
/// stored lines and the eraser's position, so the text is whole again whenever the area is
/// uncovered.
class SpeedArea : public QWidget {
    Q_OBJECT
public:
    explicit SpeedArea(QWidget* parent) : QWidget(parent) {}
    void setText(const storytext::Eraser* eraser)
    {
        m_eraser = eraser;
        update();
    }
    /// Pixels from one line to the next.
    int lineStep() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const storytext::Eraser* m_eraser = nullptr;
};

/// "Lästräning": a text shown whole, then erased word by word from its beginning at the pace
/// chosen in words per minute, while the pupil reads it aloud ahead of the eraser. At the end
/// a message gives the time taken and the reading speed. The run is timed from the clock, so
/// a run shorter than a second still gives a speed, and no test waits for real time.
class TSpeed : public QDialog {
    Q_OBJECT
public:
    TSpeed(Engine& engine, const Services& services, QWidget* parent = nullptr);

    void FormCreate();
    void FormShow();
    /// Chooses the text selected in the list.
    void ListBox1DblClick();
    void Button1Click();
    void ScrollBar1Change();
    /// One erase step (a word), or the end of the run.
    void Timer1Timer();

    FormTimer* eraseTimer() const { return Timer1; }
    const storytext::Eraser& eraser() const { return m_eraser; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Statistik();
    void layoutWindow();

    Engine& m_engine;
    Services m_services;
    QByteArray m_file;
    QList<QByteArray> m_lines;
    storytext::Eraser m_eraser;
    storytext::SpeedStats m_stats;
    QDateTime m_started;
    bool m_running = false;

    QWidget* LeftPanel = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QLabel* SpeedCaption = nullptr;
    QLabel* Label11 = nullptr;
    QScrollBar* ScrollBar1 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    SpeedArea* PaintBox1 = nullptr;
    QWidget* Panel1 = nullptr;
    QListWidget* ListBox1 = nullptr;
    FormTimer* Timer1 = nullptr;
};

} // namespace vindra
