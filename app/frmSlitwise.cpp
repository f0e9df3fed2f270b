// The window's behaviour. Clicks made while a run is in progress are held and their handlers run
// when it has ended, in the order they were made; Exit and the window's close act at once.
#include "frmSlitwise.h"

#include "ControlFactory.h"
#include "ControlTable.h"
#include "Conversion.h"
#include "PhotonRun.h"
#include "PictureExport.h"
#include "SettingError.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>

#include <algorithm>
#include <limits>

namespace {

RandomGenerator makeGenerator(std::optional<std::uint64_t> seed) {
    return seed ? RandomGenerator(*seed) : RandomGenerator();
}

} // namespace

frmSlitwise::frmSlitwise(std::optional<std::uint64_t> seed)
    : random_(makeGenerator(seed)), pacer_(this) {
    setObjectName(QStringLiteral("frmSlitwise"));
    setWindowTitle(QStringLiteral("Slitwise - ") + QString::fromLatin1(address));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(Colour::lightGrey().rgb));
    setPalette(palette);
    setAutoFillBackground(true);
    // Room for the whole drawing area rather than the design's 792 x 421, which would cut off
    // the lower part of every run.
    resize(ImageSurface::width, ImageSurface::height);

    surface_ = std::make_unique<ImageSurface>(devicePixelRatioF());
    createControls();
    connectHandlers();
    connect(&pacer_, &RunPacer::stepped, this, [this] { update(surface_->takeDirtyRect()); });
    connect(&pacer_, &RunPacer::finished, this, &frmSlitwise::runEnded);
    connect(&pacer_, &RunPacer::failed, this, [this](const QString& message) {
        showMessage(QStringLiteral("settingMessage"), message);
        runEnded();
    });
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this,
            &frmSlitwise::requestSave);
    connect(new QShortcut(QKeySequence::Copy, this), &QShortcut::activated, this,
            &frmSlitwise::copyPicture);
    Form_Load();
    picturePhotons_ = text(SettingField::PocetFotonu);
    // The keyboard starts on Start, the first control in the tab order, so that Space or Enter
    // straight after opening starts a run.
    controls_.value(QStringLiteral("cmdStart"))->setFocus();
    updateAccessibleNames();
}

frmSlitwise::~frmSlitwise() {
    pacer_.stop();
}

void frmSlitwise::createControls() {
    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const ControlRow& row : ControlTable::controls()) {
        QWidget* parent = row.parent ? controls_.value(QString::fromUtf8(row.parent)) : this;
        QWidget* widget = ControlFactory::create(row, parent);
        // A control in a frame shows whenever its frame does.
        widget->setVisible(row.shown || row.parent != nullptr);
        controls_.insert(widget->objectName(), widget);
        // Frames and display-only fields take no focus; chaining them would drag their
        // children out of order.
        if (widget->focusPolicy() & Qt::TabFocus) {
            tabOrder.emplace_back(row.tabIndex, widget);
        }
    }
    std::sort(tabOrder.begin(), tabOrder.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i) {
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    }
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
        button->installEventFilter(this);
        connect(button, &QAbstractButton::toggled, this, [this, handler = handler](bool checked) {
            updateAccessibleNames();
            if (checked) {
                dispatch(handler);
            }
        });
    }
    auto* bar = qobject_cast<QScrollBar*>(controls_.value(QStringLiteral("HScroll1")));
    bar->installEventFilter(this);
    connect(bar, &QScrollBar::valueChanged, this, [this](int value) {
        updateAccessibleNames();
        if (isRunning()) {
            // Held with the value the user saw at this move, not the one the bar shows later.
            hold([this, value] { HScroll1_Change(value); }, false);
        } else {
            HScroll1_Change();
        }
    });
    auto* start = qobject_cast<QAbstractButton*>(controls_.value(QStringLiteral("cmdStart")));
    start->installEventFilter(this);
    connect(start, &QAbstractButton::clicked, this,
            [this] { dispatch(&frmSlitwise::cmdStart_Click); });
    auto* exit = qobject_cast<QAbstractButton*>(controls_.value(QStringLiteral("cmdUnload")));
    connect(exit, &QAbstractButton::clicked, this, &frmSlitwise::cmdUnload_Click);
}

