// The splash window, shown at start-up and again as the About window. It
// closes itself at the 51st tick of its 100 ms timer, on any character key
// or on a click on its frame or its wide picture; the first time it closes,
// it shows the main window.
#pragma once

#include "ui/main/frm_main.h"
#include "ui/platform/desktop_services.h"

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QTimer>

#include <cstdint>

namespace orv::ui {

inline const QString kMakerAddress = QStringLiteral("https://orv.example.org/");

class frmSplash : public QDialog {
    Q_OBJECT

public:
    frmSplash(frmMain& mainWindow, DesktopServices& desktop, QWidget* parent);

    void Timer1_Timer();
    void Form_KeyPress(int characterCode);
    void Frame1_Click();
    void Picture1_Click();
    void Label1_Click();

    [[nodiscard]] int Ticks() const { return m_ticks; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void Form_Load();
    void Form_Unload();

    QFrame* Frame1;
    QLabel *lblProductName, *Label1, *Label2, *Label3, *lblWarning, *Picture1, *Picture2;
    QTimer* Timer1;
    frmMain& m_main;
    DesktopServices& m_desktop;
    std::int16_t m_ticks = 0;
};

} // namespace orv::ui
