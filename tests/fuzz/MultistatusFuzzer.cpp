// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as a server's WebDAV answer: read, and every property of every resource looked at as the client does.
#include "Multistatus.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto answer =
        parseMultistatus(QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (!answer)
        return 0;
    qsizetype seen = answer->syncToken.size();
    for (const DavResource& resource : answer->resources) {
        for (const char* name : {"getetag", "sync-token", "resourcetype", "supported-report-set",
                                 "current-user-privilege-set", "current-user-principal", "displayname"})
            if (const DavProperty* property = resource.property(davName(name)))
                seen += property->text.size() + property->hrefs.size() + property->elements.size();
        if (const DavProperty* property = resource.property(calDavName("calendar-data")))
            seen += property->text.toUtf8().size();
        seen += resource.href.size() + resource.status;
    }
    return seen < 0 ? 1 : 0;
}
