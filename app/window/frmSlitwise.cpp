// The window's behaviour. Its handlers go through the run session, which holds clicks made while
// a run is in progress until it has ended; Exit and the window's close act at once.
#include "frmSlitwise.h"

#include "AccessibleControls.h"
#include "ControlFactory.h"
#include "ControlTable.h"
#include "Conversion.h"
#include "ExperimentPanel.h"
#include "ExperimentSettings.h"
#include "KeyboardHandling.h"
#include "PictureActions.h"
#include "PictureCanvas.h"
#include "PictureComposer.h"
#include "RunDisplay.h"
#include "RunStatus.h"
#include "Scene.h"
#include "WindowActions.h"
#include "ZoomLayout.h"
#include "ZoomStyle.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>

#include <cmath>

frmSlitwise::frmSlitwise(std::optional<std::uint64_t> seed)
    : keyboard_(new KeyboardHandling(this)), style_(new ZoomStyle),
      session_(settings_, seed, devicePixelRatioF()),
      pictureActions_(new PictureActions(session_, this, [this] { return composedPicture(); })) {
    AccessibleControls::install(this);
    setObjectName(QStringLiteral("frmSlitwise"));
    setWindowTitle(QStringLiteral("Slitwise - ") + QStringLiteral(SLITWISE_HOMEPAGE));
    // Spoken on every activation; the address stays in the title bar.
    setAccessibleName(QStringLiteral("Slitwise"));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(Colour::lightGrey().rgb));
    setPalette(palette);
    setAutoFillBackground(true);
    // Room for the whole drawing area rather than the design's 792 x 421, which would cut off
    // the lower part of every run; any other size zooms the whole content.
    resize(ImageSurface::width, ImageSurface::height);
    setMinimumSize(ZoomLayout::smallestArea());

    canvas_ = new PictureCanvas(session_, this);
    createControls();
    bindSettings();
    // The style goes after the controls among the window's children, so that it outlives the
    // option buttons and the scroll bar drawn with it.
    style_->setParent(this);
    status_ = new RunStatus(this);
    connectHandlers();
    connectSession();
    windowActions_ = new WindowActions(
        *this, session_, *pictureActions_,
        *qobject_cast<QAbstractButton*>(controls_.value(QStringLiteral("cmdStart"))), *status_);
    connect(windowActions_, &WindowActions::paceChanged, runDisplay_, &RunDisplay::refresh);
    connect(&session_, &RunSession::toolsChanged, windowActions_, &WindowActions::refresh);
    connect(windowActions_, &WindowActions::experimentPanelToggled, this,
            &frmSlitwise::showExperiment);
    Form_Load();
    // The keyboard starts on Start, the first control in the tab order, so that Space or Enter
    // straight after opening starts a run.
    controls_.value(QStringLiteral("cmdStart"))->setFocus();
}

frmSlitwise::~frmSlitwise() {
    // The actions outlive the session as children of the window; the focus moving as the
    // window's controls go must not have them read it.
    delete windowActions_;
}

void frmSlitwise::createControls() {
    controls_ = ControlFactory::createAll(this);
    // The setting fields only hold the settings: a screen reader is not given them.
    for (const FormFields::Setting& setting : FormFields::settings) {
        AccessibleControls::conceal(field(setting.field));
    }
    for (QWidget* widget : std::as_const(controls_)) {
        keyboard_->watch(widget);
        if (qobject_cast<QRadioButton*>(widget) != nullptr ||
            qobject_cast<QScrollBar*>(widget) != nullptr) {
            widget->setStyle(style_);
        }
    }
    pausedCaption_ =
        qobject_cast<QLabel*>(ControlFactory::create(ControlTable::pausedCaption(), this));
    runDisplay_ = new RunDisplay(*this, session_);
}

