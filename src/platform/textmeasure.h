#pragma once

#include <QString>

namespace vindra {

/// A font as the forms name it: family, size in points or pixels, bold or not.
struct FontSpec {
    QString family = QStringLiteral("Arial");
    int size = 12;
    bool sizeInPixels = false;
    bool bold = true;
};

/// Measures the width in pixels of a text in a font (the forms' hidden test label).
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    virtual int width(const QString& text, const FontSpec& font) const = 0;
};

/// A measurement for tests: every character is `perChar` pixels wide at 12 points,
/// scaled linearly with the font size, so results are the same on every machine.
class FixedTextMeasure : public TextMeasure {
public:
    explicit FixedTextMeasure(int perCharAt12 = 10) : m_perChar(perCharAt12) {}
    int width(const QString& text, const FontSpec& font) const override
    {
        return static_cast<int>(text.size()) * m_perChar * font.size / 12;
    }
    void setPerChar(int w) { m_perChar = w; }

private:
    int m_perChar;
};

} // namespace vindra
