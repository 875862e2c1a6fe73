#include "pranku.h"

#include "engine/cp1252.h"
#include "engine/engine.h"
#include "framework/look.h"
#include "platform/printer.h"
#include "storygames.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QVBoxLayout>

namespace vindra {

namespace {

constexpr char kStoryFile[] = "ENG41011.DAT";
const QColor kBackground(0, 100, 0);

QString text(const QByteArray& b)
{
    return cp1252::toUnicode(b);
}

QString prompt(int kind, int count)
{
    static const char* const kKinds[] = {" adjectives.", " substantives in singular.",
                                         " substantives in plural."};
    return QStringLiteral("Type ") + QString::number(count) + QString::fromLatin1(kKinds[kind]);
}

} // namespace

TPrank::TPrank(Engine& engine, const Services& services, QWidget* parent)
    : QDialog(parent), m_engine(engine), m_services(services)
{
    setObjectName(QStringLiteral("Prank"));
    setWindowTitle(QStringLiteral("Prank"));

    Header = new QLabel(QStringLiteral("Prank"), this);
    Header->setObjectName(QStringLiteral("Label1"));
    Header->setAlignment(Qt::AlignCenter);
    storygames::setTextColour(Header, look::kYellow);
    ChooseLabel = new QLabel(QStringLiteral("Choose one of these stories"), this);
    ChooseLabel->setObjectName(QStringLiteral("Label2"));
    storygames::setTextColour(ChooseLabel, Qt::white);
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));

    // The word entry: the prompt, the words typed so far and the input on the next line.
    Panel3 = new QWidget(this);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Label3 = new QLabel(Panel3);
    Label3->setObjectName(QStringLiteral("Label3"));
    storygames::setTextColour(Label3, look::kYellow);
    for (int i = 0; i < storytext::kPrankWords; ++i) {
        auto* l = new QLabel(Panel3);
        l->setObjectName(QStringLiteral("ord%1").arg(i + 1));
        storygames::setTextColour(l, Qt::white);
        ord[static_cast<size_t>(i)] = l;
    }
    Edit1 = new QLineEdit(Panel3);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(storytext::kPrankWordLength);
    Edit1->installEventFilter(this);

    Panel4 = new QWidget(this);
    Panel4->setObjectName(QStringLiteral("Panel4"));
    Memo1 = new QPlainTextEdit(Panel4);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setStyleSheet(QStringLiteral("background: silver; color: black;"));
    BitBtn1 = new QPushButton(QStringLiteral("&Print"), Panel4);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    Button2 = new QPushButton(QStringLiteral("&New story"), Panel4);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button1 = new QPushButton(QStringLiteral("&Leave"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    for (QPushButton* b : {BitBtn1, Button2, Button1})
        b->setAutoDefault(false);
    auto* result = new QVBoxLayout(Panel4);
    result->setContentsMargins(0, 0, 0, 0);
    result->addWidget(Memo1, 1);
    auto* resultButtons = new QHBoxLayout;
    resultButtons->addWidget(BitBtn1);
    resultButtons->addWidget(Button2);
    resultButtons->addStretch(1);
    result->addLayout(resultButtons);

    auto* main = new QVBoxLayout(this);
    main->addWidget(Header);
    main->addWidget(ChooseLabel);
    main->addWidget(ListBox1, 1);
    main->addWidget(Panel3, 1);
    main->addWidget(Panel4, 1);
    main->addWidget(Button1, 0, Qt::AlignRight);

    connect(ListBox1, &QListWidget::itemClicked, this, [this] { ListBox1Click(); });
    connect(ListBox1, &QListWidget::itemActivated, this, [this] { ListBox1Click(); });
    connect(BitBtn1, &QPushButton::clicked, this, &TPrank::BitBtn1Click);
    connect(Button2, &QPushButton::clicked, this, &TPrank::Button2Click);
    connect(Button1, &QPushButton::clicked, this, &QDialog::reject);
}

void TPrank::FormCreate()
{
    storygames::setUpWindow(this, m_services, kBackground);
    layoutWindow();
    QList<QByteArray> lines;
    const QByteArray file = storygames::currentFile(m_engine, kStoryFile);
    if (storygames::readDataText(m_engine, file, lines))
        m_stories = storytext::readPrankStories(lines);
    if (m_stories.isEmpty()) {
        if (!lines.isEmpty())
            m_engine.fileError(file);
        QMetaObject::invokeMethod(this, &QDialog::reject, Qt::QueuedConnection);
    }
    FormShow();
}

void TPrank::layoutWindow()
{
    const QSize screen = storygames::screenSize(m_services);
    const int margin = std::max(4, screen.height() / 50);
    layout()->setContentsMargins(margin, margin, margin, margin);
    const QFont plain = storygames::arialPixels(m_engine, 18);
    for (QWidget* w : findChildren<QWidget*>())
        w->setFont(plain);
    Header->setFont(storygames::arialPixels(m_engine, 40));
    QFont memo = look::arial(19, true, true);
    memo.setPixelSize(std::max(10, look::scaled(19, std::max(100, m_engine.screenScale))));
    Memo1->setFont(memo);
}

void TPrank::placeInput()
{
    // The input stands on the line of the next word, 4/3 of the prompt's height apart.
    const int step = QFontMetrics(Label3->font()).height() * 4 / 3;
    const int width = QFontMetrics(Edit1->font()).horizontalAdvance(QLatin1Char('M')) * 22;
    const int promptWidth = QFontMetrics(Label3->font()).horizontalAdvance(Label3->text()) + 10;
    Label3->setGeometry(0, 0, promptWidth, step);
    for (int i = 0; i < storytext::kPrankWords; ++i)
        ord[static_cast<size_t>(i)]->setGeometry(0, step * (i + 1), width, step);
    const int line = std::min(m_entered, storytext::kPrankWords - 1);
    Edit1->setGeometry(0, step * (line + 1), width, step);
    Panel3->setMinimumHeight(step * (storytext::kPrankWords + 1));
}

void TPrank::FormShow()
{
    for (auto& table : m_words)
        table.clear();
    AntalHistorier();
    Panel3->hide();
    Panel4->hide();
    ChooseLabel->show();
    ListBox1->show();
    ListBox1->setFocus();
}

void TPrank::AntalHistorier()
{
    ListBox1->clear();
    for (const storytext::PrankStory& s : m_stories)
        ListBox1->addItem(text(s.title));
    if (ListBox1->count() > 0)
        ListBox1->setCurrentRow(0);
}

void TPrank::ListBox1Click()
{
    if (ListBox1->isHidden() || ListBox1->currentRow() < 0)
        return;
    m_story = ListBox1->currentRow();
    ListBox1->hide();
    ChooseLabel->hide();
    for (auto& table : m_words)
        table.clear();
    m_kind = storytext::Adjective;
    MataInOrd();
}

void TPrank::MataInOrd()
{
    m_entered = 0;
    for (QLabel* l : ord)
        l->clear();
    const int gaps = m_stories.at(m_story).gaps[static_cast<size_t>(m_kind)];
    Label3->setText(prompt(m_kind, storytext::wordsToAsk(gaps)));
    Panel3->show();
    placeInput();
    Edit1->clear();
    Edit1->setFocus();
}

void TPrank::Edit1KeyPress()
{
    if (m_story < 0 || Panel3->isHidden())
        return;
    const int count =
        storytext::wordsToAsk(m_stories.at(m_story).gaps[static_cast<size_t>(m_kind)]);
    const QByteArray word = cp1252::fromUnicode(Edit1->text()).trimmed();
    if (count > 0) {
        // A gap is filled with a word: an empty Enter asks again.
        if (word.isEmpty())
            return;
        ord[static_cast<size_t>(m_entered)]->setText(text(word));
        m_words[static_cast<size_t>(m_kind)].append(word);
    }
    ++m_entered;
    Edit1->clear();
    if (m_entered < std::max(count, 1)) {
        placeInput();
        return;
    }
    if (++m_kind <= storytext::Plural) {
        MataInOrd();
        return;
    }
    Panel3->hide();
    SlumpaOrd();
    SettInOrd();
}

void TPrank::SlumpaOrd()
{
    // Each table is shuffled on its own, with the program's generator; the item order that
    // the exercises share is left alone.
    for (QList<QByteArray>& table : m_words) {
        const QList<QByteArray> before = table;
        const QList<int> order =
            storytext::shuffled(static_cast<int>(before.size()), m_engine.random());
        for (qsizetype i = 0; i < before.size(); ++i)
            table[i] = before.at(order.at(i));
    }
}

void TPrank::SettInOrd()
{
    const QSize screen = storygames::screenSize(m_services);
    const int width = screen.width() == 640 ? 500 : 600;
    const QList<QByteArray> filled = storytext::fillGaps(m_stories.at(m_story), m_words);
    const QList<QByteArray> laid = storytext::flowLines(filled, [&](const QByteArray& t) {
        return storygames::wrapText(m_engine, 10, 10 + width, t);
    });
    QStringList lines;
    for (const QByteArray& l : laid)
        lines << text(l);
    Memo1->setPlainText(lines.join(QLatin1Char('\n')));
    Panel4->show();
    BitBtn1->setFocus();
}

QStringList TPrank::result() const
{
    if (Panel4->isHidden())
        return {};
    return Memo1->toPlainText().split(QLatin1Char('\n'));
}

void TPrank::BitBtn1Click()
{
    const QStringList lines = result();
    if (!m_services.printer || lines.isEmpty())
        return;
    Printer& printer = *m_services.printer;
    const PrinterFont font{QStringLiteral("Arial"), 12, false};
    printer.setFont(font);
    storygames::PrintLayout at;
    at.x = 200;
    at.titleY = 80;
    at.bodyY = 80 + printer.textHeight(lines.first()) + 40;
    at.gap = 10;
    storygames::printLines(printer, lines.first(), font, lines.mid(1), font, at);
}

void TPrank::Button2Click()
{
    Panel4->hide();
    ChooseLabel->show();
    ListBox1->show();
    if (ListBox1->count() > 0)
        ListBox1->setCurrentRow(0);
    ListBox1->setFocus();
}

void TPrank::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TPrank::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Edit1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Edit1KeyPress();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace vindra
