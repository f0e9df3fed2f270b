// Spin boxes carry their unit, so that the value and its unit are seen and spoken together; the
// wavelength, a length, has the arrow's turn per pixel beside it. Typed values are written when
// confirmed, arrow steps at once.
#include "ExperimentPanel.h"

#include "Conversion.h"
#include "ExperimentSettings.h"
#include "RunSession.h"
#include "Scene.h"
#include "ZoomLayout.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include <cmath>

namespace {

QSpinBox* pixelBox(int lowest, int highest) {
    auto* box = new QSpinBox;
    box->setRange(lowest, highest);
    box->setSuffix(QStringLiteral(" px"));
    box->setKeyboardTracking(false);
    return box;
}

} // namespace

ExperimentPanel::ExperimentPanel(FormFields& fields, RunSession& session, QWidget* window)
    : QWidget(window), fields_(fields), session_(session), grid_(new QGridLayout(this)) {
    setObjectName(QStringLiteral("experimentPanel"));
    setAccessibleName(tr("Experiment"));
    createControls();
    hide();
}

void ExperimentPanel::createControls() {
    auto* title = new QLabel(QStringLiteral("<b>%1</b>").arg(tr("Experiment")));
    grid_->addWidget(title, 0, 0, 1, 3);
    designed_ = new QPushButton(tr("Designed experiment"));
    designed_->setObjectName(QStringLiteral("experimentDesigned"));
    designed_->setAccessibleDescription(tr("Brings back the experiment's start-up settings"));
    grid_->addWidget(designed_, 0, 6, 1, 3, Qt::AlignRight);

    distance_ = pixelBox(ExperimentSettings::shortestDistance, ExperimentSettings::longestDistance);
    distance_->setObjectName(QStringLiteral("experimentDistance"));
    addRow(1, 0, tr("Distance to detector"), distance_);
    separation_ =
        pixelBox(ExperimentSettings::narrowestSeparation, ExperimentSettings::widestSeparation);
    separation_->setObjectName(QStringLiteral("experimentSeparation"));
    addRow(1, 1, tr("Slit separation"), separation_);
    wavelength_ = new QDoubleSpinBox;
    wavelength_->setObjectName(QStringLiteral("experimentWavelength"));
    wavelength_->setRange(ExperimentSettings::shortestWavelength,
                          ExperimentSettings::longestWavelength);
    wavelength_->setDecimals(1);
    wavelength_->setSingleStep(0.1);
    wavelength_->setSuffix(QStringLiteral(" px"));
    wavelength_->setKeyboardTracking(false);
    turn_ = new QLabel;
    turn_->setObjectName(QStringLiteral("experimentTurn"));
    addRow(1, 2, tr("Wavelength"), wavelength_, turn_);

    slitWidth_ = pixelBox(0, ExperimentSettings::widestSlit);
    slitWidth_->setObjectName(QStringLiteral("experimentSlitWidth"));
    addRow(2, 0, tr("Slit width"), slitWidth_);
    slits_ = new QComboBox;
    slits_->setObjectName(QStringLiteral("experimentSlits"));
    // In the order of the open-slits field's numbers: 0 both, 1 upper, 2 lower.
    slits_->addItems({tr("both"), tr("upper only"), tr("lower only")});
    addRow(2, 1, tr("Open slits"), slits_);
    detector_ = new QCheckBox(tr("on"));
    detector_->setObjectName(QStringLiteral("experimentDetector"));
    addRow(2, 2, tr("Which-slit detector"), detector_);

    const auto whole = [this](QSpinBox* box, SettingField field) {
        connect(box, &QSpinBox::valueChanged, this,
                [this, field](int value) { write(field, Conversion::toText(value)); });
    };
    whole(separation_, SettingField::SlitSeparation);
    // The box shows the distance from the slits; the field places the detector from the
    // picture's left.
    connect(distance_, &QSpinBox::valueChanged, this, [this](int distance) {
        write(SettingField::Distance,
              Conversion::toText(std::lround(Scene::fieldOfDistance(distance))));
    });
    whole(slitWidth_, SettingField::SlitWidth);
    connect(wavelength_, &QDoubleSpinBox::valueChanged, this, [this](double wavelength) {
        showTurn(wavelength);
        write(SettingField::TurnPerPixel, ExperimentSettings::turnText(wavelength));
    });
    connect(slits_, &QComboBox::currentIndexChanged, this,
            [this](int index) { write(SettingField::OpenSlits, Conversion::toText(index)); });
    connect(detector_, &QCheckBox::toggled, this, [this](bool on) {
        write(SettingField::WhichSlitDetector, Conversion::toText(on ? 1 : 0));
    });
    connect(designed_, &QPushButton::clicked, this, &ExperimentPanel::restoreDesigned);
    for (QWidget* box : {static_cast<QWidget*>(distance_), static_cast<QWidget*>(separation_),
                         static_cast<QWidget*>(wavelength_), static_cast<QWidget*>(slitWidth_)}) {
        box->installEventFilter(this);
    }
    // Spare width goes after each setting's box and note, so that each group stays together.
    for (int column = 2; column < 9; column += 3) {
        grid_->setColumnStretch(column, 1);
    }
    // Tab goes through the settings first, the button that undoes them last.
    setTabOrder(detector_, designed_);
}

