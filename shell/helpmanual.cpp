// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/helpmanual.h"

#include "textio/boundedfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringDecoder>

namespace keyvora {

namespace {

bool isHeading(const QString &line, int level)
{
    return line.startsWith(QString(level, u'#') + u' ');
}

bool isFence(const QString &line)
{
    return line.startsWith(QLatin1String("```")) || line.startsWith(QLatin1String("~~~"));
}

// Text a viewer can show: UTF-8 without NULs or other control codes but tab and line ends.
bool decodeManual(const QByteArray &bytes, QString &text)
{
    QStringDecoder utf8(QStringConverter::Utf8);
    text = utf8.decode(bytes);
    if (utf8.hasError())
        return false;
    for (QChar c : text) {
        if (c.unicode() < 0x20 && c != u'\t' && c != u'\n' && c != u'\r')
            return false;
    }
    return true;
}

} // namespace

QString helpSlug(const QString &heading)
{
    QString slug;
    bool gap = false;
    for (QChar c : heading) {
        if (c.isLetterOrNumber()) {
            if (gap && !slug.isEmpty())
                slug += u'-';
            slug += c.toLower();
            gap = false;
        } else {
            gap = true;
        }
    }
    return slug;
}

HelpManual HelpManual::parse(const QString &markdown)
{
    HelpManual manual;
    QString *into = &manual.introduction;
    bool inFence = false;
    for (const QString &raw : markdown.split(u'\n')) {
        const QString line = raw.endsWith(u'\r') ? raw.chopped(1) : raw;
        if (isFence(line))
            inFence = !inFence;
        if (!inFence && manual.title.isEmpty() && manual.topics.empty() && isHeading(line, 1)) {
            manual.title = line.mid(2).trimmed();
            continue;
        }
        if (!inFence && isHeading(line, 2)) {
            const QString title = line.mid(3).trimmed();
            manual.topics.push_back({title, helpSlug(title), QStringLiteral("# ") + title + u'\n'});
            into = &manual.topics.back().markdown;
            continue;
        }
        *into += line;
        *into += u'\n';
    }
    return manual;
}

const HelpManual::Topic *HelpManual::topic(const QString &slug) const
{
    for (const Topic &candidate : topics) {
        if (candidate.slug == slug)
            return &candidate;
    }
    return nullptr;
}

FoundManual findHelpManual(const QString &fileName, const QStringList &folders, Language language)
{
    FoundManual found;
    // A bare name: the manual never reaches outside the folders searched.
    const QString name = QFileInfo(fileName).fileName();
    const auto refuse = [&](const QString &path, Text reason) {
        found.problems += text(language, Text::HelpRefused).arg(path, text(language, reason));
        found.problems += u'\n';
    };
    for (const QString &folder : folders) {
        const QString path = QDir(folder).filePath(name);
        if (name.isEmpty() || !QFileInfo::exists(path))
            continue;
        const FileBytes file = readRegularFile(path, kMaxHelpFileBytes);
        if (file.status == FileBytes::Status::TooLarge) {
            refuse(path, Text::HelpTooLarge);
        } else if (file.status != FileBytes::Status::Loaded) {
            refuse(path, Text::HelpNotAFile);
        } else if (!decodeManual(file.bytes, found.markdown)) {
            refuse(path, Text::HelpNotText);
        } else {
            found.path = path;
            return found;
        }
    }
    found.path = QStringLiteral(":/manual/") + name;
    QFile builtIn(found.path);
    if (name.isEmpty() || !builtIn.open(QIODevice::ReadOnly)) {
        found.markdown.clear();
        found.path.clear();
        refuse(fileName, Text::HelpMissing);
        return found;
    }
    found.markdown = QString::fromUtf8(builtIn.readAll());
    return found;
}

QStringList programDataFolders()
{
    const QDir program(QCoreApplication::applicationDirPath());
    return {program.path(),
            QDir::cleanPath(program.filePath(QStringLiteral(KEYVORA_DATADIR_FROM_BIN)))};
}

QStringList helpFolders()
{
    return QStringList{QDir::currentPath()} + programDataFolders();
}

} // namespace keyvora
