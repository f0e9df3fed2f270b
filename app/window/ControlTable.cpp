// The control table. Geometry is in pixels (15 twips each); fonts use the Central European
// character set, which Qt's Unicode text needs no setting for.
#include "ControlTable.h"

#include "FormFields.h"
#include "Scene.h"

#include <QCoreApplication>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

using K = ControlKind;

constexpr QRgb grey = 0xC0C0C0;
constexpr QRgb settingGreen = 0xC0FFC0;
constexpr ControlFont frameFont{"Times New Roman", "Liberation Serif", 9.75, true};
constexpr ControlFont captionFont{"Times New Roman", "Liberation Serif", 12, true};
constexpr ControlFont titleFont{"Times New Roman", "Liberation Serif", 15.75, true};
constexpr ControlFont buttonFont{"Times New Roman", "Liberation Serif", 14.25, true};
constexpr ControlFont photonFont{"MS Sans Serif", "Liberation Sans", 9.75, false};
// What a screen reader says of each caption of the drawing.
constexpr const char* shownCaption =
    QT_TRANSLATE_NOOP("ControlTable", "Caption of the drawing, shown once a run has ended");

const ControlRow table[] = {
    {.name = "HScroll1",
     .kind = K::ScrollBar,
     .geometry = {216, 24, 161, 17},
     .tabIndex = 26,
     .shown = true,
     .accessibleName = QT_TRANSLATE_NOOP("ControlTable", "Slowdown"),
     .accessibleDescription = QT_TRANSLATE_NOOP(
         "ControlTable",
         "How many times each photon's animation is repeated in the next run, 1 to 3")},
    {.name = "frmAnimace",
     .kind = K::Frame,
     .text = "Animace",
     .geometry = {16, 200, 89, 81},
     .backColour = grey,
     .font = frameFont,
     .tabIndex = 22},
    {.name = "opPomalá",
     .kind = K::OptionButton,
     .parent = "frmAnimace",
     .text = "Pomalá",
     .geometry = {16, 56, 57, 17},
     .backColour = grey,
     .tabIndex = 25},
    {.name = "opPomalejší",
     .kind = K::OptionButton,
     .parent = "frmAnimace",
     .text = "Pomalejší",
     .geometry = {16, 40, 65, 17},
     .backColour = grey,
     .tabIndex = 24},
    {.name = "opRychlá",
     .kind = K::OptionButton,
     .parent = "frmAnimace",
     .text = "Rychlá",
     .geometry = {16, 24, 57, 17},
     .backColour = grey,
     .tabIndex = 23},
    {.name = "nSpomaleni",
     .kind = K::TextField,
     .text = "Spomalení",
     .geometry = {416, 8, 41, 19},
     .tabIndex = 21},
    {.name = "nPravděpodobnost",
     .kind = K::TextField,
     .text = QT_TRANSLATE_NOOP("ControlTable", "Interference pattern (probability)"),
     .geometry = {528, 40, 233, 19},
     .backColour = grey,
     .font = captionFont,
     .tabIndex = 20,
     .accessibleName = QT_TRANSLATE_NOOP("ControlTable", "Interference pattern (probability)"),
     .accessibleDescription = shownCaption},
    {.name = "nSoučet",
     .kind = K::TextField,
     .text = QT_TRANSLATE_NOOP("ControlTable", "Vector sum"),
     .geometry = {400, 40, 113, 17},
     .backColour = grey,
     .font = captionFont,
     .tabIndex = 19,
     .accessibleName = QT_TRANSLATE_NOOP("ControlTable", "Vector sum"),
     .accessibleDescription = shownCaption},
    {.name = "nDetektor",
     .kind = K::TextField,
     .text = QT_TRANSLATE_NOOP("ControlTable", "detector"),
     .geometry = {288, 40, 89, 25},
     .backColour = grey,
     .font = captionFont,
     .tabIndex = 18,
     .accessibleName = QT_TRANSLATE_NOOP("ControlTable", "detector"),
     .accessibleDescription = shownCaption},
    {.name = "nClona",
     .kind = K::TextField,
     .text = QT_TRANSLATE_NOOP("ControlTable", "Shield with double slit"),
     .geometry = {72, 40, 161, 25},
     .backColour = grey,
     .font = captionFont,
     .tabIndex = 17,
     .accessibleName = QT_TRANSLATE_NOOP("ControlTable", "Shield with double slit"),
     .accessibleDescription = shownCaption},
    {.name = "nZdroj",
     .kind = K::TextField,
     .text = QT_TRANSLATE_NOOP("ControlTable", "Source"),
     .geometry = {40, 312, 57, 19},
     .backColour = grey,
     .font = captionFont,
     .tabIndex = 16,
     .accessibleName = QT_TRANSLATE_NOOP("ControlTable", "Source"),
     .accessibleDescription = shownCaption},
    {.name = "nTitul",
     .kind = K::TextField,
     .text = "Slitwise",
     .geometry = {184, 0, 225, 25},
     .backColour = grey,
     .font = titleFont,
     .tabIndex = 15,
     .shown = true,
     .accessibleName = "Slitwise",
     .accessibleDescription = QT_TRANSLATE_NOOP(
         "ControlTable",
         "The double-slit experiment with single photons, shown with phase arrows")},
    {.name = "frmPočetFotonů",
     .kind = K::Frame,
     .text = QT_TRANSLATE_NOOP("ControlTable", "Photons per dot"),
     .geometry = {16, 72, 121, 121},
     .backColour = grey,
     .font = frameFont,
     .tabIndex = 8,
     .shown = true,
     .accessibleName = QT_TRANSLATE_NOOP("ControlTable", "Photons per dot"),
     .accessibleDescription =
         QT_TRANSLATE_NOOP("ControlTable", "How many photons are sent to each detector point")},
    {.name = "opFot100",
     .kind = K::OptionButton,
     .parent = "frmPočetFotonů",
     .photonsRow = 4, // 100
     .geometry = {56, 80, 49, 13},
     .backColour = grey,
     .font = photonFont,
     .tabIndex = 14,
     .shown = true},
    {.name = "opfot500",
     .kind = K::OptionButton,
     .parent = "frmPočetFotonů",
     .photonsRow = 5, // 500
     .geometry = {72, 96, 41, 17},
     .backColour = grey,
     .font = photonFont,
     .tabIndex = 13,
     .shown = true},
    {.name = "op50",
     .kind = K::OptionButton,
     .parent = "frmPočetFotonů",
     .photonsRow = 3, // 50
     .geometry = {40, 64, 41, 13},
     .backColour = grey,
     .font = photonFont,
     .tabIndex = 12,
     .shown = true},
    {.name = "opFot10",
     .kind = K::OptionButton,
     .parent = "frmPočetFotonů",
     .photonsRow = 2, // 10
     .geometry = {32, 48, 41, 17},
     .backColour = grey,
     .font = photonFont,
     .tabIndex = 11,
     .shown = true},
    {.name = "opFot5",
     .kind = K::OptionButton,
     .parent = "frmPočetFotonů",
     .photonsRow = 1, // 5
     .geometry = {16, 32, 57, 13},
     .backColour = grey,
     .font = photonFont,
     .tabIndex = 10,
     .shown = true},
    {.name = "opFot1",
     .kind = K::OptionButton,
     .parent = "frmPočetFotonů",
     .photonsRow = 0, // 1
     .geometry = {8, 16, 33, 17},
     .backColour = grey,
     .font = photonFont,
     .tabIndex = 9,
     .shown = true},
    {.name = "nRozptyl",
     .kind = K::TextField,
     .text = "RozptylFaze",
     .geometry = {496, 112, 57, 27},
     .backColour = settingGreen,
     .tabIndex = 6},
    {.name = "cmdUnload",
     .kind = K::PushButton,
     .text = QT_TRANSLATE_NOOP("ControlTable", "Exit"),
     .geometry = {688, 8, 81, 25},
     .backColour = grey,
     .font = buttonFont,
     .tabIndex = 5,
     .shown = true,
     .accessibleName = QT_TRANSLATE_NOOP("ControlTable", "Exit"),
     .accessibleDescription =
         QT_TRANSLATE_NOOP("ControlTable", "Closes the window and ends the program")},
    {.name = "cmdStart",
     .kind = K::PushButton,
     .text = QT_TRANSLATE_NOOP("ControlTable", "Start"),
     .geometry = {584, 8, 73, 25},
     .backColour = grey,
     .font = buttonFont,
     .tabIndex = 4,
     .shown = true,
     .accessibleName = QT_TRANSLATE_NOOP("ControlTable", "Start"),
     .accessibleDescription = QT_TRANSLATE_NOOP(
         "ControlTable",
         "Draws the apparatus and builds the interference pattern photon by photon")},
    {.name = "nVzdalenost",
     .kind = K::TextField,
     .text = "nVzdalenost",
     .geometry = {480, 0, 49, 25},
     .backColour = settingGreen,
     .tabIndex = 3},
    {.name = "nUr",
     .kind = K::TextField,
     .text = "nUR",
     .geometry = {496, 72, 49, 25},
     .backColour = settingGreen,
     .tabIndex = 2},
    {.name = "nRd",
     .kind = K::TextField,
     .text = "nRd",
     .geometry = {504, 144, 49, 25},
     .backColour = settingGreen,
     .tabIndex = 1},
    {.name = "nPocetFotonu",
     .kind = K::TextField,
     .text = "nPocetFotonu",
     .geometry = {8, 24, 49, 25},
     .backColour = settingGreen,
     .tabIndex = 0},
    {.name = "labKlepnete",
     .kind = K::Label,
     .text = QT_TRANSLATE_NOOP("ControlTable", "Please press button Start"),
     .geometry = {192, 312, 385, 41},
     .backColour = grey,
     .font = titleFont,
     .tabIndex = 7,
     .shown = true,
     .accessibleName = QT_TRANSLATE_NOOP("ControlTable", "Please press button Start"),
     .accessibleDescription = QT_TRANSLATE_NOOP("ControlTable", "What to do first")},
};

