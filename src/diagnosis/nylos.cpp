#include "nylos.h"

#include "engine/cp1252.h"
#include "platform/qtplatform.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vindra {

namespace {

constexpr int kPasswordWidth = 10;

} // namespace

TNLOS::TNLOS(Engine& engine, const Services& services, QWidget* parent)
    : QDialog(parent), m_engine(engine), m_services(services)
{
    setObjectName(QStringLiteral("TNLOS"));
    setWindowTitle(QStringLiteral("New password"));
    int points = 12;
    if (m_engine.screenScale > 0 && m_engine.screenScale != 100)
        points = points * m_engine.screenScale / 100;
    setFont(toQFont(FontSpec{QStringLiteral("Arial"), points, false, true}));

    Label1 = new QLabel(QStringLiteral("Type your new password and press Enter."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(QStringLiteral("Try again."), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->hide();
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setAccessibleName(QStringLiteral("New password"));
    Edit1->setEchoMode(QLineEdit::Password);
    Edit1->clear();
    LeaveButton = new QPushButton(QStringLiteral("&Leave"), this);
    LeaveButton->setObjectName(QStringLiteral("LeaveButton"));
    LeaveButton->setAutoDefault(false);
    LeaveButton->setDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    layout->addWidget(Edit1);
    layout->addWidget(LeaveButton, 0, Qt::AlignRight);

    connect(Edit1, &QLineEdit::returnPressed, this, &TNLOS::Edit1Return);
    connect(Edit1, &QLineEdit::textEdited, this, &TNLOS::Edit1Edited);
    connect(LeaveButton, &QPushButton::clicked, this, &TNLOS::reject);
    Edit1->setFocus();
}

QByteArray& TNLOS::password()
{
    return m_engine.diagnosis.teacherFlag ? m_engine.diagnosis.teacherPassword
                                          : m_engine.diagnosis.current.password;
}

void TNLOS::setMessage(const QString& text, bool tryAgain)
{
    Label1->setText(text);
    Label2->setVisible(tryAgain);
}

void TNLOS::Edit1Return()
{
    const QByteArray typed = cp1252::fromUnicode(Edit1->text());
    if (typed == password()) {
        Edit1->clear();
        setMessage(QStringLiteral("Det gamla lösenordet gäller inte!"), true);
        m_messageState = 2;
        return;
    }
    if (typed == m_firstEntry) {
        if (typed.isEmpty()) {
            Label1->setText(QStringLiteral("Det riktiga lösenordet, tack!"));
            m_messageState = 2;
            return;
        }
        // The register window's password field takes 10 characters, so a longer password
        // could never be typed at a login: the teacher's is kept to 10 like a pupil's.
        password() = typed.left(kPasswordWidth);
        accept();
        return;
    }
    Label2->hide();
    if (typed.isEmpty()) {
        Label1->setText(QStringLiteral("Det riktiga lösenordet, tack!"));
        m_messageState = 2;
        return;
    }
    if (m_firstEntry.isEmpty()) {
        m_firstEntry = typed;
        Label1->setText(QStringLiteral("Skriv lösenordet en gång till!"));
        Edit1->clear();
        return;
    }
    Edit1->clear();
    setMessage(QStringLiteral("Samma lösenord, tack!"), true);
    m_messageState = 2;
}

void TNLOS::Edit1Edited()
{
    if (m_messageState != 2)
        return;
    m_messageState = 1;
    setMessage(QStringLiteral("Go on typing your new password."), false);
}

} // namespace vindra
