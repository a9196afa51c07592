#include "updates/Appcast.h"
#include "updates/Version.h"

#include <QXmlStreamReader>

namespace {

bool isOurs(const QXmlStreamReader& xml, const char* name) {
    return xml.namespaceUri() == QLatin1String(Appcast::kNamespace) &&
           xml.name() == QLatin1String(name);
}

bool isPlain(const QXmlStreamReader& xml, const char* name) {
    return xml.namespaceUri().isEmpty() && xml.name() == QLatin1String(name);
}

void readEnclosure(const QXmlStreamReader& xml, AppcastItem& item) {
    const QXmlStreamAttributes attributes = xml.attributes();
    item.url = QUrl(attributes.value(QLatin1String("url")).toString().trimmed(), QUrl::StrictMode);
    item.length = attributes.value(QLatin1String("length")).toLongLong();
    item.type = attributes.value(QLatin1String("type")).toString();
    const QString ns = QLatin1String(Appcast::kNamespace);
    item.signature = QByteArray::fromBase64(
        attributes.value(ns, QLatin1String("edSignature")).toString().trimmed().toLatin1());
    // The version may also sit on the enclosure, as many feed writers put it.
    if (item.version.isEmpty())
        item.version = attributes.value(ns, QLatin1String("version")).toString().trimmed();
    if (item.displayVersion.isEmpty())
        item.displayVersion =
            attributes.value(ns, QLatin1String("shortVersionString")).toString().trimmed();
}

AppcastItem readItem(QXmlStreamReader& xml) {
    AppcastItem item;
    while (xml.readNextStartElement()) {
        auto text = [&xml] {
            return xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
        };
        if (isOurs(xml, "version"))
            item.version = text();
        else if (isOurs(xml, "shortVersionString"))
            item.displayVersion = text();
        else if (isOurs(xml, "releaseNotesLink"))
            item.notesLink = QUrl(text(), QUrl::StrictMode);
        else if (isOurs(xml, "minimumSystemVersion"))
            item.minimumSystemVersion = text();
        else if (isPlain(xml, "description"))
            item.notes = text();
        else if (isPlain(xml, "enclosure")) {
            readEnclosure(xml, item);
            xml.skipCurrentElement();
        } else
            xml.skipCurrentElement();
    }
    if (item.displayVersion.isEmpty()) item.displayVersion = item.version;
    return item;
}

// Far beyond any real package; a feed must not be able to fill the disk
// before the signature is ever checked.
constexpr qint64 kLargestPackage = qint64(512) << 20;

bool isComplete(const AppcastItem& item) {
    return !item.version.isEmpty() && item.url.isValid() && !item.url.isRelative() &&
           item.length > 0 && item.length <= kLargestPackage && item.signature.size() == 64;
}

} // namespace

Appcast Appcast::parse(const QByteArray& data) {
    Appcast feed;
    QXmlStreamReader xml(data);
    bool sawChannel = false;
    if (xml.readNextStartElement() && isPlain(xml, "rss")) {
        while (xml.readNextStartElement()) {
            if (!isPlain(xml, "channel")) {
                xml.skipCurrentElement();
                continue;
            }
            sawChannel = true;
            while (xml.readNextStartElement()) {
                if (!isPlain(xml, "item")) {
                    xml.skipCurrentElement();
                    continue;
                }
                AppcastItem item = readItem(xml);
                if (isComplete(item)) feed.items << item;
            }
        }
    }
    if (xml.hasError()) {
        feed.items.clear();
        feed.error = tr("The update feed is damaged (line %1: %2).")
                         .arg(xml.lineNumber())
                         .arg(xml.errorString());
    } else if (!sawChannel) {
        feed.error = tr("The update address does not lead to an update feed.");
    }
    return feed;
}

std::optional<AppcastItem> Appcast::newestUpdate(const QString& runningVersion,
                                                 const QString& systemVersion) const {
    std::optional<AppcastItem> best;
    for (const AppcastItem& item : items) {
        if (Version::compare(item.version, runningVersion) <= 0) continue;
        if (!item.minimumSystemVersion.isEmpty() && !systemVersion.isEmpty() &&
            Version::compare(systemVersion, item.minimumSystemVersion) < 0)
            continue;
        if (!best || Version::compare(item.version, best->version) > 0) best = item;
    }
    return best;
}
