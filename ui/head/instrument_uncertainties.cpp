#include "ui/head/instrument_uncertainties.h"

#include "ui/platform/app_info.h"
#include "ui/platform/user_settings.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace orv::ui {
namespace {

struct Setting {
    const char* key;
    double InputUncertainties::*member;
};

constexpr Setting kSettings[] = {
    {"uncertainties/mass", &InputUncertainties::mass},
    {"uncertainties/centre", &InputUncertainties::centre},
    {"uncertainties/reading", &InputUncertainties::reading},
    {"uncertainties/volume", &InputUncertainties::volume},
    {"uncertainties/lieAngle", &InputUncertainties::lieAngle},
};

QDoubleSpinBox* Box(QWidget* parent, const char* name, const QString& unit, int decimals)
{
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setDecimals(decimals);
    box->setRange(0, 1e6);
    box->setSuffix(QLatin1Char(' ') + unit);
    box->setSpecialValueText(QStringLiteral("not known"));
    return box;
}

} // namespace

InputUncertainties LoadInstrumentUncertainties()
{
    UserSettings settings;
    InputUncertainties u;
    for (const Setting& s : kSettings) {
        bool ok = false;
        const double value = settings.value(QString::fromLatin1(s.key)).toDouble(&ok);
        u.*s.member = ok && value > 0 && value < 1e30 ? value : 0;
    }
    u.readingInPercent = settings.value(QStringLiteral("uncertainties/readingInPercent")).toBool();
    return u;
}

void SaveInstrumentUncertainties(const InputUncertainties& uncertainties)
{
    UserSettings settings;
    for (const Setting& s : kSettings)
        settings.setValue(QString::fromLatin1(s.key), uncertainties.*s.member);
    settings.setValue(QStringLiteral("uncertainties/readingInPercent"),
                      uncertainties.readingInPercent);
}

frmUncertainties::frmUncertainties(QWidget* parent)
    : QDialog(parent)
    , txtUMass(Box(this, "txtUMass", QStringLiteral("g"), 3))
    , txtUCentre(Box(this, "txtUCentre", QStringLiteral("mm"), 3))
    , txtUReading(Box(this, "txtUReading", QStringLiteral("kg-cm\u00B2"), 4))
    , chkPercent(new QCheckBox(QStringLiteral("in % of each reading"), this))
    , txtUVolume(Box(this, "txtUVolume", QStringLiteral("cc"), 2))
    , txtULie(Box(this, "txtULie", QStringLiteral("\u00B0"), 3))
{
    setObjectName(QStringLiteral("frmUncertainties"));
    setWindowTitle(QStringLiteral("Instrument Uncertainties"));
    chkPercent->setObjectName(QStringLiteral("chkPercent"));
    connect(chkPercent, &QCheckBox::toggled, this, [this](bool percent) {
        txtUReading->setSuffix(percent ? QStringLiteral(" %") : QStringLiteral(" kg-cm\u00B2"));
    });
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Mass:"), txtUMass);
    form->addRow(QStringLiteral("Each &centre-of-gravity coordinate:"), txtUCentre);
    form->addRow(QStringLiteral("Each &reading:"), txtUReading);
    form->addRow(QString(), chkPercent);
    form->addRow(QStringLiteral("&Volume:"), txtUVolume);
    form->addRow(QStringLiteral("&Lie angle:"), txtULie);
    auto* note = new QLabel(QStringLiteral("Standard uncertainties of your instrument, one "
                                           "standard deviation each; 0 means not known."),
                            this);
    note->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void frmUncertainties::Show(const InputUncertainties& u)
{
    txtUMass->setValue(u.mass);
    txtUCentre->setValue(u.centre);
    txtUReading->setValue(u.reading);
    chkPercent->setChecked(u.readingInPercent);
    txtUVolume->setValue(u.volume);
    txtULie->setValue(u.lieAngle);
}

InputUncertainties frmUncertainties::Entered() const
{
    InputUncertainties u;
    u.mass = txtUMass->value();
    u.centre = txtUCentre->value();
    u.reading = txtUReading->value();
    u.readingInPercent = chkPercent->isChecked();
    u.volume = txtUVolume->value();
    u.lieAngle = txtULie->value();
    return u;
}

} // namespace orv::ui
