#pragma once

#include "engine/engine.h"
#include "framework/services.h"

#include <QDialog>

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;

namespace vindra {

/// The synonym list: thirty Swedish words, each with a word-choice exercise of its English
/// translations and a rule page that tells them apart. A mouse click, a double click or
/// Enter opens the chosen word's exercise; F1 or the right mouse button shows its rule page.
class Tlista : public QDialog {
    Q_OBJECT
public:
    Tlista(Engine& engine, const Services& services, QWidget* parent = nullptr);

    /// The colours of the session mode (maroon in worksheet mode).
    void FormCreate();

    /// Opens the exercise of the selected word; nothing when no word is selected.
    void ListBox1Click();
    void ListBox1DblClick() { ListBox1Click(); }
    void ListBox1KeyPress() { ListBox1Click(); }
    /// Shows the rule page of the selected word when its rule file is there.
    void ListBox1KeyDown();
    void ListBox1MouseDown() { ListBox1KeyDown(); }

    QListWidget* list() const { return ListBox1; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// The exercise code of the selected word, 0 when none is selected.
    int selectedCode() const;

    Engine& m_engine;
    Services m_services;
    QFrame* Panel1 = nullptr;
    QLabel* Label1 = nullptr; ///< "Synonymer"
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QPushButton* Button1 = nullptr; ///< "&Avbryt"
};

} // namespace vindra
