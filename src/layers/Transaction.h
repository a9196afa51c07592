#pragma once
#include <functional>
#include <memory>

// Groups layer changes. Transactions nest; settings made inside one apply to
// the changes made until its commit (an inner transaction starts with the
// outer one's settings). Outside any explicit transaction changes behave as
// in a default one: implicit animations allowed, 0.25 s, no completion (the
// setters below do nothing there).
//
// All changes of one turn of the event loop also form an implicit
// transaction: a layer added in it shows its final state at once,
// without implicit animations, so a tree can be built and styled in any order.
// The implicit transaction ends when control returns to the event loop, or
// with flush().
//
//     Transaction::begin();
//     Transaction::setDisableActions(true);
//     arm->setPosition(p);
//     Transaction::commit();
class Transaction {
  public:
    static void begin();
    // Ends the innermost transaction. A commit without begin does nothing.
    static void commit();

    static void setDisableActions(bool disable);
    // Seconds for implicit animations started in this transaction.
    static void setAnimationDuration(double seconds);
    // Runs once every animation started in this transaction (explicit or
    // implicit, also in nested ones) has stopped; at commit when there is none.
    static void setCompletion(std::function<void()> completion);

    // Ends the implicit transaction now (what a turn of the event loop does).
    static void flush();

    // Held by a running animation: the transactions it started in complete
    // once it lets go.
    class Token;

  private:
    friend class Layer;
    static bool disableActions();
    static double animationDuration();
    // The identifier of the outermost transaction, opening the implicit one if
    // none is open.
    static unsigned long long currentId();
    // An animation starting now joins the open transactions' completions.
    static std::shared_ptr<Token> animationStarted();
};
