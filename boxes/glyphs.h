#pragma once

#include <QList>
#include <QString>

namespace keyvora {

// What both boxes put on screen for a character, so that the practice text and the learner's
// typing look alike.

// The text as the boxes lay it out. Control characters other than tab have no glyph of their
// own; each becomes a small white square (Liberation Serif has one), so that it takes a place
// the learner can see. Where they were goes to standIns, for a box that draws them apart.
QString withStandIns(QStringView text, QList<int> *standIns = nullptr);

} // namespace keyvora
