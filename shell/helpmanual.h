// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "shell/texts.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace keyvora {

// The user manual: Markdown whose "# " line is its title and whose "## " headings start its
// topics. Whatever precedes the first topic is the introduction on the index page.
struct HelpManual {
    struct Topic {
        QString title;
        QString slug; // what "[text](#slug)" links name
        QString markdown;
    };
    QString title;
    QString introduction;
    std::vector<Topic> topics;

    static HelpManual parse(const QString &markdown);
    const Topic *topic(const QString &slug) const;
};

// "Figures: words, accuracy" -> "figures-words-accuracy"
QString helpSlug(const QString &heading);

inline constexpr qint64 kMaxHelpFileBytes = 1024 * 1024;

struct FoundManual {
    QString markdown;
    QString path;     // where it was read from; a ":/" path for the built-in copy
    QString problems; // one line for each file found but refused, in the manual's language
};

// Looks for the file in each folder in turn and takes the first that is a readable regular
// file of UTF-8 text within kMaxHelpFileBytes; the copy built into the program is the last
// resort. Nothing here blocks, whatever a file turns out to be.
FoundManual findHelpManual(const QString &fileName, const QStringList &folders, Language language);

// The current folder, the program's folder and the installed data folder, in that order.
// Beside the program, as in a build tree, then the installed data folder.
QStringList programDataFolders();
QStringList helpFolders();

} // namespace keyvora