void frmSlitwise::connectHandlers() {
    const std::pair<const char*, Handler> options[] = {
        {"opFot1", &frmSlitwise::opFot1_Click},
        {"opFot5", &frmSlitwise::opFot5_Click},
        {"opFot10", &frmSlitwise::opFot10_Click},
        {"op50", &frmSlitwise::op50_Click},
        {"opFot100", &frmSlitwise::opFot100_Click},
        {"opfot500", &frmSlitwise::opfot500_Click},
        {"opRychlá", &frmSlitwise::opRychlá_Click},
        {"opPomalejší", &frmSlitwise::opPomalejší_Click},
        {"opPomalá", &frmSlitwise::opPomalá_Click},
    };
    for (const auto& [name, handler] : options) {
        auto* button = qobject_cast<QAbstractButton*>(controls_.value(QString::fromUtf8(name)));
        connect(button, &QAbstractButton::toggled, this, [this, handler = handler](bool checked) {
            if (checked) {
                dispatch(handler);
            }
        });
    }
    auto* bar = qobject_cast<QScrollBar*>(controls_.value(QStringLiteral("HScroll1")));
    connect(bar, &QScrollBar::valueChanged, this, [this](int value) {
        // Held with the value the user saw at this move, not the one the bar shows later.
        session_.act([this, value] { HScroll1_Change(value); });
    });
    auto* start = qobject_cast<QAbstractButton*>(controls_.value(QStringLiteral("cmdStart")));
    connect(start, &QAbstractButton::clicked, this,
            [this] { dispatch(&frmSlitwise::cmdStart_Click); });
    auto* exit = qobject_cast<QAbstractButton*>(controls_.value(QStringLiteral("cmdUnload")));
    connect(exit, &QAbstractButton::clicked, this, &frmSlitwise::cmdUnload_Click);
}

void frmSlitwise::connectSession() {
    connect(&session_, &RunSession::stateChanged, this, &frmSlitwise::showRunState);
    connect(&session_, &RunSession::pictureChanged, this, [this](bool whole) {
        runDisplay_->refresh();
        if (whole) {
            // The picture may show another apparatus now.
            placeApparatusCaptions();
        }
    });
    connect(&session_, &RunSession::settingRefused, this, [this](const QString& message) {
        showMessage(QStringLiteral("settingMessage"), message);
    });
    connect(&session_.screen(), &DetectorScreen::changed, this, &frmSlitwise::showScreen);
    connect(
        &session_.screen(), &DetectorScreen::stageChanged, this,
        [this](DetectorScreen::Stage stage) { status_->set(DetectorScreen::stageText(stage)); });
    connect(pictureActions_, &PictureActions::failed, this, [this](const QString& message) {
        showMessage(QStringLiteral("saveMessage"), message);
    });
}

QPoint frmSlitwise::origin() const {
    return ZoomLayout::originFor(size(), zoom_);
}

void frmSlitwise::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    applyZoom(ZoomLayout::zoomFor(size(), belowPicture()));
}

int frmSlitwise::belowPicture() const {
    return experiment_ != nullptr && experiment_->isOpen() ? ExperimentPanel::designHeight : 0;
}

void frmSlitwise::showExperiment(bool open) {
    // Made when first opened, so that the window of the design starts as it always did.
    if (experiment_ == nullptr) {
        experiment_ = new ExperimentPanel(settings_, session_, this);
        connect(experiment_, &ExperimentPanel::told, status_, &RunStatus::set);
        keyboard_->watch(&experiment_->designedButton());
    }
    experiment_->setOpen(open);
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
        const int strip = static_cast<int>(std::lround(ExperimentPanel::designHeight * zoom_));
        resize(width(), height() + (open ? strip : -strip));
    }
    applyZoom(ZoomLayout::zoomFor(size(), belowPicture()));
}

