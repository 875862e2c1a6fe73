#include "app/programforms.h"
#include "shell/menupanel.h"
#include "shell/menuwindow.h"
#include "shellfixture.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>

using namespace vindra;
using namespace vindra::test;

namespace {

struct Menus : Shell {
    Menus() { engine = inst.start(); }

    std::unique_ptr<TMenuWindow> create(const catalogue::Menu& m, QWidget* parent = nullptr)
    {
        Services withForms = services;
        withForms.forms = &forms;
        return std::make_unique<TMenuWindow>(*engine, withForms, m, parent);
    }

    std::unique_ptr<Engine> engine;
    FormRegistry forms;
};

/// What a form runner saw when it was called.
struct FormRun {
    QByteArray form;
    QByteArray fileName;
    int exerciseCode;
    int items;
};

/// A registry with a recording runner for every form class the catalogue names.
FormRegistry recordingForms(QList<FormRun>& runs)
{
    FormRegistry forms;
    for (const catalogue::Menu& m : catalogue::menus())
        for (const catalogue::MenuButton& b : m.buttons)
            if (!b.opensMenu()) {
                const QByteArray name = b.target;
                forms.insert(name, [&runs, name](Engine& e, const Services&, QWidget*) {
                    runs.push_back({name, e.item.currentFileName, e.item.exerciseCode,
                                    e.cache[static_cast<size_t>(e.item.cacheSlot)].itemCount});
                });
            }
    return forms;
}

} // namespace

TEST(MenuWindow, EveryMenuShowsItsCatalogueEntry)
{
    Menus s;
    for (const catalogue::Menu& m : catalogue::menus()) {
        SCOPED_TRACE(m.id);
        auto w = s.create(m);
        EXPECT_EQ(w->objectName(), m.id);
        EXPECT_EQ(w->title()->text(), QString::fromUtf8(m.title));
        // Arial bold 24 pixels, one pixel smaller at a time while the title is too wide.
        const int full = 24 * s.engine->screenScale / 100;
        const int px = w->title()->font().pixelSize();
        auto titleWidth = [&](int size) {
            return s.measure.width(w->title()->text(), FontSpec{"Arial", size, true, true});
        };
        EXPECT_TRUE(w->title()->font().bold());
        EXPECT_LE(titleWidth(px), w->title()->width());
        EXPECT_TRUE(px == full || titleWidth(px + 1) > w->title()->width()) << px;
        ASSERT_EQ(w->buttons().size(), m.buttons.size() + 1);
        int lastTop = -1;
        for (size_t i = 0; i < w->buttons().size(); ++i) {
            QPushButton* b = w->buttons()[i];
            EXPECT_EQ(b->objectName(), QStringLiteral("Button%1").arg(i + 1));
            EXPECT_EQ(b, w->findChild<QPushButton*>(b->objectName()));
            const char* caption = i < m.buttons.size() ? m.buttons[i].caption : m.closeCaption;
            EXPECT_EQ(b->text(), QString::fromUtf8(caption));
            EXPECT_GT(b->y(), lastTop) << "buttons stand in display order";
            EXPECT_LE(b->geometry().bottom(), w->height());
            lastTop = b->y();
        }
        EXPECT_EQ(w->closeButton()->text(),
                  std::strcmp(m.id, "TF1") == 0 ? "Till huvudmenyn" : "Till föregående meny");
    }
}

TEST(MenuWindow, EveryButtonOpensItsTarget)
{
    // Sub-menus open modally; exercises open their form on the prepared file (or with the
    // word-list code), and only then.
    Menus s;
    QList<FormRun> runs;
    s.forms = recordingForms(runs);
    int exercises = 0;
    for (const catalogue::Menu& m : catalogue::menus()) {
        auto w = s.create(m);
        for (size_t i = 0; i < m.buttons.size(); ++i) {
            const catalogue::MenuButton& b = m.buttons[i];
            SCOPED_TRACE(std::string(m.id) + " / " + b.caption);
            runs.clear();
            const Opened opened = closeNextModal([&] { w->buttons()[i]->click(); });
            if (b.opensMenu()) {
                EXPECT_EQ(opened.name, b.target);
                EXPECT_TRUE(runs.isEmpty());
                continue;
            }
            ++exercises;
            ASSERT_EQ(runs.size(), 1);
            EXPECT_EQ(runs[0].form, b.target);
            if (b.dataFile) {
                EXPECT_EQ(runs[0].fileName, b.dataFile);
                EXPECT_EQ(runs[0].items, 30) << "Kolla counted the file before the form opened";
            } else if (b.exerciseCode != 0) {
                EXPECT_EQ(runs[0].exerciseCode, b.exerciseCode);
            }
        }
    }
    EXPECT_GT(exercises, 100);
    EXPECT_TRUE(s.inst.messages.entries().isEmpty())
        << s.inst.messages.texts().join('\n').toStdString();
}

