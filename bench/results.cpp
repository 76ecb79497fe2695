// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results.h"

namespace keyvora::bench {

QString sizeName(qsizetype bytes)
{
    return bytes >= MB ? QStringLiteral("%1 MB").arg(bytes / MB)
                       : QStringLiteral("%1 KB").arg(bytes / KB);
}

const char *boxesName(Boxes boxes)
{
    switch (boxes) {
    case Boxes::Ours:
        return "ours";
    case Boxes::StockTextEdit:
        return "QTextEdit";
    case Boxes::StockPlainTextEdit:
        break;
    }
    return "QPlainTextEdit";
}

std::string Results::loadCase(Boxes boxes, qsizetype size)
{
    return QStringLiteral("load/%1/%2").arg(boxesName(boxes), sizeName(size)).toStdString();
}

std::string Results::keyCase(Boxes boxes, qsizetype size, qsizetype input)
{
    return QStringLiteral("key/%1/%2/%3")
        .arg(boxesName(boxes), sizeName(size))
        .arg(input)
        .toStdString();
}

std::string Results::tickCase(Boxes boxes)
{
    return QStringLiteral("ticks/%1").arg(boxesName(boxes)).toStdString();
}

const Samples *Results::find(const std::string &name) const
{
    const auto found = samples.find(name);
    return found == samples.end() || found->second.empty() ? nullptr : &found->second;
}

} // namespace keyvora::bench