bool ExperimentPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Not handed to the box, so not accepted: the window's shortcut acts.
        if (key->modifiers() == Qt::NoModifier && !key->text().isEmpty() &&
            key->text().at(0).isLetter()) {
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ExperimentPanel::addRow(int row, int column, const QString& label, QWidget* control,
                             QLabel* note) {
    auto* caption = new QLabel(label);
    caption->setBuddy(control);
    control->setAccessibleName(label);
    grid_->addWidget(caption, row, column * 3);
    grid_->addWidget(control, row, column * 3 + 1);
    if (note != nullptr) {
        grid_->addWidget(note, row, column * 3 + 2);
    }
}

void ExperimentPanel::setOpen(bool open) {
    if (open) {
        showSettings([this](SettingField field) {
            return Conversion::toNumber(fields_.text(field))
                .value_or(FormFields::startUpValue(field));
        });
    }
    setVisible(open);
    if (open) {
        distance_->setFocus();
    }
}

void ExperimentPanel::place(double zoom, QPoint origin) {
    const QRect strip = ZoomLayout::scaled({0, 581, 801, designHeight}, zoom);
    setGeometry(strip.translated(origin));
    const int margin = static_cast<int>(std::lround(8 * zoom));
    grid_->setContentsMargins(margin, margin / 2, margin, margin / 2);
    grid_->setHorizontalSpacing(margin);
    grid_->setVerticalSpacing(margin / 2);
}

void ExperimentPanel::showSettings(const std::function<double(SettingField)>& number) {
    const QSignalBlocker blocks[] = {QSignalBlocker(distance_),   QSignalBlocker(separation_),
                                     QSignalBlocker(wavelength_), QSignalBlocker(slitWidth_),
                                     QSignalBlocker(slits_),      QSignalBlocker(detector_)};
    distance_->setValue(
        static_cast<int>(std::lround(Scene::distanceOfField(number(SettingField::Distance)))));
    separation_->setValue(static_cast<int>(std::lround(number(SettingField::SlitSeparation))));
    const double turn = number(SettingField::TurnPerPixel);
    const double wavelength =
        turn > 0 ? ExperimentSettings::wavelengthOf(turn) : ExperimentSettings::longestWavelength;
    wavelength_->setValue(wavelength);
    showTurn(wavelength);
    slitWidth_->setValue(static_cast<int>(std::lround(number(SettingField::SlitWidth))));
    const double open = number(SettingField::OpenSlits);
    slits_->setCurrentIndex(open == 1 || open == 2 ? static_cast<int>(open) : 0);
    detector_->setChecked(number(SettingField::WhichSlitDetector) != 0);
}

void ExperimentPanel::showTurn(double wavelength) {
    const QString turn =
        tr("%1 rad/px")
            .arg(ExperimentSettings::shown(ExperimentSettings::wavelengthOf(wavelength), 3));
    turn_->setText(turn);
    wavelength_->setAccessibleDescription(tr("Turn per pixel: %1").arg(turn));
}

void ExperimentPanel::write(SettingField field, const QString& text) {
    session_.act([this, field, text] { fields_.setText(field, text); });
}

void ExperimentPanel::restoreDesigned() {
    session_.act([this] {
        for (SettingField field : ExperimentSettings::fields) {
            fields_.setText(field, Conversion::toText(FormFields::startUpValue(field)));
        }
    });
    // Shown at once, like any held click's choice.
    showSettings([](SettingField field) { return FormFields::startUpValue(field); });
}