TEST(MenuWindow, ExerciseOpensOnlyWhenItsFileIsAccepted)
{
    struct Case {
        const char* name;
        bool registered;
        bool fileThere;
        bool opens;
        const char* message;
    };
    const Case cases[] = {
        {"form and file", true, true, true, nullptr},
        {"file missing", true, false, false, "Filen ENG31051.DAT finns inte eller är felaktig"},
        {"form not built yet", false, true, false, "Den här övningen finns inte ännu i Vindra."},
    };
    const catalogue::Menu& tf315 = *catalogue::menu("TF315");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Menus s;
        if (!c.fileThere)
            QFile::remove(s.inst.root + QStringLiteral("/material/DATA/ENG31051.DAT"));
        QList<FormRun> runs;
        if (c.registered)
            s.forms = recordingForms(runs);
        auto w = s.create(tf315);
        w->buttons()[0]->click();
        EXPECT_EQ(runs.size(), c.opens ? 1 : 0);
        if (c.message) {
            EXPECT_TRUE(s.inst.messages.texts().contains(QString::fromUtf8(c.message)))
                << s.inst.messages.texts().join('\n').toStdString();
        } else {
            EXPECT_TRUE(s.inst.messages.entries().isEmpty());
        }
        EXPECT_TRUE(w->isEnabled());
    }
}

TEST(MenuWindow, RegisteredFormsOpenOnAFixtureFile)
{
    // Every button whose form exists opens that form for real; the rest say they are not
    // available yet and open nothing.
    Menus s;
    s.forms = programForms();
    int opened = 0;
    for (const catalogue::Menu& m : catalogue::menus()) {
        auto w = s.create(m);
        for (size_t i = 0; i < m.buttons.size(); ++i) {
            const catalogue::MenuButton& b = m.buttons[i];
            if (b.opensMenu())
                continue;
            SCOPED_TRACE(std::string(m.id) + " / " + b.caption);
            s.inst.messages.clear();
            const Opened form = closeNextModal([&] { w->buttons()[i]->click(); });
            if (programForms().contains(b.target)) {
                EXPECT_EQ(form.className, QStringLiteral("vindra::") + QLatin1String(b.target));
                ++opened;
                EXPECT_TRUE(s.inst.messages.entries().isEmpty())
                    << s.inst.messages.texts().join('\n').toStdString();
            } else {
                EXPECT_TRUE(form.name.isEmpty());
                EXPECT_EQ(s.inst.messages.texts(),
                          QStringList{QString::fromUtf8(kFormNotAvailable)});
            }
        }
    }
    EXPECT_GT(opened, 20) << "every written-answer button opens its form";
}

TEST(MenuWindow, WorksheetModeDisablesTheButtonsWithoutWorksheet)
{
    const QHash<QByteArray, QString> withoutWorksheet = {
        {"TF2", "Luringar"}, {"TF21", "Lite biologi"}, {"TF31", "Duell (spel)"},
        {"TF33", "Klockan"}, {"TF35", "Be-spelet"},
    };
    for (const int mode : {0, 1}) {
        Menus s;
        s.engine->session.mode = mode == 1 ? SessionMode::Worksheet : SessionMode::Practice;
        for (const catalogue::Menu& m : catalogue::menus()) {
            SCOPED_TRACE(std::string(m.id) + " mode " + std::to_string(mode));
            auto w = s.create(m);
            QStringList disabled;
            for (QPushButton* b : w->buttons())
                if (!b->isEnabled())
                    disabled << b->text();
            const QString expected = mode == 1 ? withoutWorksheet.value(m.id) : QString();
            EXPECT_EQ(disabled, expected.isEmpty() ? QStringList{} : QStringList{expected});

            const QColor panel = w->panel()->fill();
            if (m.keepsDesign) {
                EXPECT_NE(panel, QColor(128, 0, 0)) << "keeps its designed colour";
            } else {
                EXPECT_EQ(panel, mode == 1 ? QColor(128, 0, 0) : QColor(0, 0, 128));
            }
        }
    }
}

TEST(MenuWindow, EscAndTheClosingButtonCloseTheMenu)
{
    Menus s;
    for (const bool esc : {true, false}) {
        auto w = s.create(*catalogue::menu("TF35"));
        w->show();
        w->buttons()[3]->setFocus();
        if (esc)
            QTest::keyClick(w->buttons()[3], Qt::Key_Escape);
        else
            w->closeButton()->click();
        EXPECT_FALSE(w->isVisible());
        EXPECT_EQ(w->result(), QDialog::Rejected);
    }
}

TEST(MenuWindow, ScaledMenusGrowAndDesignedMenusKeepTheirSize)
{
    Menus s;
    s.engine->screenScale = 150;
    auto scaled = s.create(*catalogue::menu("TF315"));
    auto designed = s.create(*catalogue::menu("TF2132"));
    s.engine->screenScale = 100;
    auto plain = s.create(*catalogue::menu("TF315"));
    auto plainDesigned = s.create(*catalogue::menu("TF2132"));
    EXPECT_EQ(scaled->width(), plain->width() * 150 / 100);
    EXPECT_EQ(scaled->buttons()[0]->font().pixelSize(), 19 * 150 / 100);
    EXPECT_EQ(designed->size(), plainDesigned->size());
}
