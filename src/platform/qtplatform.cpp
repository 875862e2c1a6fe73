#include "qtplatform.h"

#include "qtfontpreload.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

namespace vindra {

void QtMessages::show(MessageKind kind, const QString& text)
{
    QMessageBox box;
    switch (kind) {
    case MessageKind::Plain:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case MessageKind::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageKind::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case MessageKind::Error:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    box.setWindowTitle(QStringLiteral("Vindra"));
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

bool QtMessages::confirm(const QString& text)
{
    QMessageBox box;
    box.setIcon(QMessageBox::Question);
    box.setWindowTitle(QStringLiteral("Vindra"));
    box.setText(text);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

bool QtMessages::retry(const QString& text)
{
    QMessageBox box;
    box.setIcon(QMessageBox::Warning);
    box.setWindowTitle(QStringLiteral("Vindra"));
    box.setText(text);
    QPushButton* again = box.addButton(QStringLiteral("Försök igen"), QMessageBox::AcceptRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Avbryt"), QMessageBox::RejectRole);
    box.setDefaultButton(again);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == again;
}

QFont toQFont(const FontSpec& fontSpec)
{
    QFont f(installedFamily(fontSpec.family));
    if (fontSpec.sizeInPixels)
        f.setPixelSize(fontSpec.size);
    else
        f.setPointSize(fontSpec.size);
    f.setBold(fontSpec.bold);
    return f;
}

int QtTextMeasure::width(const QString& text, const FontSpec& font) const
{
    // The first text measured is the program's first use of a font.
    waitForFontConfiguration();
    return QFontMetrics(toQFont(font)).horizontalAdvance(text);
}

QSize QtScreen::size() const
{
    if (const QScreen* s = QGuiApplication::primaryScreen())
        return s->size();
    return {1024, 768};
}

double QtScreen::pixelRatio() const
{
    if (const QScreen* s = QGuiApplication::primaryScreen())
        return s->devicePixelRatio();
    return 1.0;
}

} // namespace vindra
