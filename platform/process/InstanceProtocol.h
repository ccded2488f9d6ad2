// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDataStream>
#include <QString>
#include <QStringList>

#include <optional>

// What a later start and the running copy say to each other over the socket: the request's words and the
// desktop's activation token; back, an exit status and what to print.
namespace instance_protocol {
inline constexpr quint32 requestMagic = 0x52647a31; // "Rdz1"
inline constexpr auto streamVersion = QDataStream::Qt_6_4;

struct Answer {
    int exitStatus = 0;
    QString output;
    QString error;
};

QByteArray encodeRequest(const QStringList& words, const QString& activationToken);
QByteArray encodeAnswer(const Answer& answer);
// The answer at the start of bytes; nothing while some of it has still to come.
std::optional<Answer> decodeAnswer(const QByteArray& bytes);
} // namespace instance_protocol
