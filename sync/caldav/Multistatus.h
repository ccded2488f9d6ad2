// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Property names in Clark notation ("{namespace}local-name"), as the answers are keyed.
QString davName(const char* localName);
QString calDavName(const char* localName);

// One property of a WebDAV answer, as much as CalDAV needs: its own text, the hrefs it holds
// (current-user-principal, calendar-home-set), the elements inside it (resourcetype, supported-report-set) and the
// component names it lists (supported-calendar-component-set).
struct DavProperty {
    QString text;
    QStringList hrefs;
    QStringList elements;
    QStringList components;
};

// One resource of a multistatus answer: its own status when it has no properties (a removed member in a
// sync-collection answer), else the properties the server found (those it answered 404 for are left out).
struct DavResource {
    QString href;
    int status = 0;
    QHash<QString, DavProperty> properties;

    const DavProperty* property(const QString& name) const;
};

struct Multistatus {
    QList<DavResource> resources;
    QString syncToken;
};

// Nothing when the text is not well-formed XML or not a DAV multistatus.
std::optional<Multistatus> parseMultistatus(const QByteArray& xml);
