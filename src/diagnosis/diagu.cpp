#include "diagu.h"

#include "classreport.h"
#include "diaproto.h"
#include "engine/cp1252.h"
#include "nylos.h"
#include "platform/messages.h"
#include "platform/qtplatform.h"
#include "platform/screen.h"
#include "registersave.h"

#include <QCollator>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace vindra {

namespace {

/// Accepted at the teacher login whatever the stored password is; never stored in a file.
constexpr char kReservePassword[] = "Tam Vesk";
constexpr int kMaxFailures = 3;
constexpr int kNameLength = 20;
constexpr int kPasswordLength = 10;

QByteArray cp(const QString& s)
{
    return cp1252::fromUnicode(s);
}

QPushButton* button(const QString& caption, const char* name, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    // Enter belongs to the name list and the text fields, never to a button.
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

QLabel* label(const QString& text, const char* name, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

} // namespace

QStringList TDiag::helpLines()
{
    return {
        QStringLiteral("1. Så här tar du bort din sin egen diagnos:"),
        QStringLiteral("- När du ser namnlistan markerar du ditt namn. Klicka försiktigt eller "
                       "använd nedåtpilen"),
        QStringLiteral("- Tryck sedan på bokstaven R som i Radera."),
        QStringLiteral("- Skriv ditt lösenord."),
        QStringLiteral("- Du får då för säkerhets skull en fråga om du verkligen vill ta bort din "
                       "diagnos"),
        QStringLiteral("- Gör du detta försvinner diagnosen från listan och kan inte återskapas"),
        QStringLiteral("2. Om du är administratör av datorprogrammet gör du så här."),
        QStringLiteral("- Klicka på Ny person"),
        QStringLiteral("- Skriv Väktor i rutan"),
        QStringLiteral("- Skriv lösenordet som till en början är KORPMARK"),
        QStringLiteral("- Du kan då välja mellan följande alternativ:"),
        QStringLiteral("a) Ta bort alla diagnoser. Registerfilen RDIAG.DIA raderas, men en kopia "
                       "av den sparas."),
        QStringLiteral("Kopian ligger i samma katalog och heter EN + år (två siffror) + månad + "
                       "dag + timme + minut + .DIS"),
        QStringLiteral("En ny DIA-fil skapas automatiskt när första diagnosen görs."),
        QStringLiteral("b) Ta bort enstaka med angivande av lösenordet Fungerar som under 1."),
        QStringLiteral("c) Ta bort enstaka utan att behöva ange lösenordet Fungerar som under 1 "
                       "men lösenordet behöver inte anges."),
        QStringLiteral("3. Om du som administratör vill ändra lösenordet gör du så här:"),
        QStringLiteral("- När INFO-knappen har focus trycker du bokstaven Ä och ändrar ditt "
                       "lösenord."),
        QStringLiteral("- Om du mot förmodan glömt lösenordet måste du kontakta mig,"),
        QStringLiteral("  Vindras utvecklare via programmets webbplats, för att få reda på "
                       "reservlösenordet."),
    };
}

TDiag::TDiag(Engine& engine, const Services& services, QWidget* parent)
    : QDialog(parent), m_engine(engine), m_services(services), m_register(engine)
{
    setObjectName(QStringLiteral("TDiag"));
    setWindowTitle(QStringLiteral("Diagnosis"));
    const int scale = m_engine.screenScale > 0 ? m_engine.screenScale : 100;
    setFont(toQFont(FontSpec{QStringLiteral("Arial"), 12 * scale / 100, false, true}));

    HeadingLabel = label(QStringLiteral("Choose your name and press Enter."), "HeadingLabel", this);
    NameList = new QListWidget(this);
    NameList->setObjectName(QStringLiteral("NameList"));
    NameList->setAccessibleName(QStringLiteral("Names"));
    NameList->setSelectionMode(QAbstractItemView::SingleSelection);
    NameList->installEventFilter(this);
    NamePrompt = label(QStringLiteral("Type your name and press Enter."), "NamePrompt", this);
    NameEdit = new QLineEdit(this);
    NameEdit->setObjectName(QStringLiteral("NameEdit"));
    NameEdit->setAccessibleName(QStringLiteral("Name"));
    NameEdit->setMaxLength(kNameLength);
    PasswordPrompt =
        label(QStringLiteral("Type your password and press Enter:"), "PasswordPrompt", this);
    ErrorLabel = label(QStringLiteral("Felaktigt lösen. Försök igen!"), "ErrorLabel", this);
    PasswordEdit = new QLineEdit(this);
    PasswordEdit->setObjectName(QStringLiteral("PasswordEdit"));
    PasswordEdit->setAccessibleName(QStringLiteral("Password"));
    PasswordEdit->setEchoMode(QLineEdit::Password);
    PasswordEdit->setMaxLength(kPasswordLength);

    TeacherPanel = new QFrame(this);
    TeacherPanel->setObjectName(QStringLiteral("TeacherPanel"));
    TeacherPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* teacherLayout = new QVBoxLayout(TeacherPanel);
    teacherLayout->addWidget(
        label(QStringLiteral("Välj ett alternativ"), "TeacherLabel", TeacherPanel));
    DeleteAllButton =
        button(QStringLiteral("Ta bort alla diagnoser"), "DeleteAllButton", TeacherPanel);
    DeleteWithPasswordButton = button(QStringLiteral("Ta bort enstaka med lösen"),
                                      "DeleteWithPasswordButton", TeacherPanel);
    DeleteWithoutPasswordButton = button(QStringLiteral("Ta bort enstaka utan lösen"),
                                         "DeleteWithoutPasswordButton", TeacherPanel);
    InfoButton = button(QStringLiteral("Info"), "InfoButton", TeacherPanel);
    InfoButton->installEventFilter(this);
    // The class overview on paper; the panel is only shown once the teacher has logged in.
    QPushButton* classReportButton =
        button(QStringLiteral("Skriv ut klassöversikt"), "ClassReportButton", TeacherPanel);
    for (QPushButton* b : {DeleteAllButton, DeleteWithPasswordButton, DeleteWithoutPasswordButton,
                           InfoButton, classReportButton})
        teacherLayout->addWidget(b);
    connect(classReportButton, &QPushButton::clicked, this,
            [this] { printClassOverview(m_engine, m_services.printer); });

    NewUserButton = button(QStringLiteral("&New user"), "NewUserButton", this);
    LeaveButton = button(QStringLiteral("&Leave"), "LeaveButton", this);

    auto* layout = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{HeadingLabel, NameList, NamePrompt, NameEdit,
                                                      PasswordPrompt, ErrorLabel, PasswordEdit})
        left->addWidget(w);
    left->addStretch();
    columns->addLayout(left, 3);
    columns->addWidget(TeacherPanel, 2, Qt::AlignTop);
    layout->addLayout(columns);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(NewUserButton);
    buttons->addStretch();
    buttons->addWidget(LeaveButton);
    layout->addLayout(buttons);

    // The help panel lies over the whole window.
    HelpPanel = new QFrame(this);
    HelpPanel->setObjectName(QStringLiteral("HelpPanel"));
    HelpPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    HelpPanel->setAutoFillBackground(true);
    auto* helpLayout = new QVBoxLayout(HelpPanel);
    helpLayout->addWidget(label(QStringLiteral("Ta bort diagnoser"), "HelpHeading", HelpPanel));
    auto* helpText = label(helpLines().join(QLatin1Char('\n')), "HelpText", HelpPanel);
    helpText->setWordWrap(true);
    helpLayout->addWidget(helpText);
    helpLayout->addStretch();
    CloseHelpButton = button(QStringLiteral("Stäng"), "CloseHelpButton", HelpPanel);
    helpLayout->addWidget(CloseHelpButton, 0, Qt::AlignRight);

    connect(NewUserButton, &QPushButton::clicked, this, &TDiag::NewUserButtonClick);
    connect(LeaveButton, &QPushButton::clicked, this, &TDiag::reject);
    connect(NameList, &QListWidget::itemDoubleClicked, this, &TDiag::chooseEntry);
    connect(NameEdit, &QLineEdit::returnPressed, this, &TDiag::NameEditReturn);
    connect(PasswordEdit, &QLineEdit::returnPressed, this, &TDiag::PasswordEditReturn);
    connect(DeleteAllButton, &QPushButton::clicked, this, &TDiag::DeleteAllButtonClick);
    connect(DeleteWithPasswordButton, &QPushButton::clicked, this, [this] { DeleteModeClick(2); });
    connect(DeleteWithoutPasswordButton, &QPushButton::clicked, this,
            [this] { DeleteModeClick(3); });
    connect(InfoButton, &QPushButton::clicked, this, [this] {
        HelpPanel->show();
        HelpPanel->raise();
    });
    connect(CloseHelpButton, &QPushButton::clicked, HelpPanel, &QWidget::hide);

    const QSize screen = m_services.screen ? m_services.screen->size() : QSize(1024, 768);
    resize(screen.width() * 3 / 4, screen.height() * 3 / 4);

    // Opening the window.
    m_deleteMode = 0;
    HelpPanel->hide();
    TeacherPanel->hide();
    m_teacherUnverified = true;
    m_deleteFlag = false;
    m_engine.diagnosis.teacherFlag = false;
    NewUserButton->setEnabled(true);
    NamePrompt->hide();
    VisaListbox();
    PasswordPrompt->hide();
    ErrorLabel->hide();
    PasswordEdit->hide();
    NameEdit->hide();
}

void TDiag::done(int result)
{
    m_engine.session.mode = SessionMode::Practice;
    QDialog::done(result);
}

void TDiag::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    HelpPanel->setGeometry(rect());
}

