// The greeting two devices exchange before any song message: who is calling, and whether it is welcome.
#include "peerhandshake.h"

#include "log.h"
#include "peeridentity.h"
#include "peermessage.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>

QByteArray PeerHandshake::encode(Code code, const PeerIdentity &identity)
{
    const QJsonObject payload{{QStringLiteral("id"), identity.idText()},
                              {QStringLiteral("name"), identity.displayName()},
                              {QStringLiteral("version"), QCoreApplication::applicationVersion()}};
    PeerMessage message;
    message.code = code;
    message.line = protocolVersion;
    message.payload = QString::fromUtf8(QJsonDocument(payload).toJson(QJsonDocument::Compact));
    return message.encode();
}

bool PeerHandshake::isHandshakeCode(quint32 code)
{
    return code == Hello || code == Accept || code == Decline;
}

std::optional<PeerHandshake> PeerHandshake::decode(const QByteArray &frame)
{
    const auto message = PeerMessage::parseMessage(frame);
    if (!message)
        return std::nullopt;
    if (!isHandshakeCode(message->code) || message->line != protocolVersion) {
        Log::write(QStringLiteral("Handshake %1 version %2 not understood")
                       .arg(message->code, 8, 16, QLatin1Char('0'))
                       .arg(message->line));
        return std::nullopt;
    }
    const QByteArray json = message->payload.toUtf8();
    // An oversized payload is refused before it is parsed.
    const QJsonObject object =
        json.size() > maxPayloadBytes ? QJsonObject() : QJsonDocument::fromJson(json).object();
    const QJsonValue id = object.value(QStringLiteral("id"));
    const QJsonValue name = object.value(QStringLiteral("name"));
    if (!id.isString() || id.toString().isEmpty() || !name.isString() || name.toString().isEmpty()) {
        Log::write(QStringLiteral("Handshake without a peer identity, ignored"));
        return std::nullopt;
    }
    return PeerHandshake{Code(message->code), id.toString(), name.toString(),
                         object.value(QStringLiteral("version")).toString()};
}
