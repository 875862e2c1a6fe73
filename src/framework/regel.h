#pragma once

#include "engine/engine.h"
#include "framework/services.h"

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class QTextBrowser;

namespace vindra {

/// The rule window: shows the grammar rule page (an HTML file of REGLER) of a page number.
/// Opening it never changes the running exercise's code.
class TRegelform : public QDialog {
    Q_OBJECT
public:
    TRegelform(Engine& engine, const Services& services, int pageNumber, QWidget* parent = nullptr);

    /// Loads the page of the page number into the browser, or reports the missing file.
    void Webregel();
    void Button1Click() { accept(); }

    /// The local file shown, empty when none.
    QString shownFile() const { return m_shownFile; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Engine& m_engine;
    Services m_services;
    int m_pageNumber;
    QString m_shownFile;
    QFrame* Panel1 = nullptr;
    QLabel* Image1 = nullptr;
    QTextBrowser* WebBrowser1 = nullptr;
    QPushButton* Button1 = nullptr;
};

} // namespace vindra
