// The window's behaviour. Clicks made while a run is in progress are held and their handlers run
// when it has ended, in the order they were made; Exit and the window's close act at once. A run
// may be paused and stepped photon by photon; its outcome stays the same.
#include "frmSlitwise.h"

#include "AccessibleControls.h"
#include "ControlFactory.h"
#include "ControlTable.h"
#include "Conversion.h"
#include "KeyboardHandling.h"
#include "PhotonRun.h"
#include "PictureActions.h"
#include "RunStatus.h"
#include "SettingError.h"
#include "SettingReader.h"
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
#include <QPaintEvent>
#include <QPainter>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>

#include <limits>

namespace {

RandomGenerator makeGenerator(std::optional<std::uint64_t> seed) {
    return seed ? RandomGenerator(*seed) : RandomGenerator();
}

} // namespace

frmSlitwise::frmSlitwise(std::optional<std::uint64_t> seed)
    : keyboard_(new KeyboardHandling(this)), style_(new ZoomStyle),
      pictureActions_(new PictureActions(*this)), picture_(1.0, devicePixelRatioF()),
      random_(makeGenerator(seed)), pacer_(this), message_(this) {
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

    createControls();
    // The style goes after the controls among the window's children, so that it outlives the
    // option buttons and the scroll bar drawn with it.
    style_->setParent(this);
    status_ = new RunStatus(this);
    connectHandlers();
    connectPicture();
    connect(&pacer_, &RunPacer::finished, this, [this] { runEnded(tr("Run finished")); });
    connect(&pacer_, &RunPacer::failed, this, [this](const QString& message) {
        showMessage(QStringLiteral("settingMessage"), message);
        runEnded(tr("Run failed: %1").arg(message));
    });
    windowActions_ = new WindowActions(*this);
    Form_Load();
    pictureActions_->setPhotons(text(SettingField::PocetFotonu));
    // The keyboard starts on Start, the first control in the tab order, so that Space or Enter
    // straight after opening starts a run.
    controls_.value(QStringLiteral("cmdStart"))->setFocus();
}

frmSlitwise::~frmSlitwise() {
    pacer_.stop();
}

void frmSlitwise::createControls() {
    controls_ = ControlFactory::createAll(this);
    for (QWidget* widget : std::as_const(controls_)) {
        keyboard_->watch(widget);
        if (qobject_cast<QRadioButton*>(widget) != nullptr ||
            qobject_cast<QScrollBar*>(widget) != nullptr) {
            widget->setStyle(style_);
        }
    }
    pausedCaption_ =
        qobject_cast<QLabel*>(ControlFactory::create(ControlTable::pausedCaption(), this));
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
        if (isRunning()) {
            // Held with the value the user saw at this move, not the one the bar shows later.
            held_.hold([this, value] { HScroll1_Change(value); }, false);
        } else {
            HScroll1_Change();
        }
    });
    auto* start = qobject_cast<QAbstractButton*>(controls_.value(QStringLiteral("cmdStart")));
    connect(start, &QAbstractButton::clicked, this,
            [this] { dispatch(&frmSlitwise::cmdStart_Click); });
    auto* exit = qobject_cast<QAbstractButton*>(controls_.value(QStringLiteral("cmdUnload")));
    connect(exit, &QAbstractButton::clicked, this, &frmSlitwise::cmdUnload_Click);
}

void frmSlitwise::connectPicture() {
    connect(&pacer_, &RunPacer::stepped, this,
            [this] { update(picture_.takeDirtyRegion(origin())); });
    // A run waits while its picture is drawn again at a new size, and goes on from there.
    connect(&picture_, &PictureView::redrawStarting, this, [this] {
        if (run_) {
            pacer_.hold(RunPacer::Hold::Redraw);
        }
    });
    connect(&picture_, &PictureView::redrawn, this, [this] {
        pacer_.release(RunPacer::Hold::Redraw);
        update();
    });
}

