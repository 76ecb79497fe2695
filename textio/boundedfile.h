// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

namespace keyvora {

// The bytes of a regular file of at most maxBytes. Anything that is not a readable regular
// file (a folder, a pipe, a device, a dangling or looping link) is Unreadable; nothing here
// blocks.
struct FileBytes {
    enum class Status { Loaded, Unreadable, TooLarge };
    Status status = Status::Unreadable;
    QByteArray bytes; // when Loaded
};
FileBytes readRegularFile(const QString &path, qint64 maxBytes);

} // namespace keyvora
