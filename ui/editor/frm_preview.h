// The holder of the preview frame that the picture dialog shows beside its
// file list. The window itself is never shown.
#pragma once

#include "ui/editor/stretched_image.h"

#include <QDialog>
#include <QGroupBox>

namespace orv::ui {

class frmPreview : public QDialog {
    Q_OBJECT

public:
    explicit frmPreview(QWidget* parent);

    QGroupBox* Frame1;
    StretchedImage* Image1;
};

} // namespace orv::ui
