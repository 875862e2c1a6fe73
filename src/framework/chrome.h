#pragma once

#include "engine/session.h"

#include <QByteArray>
#include <QFrame>
#include <QLineEdit>
#include <QStringList>

class QLabel;
class QPushButton;

namespace vindra {

class Engine;

// The pieces every exercise form shows around its own question and answer controls. Each
// carries the object names the forms give their controls, so tests and scripts find them by
// name; a form that names a piece differently passes its own names.

/// A rounded rectangle in one colour: the header box, the praise panel, the diagnosis
/// boxes, the lamp.
class RoundedBox : public QWidget {
    Q_OBJECT
public:
    RoundedBox(const QString& name, const QColor& fill, int radius, QWidget* parent);
    void setFill(const QColor& c);
    QColor fill() const { return m_fill; }

Q_SIGNALS:
    void pressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QColor m_fill;
    int m_radius;
};

/// The header box (`OverskriftYtterShape`): yellow, with an inner box
/// (`OverskriftInnerShape`) whose colour shows the session mode, and the exercise's heading
/// on up to three lines (`Overs1Label` … `Overs3Label`).
class HeaderBox : public RoundedBox {
    Q_OBJECT
public:
    explicit HeaderBox(QWidget* form);

    /// Places the box at `pos`, `size` scaled; the inner box 6 and 5 pixels inside.
    void place(QPoint pos, QSize size);
    /// Navy in practice, maroon in worksheet mode, green in the diagnosis.
    void setMode(SessionMode mode);
    /// Draws up to three header lines (cp1252), each shrunk one point at a time until it
    /// fits: one line at 30 points, two at 20, a third two points smaller.
    void RitaOverskriften(const QByteArray& line1, const QByteArray& line2, const QByteArray& line3,
                          int unit);

    RoundedBox* OverskriftInnerShape = nullptr;
    QLabel* Overs1Label = nullptr;
    QLabel* Overs2Label = nullptr;
    QLabel* Overs3Label = nullptr;
};

/// The caption of a diagnosis round (`DiagPanel2` with `DiagLabel1`): "Diagnosis: Test",
/// "Practise 1" or "Practise 2", the only thing that tells the two practice rounds apart.
class DiagnosisCaption : public RoundedBox {
    Q_OBJECT
public:
    explicit DiagnosisCaption(QWidget* form);
    /// `TestOverSkrift`: shows the caption of a diagnosis round, hides it in other modes.
    void TestOverSkrift(SessionMode mode);
    /// Places the box with its right edge at `right`, at least `minWidth` wide and as wide
    /// as its longest caption needs.
    void place(int right, int top, int minWidth, int height);

    QLabel* DiagLabel1 = nullptr;
};

/// The question number and the right count of a diagnosis round (`DiagPanel1`): two green
/// boxes `DiagShape2` ("Question", `DiagLabel3`) and `DiagShape4` ("Correct", `DiagLabel5`).
class DiagnosisPanel : public QFrame {
    Q_OBJECT
public:
    explicit DiagnosisPanel(QWidget* form);
    void place(int right, int top, int minWidth, int unit);
    /// `UppDateraDiagnosResultatet`: shows the panel with "n/20" and the right count.
    void UppDateraDiagnosResultatet(int itemCounter, int rightCount);

    RoundedBox* DiagShape2 = nullptr;
    QLabel* DiagLabel2 = nullptr;
    QLabel* DiagLabel3 = nullptr;
    RoundedBox* DiagShape4 = nullptr;
    QLabel* DiagLabel4 = nullptr;
    QLabel* DiagLabel5 = nullptr;
};

/// The ending picture with its caption (`BildPanelen` with `Image1`, `BildTextPanel`,
/// `BildLabel`).
class EndingPanel : public QFrame {
    Q_OBJECT
public:
    explicit EndingPanel(QWidget* form);
    /// Shows the panel in front and, when the settings show pictures, the next ending
    /// picture with its caption; a missing picture is hidden without a message.
    void showEnding(Engine& engine, int unit);
    /// The screen the picture is shown on: wider than the bitmaps are made for, or denser,
    /// and the picture is drawn from its SVG at the size of its place.
    void setScreen(int width, double pixelRatio)
    {
        m_screenWidth = width;
        m_pixelRatio = pixelRatio;
    }

    QLabel* Image1 = nullptr;
    QFrame* BildTextPanel = nullptr;
    QLabel* BildLabel = nullptr;

private:
    int m_screenWidth = 1024;
    double m_pixelRatio = 1.0;
};

/// The praise line after a good round (`LovordPanel` with `LovordYttershape`,
/// `lovordinnershape`, `LovordLabel1`).
class PraisePanel : public QFrame {
    Q_OBJECT
public:
    explicit PraisePanel(QWidget* form);
    /// Draws a praise line of the file chosen for the round's result; a missing or empty
    /// praise file hides the panel.
    void showPraise(Engine& engine, int unit);
    /// `RitaLovord`: a + " " + b + " " + c, from 30 points shrunk until it fits.
    void RitaLovord(const QString& text, int unit);

    RoundedBox* LovordYttershape = nullptr;
    RoundedBox* lovordinnershape = nullptr;
    QLabel* LovordLabel1 = nullptr;
};

/// Object names of a button bar: the panel, then correct errors, continue, leave, settings.
struct ButtonBarNames {
    QString panel = QStringLiteral("Panel1");
    QStringList buttons = {QStringLiteral("Button1"), QStringLiteral("Button2"),
                           QStringLiteral("Button3"), QStringLiteral("Button4")};
    /// Four captions of a bar of its own, in place of the English or Swedish set.
    QStringList captions;
};

/// The navy button bar shown at the end of a round and on a pause: correct errors,
/// continue, leave, settings.
class ButtonBar : public QFrame {
    Q_OBJECT
public:
    ButtonBar(const ButtonBarNames& names, QWidget* form);
    void place(const QRect& geometry);
    /// "Correct &errors", "&Continue", "&Leave", "&Settings", or the Swedish set.
    void setCaptions(bool swedish);
    /// Shows the bar in front; correct errors is enabled and focused when offered, else
    /// continue has the focus.
    void present(bool offerCorrection);

    QPushButton* correctErrors = nullptr;
    QPushButton* continueButton = nullptr;
    QPushButton* leave = nullptr;
    QPushButton* settings = nullptr;

private:
    void fitCaptions();

    QStringList m_captions;
};

/// An answer box: Enter hands the answer on, Esc asks for a pause, and Ctrl+S or Alt+S
/// types "ß" at the caret (the pupil's clipboard is left alone).
class AnswerBox : public QLineEdit {
    Q_OBJECT
public:
    AnswerBox(const QString& name, QWidget* parent);

Q_SIGNALS:
    void answered();
    void pauseRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

/// The help lamp (`LampShape`): a lime circle while the typed text is a beginning of the
/// right answer, red when a letter is wrong. A click on it asks to switch it off.
class Lamp : public RoundedBox {
    Q_OBJECT
public:
    Lamp(const QString& name, const QString& hint, QWidget* parent);
    /// Lime when `good`, red otherwise; the accessible description says which.
    void showGood(bool good);
};

} // namespace vindra
