#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The send path's log: each request as it is handed over and each answer,
// appended in one write to a file of this process's own before the
// request's bytes leave, and taken into the journal's tables a moment later
// on another thread. An append costs a few microseconds where a commit to
// the journal costs tens, and survives the program being killed as such a
// commit does.
//
// A record is its length, a check sum and its fields. One cut short or
// damaged (a power cut in the middle of a write) ends what is read.
namespace SendLog {

struct Record {
    enum class Kind : char { HandedOver = 'H', Ended = 'E' };
    Kind kind = Kind::HandedOver;
    qint64 action = -1;
    qint32 place = -1;
    qint32 part = 0;
    QByteArray at; // handed over: the time stamp as stored
    QByteArray recipient;
    QByteArray name;
    QByteArray text;
    QByteArray state; // ended: the state as stored and the reply
    QByteArray reply;
};

// Appends the record's bytes to out.
void encode(QByteArray& out, const Record& record);
void encodeHandedOver(QByteArray& out, qint64 action, qint32 place, qint32 part, const QByteArray& at,
                      const QByteArray& recipient, const QByteArray& name, const QByteArray& text);
void encodeEnded(QByteArray& out, qint64 action, qint32 place, qint32 part, const QByteArray& state,
                 const QByteArray& reply);
// The sound records at the start of bytes; used: how many bytes they take.
QList<Record> decode(const QByteArray& bytes, qint64* used);

// "journal.sqlite-sendlog-<id>": a log belongs to the journal beside it.
QString prefixFor(const QString& journalPath);

// One log file, held locked by the process writing it, so another instance
// knows whether its writer still lives.
class File {
public:
    File() = default;
    ~File();
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    // A new, empty log of this process's own beside the journal.
    bool create(const QString& journalPath);
    // The log of a process that is gone: false when its writer still holds
    // it, or when another instance has just taken it and removed it.
    bool takeOver(const QString& path);
    bool isOpen() const { return m_fd >= 0; }
    QString path() const { return m_path; }
    QString name() const;
    qint64 size() const { return m_size; }
    // All or nothing: a write cut short is taken back.
    bool append(const QByteArray& bytes);
    QByteArray readFrom(qint64 offset) const;
    // Removes the file, then lets it go.
    void remove();
    void close();
    // The last failure, as SQLite's result code for the user's message.
    int errorCode() const { return m_errorCode; }

private:
    void failed(int error);
    int m_fd = -1;
    QString m_path;
    qint64 m_size = 0;
    bool m_broken = false;
    int m_errorCode = 0;
};

} // namespace SendLog
