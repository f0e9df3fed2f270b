// Written for a student who has the picture in front of them: each paragraph names a part of the
// picture as it looks, then says what it means. Each paragraph is translated on its own.
#include "AboutText.h"

#include "CommandList.h"

#include <QStringList>

QString AboutText::html() {
    // A line for each key, which a screen reader reads as it reads any line of text; a table's
    // cells would reach it run together.
    QStringList keys;
    for (const Command& command : CommandList::all()) {
        keys << QStringLiteral("<b>%1</b>: %2")
                    .arg(CommandList::key(command), CommandList::help(command));
    }
    const QString table = QStringLiteral("<p>%1</p>").arg(keys.join(QStringLiteral("<br>")));
    const QStringList paragraphs = {
        tr("<b>The source</b>, the small circle on the left, sends one photon at a time. Its "
           "arrow turns as each photon leaves: the photon's phase, where its arrow starts."),
        tr("<b>The shield with its double slit</b> is the thick vertical line. Each photon goes "
           "through one of the two slits, chosen at random. The arrows piled up at the upper "
           "slit are black, those at the lower slit white."),
        tr("<b>The detector</b> is the next vertical line. Each photon arrives at one detector "
           "point, and its arrow has turned by the length of its path: one radian per pixel "
           "of path."),
        tr("<b>The vector sum</b>: the arrows of all the photons sent to one detector point are "
           "added head to tail. At some points the sum is drawn in green, starting on the third "
           "vertical line; it is mirrored top to bottom."),
        tr("<b>The interference pattern</b>: for each detector point a black bar on the right, "
           "as long as the squared length of its sum, which is the probability of finding a "
           "photon there. Long bars are where photons are likely to land."),
        tr("<b>The expected pattern</b>, shown with <b>E</b>, is a red line through the bar "
           "length each point would have on average over many runs."),
        tr("<b>The detector screen</b>, shown with <b>D</b> in place of the bars, is the "
           "picture of the textbooks: single photons land one at a time as dots, scattered at "
           "first, in fringes after some thousands. Beside the latest dot stand its two arrows, "
           "one for each slit (black for the upper, white for the lower), and their green sum: "
           "where they point the same way the sum is long and photons land often; where they "
           "point opposite ways, hardly ever. With the which-slit detector on, the two arrows "
           "are not added, and no fringes form. On the right the hits counted by height, and "
           "with <b>E</b> the chance in red."),
        tr("<b>How the two pictures differ</b>: in a run, many photons are sent to one detector "
           "point, each through one slit chosen at random, and the arrows of all of them are "
           "added. On the detector screen, one photon's arrows for both slits are added: the "
           "photon does not take one slit or the other, and its chance of landing already has "
           "the fringes. Many photons only make that chance visible as dots."),
        tr("<b>The experiment panel</b>, opened and closed with <b>X</b>, is a strip below the "
           "picture. It sets the distance from the slits to the detector, the slit separation, "
           "the wavelength (with the arrow's turn per pixel beside it: one whole turn per "
           "wavelength), the slit width, which slits are open and the which-slit detector. The "
           "next Start uses them; <b>Designed experiment</b> brings back the start-up values. "
           "The fringes narrow as the slits move apart or the wavelength shortens, and widen "
           "as the detector moves away; a wide slit brings an envelope. With one slit open, or "
           "with the detector on, the fringes are gone: the detector's photons add squared "
           "lengths, not arrows, and the two partial sums are drawn apart. A picture of a "
           "changed experiment names its settings along its bottom."),
        tr("<b>The arrow probe</b>, shown with <b>A</b> or a click right of the slits, answers "
           "why it is bright or dark at one point of the detector: each open slit's path to it, "
           "and the arrow each path brings, large and head to tail, with their sum. Where the "
           "paths differ by whole wavelengths the arrows point the same way and the sum is long; "
           "half a wavelength more and they cancel. A wide slit brings a chain of small arrows "
           "that curls up where the slit alone gives darkness. <b>Up</b> and <b>Down</b> move "
           "it, <b>Esc</b> removes it."),
        tr("<b>A grating</b>: <b>Slits</b> in the panel sets one to eight slits, spaced by the "
           "slit separation; with any number but two all of them are open. Each photon goes "
           "through one of them, chosen at random, and its arrows have that slit's colour. The "
           "bright lines stay where neighbouring paths differ by whole wavelengths, λL/d apart, "
           "but grow sharper as slits are added, and the probe shows why: its arrows, one a "
           "slit, head to tail, lie in a straight line only at a bright line; a little way off "
           "they curl into a polygon, which closes where it is dark, long before the next "
           "line."),
        tr("<b>The ruler</b>, <b>R</b>, measures in the picture's pixels at any zoom; while it is "
           "shown a drag lays it anew, and its ends snap to bright fringes near the detector. "
           "<b>The fringe marks</b>, <b>L</b>, mark the bright fringes beside the pattern: the "
           "textbook's ticks λL/d apart, and circles where the paths differ by whole "
           "wavelengths."),
        tr("<b>Kept patterns</b>: <b>K</b> keeps the pattern as it stands, up to four, drawn "
           "as outlines in their own colours and line styles with a legend, to compare with the "
           "next experiments; <b>Shift+K</b> clears them. <b>C</b> draws a curtain over the "
           "pattern so that the class predicts first, and reveals it again."),
        tr("<b>Where the apparatus stands</b>, in pixels from the picture's left: the source at "
           "80, the shield with the slits at 150, the detector line at 150 plus the distance "
           "(150 as designed, 50 to 250), the sums at 450 and the pattern at 550. The distance "
           "stated is from the slits to the detector line, so the fringe spacing measured on "
           "the picture is the wavelength times the distance over the slit separation. After a "
           "change, the run drawn says \"Press Start for the new experiment\" until the next "
           "Start."),
    };
    return QStringLiteral("<h2>%1</h2><p>%2</p><h3>%3</h3><p>%4</p>%5<p>%6</p>")
        .arg(tr("About this picture"), paragraphs.join(QStringLiteral("</p><p>")),
             tr("Controls and keys"),
             tr("The buttons on the left choose the photons per detector point; the scroll bar "
                "at the top chooses the slowdown, how many times each photon's animation is "
                "repeated. <b>Start</b> (F5) builds the pattern; clicks made during a run are "
                "applied when it ends. <b>Exit</b> closes the window."),
             table,
             tr("Slitwise %1, free software under the MIT licence. <a href=\"%2\">%2</a>")
                 .arg(QStringLiteral(SLITWISE_VERSION), QStringLiteral(SLITWISE_HOMEPAGE)));
}
