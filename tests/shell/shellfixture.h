#pragma once

#include "app/programforms.h"
#include "engine/catalogue.h"
#include "framework/services.h"
#include "platform/printer.h"
#include "platform/screen.h"
#include "platform/textmeasure.h"
#include "shell/engel.h"
#include "support/material.h"
#include "support/modal.h"

#include <QApplication>
#include <QBuffer>
#include <QDialog>
#include <QImage>
#include <QTimer>

#include <functional>
#include <memory>

namespace vindra::test {

/// What a modal window was when it opened.
struct Opened {
    QString name;      ///< object name, empty when nothing modal opened
    QString className; ///< meta-object class name
    std::function<void(QWidget*)> inspect;
};

/// Runs `action`, closing the first modal window it opens as soon as that window runs its
/// event loop; `inspect` sees the window before it closes. Never blocks: when nothing modal
/// opens, the queued closer finds nothing and the result stays empty.
inline Opened closeNextModal(const std::function<void()>& action,
                             const std::function<void(QWidget*)>& inspect = {})
{
    NextModal modal(inspect);
    action();
    QCoreApplication::processEvents();
    return Opened{modal.name(), modal.className(), {}};
}

/// Ten item lines "question n#answer n", enough for any exercise's round.
inline QByteArray itemFile()
{
    QByteArray content = "$Rubrik\n$\xA7Skriv svaret.\n";
    for (int i = 1; i <= 30; ++i)
        content += "question " + QByteArray::number(i) + "#answer " + QByteArray::number(i) + "\n";
    return content;
}

/// A plain bitmap file of `size`.
inline QByteArray bitmap(QSize size)
{
    QImage image(size, QImage::Format_RGB888);
    image.fill(Qt::darkBlue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

/// An installation with every menu's data file, the Britain pictures and the data-file list,
/// and the fakes a window needs.
struct Shell {
    explicit Shell(QSize screenSize = QSize(800, 600), bool withFiles = true) : screen(screenSize)
    {
        if (withFiles) {
            inst.data(QStringLiteral("datfiler.eng"), catalogue::datfilerContent());
            for (const catalogue::Menu& m : catalogue::menus())
                for (const catalogue::MenuButton& b : m.buttons)
                    if (b.dataFile)
                        inst.data(QString::fromLatin1(b.dataFile), itemFile());
            for (const catalogue::BritainPicture& p : catalogue::britainPictures())
                inst.write(QStringLiteral("material/BILD/") + QLatin1String(p.file),
                           bitmap(QSize(p.width / 4, p.height / 4)));
            // The reading texts the read-and-answer exercises open beside their data files.
            for (const catalogue::MenuButton& b : catalogue::menu("TF61")->buttons)
                inst.data(QString::fromLatin1(catalogue::readingTextFile(b.dataFile)),
                          "Title\n-\nText.\n");
        }
        services = Services{&inst.messages, &measure, &screen, &inst.clock, nullptr, &printer};
        services.forms = &programForms();
    }

    /// The main window on this installation (`seed` chooses the pictures).
    std::unique_ptr<TEngel> mainWindow(std::uint32_t seed = 7)
    {
        return std::make_unique<TEngel>(inst.start(seed), services);
    }

    Installation inst;
    FixedTextMeasure measure;
    FixedScreen screen;
    RecordingPrinter printer;
    Services services;
};

} // namespace vindra::test