void frmSlitwise::applyZoom(double zoom) {
    zoom_ = zoom;
    style_->setZoom(zoom);
    QFont font = QApplication::font();
    font.setPointSizeF(font.pointSizeF() * zoom);
    setFont(font);
    for (const ControlRow& row : ControlTable::controls()) {
        ControlFactory::place(controls_.value(QString::fromUtf8(row.name)), row, zoom,
                              row.parent ? QPoint() : origin());
    }
    ControlFactory::place(pausedCaption_, ControlTable::pausedCaption(), zoom, origin());
    runDisplay_->place(zoom, origin());
    if (experiment_ != nullptr) {
        experiment_->place(zoom, origin());
    }
    placeApparatusCaptions();
    canvas_->place(zoom, origin());
    update();
}

ControlRow frmSlitwise::detectorCaption(const RunSession& session, const FormFields& settings) {
    const FormFields* drawn = session.picture().drawnSettings();
    const std::optional<double> field =
        Conversion::toNumber((drawn != nullptr ? *drawn : settings).text(SettingField::Distance));
    return ControlTable::detectorCaption(
        Scene::detectorBaseX + field.value_or(FormFields::startUpValue(SettingField::Distance)));
}

QString frmSlitwise::shieldCaption(const RunSession& session, const FormFields& settings) {
    const FormFields* drawn = session.picture().drawnSettings();
    const FormFields::Setting& row = FormFields::setting(SettingField::SlitCount);
    const std::optional<double> field =
        Conversion::toNumber((drawn != nullptr ? *drawn : settings).text(SettingField::SlitCount));
    return ControlTable::shieldCaption(static_cast<int>(row.valueOf(field.value_or(row.startUp))));
}

void frmSlitwise::placeApparatusCaptions() {
    ControlFactory::place(controls_.value(FormFields::name(CaptionField::Detector)),
                          detectorCaption(session_, settings_), zoom_, origin());
    const QString shieldName = FormFields::name(CaptionField::Shield);
    auto* shield = qobject_cast<QLineEdit*>(controls_.value(shieldName));
    shield->setText(shieldCaption(session_, settings_));
    ControlFactory::place(shield, *ControlTable::find(shieldName), zoom_, origin());
}

void frmSlitwise::zoomTo(double zoom) {
    applyZoom(zoom);
    session_.finishRedraw();
}

QImage frmSlitwise::composedPicture() {
    return composedPicture(session_, settings_, zoom_, [this](CaptionField caption) {
        return controls_.value(FormFields::name(caption))->isVisibleTo(this);
    });
}

QImage frmSlitwise::composedPicture(RunSession& session, const FormFields& settings, double zoom,
                                    const std::function<bool(CaptionField)>& shown) {
    QList<PictureComposer::Text> captions;
    for (CaptionField caption : FormFields::captions) {
        if (shown(caption)) {
            captions << ControlFactory::pictureText(
                caption == CaptionField::Detector ? detectorCaption(session, settings)
                                                  : *ControlTable::find(FormFields::name(caption)),
                zoom,
                caption == CaptionField::Shield ? shieldCaption(session, settings) : QString());
        }
    }
    return PictureComposer::compose(session, captions,
                                    ControlFactory::pictureText(ControlTable::hitsCounter(), zoom,
                                                                session.screen().countText()),
                                    zoom);
}

void frmSlitwise::dispatch(Handler handler) {
    session_.act([this, handler] { (this->*handler)(); }, handler == &frmSlitwise::cmdStart_Click);
}

void frmSlitwise::Form_Load() {
    qobject_cast<QAbstractButton*>(controls_.value(QStringLiteral("op50")))->setChecked(true);
    for (const FormFields::Setting& setting : FormFields::settings) {
        // The fast speed button is checked right before the slowdown is written.
        if (setting.field == SettingField::Slowdown) {
            qobject_cast<QAbstractButton*>(controls_.value(QString::fromUtf8("opRychlá")))
                ->setChecked(true);
        }
        setText(setting.field, Conversion::toText(setting.startUp));
    }
}

void frmSlitwise::cmdStart_Click() {
    if (QScreen* screen = this->screen()) {
        session_.setFrameRate(screen->refreshRate());
    }
    session_.start();
}

void frmSlitwise::cmdUnload_Click() {
    close();
}

