#include "platform/qttranslations.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSet>
#include <QTextBrowser>
#include <QToolButton>
#include <QTranslator>

#include <gtest/gtest.h>

using namespace vindra;

namespace {

/// Installed before every other translator, so it is asked only for texts that none of them
/// has: it records those, in the contexts that matter, and answers nothing.
class UntranslatedTexts : public QTranslator {
public:
    UntranslatedTexts() { QCoreApplication::installTranslator(this); }
    ~UntranslatedTexts() override { QCoreApplication::removeTranslator(this); }

    QString translate(const char* context, const char* source, const char*, int) const override
    {
        // Paper names stay as the printer reports them; key names are not shown as words;
        // the layout direction is asked for when this translator itself is installed.
        const QString c = QString::fromLatin1(context);
        if (c != QLatin1String("QPageSize") && c != QLatin1String("QShortcut") &&
            c != QLatin1String("QGuiApplication"))
            m_seen.insert(c + QStringLiteral(": ") + QString::fromUtf8(source));
        return {};
    }
    bool isEmpty() const override { return false; }

    QString seen() const
    {
        QStringList all(m_seen.begin(), m_seen.end());
        all.sort();
        return all.join(QLatin1Char('\n'));
    }

private:
    mutable QSet<QString> m_seen;
};

/// Closes every dialog that opens above `keep` as soon as it is shown, so that a button that
/// opens a modal dialog returns at once.
class CloseDialogs : public QObject {
public:
    explicit CloseDialogs(QWidget* keep) : m_keep(keep) { qApp->installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (event->type() == QEvent::Show && dialog && dialog != m_keep) {
            opened << QString::fromLatin1(dialog->metaObject()->className());
            QMetaObject::invokeMethod(dialog, &QDialog::reject, Qt::QueuedConnection);
        }
        return false;
    }

    QStringList opened;

private:
    QWidget* m_keep;
};

} // namespace

// Every text of Qt's own windows that the program shows is Swedish: message-box buttons, the
// context menus of the answer box and the text windows, the print dialog with its printer
// properties, and the file dialog it opens for a PDF file.
TEST(SwedishTranslations, QtWindowsOfTheProgramHaveNoEnglishLeft)
{
    const UntranslatedTexts untranslated;
    const SwedishTranslations swedish;
    ASSERT_TRUE(swedish.qtTranslationLoaded());

    QMessageBox ok;
    ok.setStandardButtons(QMessageBox::Ok);
    QMessageBox yesNo;
    yesNo.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(yesNo.button(QMessageBox::Yes)->text(), QStringLiteral("&Ja"));

    QLineEdit answer;
    delete answer.createStandardContextMenu();
    QTextBrowser page;
    page.setHtml(QStringLiteral("<a href=\"regel.htm\">regel</a>"));
    delete page.createStandardContextMenu(QPoint(2, 2));

    QPrinter printer;
    QPrintDialog dialog(&printer);
    CloseDialogs closer(&dialog);
    dialog.show();
    // The PDF entry, last in the list, is the one with an output file to browse for.
    auto* printers = dialog.findChild<QComboBox*>(QStringLiteral("printers"));
    ASSERT_TRUE(printers);
    printers->setCurrentIndex(printers->count() - 1);
    auto* properties = dialog.findChild<QPushButton*>(QStringLiteral("properties"));
    auto* browse = dialog.findChild<QToolButton*>(QStringLiteral("fileBrowser"));
    ASSERT_TRUE(properties && browse);
    properties->click();
    browse->click();
    QCoreApplication::processEvents();
    dialog.hide();
    EXPECT_TRUE(closer.opened.contains(QStringLiteral("QPrintPropertiesDialog")));
    EXPECT_TRUE(closer.opened.contains(QStringLiteral("QFileDialog")));

    EXPECT_EQ(untranslated.seen().toStdString(), "");
}

// The program's additions are asked before Qt's own file, so a better wording of its own
// wins; both are removed again with the object.
TEST(SwedishTranslations, OwnWordingFirstAndRemovedAfterwards)
{
    const auto selection = [] {
        return QCoreApplication::translate("QPrintSettingsOutput", "Selection");
    };
    {
        const SwedishTranslations swedish;
        EXPECT_EQ(QCoreApplication::translate("QLineEdit", "&Paste"),
                  QStringLiteral("Klistra &in"));
        EXPECT_EQ(selection(), QStringLiteral("Markering"));
    }
    EXPECT_EQ(selection(), QStringLiteral("Selection"));
}
