#pragma once
// Where the running Handwick listens for the others: a local socket in the
// user's private runtime folder, one per display, and beside it the lock that
// says which process is the running one.

#include <QString>

struct ChannelPlace {
    QString socket;  // empty when there is no safe place
    QString lock;    // held by the running Handwick for as long as it runs
    QString problem; // why there is no safe place, one sentence; empty when there is

    // For this session: $XDG_RUNTIME_DIR, or /tmp/handwick-<uid> when that is unset.
    static ChannelPlace forThisSession();
    // The same from the given values. `fallbackBase` is where the private
    // folder is made when `runtimeDir` is empty.
    static ChannelPlace locate(const QString& runtimeDir, const QString& display,
                               const QString& fallbackBase);
    // What the socket is named after: one Handwick per display ("0" for ":0.0").
    static QString displayKey(const QString& display);
    // Why `dir` is no place for the socket (not a real folder, another user's,
    // open to others); empty when it is ours alone (mode 0700).
    static QString whyUnsafe(const QString& dir);
};

// Whether the process at the other end of the connected local socket `fd`
// runs as this user.
bool peerIsThisUser(qintptr fd);

// The claim to be the running Handwick, held until this object goes. Another
// process that holds it is the running one (even if it is not listening yet);
// a killed one lets go with its last breath, so nothing stale is left behind.
class InstanceLock {
  public:
    enum class State { held, heldElsewhere, unavailable };
    explicit InstanceLock(const ChannelPlace& place);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    State state() const { return m_state; }
    const ChannelPlace& place() const { return m_place; }
    // Why there is no channel, one sentence; empty while held.
    QString problem() const { return m_problem; }

    // Whether some other process holds the lock, without taking it.
    static bool isHeldElsewhere(const ChannelPlace& place);

  private:
    ChannelPlace m_place;
    State m_state = State::unavailable;
    QString m_problem;
    int m_fd = -1;
};
