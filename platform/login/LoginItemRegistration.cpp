// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoginItemRegistration.h"

#include "LoginItems.h"

#include <QString>
#include <QStringDecoder>

namespace {
// Paths compare case-sensitively, with composed and decomposed accents counting as the same (a path typed
// on one system and stored by another may differ only in that). Bytes that are not UTF-8 compare as bytes.
bool samePath(const std::string& a, const std::string& b) {
    if (a == b)
        return true;
    QStringDecoder decodeA(QStringDecoder::Utf8);
    QStringDecoder decodeB(QStringDecoder::Utf8);
    const QString textA = decodeA(QByteArrayView(a.data(), static_cast<qsizetype>(a.size())));
    const QString textB = decodeB(QByteArrayView(b.data(), static_cast<qsizetype>(b.size())));
    if (decodeA.hasError() || decodeB.hasError())
        return false;
    return textA.normalized(QString::NormalizationForm_C) == textB.normalized(QString::NormalizationForm_C);
}
} // namespace

bool addAppAsLoginItem(LoginItems& loginItems, const std::string& appPath) {
    return loginItems.insertLast(appPath);
}

bool deleteAppFromLoginItem(LoginItems& loginItems, const std::string& appPath) {
    bool allRemoved = true;
    for (const LoginItems::Entry& entry : loginItems.entries()) {
        if (entry.program && samePath(*entry.program, appPath))
            allRemoved = loginItems.remove(entry) && allRemoved;
    }
    return allRemoved;
}
