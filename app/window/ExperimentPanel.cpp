// The controls are made from the settings' rows. Spin boxes carry their unit, so that the value
// and its unit are seen and spoken together; the wavelength, a length, has the arrow's turn per
// pixel beside it. Typed values are written when confirmed, arrow steps at once.
#include "ExperimentPanel.h"

#include "AccessibleControls.h"
#include "Conversion.h"
#include "ExperimentSettings.h"
#include "RunSession.h"
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
#include <vector>

ExperimentPanel::ExperimentPanel(FormFields& fields, RunSession& session, QWidget* window)
    : QWidget(window), fields_(fields), session_(session), grid_(new QGridLayout(this)) {
    setObjectName(QStringLiteral("experimentPanel"));
    setAccessibleName(tr("Experiment"));
    // A named group, which screen readers speak on entering it, not a filler for the layout.
    AccessibleControls::presentAs(this, QAccessible::Grouping);
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
    connect(designed_, &QPushButton::clicked, this, &ExperimentPanel::restoreDesigned);

    // Three settings a line, each a label, its control and a note.
    for (const FormFields::Setting& setting : FormFields::settings) {
        if (!setting.isExperiment()) {
            continue;
        }
        QWidget* control = createControl(setting);
        control->setObjectName(QString::fromLatin1(setting.control));
        const QString label = tr(setting.label);
        control->setAccessibleName(label);
        auto* caption = new QLabel(label);
        caption->setBuddy(control);
        const int row = 1 + static_cast<int>(controls_.size()) / 3;
        const int column = static_cast<int>(controls_.size()) % 3 * 3;
        grid_->addWidget(caption, row, column);
        grid_->addWidget(control, row, column + 1);
        if (setting.reading == SettingReading::Wavelength) {
            wavelength_ = qobject_cast<QDoubleSpinBox*>(control);
            turn_ = new QLabel;
            turn_->setObjectName(QStringLiteral("experimentTurn"));
            grid_->addWidget(turn_, row, column + 2);
            connect(wavelength_, &QDoubleSpinBox::valueChanged, this, &ExperimentPanel::showTurn);
        }
        if (setting.field == SettingField::OpenSlits) {
            openSlits_ = control;
            openSlitsNote_ = new QLabel;
            openSlitsNote_->setObjectName(QStringLiteral("experimentSlitsNote"));
            grid_->addWidget(openSlitsNote_, row, column + 2);
        }
        if (setting.field == SettingField::SlitCount) {
            connect(qobject_cast<QSpinBox*>(control), &QSpinBox::valueChanged, this,
                    &ExperimentPanel::showSlitCount);
        }
        controls_.emplace_back(&setting, control);
    }
    // Spare width goes after each setting's box and note, so that each group stays together.
    for (int column = 2; column < 9; column += 3) {
        grid_->setColumnStretch(column, 1);
    }
    // Tab goes through the settings first, the button that undoes them last.
    setTabOrder(controls_.back().second, designed_);
}

QWidget* ExperimentPanel::createControl(const FormFields::Setting& setting) {
    if (setting.kind == SettingKind::Choice) {
        auto* box = new QComboBox;
        for (const SettingChoice& choice : setting.choices) {
            box->addItem(tr(choice.shown));
        }
        connect(box, &QComboBox::currentIndexChanged, this,
                [this, &setting](int index) { write(setting.field, Conversion::toText(index)); });
        return box;
    }
    if (setting.kind == SettingKind::Switch) {
        auto* box = new QCheckBox(tr(setting.choices[1].shown));
        connect(box, &QCheckBox::toggled, this, [this, &setting](bool on) {
            write(setting.field, Conversion::toText(on ? 1 : 0));
        });
        return box;
    }
    QAbstractSpinBox* spinBox;
    const QString suffix = QLatin1Char(' ') + tr(setting.unit);
    if (setting.kind == SettingKind::Whole) {
        auto* box = new QSpinBox;
        box->setRange(static_cast<int>(setting.lowest), static_cast<int>(setting.highest));
        box->setSuffix(suffix);
        connect(box, &QSpinBox::valueChanged, this,
                [this, &setting](int value) { write(setting.field, setting.fieldText(value)); });
        spinBox = box;
    } else {
        auto* box = new QDoubleSpinBox;
        box->setRange(setting.lowest, setting.highest);
        box->setDecimals(setting.places);
        box->setSingleStep(1 / std::pow(10.0, setting.places));
        box->setSuffix(suffix);
        connect(box, &QDoubleSpinBox::valueChanged, this,
                [this, &setting](double value) { write(setting.field, setting.fieldText(value)); });
        spinBox = box;
    }
    spinBox->setKeyboardTracking(false);
    spinBox->installEventFilter(this);
    return spinBox;
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

void ExperimentPanel::setOpen(bool open) {
    if (open) {
        showSettings([this](SettingField field) {
            return Conversion::toNumber(fields_.text(field))
                .value_or(FormFields::startUpValue(field));
        });
    }
    setVisible(open);
    if (open) {
        controls_.front().second->setFocus();
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
    std::vector<QSignalBlocker> blocks;
    for (const auto& [setting, control] : controls_) {
        blocks.emplace_back(control);
        const double field = number(setting->field);
        if (auto* box = qobject_cast<QSpinBox*>(control)) {
            box->setValue(static_cast<int>(std::lround(setting->valueOf(field))));
            if (setting->field == SettingField::SlitCount) {
                showSlitCount(box->value());
            }
        } else if (auto* box = qobject_cast<QDoubleSpinBox*>(control)) {
            // A turn of 0 or less has no wavelength: the longest is shown.
            const double value =
                box == wavelength_ && field <= 0 ? setting->highest : setting->valueOf(field);
            box->setValue(value);
            if (box == wavelength_) {
                showTurn(value);
            }
        } else if (auto* box = qobject_cast<QComboBox*>(control)) {
            box->setCurrentIndex(setting->choiceOf(field));
        } else if (auto* box = qobject_cast<QCheckBox*>(control)) {
            box->setChecked(setting->choiceOf(field) == 1);
        }
    }
}

void ExperimentPanel::showTurn(double wavelength) {
    const QString turn =
        tr("%1 rad/px")
            .arg(ExperimentSettings::shown(
                FormFields::setting(SettingField::TurnPerPixel).fieldOf(wavelength), 3));
    turn_->setText(turn);
    wavelength_->setAccessibleDescription(tr("Turn per pixel: %1").arg(turn));
}

void ExperimentPanel::showSlitCount(int count) {
    const bool two = count == 2;
    openSlits_->setEnabled(two);
    const QString why = two ? QString() : tr("all open: a choice only with two slits");
    openSlitsNote_->setText(why);
    openSlits_->setAccessibleDescription(why);
}

void ExperimentPanel::write(SettingField field, const QString& text) {
    session_.act([this, field, text] { fields_.setText(field, text); });
}

void ExperimentPanel::restoreDesigned() {
    session_.act([this] {
        for (const auto& [setting, control] : controls_) {
            fields_.setText(setting->field, Conversion::toText(setting->startUp));
        }
    });
    // Shown at once, like any held click's choice.
    showSettings([](SettingField field) { return FormFields::startUpValue(field); });
    emit told(tr("Designed experiment restored"));
}
