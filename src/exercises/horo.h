#pragma once

#include "engine/storytext.h"
#include "framework/services.h"

#include <QDialog>
#include <QWidget>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace vindra {

class Engine;

/// The zodiac picture: the twelve signs in a left column, a bottom row and a right column
/// round a sun, drawn by the program at any size; the chosen sign is outlined in aqua.
class ZodiacPicture : public QWidget {
    Q_OBJECT
public:
    explicit ZodiacPicture(QWidget* parent) : QWidget(parent) {}
    void setSign(int sign)
    {
        m_sign = sign;
        update();
    }
    int sign() const { return m_sign; }
    /// A point of the widget in the picture's own pixels (772 × 618).
    QPoint toPicture(QPoint widgetPoint) const;

Q_SIGNALS:
    void clicked(QPoint picturePoint);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int m_sign = 0;
};

/// The horoscope: the zodiac picture and the list of signs; choosing a sign and pressing
/// Enter (or double-clicking it) shows seven random sentences of its horoscope, with a word
/// list and printing.
class Thoroskop : public QDialog {
    Q_OBJECT
public:
    Thoroskop(Engine& engine, const Services& services, QWidget* parent = nullptr);

    void FormCreate();
    void FormShow();
    /// Applies the sign selected in the list.
    void ListBox3Click();
    /// Shows the horoscope of the selected sign.
    void Horoscoptext();
    /// A click in the picture at (x, y), in the picture's pixels.
    void Image1MouseDown(int x, int y);
    void Button1Click(); ///< "&Leave" of the text
    void Button2Click(); ///< "&Leave" of the word list
    void Button3Click(); ///< "&Wordlist"
    void BitBtn1Click(); ///< "&Print"

    int selectedSign() const;
    QStringList shownText() const;
    QStringList wordListText() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void StjLista();
    void layoutWindow();
    QString padded(const QByteArray& field, int pixels, const QFont& font) const;

    Engine& m_engine;
    Services m_services;
    QByteArray m_file;

    ZodiacPicture* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QListWidget* ListBox3 = nullptr;
    QPushButton* Button4 = nullptr;
    QWidget* Panel1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* Button1 = nullptr;
    QWidget* Panel2 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
    QPushButton* Button2 = nullptr;
};

} // namespace vindra
