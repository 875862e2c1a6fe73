#include "listu.h"

#include "engine/catalogue.h"
#include "framework/look.h"
#include "framework/regel.h"
#include "platform/messages.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace vindra {

Tlista::Tlista(Engine& engine, const Services& services, QWidget* parent)
    : QDialog(parent), m_engine(engine), m_services(services)
{
    setObjectName(QStringLiteral("lista"));
    setWindowTitle(QStringLiteral("Synonymer"));
    setModal(true);
    const int scale = m_engine.screenScale > 0 ? m_engine.screenScale : 100;
    setFont(look::arial(look::scaled(12, scale)));

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setAutoFillBackground(true);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);

    auto label = [this](const QString& name, const QString& text) {
        auto* l = new QLabel(text, Panel1);
        l->setObjectName(name);
        l->setAlignment(Qt::AlignHCenter);
        return l;
    };
    Label1 = label(QStringLiteral("Label1"), QStringLiteral("Synonymer"));
    Label1->setFont(look::arial(look::scaled(20, scale)));
    Label2 = label(QStringLiteral("Label2"), QStringLiteral("Välj en synonym från listan."));
    Label3 = label(QStringLiteral("Label3"), QStringLiteral("F1 eller höger musknapp"));
    Label4 = label(QStringLiteral("Label4"), QStringLiteral("ger regel."));

    ListBox1 = new QListWidget(Panel1);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setAccessibleName(QStringLiteral("Synonymer"));
    for (const catalogue::Synonym& s : catalogue::synonyms()) {
        auto* item = new QListWidgetItem(QString::fromUtf8(s.word), ListBox1);
        item->setData(Qt::UserRole, s.code);
    }
    ListBox1->setCurrentRow(-1);
    const int rowHeight = ListBox1->sizeHintForRow(0);
    ListBox1->setMinimumHeight(rowHeight * 12 + 2 * ListBox1->frameWidth());
    ListBox1->installEventFilter(this);
    ListBox1->viewport()->installEventFilter(this);
    // A mouse click opens the word it lands on; moving with the arrow keys only selects,
    // so a keyboard user reaches any word without opening the ones on the way.
    connect(ListBox1, &QListWidget::itemClicked, this, [this] { ListBox1Click(); });
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, [this] { ListBox1DblClick(); });

    Button1 = new QPushButton(QStringLiteral("&Avbryt"), Panel1);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    connect(Button1, &QPushButton::clicked, this, &Tlista::reject);

    auto* inner = new QVBoxLayout(Panel1);
    inner->addWidget(Label1);
    inner->addWidget(Label2);
    inner->addWidget(ListBox1);
    inner->addWidget(Label3);
    inner->addWidget(Label4);
    inner->addWidget(Button1, 0, Qt::AlignHCenter);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(Panel1);
    ListBox1->setFocus();
}

void Tlista::FormCreate()
{
    const bool worksheet = m_engine.session.mode == SessionMode::Worksheet;
    QPalette pal = Panel1->palette();
    pal.setColor(QPalette::Window, worksheet ? look::kMaroon : palette().color(QPalette::Window));
    Panel1->setPalette(pal);
    Label1->setStyleSheet(look::colourStyle(worksheet ? look::kYellow : look::kNavy));
    for (QLabel* l : {Label2, Label3, Label4})
        l->setStyleSheet(look::colourStyle(worksheet ? look::kYellow : QColor(Qt::black)));
}

int Tlista::selectedCode() const
{
    const QListWidgetItem* item = ListBox1->currentItem();
    if (!item || !item->isSelected())
        return 0;
    return item->data(Qt::UserRole).toInt();
}

void Tlista::ListBox1Click()
{
    const int code = selectedCode();
    if (code == 0)
        return; // nothing chosen: there is no exercise to open
    const QByteArray name = catalogue::synonymDataFile(code);
    m_engine.setCurrentFileName(name);
    if (!m_engine.Kolla(name))
        return;
    static const FormRegistry none;
    const FormRegistry& forms = m_services.forms ? *m_services.forms : none;
    const auto form = forms.constFind(QByteArrayLiteral("TFLERBAR"));
    if (form == forms.constEnd()) {
        if (m_services.messages)
            m_services.messages->show(MessageKind::Information,
                                      QString::fromUtf8(kFormNotAvailable));
        return;
    }
    (*form)(m_engine, m_services, this);
}

void Tlista::ListBox1KeyDown()
{
    const int code = selectedCode();
    if (code == 0 || !m_engine.Kolla2(catalogue::synonymGateFile(code)))
        return;
    m_engine.item.exerciseCode = static_cast<quint16>(code);
    TRegelform viewer(m_engine, m_services, code, this);
    viewer.exec();
}

bool Tlista::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ListBox1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            ListBox1KeyPress();
            return true;
        }
        if (key->key() == Qt::Key_F1) {
            ListBox1KeyDown();
            return true;
        }
    }
    if (watched == ListBox1->viewport()) {
        const QEvent::Type t = event->type();
        if (t == QEvent::MouseButtonPress || t == QEvent::MouseButtonRelease ||
            t == QEvent::MouseButtonDblClick) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton)
                return false;
            // The right button asks for the rule page of the word it is pressed on (alone,
            // without another button or a modifier key); no other button selects or opens.
            if (t == QEvent::MouseButtonPress && mouse->button() == Qt::RightButton &&
                mouse->buttons() == Qt::RightButton && mouse->modifiers() == Qt::NoModifier) {
                if (QListWidgetItem* item = ListBox1->itemAt(mouse->position().toPoint()))
                    ListBox1->setCurrentItem(item);
                ListBox1MouseDown();
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace vindra
