// An editor opened from a loaded main window, as the Edit command opens it.
#pragma once

#include "tests/ui/main_window_fixture.h"
#include "ui/editor/frm_edit.h"

namespace orv::testing {

class EditorTest : public MainWindowTest {
protected:
    // Opens the editor on the active row, without running its modal loop.
    ui::frmEdit& Open()
    {
        editor = std::make_unique<ui::frmEdit>(data, *window, dialogs, window.get());
        editor->show();
        return *editor;
    }

    void Type(QLineEdit* box, const QString& text) { box->setText(text); }

    // The worked example: its tensor about the centre of gravity is
    // [[2, -0.1, 0.05], [-0.1, 3, 0.2], [0.05, 0.2, 3.5]].
    void TypeWorkedExample(ui::frmEdit& e, const QString& volume = QStringLiteral("200"))
    {
        Type(Control<QLineEdit>(e, "txtMass"), "200");
        Type(Control<QLineEdit>(e, "txtVolume"), volume);
        Type(Control<QLineEdit>(e, "txtCMx"), "10");
        Type(Control<QLineEdit>(e, "txtCMy"), "-20");
        Type(Control<QLineEdit>(e, "txtCMz"), "5");
        Type(Control<QLineEdit>(e, "txtTheta"), "0");
        Type(Control<QLineEdit>(e, "txtIxx"), "2.85");
        Type(Control<QLineEdit>(e, "txtIyy"), "3.25");
        Type(Control<QLineEdit>(e, "txtIzz"), "4.5");
        Type(Control<QLineEdit>(e, "txtIxy"), "3.35");
        Type(Control<QLineEdit>(e, "txtIyz"), "4.275");
        Type(Control<QLineEdit>(e, "txtIzx"), "3.625");
    }

    [[nodiscard]] std::vector<QLineEdit*> NumberBoxes(const ui::frmEdit& e) const
    {
        return {Control<QLineEdit>(e, "txtMass"), Control<QLineEdit>(e, "txtVolume"),
                Control<QLineEdit>(e, "txtCMx"),  Control<QLineEdit>(e, "txtCMy"),
                Control<QLineEdit>(e, "txtCMz"),  Control<QLineEdit>(e, "txtTheta"),
                Control<QLineEdit>(e, "txtIxx"),  Control<QLineEdit>(e, "txtIyy"),
                Control<QLineEdit>(e, "txtIzz"),  Control<QLineEdit>(e, "txtIxy"),
                Control<QLineEdit>(e, "txtIyz"),  Control<QLineEdit>(e, "txtIzx")};
    }

    std::unique_ptr<ui::frmEdit> editor;
};

} // namespace orv::testing
