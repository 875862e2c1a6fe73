#include "menuwindow.h"

#include "menupanel.h"

#include "platform/messages.h"
#include "platform/qtplatform.h"
#include "platform/screen.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <cstring>

namespace vindra {

namespace {

// The designed menu window at 100 %: the title, then the buttons in one column.
constexpr int kWidth = 235;
constexpr int kTitleTop = 8;
constexpr int kTitleHeight = 32;
constexpr int kButtonWidth = 205;
constexpr int kButtonHeight = 26;
constexpr int kButtonPitch = 28;
constexpr int kFirstButtonTop = 48;
constexpr int kCloseGap = 8;
constexpr int kBottomMargin = 12;
constexpr int kBevel = 3;
constexpr int kTitlePixels = 24;
constexpr int kButtonPixels = 19;
// Each sub-menu opens a little to the right of and below the menu it was opened from.
constexpr int kCascade = 24;

const QColor kNavy(0, 0, 128);
const QColor kMaroon(128, 0, 0);
// The designed colour of the menus that keep their design: green for the biology menus.
const QColor kBiologyGreen(0, 96, 0);

/// The largest pixel size from `start` down to 8 at which `text` fits `width`.
int fittingPixels(const TextMeasure* measure, const QString& text, int start, int width)
{
    int px = start;
    while (measure && px > 8 &&
           measure->width(text, FontSpec{QStringLiteral("Arial"), px, true, true}) > width)
        --px;
    return px;
}

} // namespace

TMenuWindow::TMenuWindow(Engine& engine, const Services& services, const catalogue::Menu& menu,
                         QWidget* parent)
    : QDialog(parent), m_engine(engine), m_services(services), m_menu(menu)
{
    setObjectName(QString::fromLatin1(menu.id));
    setWindowTitle(QString::fromUtf8(menu.title));
    setWindowFlag(Qt::FramelessWindowHint);

    Panel1 = new MenuPanel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(kBevel);

    Label1 = new QLabel(QString::fromUtf8(menu.title), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    QPalette titlePal = Label1->palette();
    titlePal.setColor(QPalette::WindowText, Qt::yellow);
    Label1->setPalette(titlePal);

    int n = 0;
    auto addButton = [this, &n](const QString& caption) {
        auto* b = new QPushButton(caption, Panel1);
        b->setObjectName(QStringLiteral("Button%1").arg(++n));
        b->setAutoDefault(true);
        m_buttons.push_back(b);
        return b;
    };
    for (const catalogue::MenuButton& mb : menu.buttons) {
        QPushButton* b = addButton(QString::fromUtf8(mb.caption));
        connect(b, &QPushButton::clicked, this,
                [this, &mb] { runButton(m_engine, m_services, mb, this); });
    }
    connect(addButton(QString::fromUtf8(menu.closeCaption)), &QPushButton::clicked, this,
            &QDialog::reject);

    FormCreate();
}

void TMenuWindow::FormCreate()
{
    const bool worksheetMode = m_engine.session.mode == SessionMode::Worksheet;
    if (m_menu.keepsDesign) {
        layoutMenu(100);
        Panel1->setFill(std::strcmp(m_menu.id, "TF61") == 0 ? kNavy : kBiologyGreen);
    } else {
        layoutMenu(m_engine.screenScale > 0 ? m_engine.screenScale : 100);
        Panel1->setFill(worksheetMode ? kMaroon : kNavy);
    }
    for (size_t i = 0; i < m_menu.buttons.size(); ++i)
        m_buttons[i]->setEnabled(!(worksheetMode && m_menu.buttons[i].worksheetDisabled));
    m_buttons.front()->setFocus();
}

int TMenuWindow::depth() const
{
    int d = 0;
    for (QWidget* w = parentWidget(); w; w = w->parentWidget())
        if (qobject_cast<TMenuWindow*>(w))
            ++d;
    return d;
}

void TMenuWindow::layoutMenu(int scale)
{
    auto s = [scale](int v) { return v * scale / 100; };
    const int unit = m_engine.layoutUnit;
    const int count = static_cast<int>(m_buttons.size());
    const int width = s(kWidth);
    const int height =
        s(kFirstButtonTop + (count - 1) * kButtonPitch + kCloseGap + kButtonHeight + kBottomMargin);
    resize(width, height);
    Panel1->setGeometry(0, 0, width, height);

    const TextMeasure* measure = m_services.measure;
    const int titleWidth = width - unit;
    Label1->setFont(toQFont(
        FontSpec{QStringLiteral("Arial"),
                 fittingPixels(measure, Label1->text(), s(kTitlePixels), titleWidth), true, true}));
    Label1->setGeometry(unit / 2, s(kTitleTop), titleWidth, s(kTitleHeight));

    const int buttonWidth = s(kButtonWidth);
    const int buttonLeft = (width - buttonWidth) / 2;
    for (int i = 0; i < count; ++i) {
        QPushButton* b = m_buttons[static_cast<size_t>(i)];
        int top = s(kFirstButtonTop + i * kButtonPitch);
        if (i == count - 1)
            top += s(kCloseGap);
        b->setGeometry(buttonLeft, top, buttonWidth, s(kButtonHeight));
        b->setFont(toQFont(FontSpec{
            QStringLiteral("Arial"),
            fittingPixels(measure, b->text(), s(kButtonPixels), buttonWidth - 8), true, true}));
    }

    const QSize screen = m_services.screen ? m_services.screen->size() : QSize(1024, 768);
    const int d = depth();
    const int left =
        qBound(0, (screen.width() - width) / 2 + d * kCascade, qMax(0, screen.width() - width));
    const int top =
        qBound(0, (screen.height() - height) / 2 + d * kCascade, qMax(0, screen.height() - height));
    move(left, top);
}

void TMenuWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        closeButton()->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TMenuWindow::openMenu(Engine& engine, const Services& services, const char* id,
                           QWidget* parent)
{
    const catalogue::Menu* menu = catalogue::menu(id);
    if (!menu)
        return;
    TMenuWindow window(engine, services, *menu, parent);
    window.exec();
}

void TMenuWindow::runButton(Engine& engine, const Services& services,
                            const catalogue::MenuButton& button, QWidget* parent)
{
    if (button.opensMenu()) {
        openMenu(engine, services, button.target, parent);
        return;
    }
    static const FormRegistry none;
    const FormRegistry& forms = services.forms ? *services.forms : none;
    const auto form = forms.constFind(QByteArray(button.target));
    if (form == forms.constEnd()) {
        if (services.messages)
            services.messages->show(MessageKind::Information, QString::fromUtf8(kFormNotAvailable));
        return;
    }
    if (button.dataFile) {
        engine.setCurrentFileName(button.dataFile);
        if (!engine.Kolla(button.dataFile))
            return;
    } else if (button.exerciseCode != 0) {
        engine.item.exerciseCode = static_cast<quint16>(button.exerciseCode);
    }
    (*form)(engine, services, parent);
}

} // namespace vindra
