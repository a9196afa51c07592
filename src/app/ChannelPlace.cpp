#include "app/ChannelPlace.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
QString tr(const char* text) {
    return QCoreApplication::translate("ChannelPlace", text);
}

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// The whole file, as one lock of an open file (not of the process): it
// conflicts with every other opening, also in this process, and goes when
// its descriptor is closed, by the process or by its death.
struct flock wholeFile(short type) {
    struct flock lock = {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    return lock;
}
} // namespace

QString ChannelPlace::displayKey(const QString& display) {
    // [host]:number[.screen]; the screen is the same display for us.
    static const QRegularExpression form(QStringLiteral("^(.*):(\\d+)(\\.\\d+)?$"));
    const QRegularExpressionMatch match = form.match(display);
    QString key = match.hasMatch()
                      ? (match.captured(1).isEmpty() || match.captured(1) == QLatin1String("unix")
                             ? match.captured(2)
                             : match.captured(1) + QLatin1Char('-') + match.captured(2))
                      : display;
    if (key.isEmpty()) key = QStringLiteral("none");
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9._-]"));
    return key.replace(unsafe, QStringLiteral("_")).left(40);
}

QString ChannelPlace::whyUnsafe(const QString& dir) {
    struct stat info = {};
    if (dir.isEmpty() || !QDir::isAbsolutePath(dir))
        return tr("the runtime folder \"%1\" is not an absolute path").arg(dir);
    if (::lstat(QFile::encodeName(dir).constData(), &info) != 0)
        return tr("the runtime folder %1 cannot be read: %2")
            .arg(shown(dir), QString::fromLocal8Bit(std::strerror(errno)));
    if (!S_ISDIR(info.st_mode)) return tr("%1 is not a folder").arg(shown(dir));
    if (info.st_uid != ::geteuid()) return tr("%1 belongs to another user").arg(shown(dir));
    if ((info.st_mode & 07777) != 0700)
        return tr("%1 is open to other users (mode %2, not 0700)")
            .arg(shown(dir), QString::number(info.st_mode & 07777, 8).rightJustified(4, '0'));
    return {};
}

ChannelPlace ChannelPlace::locate(const QString& runtimeDir, const QString& display,
                                  const QString& fallbackBase) {
    ChannelPlace place;
    QString dir = runtimeDir;
    if (dir.isEmpty()) {
        // Without a runtime folder, one of our own in the temporary folder:
        // made private, and refused when someone else made it first.
        dir = fallbackBase + QStringLiteral("/handwick-") + QString::number(::geteuid());
        if (::mkdir(QFile::encodeName(dir).constData(), 0700) == 0)
            ::chmod(QFile::encodeName(dir).constData(), 0700); // whatever the umask took
    }
    place.problem = whyUnsafe(dir);
    if (!place.problem.isEmpty()) return place;

    const QString base = dir + QStringLiteral("/handwick-") + displayKey(display);
    if (QFile::encodeName(base + QStringLiteral(".socket")).size() >=
        qsizetype(sizeof(sockaddr_un::sun_path))) {
        place.problem = tr("the runtime folder's path %1 is too long").arg(shown(dir));
        return place;
    }
    place.socket = base + QStringLiteral(".socket");
    place.lock = base + QStringLiteral(".lock");
    return place;
}

ChannelPlace ChannelPlace::forThisSession() {
    const QString display = qEnvironmentVariable("DISPLAY");
    ChannelPlace place =
        locate(qEnvironmentVariable("XDG_RUNTIME_DIR"), display, QStringLiteral("/tmp"));
    if (!display.isEmpty() || !place.problem.isEmpty()) return place;
    // Over ssh or from a timer nothing says which display's Handwick is meant;
    // when just one runs, it is that one.
    const QDir dir = QFileInfo(place.socket).dir();
    const QStringList sockets =
        dir.entryList({QStringLiteral("handwick-*.socket")}, QDir::System | QDir::Hidden);
    if (sockets.size() == 1) {
        place.socket = dir.filePath(sockets.front());
        place.lock = place.socket.chopped(int(qstrlen(".socket"))) + QStringLiteral(".lock");
    }
    return place;
}

bool peerIsThisUser(qintptr fd) {
    struct ucred peer = {};
    socklen_t size = sizeof peer;
    if (::getsockopt(int(fd), SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0) return false;
    return size == sizeof peer && peer.uid == ::geteuid();
}

InstanceLock::InstanceLock(const ChannelPlace& place) : m_place(place) {
    if (place.lock.isEmpty()) {
        m_problem = place.problem;
        return;
    }
    m_fd = ::open(QFile::encodeName(place.lock).constData(),
                  O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (m_fd < 0) {
        m_problem = tr("%1 cannot be opened: %2")
                        .arg(shown(place.lock), QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    struct flock lock = wholeFile(F_WRLCK);
    if (::fcntl(m_fd, F_OFD_SETLK, &lock) == 0) {
        m_state = State::held;
        return;
    }
    const int why = errno;
    ::close(m_fd);
    m_fd = -1;
    if (why == EACCES || why == EAGAIN)
        m_state = State::heldElsewhere;
    else
        m_problem = tr("%1 cannot be locked: %2")
                        .arg(shown(place.lock), QString::fromLocal8Bit(std::strerror(why)));
}

InstanceLock::~InstanceLock() {
    if (m_fd >= 0) ::close(m_fd);
}

bool InstanceLock::isHeldElsewhere(const ChannelPlace& place) {
    if (place.lock.isEmpty()) return false;
    const int fd =
        ::open(QFile::encodeName(place.lock).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return false;
    struct flock probe = wholeFile(F_WRLCK);
    const bool held = ::fcntl(fd, F_OFD_GETLK, &probe) == 0 && probe.l_type != F_UNLCK;
    ::close(fd);
    return held;
}
