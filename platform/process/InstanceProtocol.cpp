// SPDX-License-Identifier: GPL-3.0-or-later
#include "InstanceProtocol.h"

#include <QIODevice>

namespace instance_protocol {
QByteArray encodeRequest(const QStringList& words, const QString& activationToken) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(streamVersion);
    out << requestMagic << quint32(words.size());
    for (const QString& word : words)
        out << word;
    out << activationToken;
    return bytes;
}

QByteArray encodeAnswer(const Answer& answer) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(streamVersion);
    out << qint32(answer.exitStatus) << answer.output << answer.error;
    return bytes;
}

std::optional<Answer> decodeAnswer(const QByteArray& bytes) {
    QDataStream in(bytes);
    in.setVersion(streamVersion);
    qint32 status = 0;
    Answer answer;
    in >> status >> answer.output >> answer.error;
    if (in.status() != QDataStream::Ok)
        return std::nullopt;
    answer.exitStatus = status;
    return answer;
}
} // namespace instance_protocol
