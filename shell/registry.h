// SPDX-FileCopyrightText: 2026 The Keyvora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace keyvora {

// The few operations of a system registry the About box needs. This desktop has no registry;
// the layer stays so that the lookup keeps its key and value names and tests can feed it.
class Registry {
public:
    using Key = std::uintptr_t;
    enum Type : std::uint32_t { REG_SZ = 1, REG_DWORD = 4 }; // every other value: "other"

    static constexpr Key HKEY_LOCAL_MACHINE = 0x80000002;
    static constexpr std::uint32_t KEY_READ = 0x20019;
    static constexpr int kValueBufferBytes = 1024;

    virtual ~Registry() = default;
    // False when the key is missing or the access is refused.
    virtual bool open(Key root, const QString &path, std::uint32_t access, Key &key) = 0;
    // Reads at most bufferBytes of the value; false when it is missing or larger.
    virtual bool query(Key key, const QString &name, int bufferBytes, std::uint32_t &type,
                       QByteArray &data) = 0;
    virtual void close(Key key) = 0;
};

class EmptyRegistry final : public Registry {
public:
    bool open(Key, const QString &, std::uint32_t, Key &) override { return false; }
    bool query(Key, const QString &, int, std::uint32_t &, QByteArray &) override { return false; }
    void close(Key) override {}
};

// One value as text; false, with the output emptied, when it cannot be read. A value of a
// type other than REG_SZ or REG_DWORD leaves the output as the caller passed it.
bool GetKeyValue(Registry &registry, Registry::Key root, const QString &keyName,
                 const QString &valueName, QString &keyValue);

// Starts programs for the About box's System Info.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    // Whether an executable file is there.
    virtual bool exists(const QString &path) const = 0;
    // The full path of a program on PATH, or empty.
    virtual QString findOnPath(const QString &program) const = 0;
    // Starts the program detached, without a shell; false when it could not be started.
    virtual bool startDetached(const QString &path, const QStringList &arguments) = 0;
};

class QtProgramLauncher final : public ProgramLauncher {
public:
    bool exists(const QString &path) const override;
    QString findOnPath(const QString &program) const override;
    bool startDetached(const QString &path, const QStringList &arguments) override;
};

} // namespace keyvora
