#pragma once
// The update feed: an RSS 2.0 channel whose items describe released versions
// (docs/update-feed.md gives the format). Items that lack what an update
// needs (a version, a download with its size and signature) are passed over,
// so one bad entry never hides the good ones.

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QUrl>
#include <optional>

struct AppcastItem {
    QString version;        // compared with the running version
    QString displayVersion; // what the user is shown; the version when the feed gives none
    QString notes;          // inline release notes, rich or plain text
    QUrl notesLink;         // release notes on the web, when not inline
    QString minimumSystemVersion;
    QUrl url;
    qint64 length = 0;
    QString type;
    QByteArray signature; // Ed25519 over the whole package, 64 bytes
};

struct Appcast {
    Q_DECLARE_TR_FUNCTIONS(Appcast)

  public:
    // The namespace of the feed's own elements and attributes.
    static constexpr const char* kNamespace = "urn:handwick:appcast";

    QList<AppcastItem> items;
    QString error; // why the feed could not be read; empty when it could

    static Appcast parse(const QByteArray& xml);

    // The newest item that is newer than the running version and runs on
    // this system, if any.
    std::optional<AppcastItem> newestUpdate(const QString& runningVersion,
                                            const QString& systemVersion) const;
};