QPoint frmSlitwise::origin() const {
    return ZoomLayout::originFor(size(), zoom_);
}

void frmSlitwise::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    applyZoom(ZoomLayout::zoomFor(size()));
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
    picture_.want(zoom, devicePixelRatioF());
    update();
}

void frmSlitwise::zoomTo(double zoom) {
    applyZoom(zoom);
    picture_.finishRedraw();
}

void frmSlitwise::toggleFullScreen() {
    setWindowState(windowState() ^ Qt::WindowFullScreen);
}

void frmSlitwise::togglePause() {
    if (!isRunning()) {
        return;
    }
    const bool pausing = !isPaused();
    if (pausing) {
        pacer_.hold(RunPacer::Hold::User);
    } else {
        pacer_.release(RunPacer::Hold::User);
    }
    pausedCaption_->setVisible(pausing);
    setRunState(pausing ? tr("Run paused") : tr("Run in progress"));
}

bool frmSlitwise::isPaused() const {
    return isRunning() && pacer_.isHeld(RunPacer::Hold::User);
}

void frmSlitwise::nextPhoton() {
    if (!isPaused()) {
        return;
    }
    // The photon is drawn at the size shown.
    picture_.finishRedraw();
    bool over = false;
    try {
        over = run_->advancePhoton();
    } catch (const SettingError& error) {
        showMessage(QStringLiteral("settingMessage"), error.message());
        over = true;
    }
    update(picture_.takeDirtyRegion(origin()));
    if (over) {
        pacer_.stop();
        runEnded(tr("Run finished"));
    }
}

void frmSlitwise::setExpectedShown(bool shown) {
    expectedShown_ = shown;
    update();
}

QImage frmSlitwise::composedPicture() {
    QList<QWidget*> captions;
    for (CaptionField caption : FormFields::captions) {
        captions << controls_.value(FormFields::name(caption));
    }
    return picture_.composed(captions, origin(), expectedShown_);
}

void frmSlitwise::dispatch(Handler handler) {
    if (isRunning()) {
        held_.hold([this, handler] { (this->*handler)(); },
                   handler == &frmSlitwise::cmdStart_Click);
    } else {
        (this->*handler)();
    }
}

void frmSlitwise::Form_Load() {
    qobject_cast<QAbstractButton*>(controls_.value(QStringLiteral("op50")))->setChecked(true);
    for (const auto& [field, value] : FormFields::startUp) {
        // The fast speed button is checked right before the slowdown is written.
        if (field == SettingField::Spomaleni) {
            qobject_cast<QAbstractButton*>(controls_.value(QString::fromUtf8("opRychlá")))
                ->setChecked(true);
        }
        setText(field, Conversion::toText(value));
    }
}

void frmSlitwise::cmdStart_Click() {
    // The settings are checked before the picture is touched, so that a bad one leaves it be.
    try {
        SettingReader(*this).checkAll();
    } catch (const SettingError& error) {
        showMessage(QStringLiteral("settingMessage"), error.message());
        setRunState(tr("Run failed: %1").arg(error.message()));
        return;
    }
    picture_.runStarting(random_, *this);
    run_ = std::make_unique<PhotonRun>(picture_.surface(), random_, *this);
    run_->start();
    picture_.setLiveRun(run_.get());
    pictureActions_->setPhotons(text(SettingField::PocetFotonu));
    setRunState(tr("Run in progress"));
    update(picture_.takeDirtyRegion(origin()));
    if (QScreen* screen = this->screen()) {
        pacer_.setFrameRate(screen->refreshRate());
    }
    pacer_.start(*run_);
}

void frmSlitwise::cmdUnload_Click() {
    close();
}

