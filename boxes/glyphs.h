// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QRectF>
#include <QString>

class QTextLayout;
class QTextLine;

namespace keyvora {

// What both boxes put on screen for a character, so that the practice text and the learner's
// typing look alike, and where: the learner's mark and what assistive tools are told of a
// character's place come from the one sum in either box.

// The text as the boxes lay it out. Control characters other than tab have no glyph of their
// own; each becomes a small white square (Liberation Serif has one), so that it takes a place
// the learner can see. Where they were goes to standIns, for a box that draws them apart.
QString withStandIns(QStringView text, QList<int> *standIns = nullptr);

// The place of the character at cursor on a laid-out line whose top left is at origin: as wide
// as the step to the next cursor position, whichever way the text runs.
QRectF characterBox(const QTextLayout &layout, const QTextLine &line, int cursor,
                    const QPointF &origin);

} // namespace keyvora
