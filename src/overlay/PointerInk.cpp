// Finished ink: kept in order for undo, faded after the chosen delay, and
// the choice of tool.
#include "layers/Transaction.h"
#include "overlay/Pointer.h"
#include "prefs/Prefs.h"
#include "common/SafeNumbers.h"

#include <QTimer>
#include <algorithm>
#include <cmath>

namespace {
constexpr double badgeFadeSeconds = 0.6;
} // namespace

void Pointer::add(const LayerPtr& layer) {
    if (!layer) return;
    m_items.push_back(layer);
    setInkEmpty(false);
    // The delay is fixed now: changing the setting later leaves this item be.
    const double delay = SafeNumbers::fadeAfter(Prefs::shared().fadeAfter());
    if (delay > 0) scheduleFade(layer, delay);
    flushDamage();
}

void Pointer::scheduleFade(const LayerPtr& layer, double seconds) {
    // Held weakly: an item undone or cleared meanwhile is simply gone.
    std::weak_ptr<Layer> weak = layer;
    QTimer::singleShot(int(std::lround(seconds * 1000)), this, [this, weak] {
        const LayerPtr item = weak.lock();
        if (!item || !item->superlayer()) return;
        Transaction::begin();
        Transaction::setAnimationDuration(badgeFadeSeconds);
        // A stroke has no implicit opacity animation and goes at once; a badge
        // fades out and goes when its fade ends.
        Transaction::setCompletion([this, weak] {
            if (const LayerPtr faded = weak.lock()) remove(faded);
        });
        item->setOpacity(0);
        Transaction::commit();
        flushDamage();
        wake();
    });
}

void Pointer::remove(const LayerPtr& layer) {
    if (!layer) return;
    layer->removeFromSuperlayer();
    m_items.erase(std::remove(m_items.begin(), m_items.end(), layer), m_items.end());
    // Badge numbers stay used up: the next badge does not reuse a faded one's.
    setInkEmpty(m_items.empty());
    flushDamage();
}

void Pointer::undo() {
    if (m_items.empty()) return;
    const LayerPtr last = m_items.back();
    m_items.pop_back();
    last->removeFromSuperlayer();
    const QVariant number = last->value(QStringLiteral("step"));
    if (number.typeId() == QMetaType::Int && number.toInt() == m_stepNumber - 1)
        setStepNumber(m_stepNumber - 1);
    setInkEmpty(m_items.empty());
    flushDamage();
}

void Pointer::choose(Tool tool) {
    Prefs& prefs = Prefs::shared();
    prefs.setTool(tool);
    prefs.setLaser(false);
}
