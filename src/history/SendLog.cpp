#include "history/SendLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUuid>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace SendLog {

namespace {

// A record longer than this is taken for garbage: a text is a few hundred bytes.
constexpr quint32 kMaxRecord = 1u << 24;
constexpr int kHeader = 8;

quint32 checkSum(const char* data, qsizetype size) {
    quint32 h = 2166136261u; // FNV-1a
    for (qsizetype i = 0; i < size; ++i) {
        h ^= quint8(data[i]);
        h *= 16777619u;
    }
    return h;
}

template <typename T>
void put(QByteArray& out, T value) {
    out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

void putBytes(QByteArray& out, const QByteArray& bytes) {
    put(out, quint32(bytes.size()));
    out.append(bytes);
}

// Reads from a record's fields; any read past its end marks it unsound.
struct Reader {
    const char* at;
    const char* end;
    bool sound = true;
    template <typename T>
    T get() {
        T value{};
        if (end - at < qsizetype(sizeof value)) {
            sound = false;
            return value;
        }
        std::memcpy(&value, at, sizeof value);
        at += sizeof value;
        return value;
    }
    QByteArray bytes() {
        const quint32 n = get<quint32>();
        if (!sound || quint64(end - at) < n) {
            sound = false;
            return {};
        }
        QByteArray out(at, qsizetype(n));
        at += n;
        return out;
    }
};

} // namespace

namespace {

// The header goes in front once the fields are in.
qsizetype begin(QByteArray& out, Record::Kind kind, qint64 action, qint32 place, qint32 part) {
    const qsizetype start = out.size();
    out.append(kHeader, '\0');
    out.append(char(kind));
    put(out, action);
    put(out, place);
    put(out, part);
    return start;
}

void finish(QByteArray& out, qsizetype start) {
    const quint32 size = quint32(out.size() - start - kHeader);
    const quint32 sum = checkSum(out.constData() + start + kHeader, size);
    std::memcpy(out.data() + start, &size, sizeof size);
    std::memcpy(out.data() + start + 4, &sum, sizeof sum);
}

} // namespace

void encodeHandedOver(QByteArray& out, qint64 action, qint32 place, qint32 part, const QByteArray& at,
                      const QByteArray& recipient, const QByteArray& name, const QByteArray& text) {
    const qsizetype start = begin(out, Record::Kind::HandedOver, action, place, part);
    for (const QByteArray* b : {&at, &recipient, &name, &text})
        putBytes(out, *b);
    finish(out, start);
}

void encodeEnded(QByteArray& out, qint64 action, qint32 place, qint32 part, const QByteArray& state,
                 const QByteArray& reply) {
    const qsizetype start = begin(out, Record::Kind::Ended, action, place, part);
    putBytes(out, state);
    putBytes(out, reply);
    finish(out, start);
}

void encode(QByteArray& out, const Record& r) {
    if (r.kind == Record::Kind::HandedOver)
        encodeHandedOver(out, r.action, r.place, r.part, r.at, r.recipient, r.name, r.text);
    else
        encodeEnded(out, r.action, r.place, r.part, r.state, r.reply);
}

QList<Record> decode(const QByteArray& bytes, qint64* used) {
    QList<Record> out;
    qsizetype at = 0;
    while (bytes.size() - at >= kHeader) {
        quint32 size = 0;
        quint32 sum = 0;
        std::memcpy(&size, bytes.constData() + at, sizeof size);
        std::memcpy(&sum, bytes.constData() + at + 4, sizeof sum);
        if (size > kMaxRecord || quint64(bytes.size() - at - kHeader) < size)
            break;
        const char* body = bytes.constData() + at + kHeader;
        if (checkSum(body, size) != sum)
            break;
        Reader in{body, body + size};
        Record r;
        const char kind = in.get<char>();
        r.action = in.get<qint64>();
        r.place = in.get<qint32>();
        r.part = in.get<qint32>();
        if (kind == char(Record::Kind::HandedOver)) {
            r.kind = Record::Kind::HandedOver;
            for (QByteArray* b : {&r.at, &r.recipient, &r.name, &r.text})
                *b = in.bytes();
        } else if (kind == char(Record::Kind::Ended)) {
            r.kind = Record::Kind::Ended;
            r.state = in.bytes();
            r.reply = in.bytes();
        } else {
            break;
        }
        if (!in.sound || in.at != in.end)
            break;
        out.append(std::move(r));
        at += kHeader + size;
    }
    *used = at;
    return out;
}

QString prefixFor(const QString& journalPath) {
    return QFileInfo(journalPath).fileName() + QStringLiteral("-sendlog-");
}

File::~File() {
    close();
}

QString File::name() const {
    return QFileInfo(m_path).fileName();
}

void File::failed(int error) {
    switch (error) {
    case ENOSPC:
    case EFBIG:
    case EDQUOT:
        m_errorCode = SQLITE_FULL;
        break;
    case EROFS:
    case EACCES:
    case EPERM:
        m_errorCode = SQLITE_READONLY;
        break;
    default:
        m_errorCode = SQLITE_IOERR;
    }
}

bool File::create(const QString& journalPath) {
    close();
    const QFileInfo journal(journalPath);
    const QString path = journal.absoluteDir().filePath(prefixFor(journalPath) +
                                                        QUuid::createUuid().toString(QUuid::Id128));
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        failed(errno);
        return false;
    }
    // Held as long as this process lives: the kernel lets it go when it dies.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        failed(errno);
        ::close(fd);
        ::unlink(QFile::encodeName(path).constData());
        return false;
    }
    m_fd = fd;
    m_path = path;
    m_size = 0;
    m_broken = false;
    return true;
}

bool File::takeOver(const QString& path) {
    close();
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat held {};
    struct stat named {};
    // The writer holds it; or another instance took it over and removed it
    // between the open and the lock.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(fd, &held) != 0 || ::stat(name.constData(), &named) != 0 ||
        held.st_ino != named.st_ino || held.st_dev != named.st_dev) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    m_path = path;
    m_size = held.st_size;
    m_broken = false;
    return true;
}

bool File::append(const QByteArray& bytes) {
    if (m_fd < 0 || m_broken) {
        if (m_errorCode == 0)
            m_errorCode = SQLITE_IOERR;
        return false;
    }
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(m_fd, bytes.constData() + done, size_t(bytes.size() - done), m_size + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            failed(n < 0 ? errno : ENOSPC);
            // What went in must not stand in front of what comes next.
            if (::ftruncate(m_fd, m_size) != 0)
                m_broken = true;
            return false;
        }
        done += n;
    }
    m_size += bytes.size();
    return true;
}

QByteArray File::readFrom(qint64 offset) const {
    QByteArray out;
    if (m_fd < 0 || offset >= m_size)
        return out;
    out.resize(qsizetype(m_size - offset));
    qsizetype done = 0;
    while (done < out.size()) {
        const ssize_t n = ::pread(m_fd, out.data() + done, size_t(out.size() - done), offset + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += n;
    }
    out.truncate(done);
    return out;
}

void File::remove() {
    if (m_fd >= 0)
        ::unlink(QFile::encodeName(m_path).constData());
    close();
}

void File::close() {
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_size = 0;
}

} // namespace SendLog
