#include "top9u.h"

#include "engine/catalogue.h"
#include "engine/cp1252.h"
#include "engine/engine.h"
#include "framework/look.h"
#include "platform/files.h"
#include "storygames.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace vindra {

namespace {

const QColor kPanel(255, 255, 225);

} // namespace

QWidget* Ttop9::panel(const char* name, const QStringList& lines, QList<QLabel*>* labels)
{
    auto* p = new QWidget(this);
    p->setObjectName(QString::fromLatin1(name));
    storygames::setFill(p, kPanel);
    auto* layout = new QVBoxLayout(p);
    int n = 1;
    for (const QString& line : lines) {
        auto* l = new QLabel(line, p);
        l->setObjectName(QString::fromLatin1(name) + QStringLiteral("Line%1").arg(n++));
        storygames::setTextColour(l, look::kNavy);
        layout->addWidget(l);
        if (labels)
            labels->append(l);
    }
    return p;
}

Ttop9::Ttop9(Engine& engine, const Services& services, QWidget* parent)
    : QDialog(parent), m_engine(engine), m_services(services)
{
    setObjectName(QStringLiteral("top9"));
    setWindowTitle(QStringLiteral("TOP 9"));

    Background = new QLabel(this);
    Background->setObjectName(QStringLiteral("Image1"));
    Background->setScaledContents(true);
    Background->hide();

    auto leave = [this](QWidget* p, const char* name) {
        auto* b = new QPushButton(QStringLiteral("&Leave"), p);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        b->installEventFilter(this);
        connect(b, &QPushButton::clicked, this, &QDialog::reject);
        LeaveButtons.append(b);
        return b;
    };

    Panel1 =
        panel("Panel1",
              {QStringLiteral("Hello,"), QStringLiteral("My name is Sevra. I like magic"),
               QStringLiteral("experiments. We'll soon make one."),
               QStringLiteral("Be serious now and tell me your"), QStringLiteral("real name.")});
    auto* nameRow = new QHBoxLayout;
    auto* nameCaption = new QLabel(QStringLiteral("Your name is:"), Panel1);
    nameCaption->setObjectName(QStringLiteral("Label6"));
    storygames::setTextColour(nameCaption, look::kNavy);
    Edit1 = new QLineEdit(Panel1);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMaxLength(20);
    Edit1->installEventFilter(this);
    nameRow->addWidget(nameCaption);
    nameRow->addWidget(Edit1, 1);
    static_cast<QVBoxLayout*>(Panel1->layout())->addLayout(nameRow);
    Panel1->layout()->addWidget(leave(Panel1, "Button1"));

    const QStringList boyOrGirl{QStringLiteral("Well, now I feel embarrassed."),
                                QStringLiteral("I am not very good at names"),
                                QStringLiteral("so you have to tell me if you"),
                                QStringLiteral("are a boy or a girl."),
                                QString(),
                                QStringLiteral("   PRESS B FOR BOY"),
                                QStringLiteral("   PRESS G FOR GIRL")};
    Panel2 = panel("Panel2", boyOrGirl);
    Button2 = leave(Panel2, "Button2");
    Panel2->layout()->addWidget(Button2);

    Panel3 = panel("Panel3",
                   {QStringLiteral("Thank you! Now think of the nine"), QString(),
                    QStringLiteral("Write their names, one on each line."), QString(),
                    QStringLiteral("Press Continue when you are ready.")},
                   &Panel3Lines);
    Button4 = new QPushButton(QStringLiteral("&Continue"), Panel3);
    Button4->setObjectName(QStringLiteral("Button4"));
    Button4->setAutoDefault(false);
    connect(Button4, &QPushButton::clicked, this, &Ttop9::Button4Click);
    auto* continueRow = new QHBoxLayout;
    continueRow->addWidget(Button4);
    continueRow->addWidget(leave(Panel3, "Button3"));
    static_cast<QVBoxLayout*>(Panel3->layout())->addLayout(continueRow);

    Panel4 = panel("Panel4", {});
    Heading = new QLabel(Panel4);
    Heading->setObjectName(QStringLiteral("Heading"));
    storygames::setTextColour(Heading, look::kMaroon);
    Panel4->layout()->addWidget(Heading);
    Rows = new QGridLayout;
    for (int i = 0; i < 9; ++i) {
        auto* number = new QLabel(QString::number(i + 1), Panel4);
        number->setObjectName(QStringLiteral("Row%1").arg(i + 1));
        storygames::setTextColour(number, look::kNavy);
        auto* name = new QLabel(Panel4);
        name->setObjectName(QStringLiteral("RowName%1").arg(i + 1));
        storygames::setTextColour(name, look::kNavy);
        RowNames[static_cast<size_t>(i)] = name;
        Rows->addWidget(number, i, 0);
        Rows->addWidget(name, i, 1);
    }
    Edit2 = new QLineEdit(Panel4);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setMaxLength(20);
    Edit2->installEventFilter(this);
    Rows->setColumnStretch(1, 1);
    static_cast<QVBoxLayout*>(Panel4->layout())->addLayout(Rows);
    Panel4->layout()->addWidget(leave(Panel4, "Button5"));

    Panel5 = panel("Panel5", {QStringLiteral("In which group is your favourite?"),
                              QStringLiteral("Press 1, 2 or 3.")});
    auto* groups = new QHBoxLayout;
    for (int g = 0; g < 3; ++g) {
        auto* box = new QWidget(Panel5);
        box->setObjectName(QStringLiteral("Group%1").arg(g + 1));
        box->setStyleSheet(QStringLiteral("#Group%1 { border: 2px solid #000080; }").arg(g + 1));
        auto* column = new QVBoxLayout(box);
        auto* number = new QLabel(QString::number(g + 1), box);
        number->setObjectName(QStringLiteral("GroupNumber%1").arg(g + 1));
        number->setAlignment(Qt::AlignCenter);
        storygames::setTextColour(number, look::kMaroon);
        column->addWidget(number);
        for (int i = 0; i < 3; ++i) {
            auto* name = new QLabel(box);
            name->setObjectName(QStringLiteral("GroupName%1").arg(g * 3 + i + 1));
            storygames::setTextColour(name, look::kNavy);
            GroupNames[static_cast<size_t>(g * 3 + i)] = name;
            column->addWidget(name);
        }
        groups->addWidget(box);
    }
    static_cast<QVBoxLayout*>(Panel5->layout())->addLayout(groups);
    Button6 = leave(Panel5, "Button6");
    Panel5->layout()->addWidget(Button6);

    NameLabel = new QLabel(this);
    NameLabel->setObjectName(QStringLiteral("Label20"));
    FavouriteLabel = new QLabel(this);
    FavouriteLabel->setObjectName(QStringLiteral("Label21"));
    for (QLabel* l : {NameLabel, FavouriteLabel}) {
        l->setStyleSheet(QStringLiteral("color: yellow; background: rgba(0, 0, 80, 160);"));
        l->setAlignment(Qt::AlignCenter);
        look::setLiesOnTop(l);
        l->hide();
    }
    Button7 = new QPushButton(QStringLiteral("&Leave"), this);
    Button7->setObjectName(QStringLiteral("Button7"));
    Button7->setAutoDefault(false);
    look::setLiesOnTop(Button7);
    Button7->hide();
    connect(Button7, &QPushButton::clicked, this, &QDialog::reject);
}

