#pragma once

#include "britainwindow.h"

#include <QRect>
#include <QStringList>

class QKeyEvent;
class QPaintEvent;

namespace vindra {

/// The national anthem (white, full screen): the title, the credit lines, the first verse
/// drawn on the background, and the recording played and stopped through the main window's
/// sound player: "&Spela upp" plays it and gives its place to "A&vbryt Uppspelning", which
/// stops it and swaps back; "&Avbryt" (also Esc) stops it and closes.
class THymn : public BritainWindow {
    Q_OBJECT
public:
    THymn(Engine& engine, const Services& services, QWidget* parent = nullptr);

    void FormCreate();

    /// The seven lines of the verse as they are written, and where (the text's rectangles).
    const QStringList& verse() const { return m_verse; }
    const QList<QRect>& verseRects() const { return m_verseRects; }
    bool playbackStarted() const { return m_started; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void NationalHymn();
    void SkrivHymnen(int start, int step);
    void Button1Click();
    void Button2Click();
    void Button3Click();

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QStringList m_verse;
    QList<QRect> m_verseRects;
    QFont m_verseFont;
    bool m_started = false;
};

} // namespace vindra