const ControlRow paused{.name = "pausedCaption",
                        .kind = K::Label,
                        .text = QT_TRANSLATE_NOOP("ControlTable", "Paused"),
                        .geometry = {490, 8, 86, 25},
                        .backColour = grey,
                        .font = captionFont,
                        .tabIndex = 27, // after the design's controls; a label takes no focus
                        .accessibleName = QT_TRANSLATE_NOOP("ControlTable", "Paused"),
                        .accessibleDescription = QT_TRANSLATE_NOOP(
                            "ControlTable", "The run waits; P resumes it, N does one photon")};

const ControlRow runDisplayRows[] = {
    {.name = "progressCaption",
     .kind = K::Label,
     .geometry = {16, 538, 380, 19},
     .font = captionFont,
     .tabIndex = 28},
    {.name = "paceCaption",
     .kind = K::Label,
     .geometry = {400, 538, 385, 19},
     .font = captionFont,
     .tabIndex = 29},
    {.name = "stepCaption",
     .kind = K::Label,
     .geometry = {16, 558, 769, 19},
     .font = frameFont,
     .tabIndex = 30},
};

const ControlRow hits{.name = "hitsCounter",
                      .kind = K::Label,
                      .text = QT_TRANSLATE_NOOP("ControlTable", "Hits: 0"),
                      .geometry = {556, 558, 240, 19},
                      .backColour = grey,
                      .font = captionFont,
                      .tabIndex = 31,
                      .accessibleDescription = QT_TRANSLATE_NOOP(
                          "ControlTable", "Single photons landed on the detector screen")};