bool frmSlitwise::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // Enter on Start starts a run, as Space does.
        if (watched == controls_.value(QStringLiteral("cmdStart")) &&
            (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            qobject_cast<QAbstractButton*>(watched)->click();
            return true;
        }
        // The scroll bar takes no keys of its own: the arrows move it by 1, as a click does.
        if (auto* bar = qobject_cast<QScrollBar*>(watched)) {
            if (key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Left ||
                key == Qt::Key_Down) {
                const bool up = key == Qt::Key_Right || key == Qt::Key_Up;
                bar->triggerAction(up ? QAbstractSlider::SliderSingleStepAdd
                                      : QAbstractSlider::SliderSingleStepSub);
                return true;
            }
        }
    }
    // Tab into a frame lands on its checked option button, so that the frame is one tab stop
    // showing the current choice; the arrow keys then move within it.
    auto* option = qobject_cast<QRadioButton*>(watched);
    if (event->type() == QEvent::FocusIn && option != nullptr && !option->isChecked()) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
            for (auto* sibling : option->parentWidget()->findChildren<QRadioButton*>(
                     QString(), Qt::FindDirectChildrenOnly)) {
                if (sibling->isChecked()) {
                    sibling->setFocus(reason);
                    return true;
                }
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmSlitwise::dispatch(Handler handler) {
    if (isRunning()) {
        hold([this, handler] { (this->*handler)(); }, handler == &frmSlitwise::cmdStart_Click);
    } else {
        (this->*handler)();
    }
}

void frmSlitwise::hold(std::function<void()> handler, bool isStart) {
    // A Start right after a held Start asks for nothing more; after any other click it asks for
    // a run with what that click chose.
    if (isStart && !pending_.empty() && pending_.back().isStart) {
        return;
    }
    pending_.push_back({std::move(handler), isStart});
}

void frmSlitwise::Form_Load() {
    qobject_cast<QAbstractButton*>(controls_.value(QStringLiteral("op50")))->setChecked(true);
    setText(SettingField::Rozptyl, Conversion::toText(180));
    setText(SettingField::PocetFotonu, Conversion::toText(50));
    setText(SettingField::Rd, Conversion::toText(40));
    setText(SettingField::Ur, Conversion::toText(1));
    setText(SettingField::Vzdalenost, Conversion::toText(200));
    qobject_cast<QAbstractButton*>(controls_.value(QString::fromUtf8("opRychlá")))
        ->setChecked(true);
    setText(SettingField::Spomaleni, Conversion::toText(1));
}

void frmSlitwise::cmdStart_Click() {
    auto run = std::make_unique<PhotonRun>(*surface_, random_, *this);
    try {
        run->start();
    } catch (const SettingError& error) {
        showMessage(QStringLiteral("settingMessage"), error.message());
        return;
    }
    run_ = std::move(run);
    picturePhotons_ = text(SettingField::PocetFotonu);
    setAccessibleDescription(QStringLiteral("Run in progress"));
    update(surface_->takeDirtyRect());
    if (QScreen* screen = this->screen()) {
        pacer_.setFrameRate(screen->refreshRate());
    }
    pacer_.start(*run_);
}

void frmSlitwise::cmdUnload_Click() {
    close();
}

void frmSlitwise::opFot1_Click() {
    setText(SettingField::PocetFotonu, Conversion::toText(1));
}
void frmSlitwise::opFot5_Click() {
    setText(SettingField::PocetFotonu, Conversion::toText(5));
}
void frmSlitwise::opFot10_Click() {
    setText(SettingField::PocetFotonu, Conversion::toText(10));
}
void frmSlitwise::op50_Click() {
    setText(SettingField::PocetFotonu, Conversion::toText(50));
}
void frmSlitwise::opFot100_Click() {
    setText(SettingField::PocetFotonu, Conversion::toText(100));
}
void frmSlitwise::opfot500_Click() {
    setText(SettingField::PocetFotonu, Conversion::toText(500));
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
    return run_ != nullptr && pacer_.isRunning();
}

void frmSlitwise::finishRun() {
    if (!isRunning()) {
        return;
    }
    pacer_.stop();
    try {
        run_->advance(std::numeric_limits<long long>::max());
    } catch (const SettingError& error) {
        showMessage(QStringLiteral("settingMessage"), error.message());
    }
    update(surface_->takeDirtyRect());
    runEnded();
}

void frmSlitwise::runEnded() {
    run_.reset();
    setAccessibleDescription(QStringLiteral("Run finished"));
    emit runFinished();
    // The held clicks, in order, up to a held Start, which begins the next run; the clicks after
    // it wait for that run to end.
    while (!pending_.empty() && !isRunning()) {
        const HeldClick click = std::move(pending_.front());
        pending_.pop_front();
        click.handler();
    }
}

void frmSlitwise::showMessage(const QString& objectName, const QString& message) {
    // Not modal to the application, so that nothing waits on it and the window stays usable.
    if (message_) {
        message_->close();
    }
    message_ = new QMessageBox(QMessageBox::Warning, QStringLiteral("Slitwise"), message,
                               QMessageBox::Ok, this);
    message_->setObjectName(objectName);
    message_->setAttribute(Qt::WA_DeleteOnClose);
    message_->setWindowModality(Qt::WindowModal);
    message_->open();
}

void frmSlitwise::updateAccessibleNames() {
    // What a screen reader says changes with the choice: "Photons per dot, 50, selected",
    // "Slowdown, 1 of 3".
    for (const ControlRow& row : ControlTable::controls()) {
        QWidget* widget = controls_.value(QString::fromUtf8(row.name));
        QString name = QString::fromUtf8(row.accessibleName);
        if (auto* button = qobject_cast<QRadioButton*>(widget); button && button->isChecked()) {
            name += QStringLiteral(", selected");
        } else if (auto* bar = qobject_cast<QScrollBar*>(widget)) {
            name += QStringLiteral(", %1 of %2").arg(bar->value()).arg(bar->maximum());
        }
        widget->setAccessibleName(name);
    }
}

QString frmSlitwise::suggestedFileName() const {
    return PictureExport::suggestedName(picturePhotons_, random_.seed());
}

void frmSlitwise::requestSave() {
    const QImage picture = surface_->snapshot();
    auto* dialog = new QFileDialog(this, QStringLiteral("Save picture"),
                                   QDir::current().filePath(suggestedFileName()),
                                   QStringLiteral("PNG images (*.png)"));
    dialog->setObjectName(QStringLiteral("saveDialog"));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QStringLiteral("png"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this,
            [this, picture](const QString& path) { savePicture(picture, path); });
    dialog->open();
}

bool frmSlitwise::savePicture(const QImage& picture, const QString& path) {
    QString why;
    if (PictureExport::save(picture, path, &why)) {
        return true;
    }
    showMessage(QStringLiteral("saveMessage"),
                QStringLiteral("The picture could not be saved to \"%1\": %2.").arg(path, why));
    return false;
}

void frmSlitwise::copyPicture() {
    QGuiApplication::clipboard()->setImage(surface_->snapshot());
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
    // Only the kept picture is copied; the window's own grey fills the rest.
    QPainter painter(this);
    const QImage& image = surface_->image();
    const QRect area = event->rect() & QRect(0, 0, ImageSurface::width, ImageSurface::height);
    if (!area.isEmpty()) {
        const qreal ratio = image.devicePixelRatio();
        painter.drawImage(area, image,
                          QRectF(area.x() * ratio, area.y() * ratio, area.width() * ratio,
                                 area.height() * ratio));
    }
}

void frmSlitwise::closeEvent(QCloseEvent* event) {
    // Closing ends the program at once, even in the middle of a run, and nothing held runs.
    pacer_.stop();
    pending_.clear();
    if (message_) {
        message_->close();
    }
    event->accept();
}