void frmSlitwise::opFot1_Click() {
    setText(SettingField::PhotonsPerDot, Conversion::toText(ControlTable::photonsOf("opFot1")));
}
void frmSlitwise::opFot5_Click() {
    setText(SettingField::PhotonsPerDot, Conversion::toText(ControlTable::photonsOf("opFot5")));
}
void frmSlitwise::opFot10_Click() {
    setText(SettingField::PhotonsPerDot, Conversion::toText(ControlTable::photonsOf("opFot10")));
}
void frmSlitwise::op50_Click() {
    setText(SettingField::PhotonsPerDot, Conversion::toText(ControlTable::photonsOf("op50")));
}
void frmSlitwise::opFot100_Click() {
    setText(SettingField::PhotonsPerDot, Conversion::toText(ControlTable::photonsOf("opFot100")));
}
void frmSlitwise::opfot500_Click() {
    setText(SettingField::PhotonsPerDot, Conversion::toText(ControlTable::photonsOf("opfot500")));
}
void frmSlitwise::opRychlá_Click() {
    setText(SettingField::Slowdown, Conversion::toText(1));
}
void frmSlitwise::opPomalejší_Click() {
    setText(SettingField::Slowdown, Conversion::toText(2));
}
void frmSlitwise::opPomalá_Click() {
    setText(SettingField::Slowdown, Conversion::toText(3));
}

void frmSlitwise::HScroll1_Change() {
    HScroll1_Change(
        qobject_cast<QScrollBar*>(controls_.value(QStringLiteral("HScroll1")))->value());
}

void frmSlitwise::HScroll1_Change(int value) {
    setText(SettingField::Slowdown, Conversion::toText(value));
}

void frmSlitwise::showRunState(const QString& state) {
    status_->set(state);
    placeApparatusCaptions();
    pausedCaption_->setVisible(session_.isAnythingPaused());
    runDisplay_->refresh();
    windowActions_->refresh();
}

void frmSlitwise::showScreen() {
    pausedCaption_->setVisible(session_.isAnythingPaused());
    runDisplay_->refresh();
    if (windowActions_ != nullptr) {
        windowActions_->refresh();
    }
}

void frmSlitwise::showMessage(const QString& objectName, const QString& message) {
    if (message_) {
        message_->close();
    }
    message_ = new QMessageBox(QMessageBox::Warning, QStringLiteral("Slitwise"), message,
                               QMessageBox::Ok, this);
    message_->setObjectName(objectName);
    message_->setFont(font()); // at the window's zoom
    message_->setAttribute(Qt::WA_DeleteOnClose);
    message_->setWindowModality(Qt::WindowModal);
    message_->open();
}

void frmSlitwise::setText(SettingField which, const QString& text) {
    field(which)->setText(text);
}

void frmSlitwise::bindSettings() {
    for (const FormFields::Setting& setting : FormFields::settings) {
        connect(
            field(setting.field), &QLineEdit::textChanged, this,
            [this, which = setting.field](const QString& text) { settings_.setText(which, text); });
    }
    connect(&settings_, &SettingsStore::textChanged, this, [this](SettingField which) {
        field(which)->setText(settings_.text(which));
        // A changed experiment is noted under the picture until it is shown.
        runDisplay_->refresh();
        canvas_->followSettings();
    });
    connect(&settings_, &SettingsStore::captionShown, this, [this](CaptionField which) {
        controls_.value(FormFields::name(which))->setVisible(true);
    });
}

QLineEdit* frmSlitwise::field(const QString& name) const {
    return qobject_cast<QLineEdit*>(controls_.value(name));
}

void frmSlitwise::contextMenuEvent(QContextMenuEvent* event) {
    windowActions_->popupMenu(event->globalPos(), event->reason() == QContextMenuEvent::Keyboard);
}

void frmSlitwise::closeEvent(QCloseEvent* event) {
    // Closing ends the program at once, even in the middle of a run, and nothing held runs.
    session_.close();
    if (message_) {
        message_->close();
    }
    event->accept();
}
