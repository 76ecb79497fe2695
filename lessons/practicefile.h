// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "textio/boundedfile.h"

#include <QByteArray>
#include <QString>

namespace keyvora {

inline constexpr qint64 kMaxPracticeFileBytes = qint64(64) * 1024 * 1024;

struct PracticeFile {
    using Status = FileBytes::Status;
    Status status = Status::Unreadable;
    QString text; // the decoded text when Loaded
};

// Reads a regular file of at most kMaxPracticeFileBytes whole and decodes it. Anything that
// is not a readable regular file (a folder, a pipe, a device, a dangling or looping link)
// is Unreadable; nothing here blocks.
PracticeFile readPracticeFile(const QString &path);

// UTF-8 when the bytes are valid UTF-8 (a leading byte-order mark is dropped), UTF-16 after
// a UTF-16 byte-order mark, otherwise Windows-1252 with one character per byte.
QString decodePracticeBytes(const QByteArray &bytes);

} // namespace keyvora
