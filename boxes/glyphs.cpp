// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "boxes/glyphs.h"

#include <QTextLayout>

namespace keyvora {

namespace {

bool isShownAsStandIn(char16_t c)
{
    return (c < 0x20 && c != u'\t') || c == 0x7F;
}

constexpr char16_t kControlStandIn = 0x25A1;

} // namespace

QString withStandIns(QStringView text, QList<int> *standIns)
{
    QString shown = text.toString();
    char16_t *chars = reinterpret_cast<char16_t *>(shown.data());
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (isShownAsStandIn(chars[i])) {
            chars[i] = kControlStandIn;
            if (standIns)
                standIns->append(int(i));
        }
    }
    return shown;
}

QRectF characterBox(const QTextLayout &layout, const QTextLine &line, int cursor,
                    const QPointF &origin)
{
    const qreal x1 = line.cursorToX(cursor);
    const qreal x2 = line.cursorToX(layout.nextCursorPosition(cursor));
    return {origin.x() + qMin(x1, x2), origin.y(), qAbs(x2 - x1), line.height()};
}

} // namespace keyvora
