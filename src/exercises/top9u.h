#pragma once

#include "engine/storytext.h"
#include "framework/services.h"

#include <QDialog>

#include <array>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vindra {

class Engine;

/// "TOP 9": a small mind-reading trick in English. The pupil gives their name, says whether
/// they are a boy or a girl, writes nine favourite names and twice names the group that holds
/// the favourite; the program then tells which name it is.
class Ttop9 : public QDialog {
    Q_OBJECT
public:
    Ttop9(Engine& engine, const Services& services, QWidget* parent = nullptr);

    void FormCreate();
    void Edit1KeyPress();          ///< Enter in the name field
    void Button2KeyPress(int key); ///< boy or girl
    void Button4Click();           ///< "&Continue"
    void Edit2KeyPress();          ///< Enter in a name row
    void Button6KeyPress(int key); ///< the group of the favourite

    const storytext::TopNine& trick() const { return m_trick; }
    QString word() const { return m_word; }
    /// The favourite once it is shown, else empty.
    QString favourite() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SkrivDet();
    void showGroups();
    void layoutWindow();
    QWidget* panel(const char* name, const QStringList& lines, QList<QLabel*>* labels = nullptr);

    Engine& m_engine;
    Services m_services;
    storytext::TopNine m_trick;
    std::array<QByteArray, 9> m_names;
    QString m_player;
    QString m_word;
    int m_row = 1;

    QLabel* Background = nullptr;
    QWidget* Panel1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QWidget* Panel2 = nullptr;
    QWidget* Panel3 = nullptr;
    QList<QLabel*> Panel3Lines;
    QWidget* Panel4 = nullptr;
    QLabel* Heading = nullptr;
    QGridLayout* Rows = nullptr;
    std::array<QLabel*, 9> RowNames{};
    QLineEdit* Edit2 = nullptr;
    QWidget* Panel5 = nullptr;
    std::array<QLabel*, 9> GroupNames{};
    QLabel* NameLabel = nullptr;
    QLabel* FavouriteLabel = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button4 = nullptr;
    QPushButton* Button6 = nullptr;
    QPushButton* Button7 = nullptr;
    QList<QPushButton*> LeaveButtons;
};

} // namespace vindra
