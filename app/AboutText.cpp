// Written for a student who has the picture in front of them: each paragraph names a part of the
// picture as it looks, then says what it means.
#include "AboutText.h"

QString AboutText::html() {
    return QStringLiteral(
               "<h2>About this picture</h2>"
               "<p><b>The source</b>, the small circle on the left, sends one photon at a time. "
               "Its arrow turns as each photon leaves: the photon's phase, where its arrow "
               "starts.</p>"
               "<p><b>The shield with its double slit</b> is the thick vertical line. Each "
               "photon goes through one of the two slits, chosen at random. The arrows piled up "
               "at the upper slit are black, those at the lower slit white.</p>"
               "<p><b>The detector</b> is the next vertical line. Each photon arrives at one "
               "detector point, and its arrow has turned by the length of its path: one turn "
               "per pixel of path.</p>"
               "<p><b>The vector sum</b>: the arrows of all the photons sent to one detector "
               "point are added head to tail. At some points the sum is drawn in green, starting "
               "on the third vertical line; it is mirrored top to bottom.</p>"
               "<p><b>The interference pattern</b>: for each detector point a black bar on the "
               "right, as long as the squared length of its sum, which is the probability of "
               "finding a photon there. Long bars are where photons are likely to land.</p>"
               "<p><b>The expected pattern</b>, shown with <b>E</b>, is a red line through the "
               "bar length each point would have on average over many runs.</p>"
               "<h3>Controls and keys</h3>"
               "<p>The buttons on the left choose the photons per detector point; the scroll bar "
               "at the top chooses the slowdown, how many times each photon's animation is "
               "repeated. <b>Start</b> (F5) builds the pattern; clicks made during a run are "
               "applied when it ends. <b>Exit</b> closes the window.</p>"
               "<table>"
               "<tr><td><b>P</b></td><td>pause or resume the run</td></tr>"
               "<tr><td><b>N</b></td><td>while paused: the next photon</td></tr>"
               "<tr><td><b>E</b></td><td>show or hide the expected pattern</td></tr>"
               "<tr><td><b>F11</b>, <b>Esc</b></td><td>full screen, and back</td></tr>"
               "<tr><td><b>Ctrl+S</b></td><td>save the picture as a PNG</td></tr>"
               "<tr><td><b>Ctrl+C</b></td><td>copy the picture</td></tr>"
               "<tr><td><b>Ctrl+E</b></td><td>export the last finished run as CSV data</td></tr>"
               "<tr><td><b>F1</b></td><td>this explanation</td></tr>"
               "<tr><td><b>Menu</b>, right click</td><td>all of the above</td></tr>"
               "</table>"
               "<p>Slitwise %1, free software under the MIT licence. "
               "<a href=\"%2\">%2</a></p>")
        .arg(QStringLiteral(SLITWISE_VERSION), QStringLiteral(SLITWISE_HOMEPAGE));
}
