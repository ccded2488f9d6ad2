// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeptIconPlace.h"

#include "AtomicFileWriter.h"
#include "LogCategories.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cstdlib>
#include <utility>

namespace {
// Larger than any tray's icon, and any screen's coordinates.
constexpr int largestSide = 512;
constexpr int farthest = 1 << 20;

std::optional<QRect> parsed(const QByteArray& text) {
    const QStringList parts = QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() != 4)
        return std::nullopt;
    int v[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        v[i] = parts[i].toInt(&ok);
        if (!ok || std::abs(v[i]) > farthest)
            return std::nullopt;
    }
    if (v[2] <= 0 || v[3] <= 0 || v[2] > largestSide || v[3] > largestSide)
        return std::nullopt;
    return QRect(v[0], v[1], v[2], v[3]);
}
} // namespace

QString KeptIconPlace::defaultPath() {
    // A relative value is to be ignored, as the base directory rules say.
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!state.startsWith(QLatin1Char('/'))) {
        const QString home = qEnvironmentVariable("HOME");
        state = (home.isEmpty() ? QStringLiteral(".") : home) + QStringLiteral("/.local/state");
    }
    return state + QStringLiteral("/redizado/icon-place");
}

KeptIconPlace::KeptIconPlace(QString path) : m_path(std::move(path)) {}

std::optional<QRect> KeptIconPlace::place() const {
    if (m_read)
        return m_place;
    m_read = true;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    m_place = parsed(file.read(256).trimmed());
    if (!m_place)
        qCWarning(lcTray).noquote() << "ignored the tray icon's last place in" << m_path
                                    << "as it is not four whole numbers";
    return m_place;
}

void KeptIconPlace::keep(const QRect& place) {
    if (place.isEmpty() || place == this->place())
        return;
    m_place = place;
    const QByteArray text =
        QStringLiteral("%1 %2 %3 %4\n").arg(place.x()).arg(place.y()).arg(place.width()).arg(place.height()).toLatin1();
    std::string whyNot;
    const bool kept = QDir().mkpath(QFileInfo(m_path).path()) &&
                      AtomicFileWriter().replace(m_path.toStdString(), text.toStdString(), 0600, &whyNot);
    if (!kept && !std::exchange(m_toldWriteProblem, true))
        qCWarning(lcTray).noquote() << "could not keep the tray icon's place in" << m_path
                                    << QString::fromStdString(whyNot)
                                    << "; the panel goes by the screen's bars until a click shows where it is";
}