void Ttop9::FormCreate()
{
    storygames::setUpWindow(this, m_services, look::kNavy);
    layoutWindow();
    for (QWidget* p : {Panel2, Panel3, Panel4, Panel5})
        p->hide();
    Panel1->show();
    Edit1->setFocus();
}

void Ttop9::layoutWindow()
{
    const QSize screen = storygames::screenSize(m_services);
    const QFont plain = storygames::arialPixels(m_engine, 20);
    for (QWidget* w : findChildren<QWidget*>())
        w->setFont(plain);
    for (QLabel* l : {NameLabel, FavouriteLabel})
        l->setFont(storygames::arialPixels(m_engine, 27));
    Background->setGeometry(QRect(QPoint(0, 0), screen));
    for (QWidget* p : {Panel1, Panel2, Panel3, Panel4, Panel5}) {
        p->adjustSize();
        const int w = std::max(p->sizeHint().width(), screen.width() / 2);
        const int h = std::min(p->sizeHint().height(), screen.height() - 20);
        p->setGeometry((screen.width() - w) / 2, (screen.height() - h) / 2, w, h);
    }
}

void Ttop9::Edit1KeyPress()
{
    const QString name = Edit1->text().trimmed();
    if (name.isEmpty())
        return;
    m_player = name;
    Panel1->hide();
    Panel2->show();
    Button2->setFocus();
}

