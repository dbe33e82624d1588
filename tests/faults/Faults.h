#pragma once

#include "ScriptedServer.h"

#include <QByteArray>
#include <QString>

#include <chrono>
#include <vector>

// The ways a server on loopback lets the client down, and the reply or
// address that stages each. None is the good answer: the control row of
// every table, showing that its checks can tell a good answer from a bad one.
enum class Fault { None, Refuse, Reset, Stall, Trickle, Garbage, Endless, NotFound, ServerError };

inline const char* faultName(Fault f) {
    switch (f) {
    case Fault::None: return "none";
    case Fault::Refuse: return "refuse";
    case Fault::Reset: return "reset";
    case Fault::Stall: return "stall";
    case Fault::Trickle: return "trickle";
    case Fault::Garbage: return "garbage";
    case Fault::Endless: return "endless";
    case Fault::NotFound: return "404";
    case Fault::ServerError: return "500";
    }
    return "?";
}

inline const std::vector<Fault>& allFaults() {
    static const std::vector<Fault> faults = {Fault::None,    Fault::Refuse,  Fault::Reset,
                                              Fault::Stall,   Fault::Trickle, Fault::Garbage,
                                              Fault::Endless, Fault::NotFound, Fault::ServerError};
    return faults;
}

// Bytes no reply of the service ever holds: control codes, a NUL, broken
// UTF-8, a stray separator and line breaks.
inline QByteArray garbageBytes() {
    QByteArray g;
    for (int i = 0; i < 256; ++i)
        g += char((i * 73 + 11) & 0xFF);
    return g + QByteArray("\0\xC3\x28;\r\n\xFF\xFE<html>", 14);
}

// Scripts the fault at path and returns the address the client is to use.
// good: the body of a good answer (also what a trickle sends, a byte a second).
inline QString stageFault(ScriptedServer& server, const QString& path, Fault f, const QByteArray& good,
                          const QString& query = {}) {
    ScriptedServer::Reply r{good};
    switch (f) {
    case Fault::None: break;
    case Fault::Refuse: return ScriptedServer::refusedUrl(path + query);
    case Fault::Reset: r.reset = true; break;
    case Fault::Stall: r.stall = true; break;
    case Fault::Trickle:
        // Padded with blanks, which every reader trims, so that even a one-byte
        // answer takes longer than any deadline of the tests.
        r.trickle = std::chrono::milliseconds(1000);
        r.body = good + QByteArray(8, ' ');
        break;
    case Fault::Garbage: r.body = garbageBytes(); break;
    case Fault::Endless: r.endlessChunk = 4096; r.body.clear(); break;
    case Fault::NotFound: r.status = 404; r.body = "<html><body>Not Found</body></html>"; break;
    case Fault::ServerError: r.status = 500; r.body = "<html><body>Internal Server Error</body></html>"; break;
    }
    server.setReply(path, r);
    return server.url(path + query);
}

// True when none of the texts shows the server's address, port or the password.
inline bool revealsNothing(const QStringList& texts, const ScriptedServer& server, const QString& password) {
    const QString host = server.url({});
    for (const QString& t : texts) {
        if (t.contains(host) || t.contains(QStringLiteral("127.0.0.1")) ||
            (!password.isEmpty() && t.contains(password)))
            return false;
    }
    return true;
}
