#include "ui/editor/frm_preview.h"

#include "ui/platform/fonts.h"
#include "ui/platform/twips.h"

namespace orv::ui {

frmPreview::frmPreview(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmPreview"));
    setWindowTitle(QStringLiteral("Form1"));
    setFont(DialogFont());
    setFixedSize(TwipsSize(3510, 3465, *this));
    Frame1 = new QGroupBox(QStringLiteral("Preview"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(TwipsRect(180, 120, 3150, 3270, *this));
    Frame1->setFixedSize(Frame1->size());
    Image1 = new StretchedImage(QStringLiteral("Image1"), Frame1);
    Image1->setGeometry(TwipsRect(180, 300, 2800, 2800, *this));
}

} // namespace orv::ui
