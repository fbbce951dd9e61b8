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

    void Type(QLineEdit* box, const QString& text)
    {
        box->setText(text);
    }

    // The worked example: its tensor about the centre of gravity is
    // [[2, -0.1, 0.05], [-0.1, 3, 0.2], [0.05, 0.2, 3.5]].
    void TypeWorkedExample(ui::frmEdit& e, const QString& volume = QStringLiteral("200"))
    {
        Type(e.txtMass, "200");
        Type(e.txtVolume, volume);
        Type(e.txtCMx, "10");
        Type(e.txtCMy, "-20");
        Type(e.txtCMz, "5");
        Type(e.txtTheta, "0");
        Type(e.txtIxx, "2.85");
        Type(e.txtIyy, "3.25");
        Type(e.txtIzz, "4.5");
        Type(e.txtIxy, "3.35");
        Type(e.txtIyz, "4.275");
        Type(e.txtIzx, "3.625");
    }

    [[nodiscard]] std::vector<QLineEdit*> NumberBoxes(const ui::frmEdit& e) const
    {
        return {e.txtMass, e.txtVolume, e.txtCMx, e.txtCMy, e.txtCMz, e.txtTheta,
                e.txtIxx,  e.txtIyy,    e.txtIzz, e.txtIxy, e.txtIyz, e.txtIzx};
    }

    std::unique_ptr<ui::frmEdit> editor;
};

} // namespace orv::testing
