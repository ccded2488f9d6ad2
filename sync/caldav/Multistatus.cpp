// SPDX-License-Identifier: GPL-3.0-or-later
#include "Multistatus.h"

#include <QXmlStreamReader>

namespace {

const QString davNamespace = QStringLiteral("DAV:");

QString clark(const QXmlStreamReader& reader) {
    return QLatin1Char('{') + reader.namespaceUri().toString() + QLatin1Char('}') + reader.name().toString();
}

bool isDav(const QXmlStreamReader& reader, QLatin1StringView name) {
    return reader.namespaceUri() == davNamespace && reader.name() == name;
}

// "HTTP/1.1 404 Not Found" -> 404; 0 when unreadable.
int statusCode(const QString& line) {
    const QStringList parts = line.trimmed().split(QLatin1Char(' '));
    return parts.size() >= 2 ? parts.at(1).toInt() : 0;
}

// Reads the property the reader stands on, up to its end tag.
DavProperty readProperty(QXmlStreamReader& reader) {
    DavProperty property;
    int depth = 0;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            property.elements.append(clark(reader));
            if (reader.attributes().hasAttribute(QStringLiteral("name")))
                property.components.append(reader.attributes().value(QStringLiteral("name")).toString());
            // An href's text is read whole here, end tag included, so it does not count as a level.
            if (isDav(reader, QLatin1StringView("href")))
                property.hrefs.append(reader.readElementText(QXmlStreamReader::IncludeChildElements).trimmed());
            else
                ++depth;
            break;
        case QXmlStreamReader::EndElement:
            if (depth-- == 0)
                return property;
            break;
        case QXmlStreamReader::Characters:
            if (depth == 0)
                property.text += reader.text();
            break;
        default:
            break;
        }
    }
    return property;
}

void readPropstat(QXmlStreamReader& reader, DavResource& resource) {
    QHash<QString, DavProperty> properties;
    int status = 0;
    while (reader.readNextStartElement()) {
        if (isDav(reader, QLatin1StringView("prop"))) {
            while (reader.readNextStartElement()) {
                const QString name = clark(reader);
                properties.insert(name, readProperty(reader));
            }
        } else if (isDav(reader, QLatin1StringView("status"))) {
            status = statusCode(reader.readElementText());
        } else {
            reader.skipCurrentElement();
        }
    }
    if (status / 100 == 2)
        resource.properties.insert(properties);
}

DavResource readResource(QXmlStreamReader& reader) {
    DavResource resource;
    while (reader.readNextStartElement()) {
        if (isDav(reader, QLatin1StringView("href")))
            resource.href = reader.readElementText().trimmed();
        else if (isDav(reader, QLatin1StringView("status")))
            resource.status = statusCode(reader.readElementText());
        else if (isDav(reader, QLatin1StringView("propstat")))
            readPropstat(reader, resource);
        else
            reader.skipCurrentElement();
    }
    return resource;
}

} // namespace

QString davName(const char* localName) {
    return QStringLiteral("{DAV:}") + QLatin1StringView(localName);
}

QString calDavName(const char* localName) {
    return QStringLiteral("{urn:ietf:params:xml:ns:caldav}") + QLatin1StringView(localName);
}

const DavProperty* DavResource::property(const QString& name) const {
    const auto found = properties.constFind(name);
    return found == properties.cend() ? nullptr : &*found;
}

std::optional<Multistatus> parseMultistatus(const QByteArray& xml) {
    QXmlStreamReader reader(xml);
    if (!reader.readNextStartElement() || !isDav(reader, QLatin1StringView("multistatus")))
        return std::nullopt;
    Multistatus answer;
    while (reader.readNextStartElement()) {
        if (isDav(reader, QLatin1StringView("response")))
            answer.resources.append(readResource(reader));
        else if (isDav(reader, QLatin1StringView("sync-token")))
            answer.syncToken = reader.readElementText().trimmed();
        else
            reader.skipCurrentElement();
    }
    if (reader.hasError())
        return std::nullopt;
    return answer;
}
