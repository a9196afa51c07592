#include "layers/Transaction.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <vector>

namespace {
// One transaction's completion: fires when it has been committed and every
// animation that joined it has stopped.
struct Completion {
    std::function<void()> action;
    int pending = 0;
    bool committed = false;
    bool fired = false;

    void fireIfDone() {
        if (fired || !committed || pending > 0) return;
        fired = true;
        if (action) {
            auto run = std::move(action);
            run();
        }
    }
};

struct Level {
    bool disableActions = false;
    double duration = 0.25;
    std::shared_ptr<Completion> completion = std::make_shared<Completion>();
};

std::vector<Level>& levels() {
    static std::vector<Level> stack;
    return stack;
}

unsigned long long& outermostId() {
    static unsigned long long id = 0;
    return id;
}

// The implicit transaction of this turn of the event loop; 0 when none is open.
unsigned long long& implicitId() {
    static unsigned long long id = 0;
    return id;
}

unsigned long long nextId = 0;
constexpr double defaultDuration = 0.25;
} // namespace

class Transaction::Token {
  public:
    std::vector<std::shared_ptr<Completion>> joined;
    ~Token() {
        for (auto& c : joined) {
            --c->pending;
            c->fireIfDone();
        }
    }
};

void Transaction::begin() {
    Level level;
    if (!levels().empty()) {
        level.disableActions = levels().back().disableActions;
        level.duration = levels().back().duration;
    } else {
        outermostId() = ++nextId;
    }
    levels().push_back(std::move(level));
}

void Transaction::commit() {
    if (levels().empty()) return;
    auto completion = levels().back().completion;
    levels().pop_back();
    if (levels().empty()) outermostId() = 0;
    completion->committed = true;
    completion->fireIfDone();
}

bool Transaction::disableActions() {
    return !levels().empty() && levels().back().disableActions;
}

void Transaction::setDisableActions(bool disable) {
    if (!levels().empty()) levels().back().disableActions = disable;
}

double Transaction::animationDuration() {
    return levels().empty() ? defaultDuration : levels().back().duration;
}

void Transaction::setAnimationDuration(double seconds) {
    // A negative or non-finite duration would make an animation that never
    // ends or has already ended; such values mean "no animation".
    if (levels().empty()) return;
    levels().back().duration = (seconds >= 0 && seconds < 1e6) ? seconds : 0.0;
}

void Transaction::setCompletion(std::function<void()> completion) {
    if (!levels().empty()) levels().back().completion->action = std::move(completion);
}

void Transaction::flush() {
    implicitId() = 0;
}

unsigned long long Transaction::currentId() {
    if (implicitId() != 0) return implicitId();
    if (outermostId() != 0) return outermostId();
    implicitId() = ++nextId;
    // Without an event loop the implicit transaction lasts until flush().
    if (QCoreApplication::instance()) QTimer::singleShot(0, [] { Transaction::flush(); });
    return implicitId();
}

std::shared_ptr<Transaction::Token> Transaction::animationStarted() {
    auto token = std::make_shared<Token>();
    for (auto& level : levels()) {
        ++level.completion->pending;
        token->joined.push_back(level.completion);
    }
    return token;
}