// The design's controls, then a hidden field for each setting added since, in a column right of
// the design's setting fields. They hold settings only and are never shown.
const std::vector<ControlRow>& allControls() {
    static const std::vector<ControlRow> rows = [] {
        std::vector<ControlRow> all(std::begin(table), std::end(table));
        for (const FormFields::Setting& setting : FormFields::settings) {
            if (std::none_of(std::begin(table), std::end(table), [&setting](const ControlRow& row) {
                    return std::strcmp(row.name, setting.name) == 0;
                })) {
                const int added = static_cast<int>(all.size() - std::size(table));
                all.push_back({.name = setting.name,
                               .kind = K::TextField,
                               .text = setting.name,
                               .geometry = {560, 72 * added, 49, 25},
                               .backColour = settingGreen,
                               .tabIndex = 28 + added});
            }
        }
        return all;
    }();
    return rows;
}

} // namespace

std::span<const ControlRow> ControlTable::runDisplay() {
    return runDisplayRows;
}

std::span<const ControlRow> ControlTable::controls() {
    return allControls();
}

const ControlRow& ControlTable::pausedCaption() {
    return paused;
}

const ControlRow& ControlTable::hitsCounter() {
    return hits;
}

int ControlTable::photonsOf(const char* buttonName) {
    return Scene::photonsRows[find(QString::fromUtf8(buttonName))->photonsRow].photons;
}

ControlRow ControlTable::detectorCaption(double detectorX) {
    // Design pixels: the detector line of the design, and the room the word takes.
    constexpr int designedX = 300;
    constexpr int wordRoom = 60;
    ControlRow row = *find(QStringLiteral("nDetektor"));
    const int sumsLeft = find(QString::fromUtf8("nSoučet"))->geometry.left();
    const int left =
        std::min(row.geometry.left() + static_cast<int>(std::lround(detectorX)) - designedX,
                 sumsLeft - wordRoom);
    row.geometry = QRect(left, row.geometry.top(), std::min(row.geometry.width(), sumsLeft - left),
                         row.geometry.height());
    return row;
}

QString ControlTable::shieldCaption(int slits) {
    if (slits == 2) {
        return QCoreApplication::translate("ControlTable", find(QStringLiteral("nClona"))->text);
    }
    return slits == 1
               ? QCoreApplication::translate("ControlTable", "Shield with one slit")
               : QCoreApplication::translate("ControlTable", "Shield with %1 slits").arg(slits);
}

const ControlRow* ControlTable::find(const QString& name) {
    for (const ControlRow& row : controls()) {
        if (name == QString::fromUtf8(row.name)) {
            return &row;
        }
    }
    return nullptr;
}
