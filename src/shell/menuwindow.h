#pragma once

#include "engine/catalogue.h"
#include "engine/engine.h"
#include "framework/formregistry.h"
#include "framework/services.h"

#include <QDialog>

#include <vector>

class QFrame;
class QLabel;
class QPushButton;

namespace vindra {

class MenuPanel;

/// A menu window `TF1` … `TF61`, built from its catalogue entry: a navy panel (maroon in
/// worksheet mode) with a yellow title, the menu's buttons in catalogue order (`Button1`,
/// `Button2`, …) and the closing button last. The object name is the menu id. Shown
/// modally by its opener; Esc triggers the closing button.
///
/// A button opens its sub-menu modally, or prepares its exercise (the current data file
/// name and `Kolla`, or the exercise code of a word-list button) and opens the form only
/// when that succeeds. A target that is not in the form registry shows a message instead.
class TMenuWindow : public QDialog {
    Q_OBJECT
public:
    /// `forms` must outlive the window; sub-menus are opened with the same registry.
    TMenuWindow(Engine& engine, const Services& services, const catalogue::Menu& menu,
                QWidget* parent = nullptr);

    const catalogue::Menu& menu() const { return m_menu; }
    /// The buttons in display order, the closing button last.
    const std::vector<QPushButton*>& buttons() const { return m_buttons; }
    QPushButton* closeButton() const { return m_buttons.back(); }
    MenuPanel* panel() const { return Panel1; }
    QLabel* title() const { return Label1; }

    /// Creates the menu `id` on top of `parent`, shows it modally and frees it.
    static void openMenu(Engine& engine, const Services& services, const char* id, QWidget* parent);

    /// What a menu button does (the button's click): see the class comment.
    static void runButton(Engine& engine, const Services& services,
                          const catalogue::MenuButton& button, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate();
    void layoutMenu(int scale);
    int depth() const;

    Engine& m_engine;
    Services m_services;
    const catalogue::Menu& m_menu;

    MenuPanel* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    std::vector<QPushButton*> m_buttons;
};

} // namespace vindra
