#pragma once

#include <QString>

class QLineEdit;

namespace zorvel {

// The text without the invisible characters at its ends: line breaks, tabs and the
// other control characters, and format characters such as a zero-width space or a
// byte-order mark. Blanks that show, a space or a no-break space, stay.
QString withoutInvisibleEnds(const QString& text);

// A number copied from a spreadsheet cell or a terminal line ends with a line break,
// which a text box keeps out of sight and a number cannot hold. A text pasted into
// `box` (by keys, by its menu or by the middle button) loses its invisible ends;
// nothing else the box holds or is given changes.
void trimPastedText(QLineEdit& box);

} // namespace zorvel