void frmSlitwise::opFot1_Click() {
    setText(SettingField::PocetFotonu, Conversion::toText(ControlTable::photonsOf("opFot1")));
}
void frmSlitwise::opFot5_Click() {
    setText(SettingField::PocetFotonu, Conversion::toText(ControlTable::photonsOf("opFot5")));
}
void frmSlitwise::opFot10_Click() {
    setText(SettingField::PocetFotonu, Conversion::toText(ControlTable::photonsOf("opFot10")));
}
void frmSlitwise::op50_Click() {
    setText(SettingField::PocetFotonu, Conversion::toText(ControlTable::photonsOf("op50")));
}
void frmSlitwise::opFot100_Click() {
    setText(SettingField::PocetFotonu, Conversion::toText(ControlTable::photonsOf("opFot100")));
}
void frmSlitwise::opfot500_Click() {
    setText(SettingField::PocetFotonu, Conversion::toText(ControlTable::photonsOf("opfot500")));
}
void frmSlitwise::opRychlá_Click() {
    setText(SettingField::Spomaleni, Conversion::toText(1));
}
void frmSlitwise::opPomalejší_Click() {
    setText(SettingField::Spomaleni, Conversion::toText(2));
}
void frmSlitwise::opPomalá_Click() {
    setText(SettingField::Spomaleni, Conversion::toText(3));
}

void frmSlitwise::HScroll1_Change() {
    HScroll1_Change(
        qobject_cast<QScrollBar*>(controls_.value(QStringLiteral("HScroll1")))->value());
}

void frmSlitwise::HScroll1_Change(int value) {
    setText(SettingField::Spomaleni, Conversion::toText(value));
}

bool frmSlitwise::isRunning() const {
    return run_ != nullptr;
}

void frmSlitwise::finishRun() {
    if (!isRunning()) {
        return;
    }
    picture_.finishRedraw();
    pacer_.stop();
    QString state = tr("Run finished");
    try {
        run_->advance(std::numeric_limits<long long>::max());
    } catch (const SettingError& error) {
        showMessage(QStringLiteral("settingMessage"), error.message());
        state = tr("Run failed: %1").arg(error.message());
    }
    update(picture_.takeDirtyRegion(origin()));
    runEnded(state);
}

void frmSlitwise::runEnded(const QString& state) {
    picture_.setLiveRun(nullptr);
    run_.reset();
    pausedCaption_->hide();
    setRunState(state);
    emit runFinished();
    // The held clicks, in order, up to a held Start, which begins the next run; the clicks after
    // it wait for that run to end.
    while (!held_.isEmpty() && !isRunning()) {
        held_.take()();
    }
}

void frmSlitwise::setRunState(const QString& state) {
    status_->set(state);
    windowActions_->refresh();
}

void frmSlitwise::showMessage(const QString& objectName, const QString& message) {
    message_.show(objectName, message);
}

QString frmSlitwise::text(SettingField which) const {
    return field(which)->text();
}

void frmSlitwise::setText(SettingField which, const QString& text) {
    field(which)->setText(text);
}

void frmSlitwise::showCaption(CaptionField which) {
    controls_.value(FormFields::name(which))->setVisible(true);
}

QLineEdit* frmSlitwise::field(const QString& name) const {
    return qobject_cast<QLineEdit*>(controls_.value(name));
}

void frmSlitwise::paintEvent(QPaintEvent* event) {
    // A window moved to a screen of another pixel density gets its picture drawn again there.
    picture_.want(zoom_, devicePixelRatioF());
    // Only the kept picture is copied; the window's own grey fills the rest.
    QPainter painter(this);
    picture_.paint(painter, event->region(), origin());
    if (expectedShown_) {
        picture_.paintExpected(painter, origin(), zoom_);
    }
}

void frmSlitwise::contextMenuEvent(QContextMenuEvent* event) {
    windowActions_->menu().popup(event->globalPos());
}

void frmSlitwise::closeEvent(QCloseEvent* event) {
    // Closing ends the program at once, even in the middle of a run, and nothing held runs.
    pacer_.stop();
    held_.clear();
    picture_.setLiveRun(nullptr);
    run_.reset();
    message_.close();
    event->accept();
}
