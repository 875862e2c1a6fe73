#pragma once

#include "engine/engine.h"
#include "framework/formregistry.h"
#include "framework/services.h"
#include "platform/qtpicture.h"

#include <QPixmap>
#include <QWidget>

#include <array>
#include <memory>

class QLabel;
class QPushButton;
class QFrame;

namespace vindra {

class MenuPanel;
class RoundedBox;

/// The main window: the program's first and last screen. It owns the engine and hands it,
/// with the platform services, to every window it opens. Closing it ends the program.
///
/// The menu panel in the middle holds the main menu; three pictures on each side (drawn
/// once at creation) show a caption while the mouse is over them. "Göra arbetsblad"
/// switches worksheet mode (session mode 1) on and off, and every switch clears the
/// collected worksheet.
class TEngel : public QWidget {
    Q_OBJECT
public:
    TEngel(std::unique_ptr<Engine> engine, const Services& services, QWidget* parent = nullptr);
    ~TEngel() override;

    Engine& engine() { return *m_engine; }
    const Services& services() const { return m_services; }
    /// The print-queue window, created after the main window and kept for the run.
    void setUtskrift(TUtskrift* utskrift) { m_services.utskrift = utskrift; }
    /// The diagnosis printout form, created after the main window and kept for the run.
    void setDiagutform(TDiagutform* form) { m_services.diagutform = form; }

    /// Main-menu button `Button<n>` (1..11).
    QPushButton* button(int n) const { return m_buttons[static_cast<size_t>(n)]; }

    /// The forms the menus open; tests put their own in (it must outlive the window).
    void setFormRegistry(const FormRegistry& forms) { m_services.forms = &forms; }

    /// The number (1..26) of main-window picture `k` (1..6), 0 before the pictures are drawn.
    int pictureNumber(int k) const { return m_pictureNumbers[static_cast<size_t>(k)]; }
    /// The image of main-window picture `k` (1..3 left column, 4..6 right column).
    QLabel* pictureImage(int k) const { return m_images[static_cast<size_t>(k)]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void FormCreate();
    void layoutWindow();
    bool picturesDrawnFromSource() const;
    void choosePictures();
    void startbilder();
    void loadBackground();
    void BildImageMouseMove(int k);
    int scaled(int v) const;
    int labelWidth(const QLabel* label, int pixels) const;

    void openMainMenu(int buttonNumber);
    void Button7Click();
    void Button8Click();
    void Button9Click();
    void Button10Click();
    void Button11Click();
    void showWorksheetMode(bool on);
    void clearWorksheet();

    std::unique_ptr<Engine> m_engine;
    Services m_services;

    QLabel* Image1 = nullptr;
    QFrame* Panel9 = nullptr;
    MenuPanel* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    RoundedBox* Shape1 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    std::array<QPushButton*, 12> m_buttons{}; ///< Button1..Button11
    std::array<QLabel*, 7> m_images{};        ///< BildImage11..13, BildImage21..23 as 1..6
    std::array<int, 7> m_pictureNumbers{};
    /// The pictures read by choosePictures(), placed by startbilder() or loadBackground();
    /// null where a picture is drawn from its source at its place's size or is missing.
    std::array<QPixmap, 7> m_pictureBitmaps{};
    /// The sources of the pictures drawn at their place's size on a larger screen.
    std::array<SvgPicture, 7> m_pictureSources{};
    /// Their files, and the drawings kept from an earlier run for this screen.
    std::array<QString, 7> m_sourcePaths{};
    std::array<PictureCache::Entry, 7> m_keptDrawings{};
    int m_label3Pixels = 11; ///< Label3's font size; the upper right caption shrinks it
};

} // namespace vindra
