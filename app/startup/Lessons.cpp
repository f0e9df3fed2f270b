// In the order a lesson plan takes them: the designed experiment first, then one change at a
// time.
#include "Lessons.h"

namespace {

constexpr Lesson lessons[] = {
    {"designed.slitwise", QT_TRANSLATE_NOOP("Lessons", "The designed experiment"),
     QT_TRANSLATE_NOOP("Lessons", "Before pressing Start: will the photons land evenly along the "
                                  "detector, or in bands?")},
    {"slits-apart.slitwise", QT_TRANSLATE_NOOP("Lessons", "Slits twice as far apart"),
     QT_TRANSLATE_NOOP("Lessons", "Before pressing Start: will the bright bands move closer "
                                  "together or further apart?")},
    {"longer-wavelength.slitwise", QT_TRANSLATE_NOOP("Lessons", "A longer wavelength"),
     QT_TRANSLATE_NOOP("Lessons", "Before pressing Start: with a longer wavelength, will the "
                                  "bright bands move closer together or further apart?")},
    {"one-slit.slitwise", QT_TRANSLATE_NOOP("Lessons", "One slit closed"),
     QT_TRANSLATE_NOOP("Lessons", "Before pressing Start: with one slit closed, will there be "
                                  "half as many bands, or none at all?")},
    {"which-slit.slitwise", QT_TRANSLATE_NOOP("Lessons", "The which-slit detector"),
     QT_TRANSLATE_NOOP("Lessons", "Before pressing Start: if we record which slit each photon "
                                  "goes through, will the bands stay?")},
    {"wide-slits.slitwise", QT_TRANSLATE_NOOP("Lessons", "Wide slits"),
     QT_TRANSLATE_NOOP("Lessons", "Before pressing Start: when each slit is wide, will every "
                                  "bright band stay as bright as the middle one?")},
};

} // namespace

std::span<const Lesson> Lessons::all() {
    return lessons;
}

QString Lessons::path(const Lesson& lesson) {
    return QStringLiteral(":/lessons/") + QString::fromLatin1(lesson.file);
}

QString Lessons::question(const QString& written) {
    const QByteArray source = written.toUtf8();
    return tr(source.constData());
}
