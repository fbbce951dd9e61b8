// How uncertain the instrument is: the standard uncertainties of its
// readings belong to the instrument, not to a document, so they are kept in
// the user's settings and set in a dialog of their own. 0 means not known.
#pragma once

#include "inertia/uncertainty.h"

#include <QDialog>

class QCheckBox;
class QDoubleSpinBox;

namespace orv::ui {

[[nodiscard]] InputUncertainties LoadInstrumentUncertainties();
void SaveInstrumentUncertainties(const InputUncertainties& uncertainties);

// "Instrument Uncertainties": one box per input, the readings' in kg-cm^2
// or in percent of each reading.
class frmUncertainties : public QDialog {
    Q_OBJECT

public:
    explicit frmUncertainties(QWidget* parent);

    void Show(const InputUncertainties& uncertainties);
    [[nodiscard]] InputUncertainties Entered() const;

private:
    QDoubleSpinBox* txtUMass;
    QDoubleSpinBox* txtUCentre;
    QDoubleSpinBox* txtUReading;
    QCheckBox* chkPercent;
    QDoubleSpinBox* txtUVolume;
    QDoubleSpinBox* txtULie;
};

} // namespace orv::ui