void Ttop9::Button2KeyPress(int key)
{
    if (key == Qt::Key_B)
        m_word = QStringLiteral("girls");
    else if (key == Qt::Key_G)
        m_word = QStringLiteral("boys");
    else
        return;
    Panel2->hide();
    Panel3Lines[1]->setText(m_word + QStringLiteral(" you like best."));
    Panel3->show();
    Button4->setFocus();
}

void Ttop9::Button4Click()
{
    Panel3->hide();
    Heading->setText(QStringLiteral("My nine favorite ") + m_word + QStringLiteral(" are"));
    for (QLabel* l : RowNames)
        l->clear();
    m_row = 1;
    Rows->addWidget(Edit2, 0, 1);
    RowNames[0]->hide();
    Panel4->show();
    Edit2->clear();
    Edit2->setFocus();
}

void Ttop9::Edit2KeyPress()
{
    const QString name = Edit2->text().trimmed();
    if (name.isEmpty() || m_row > 9)
        return;
    const auto k = static_cast<size_t>(m_row - 1);
    m_names[k] = cp1252::fromUnicode(name);
    RowNames[k]->setText(name);
    RowNames[k]->show();
    Edit2->clear();
    ++m_row;
    if (m_row <= 9) {
        Rows->addWidget(Edit2, m_row - 1, 1);
        RowNames[k + 1]->hide();
        return;
    }
    Panel4->hide();
    // The names are shuffled in a table of the window's own.
    m_trick.setNames(m_names);
    m_trick.deal(m_engine.random());
    showGroups();
    Panel5->show();
    Button6->setFocus();
}

void Ttop9::showGroups()
{
    for (size_t i = 0; i < 9; ++i)
        GroupNames[i]->setText(cp1252::toUnicode(m_trick.names()[i]));
}

void Ttop9::Button6KeyPress(int key)
{
    const char c =
        key >= Qt::Key_1 && key <= Qt::Key_3 ? static_cast<char>('1' + key - Qt::Key_1) : 0;
    if (m_trick.stage() == 1) {
        m_trick.firstAnswer(c);
        showGroups();
        return;
    }
    if (m_trick.stage() == 2 && c != 0) {
        FavouriteLabel->setText(cp1252::toUnicode(m_trick.secondAnswer(c)));
        SkrivDet();
    }
}

void Ttop9::SkrivDet()
{
    if (NameLabel->isVisible())
        return;
    Panel5->hide();
    const QString path = m_engine.materialPath("\\BILD\\" + catalogue::endingPictureFile(1));
    QPixmap picture;
    if (files::isFile(path) && picture.load(files::resolve(path)))
        Background->setPixmap(picture);
    Background->show();
    const QSize screen = storygames::screenSize(m_services);
    NameLabel->setText(m_player);
    for (QLabel* l : {NameLabel, FavouriteLabel}) {
        const QFontMetrics fm(l->font());
        l->resize(fm.horizontalAdvance(l->text()) + 24, fm.height() + 8);
    }
    const int middle = screen.height() / 2;
    NameLabel->move((screen.width() - NameLabel->width()) / 2,
                    middle - NameLabel->height() / 2 - 50);
    FavouriteLabel->move((screen.width() - FavouriteLabel->width()) / 2,
                         middle + NameLabel->height() - FavouriteLabel->height() / 2 - 40);
    NameLabel->show();
    FavouriteLabel->show();
    NameLabel->raise();
    FavouriteLabel->raise();
    const QFontMetrics fm(Button7->font());
    const QSize b(fm.horizontalAdvance(QStringLiteral("Leave")) + 40, fm.height() + 12);
    Button7->setGeometry((screen.width() - b.width()) / 2, screen.height() - b.height() - 2,
                         b.width(), b.height());
    Button7->show();
    Button7->raise();
    Button7->setFocus();
}

QString Ttop9::favourite() const
{
    return FavouriteLabel->isVisible() ? FavouriteLabel->text() : QString();
}

void Ttop9::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool Ttop9::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape) {
            reject();
            return true;
        }
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        if (watched == Edit1 && enter) {
            Edit1KeyPress();
            return true;
        }
        if (watched == Edit2 && enter) {
            Edit2KeyPress();
            return true;
        }
        if (watched == Button2 && key != Qt::Key_Space && !enter) {
            Button2KeyPress(key);
            return true;
        }
        if (watched == Button6 && key != Qt::Key_Space && !enter) {
            Button6KeyPress(key);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace vindra
