#include "lessons/practicefile.h"

#include <QFile>
#include <QStringDecoder>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace keyvora {

namespace {

// Closes the descriptor on every way out of the reader.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd)
        : m_fd(fd)
    {
    }
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

// Strict RFC 3629: no overlong forms, no surrogates, nothing above U+10FFFF, no cut-off
// sequence at the end. Anything looser lets a Windows-1252 file pass as UTF-8.
bool isValidUtf8(const uchar *s, qsizetype n)
{
    qsizetype i = 0;
    while (i < n) {
        const uchar lead = s[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        int length = 0;
        uchar low = 0x80;
        uchar high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0)
                low = 0xA0;
            else if (lead == 0xED)
                high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0)
                low = 0x90;
            else if (lead == 0xF4)
                high = 0x8F;
        } else {
            return false;
        }
        if (n - i < length || s[i + 1] < low || s[i + 1] > high)
            return false;
        for (int k = 2; k < length; ++k) {
            if ((s[i + k] & 0xC0) != 0x80)
                return false;
        }
        i += length;
    }
    return true;
}

// Code units are taken as they stand; a lone surrogate or an odd last byte is not a
// character, so it becomes U+FFFD instead of being passed on.
QString decodeUtf16(const uchar *s, qsizetype n, bool bigEndian)
{
    const qsizetype units = n / 2;
    const auto unitAt = [&](qsizetype i) -> char16_t {
        const uchar first = s[2 * i];
        const uchar second = s[2 * i + 1];
        return bigEndian ? char16_t(first << 8 | second) : char16_t(second << 8 | first);
    };
    QString text;
    text.reserve(units + 1);
    for (qsizetype i = 0; i < units; ++i) {
        const char16_t unit = unitAt(i);
        if (QChar::isHighSurrogate(unit) && i + 1 < units && QChar::isLowSurrogate(unitAt(i + 1))) {
            text.append(QChar(unit));
            text.append(QChar(unitAt(++i)));
        } else if (QChar::isSurrogate(unit)) {
            text.append(QChar::ReplacementCharacter);
        } else {
            text.append(QChar(unit));
        }
    }
    if (n % 2 != 0)
        text.append(QChar::ReplacementCharacter);
    return text;
}

// 0x80 to 0x9F; the five bytes that Windows-1252 leaves undefined keep their own code points.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, //
};

QString decodeWindows1252(const uchar *s, qsizetype n)
{
    QString text(n, Qt::Uninitialized);
    QChar *out = text.data();
    for (qsizetype i = 0; i < n; ++i) {
        const uchar byte = s[i];
        out[i] =
            QChar(byte >= 0x80 && byte <= 0x9F ? kWindows1252High[byte - 0x80] : char16_t(byte));
    }
    return text;
}

} // namespace

QString decodePracticeBytes(const QByteArray &bytes)
{
    const auto *s = reinterpret_cast<const uchar *>(bytes.constData());
    const qsizetype n = bytes.size();
    if (n >= 2 && s[0] == 0xFF && s[1] == 0xFE)
        return decodeUtf16(s + 2, n - 2, false);
    if (n >= 2 && s[0] == 0xFE && s[1] == 0xFF)
        return decodeUtf16(s + 2, n - 2, true);
    if (isValidUtf8(s, n)) {
        const qsizetype bom = n >= 3 && s[0] == 0xEF && s[1] == 0xBB && s[2] == 0xBF ? 3 : 0;
        // Only the one mark we skipped is dropped; a second one is part of the text.
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless |
                                                        QStringConverter::Flag::ConvertInitialBom);
        return utf8.decode(QByteArrayView(bytes).sliced(bom));
    }
    return decodeWindows1252(s, n);
}

FileBytes readRegularFile(const QString &path, qint64 maxBytes)
{
    FileBytes result;
    const QByteArray name = QFile::encodeName(path);
    // Opening some devices has side effects (a serial line raises its control lines), so
    // they are refused before opening; fstat below closes the gap to the actual read.
    struct stat info {};
    if (name.isEmpty() || ::stat(name.constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return result;
    // O_NONBLOCK: a path swapped for a FIFO after the check must not block the open.
    const FileDescriptor fd(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return result;
    if (info.st_size > maxBytes) {
        result.status = PracticeFile::Status::TooLarge;
        return result;
    }

    // The reported size is only a hint: /proc files report 0 and a file may grow while it is
    // read. Reading stops one byte past the limit, which is enough to refuse it.
    const qsizetype cap = maxBytes + 1;
    QByteArray bytes(qMin<qsizetype>(info.st_size + 1, cap), Qt::Uninitialized);
    qsizetype total = 0;
    while (total < cap) {
        if (total == bytes.size())
            bytes.resize(qMin(qMax<qsizetype>(2 * total, 64 * 1024), cap));
        const ssize_t got = ::read(fd.get(), bytes.data() + total, size_t(bytes.size() - total));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return result;
        if (got == 0)
            break;
        total += got;
    }
    if (total > maxBytes) {
        result.status = PracticeFile::Status::TooLarge;
        return result;
    }
    bytes.truncate(total);
    result.status = PracticeFile::Status::Loaded;
    result.bytes = std::move(bytes);
    return result;
}

PracticeFile readPracticeFile(const QString &path)
{
    FileBytes file = readRegularFile(path, kMaxPracticeFileBytes);
    PracticeFile result;
    result.status = file.status;
    if (file.status == PracticeFile::Status::Loaded)
        result.text = decodePracticeBytes(file.bytes);
    return result;
}

} // namespace keyvora