QListWidgetItem* TDiag::selectedEntry() const
{
    const QList<QListWidgetItem*> selected = NameList->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

void TDiag::VisaListbox()
{
    NameList->clear();
    const auto names = m_register.names();
    if (!names) {
        NameList->hide();
        HeadingLabel->hide();
        PasswordEdit->hide();
        NamePrompt->setText(QStringLiteral("Type your name and press Enter."));
        NamePrompt->show();
        return;
    }
    // The list is kept in the order a Swedish reader expects, whatever the file order.
    QCollator collator{QLocale(QLocale::Swedish, QLocale::Sweden)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    QList<QByteArray> sorted = *names;
    std::stable_sort(sorted.begin(), sorted.end(), [&](const QByteArray& a, const QByteArray& b) {
        return collator.compare(cp1252::toUnicode(a), cp1252::toUnicode(b)) < 0;
    });
    for (const QByteArray& name : sorted) {
        auto* item = new QListWidgetItem(cp1252::toUnicode(name), NameList);
        item->setData(Qt::UserRole, name);
    }
    HeadingLabel->show();
    NameList->show();
    PasswordEdit->hide();
    PasswordEdit->setEnabled(false);
}

bool TDiag::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const QString upper = key->text().toUpper();
    if (watched == NameList) {
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            chooseEntry(selectedEntry());
            return true;
        }
        if (upper == QLatin1String("R")) {
            deleteSelected();
            return true;
        }
    } else if (watched == InfoButton &&
               (upper == QStringLiteral("Ä") || key->key() == Qt::Key_Adiaeresis)) {
        changeTeacherPassword();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TDiag::showPasswordPrompt()
{
    ErrorLabel->hide();
    PasswordPrompt->show();
    PasswordEdit->clear();
    PasswordEdit->setEnabled(true);
    PasswordEdit->show();
    PasswordEdit->setFocus();
}

void TDiag::chooseEntry(QListWidgetItem* item)
{
    if (!item)
        return;
    NewUserButton->setEnabled(false);
    const QByteArray password = m_register.HaemtaDiagnos(item->data(Qt::UserRole).toByteArray());
    if (password.isEmpty()) {
        openProtocol();
        return;
    }
    NameList->hide();
    HeadingLabel->hide();
    NamePrompt->hide();
    NameEdit->hide();
    showPasswordPrompt();
}

void TDiag::NewUserButtonClick()
{
    NewUserButton->setEnabled(false);
    NameList->hide();
    HeadingLabel->hide();
    NamePrompt->setText(QStringLiteral("Type your name and press Enter."));
    NamePrompt->show();
    NameEdit->show();
    NameEdit->setFocus();
}

void TDiag::NameEditReturn()
{
    const QString typed = NameEdit->text();
    const QByteArray name = cp(typed);
    if (m_register.FinnsNamnet(name)) {
        NamePrompt->setText(QStringLiteral("Namnet finns redan. Skriv ett nytt!"));
        return;
    }
    if (typed.toUpper() == QStringLiteral("VÄKTOR")) {
        m_engine.diagnosis.teacherFlag = true;
        TeacherPanel->hide();
        NameList->hide();
        HeadingLabel->hide();
        NameEdit->hide();
        NamePrompt->hide();
        showPasswordPrompt();
        return;
    }
    m_engine.diagnosis.teacherFlag = false;
    if (name.isEmpty()) {
        NamePrompt->setText(QStringLiteral("Skriv ett riktigt namn!"));
        return;
    }
    NameList->hide();
    HeadingLabel->hide();
    m_register.RensaDiagnos();
    m_engine.diagnosis.current.name = name.left(diagnosisrecord::kNameWidth);
    // The new pupil is saved at once, which reserves the name: a pupil of the same name
    // created at the same moment on another computer is told so here, and neither record
    // ever replaces the other. Should the register not be writable now, the first save
    // that works later still refuses a name taken meanwhile.
    m_engine.diagnosis.newRecord = true;
    if (saveWithRetry(m_engine, m_register) == DiagnosisRegister::StoreResult::NameTaken) {
        NamePrompt->setText(QStringLiteral("Namnet finns redan. Skriv ett nytt!"));
        return;
    }
    openProtocol();
}

void TDiag::PasswordEditReturn()
{
    const QByteArray typed = cp(PasswordEdit->text());
    DiagnosisState& d = m_engine.diagnosis;

    if (d.teacherFlag && m_teacherUnverified) {
        m_register.LararLosenFil(1);
        // An empty stored password comes only from a damaged file and never opens the panel.
        const bool right = (!d.teacherPassword.isEmpty() && typed == d.teacherPassword) ||
                           typed == kReservePassword;
        if (!right) {
            TeacherPanel->hide();
            countFailure();
            return;
        }
        TeacherPanel->show();
        InfoButton->setFocus();
        NameList->show();
        NameList->setEnabled(false);
        for (QWidget* w : std::initializer_list<QWidget*>{NameEdit, ErrorLabel, HeadingLabel,
                                                          NamePrompt, PasswordPrompt, PasswordEdit})
            w->hide();
        m_teacherUnverified = false;
        return;
    }

    if (m_deleteFlag) {
        if (typed != d.current.password) {
            m_services.messages->show(MessageKind::Plain, QStringLiteral("Felaktigt lösen."));
            return;
        }
        ErrorLabel->hide();
        PasswordPrompt->hide();
        PasswordEdit->hide();
        NewUserButton->setEnabled(false);
        m_deleteBuffer = d.current.name;
        m_register.SparaRaderaProt(m_deleteBuffer);
        // Whatever the answer, this deletion is over: the next Enter is a login again.
        m_deleteFlag = false;
        VisaListbox();
        NameList->setEnabled(true);
        NameList->setFocus();
        NewUserButton->setEnabled(true);
        NewUserButton->show();
        return;
    }

    if (d.teacherFlag)
        return;
    if (typed != d.current.password) {
        countFailure();
        return;
    }
    ErrorLabel->hide();
    PasswordPrompt->hide();
    PasswordEdit->hide();
    openProtocol();
}

void TDiag::countFailure()
{
    ++m_failures;
    PasswordEdit->clear();
    if (m_failures >= kMaxFailures) {
        reject();
        return;
    }
    PasswordPrompt->hide();
    ErrorLabel->show();
}

void TDiag::deleteSelected()
{
    // Without a selected entry the key would act on whatever record happens to be loaded,
    // possibly another pupil's: it is ignored.
    QListWidgetItem* item = selectedEntry();
    if (!item)
        return;
    m_deleteFlag = true;
    NewUserButton->hide();
    m_register.HaemtaDiagnos(item->data(Qt::UserRole).toByteArray());
    if (m_deleteMode == 3) {
        m_deleteBuffer = m_engine.diagnosis.current.name;
        m_register.SparaRaderaProt(m_deleteBuffer);
        m_deleteFlag = false;
        VisaListbox();
        NameList->setFocus();
        return;
    }
    NameList->hide();
    HeadingLabel->hide();
    showPasswordPrompt();
}

void TDiag::openProtocol()
{
    {
        Tdiaprot protocol(m_engine, m_services, this);
        protocol.exec();
    }
    reject();
}

void TDiag::DeleteAllButtonClick()
{
    m_register.SparaUndanDiagnoser(m_register.Tidsstampel());
    reject();
}

void TDiag::DeleteModeClick(int mode)
{
    m_deleteMode = mode;
    NameList->setEnabled(true);
    NameList->setFocus();
}

void TDiag::changeTeacherPassword()
{
    {
        TNLOS dialog(m_engine, m_services, this);
        dialog.exec();
    }
    m_register.LararLosenFil(2);
}

} // namespace vindra
