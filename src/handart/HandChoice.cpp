#include "handart/HandChoice.h"
#include "handart/CustomHand.h"
#include "handart/HandSkin.h"
#include "prefs/Prefs.h"

namespace HandChoice {
void follow(CustomHand& custom, Prefs& prefs) {
    QObject::connect(&custom, &CustomHand::importFinished, &prefs, [&prefs](bool ok) {
        if (ok) prefs.setHandID(HandSkin::custom().id);
    });
    QObject::connect(&custom, &CustomHand::imageChanged, &prefs, [&custom, &prefs] {
        if (!custom.hasImage() && prefs.handID() == HandSkin::custom().id)
            prefs.setHandID(HandSkin::classic().id);
    });
}

void choose(Prefs& prefs, const QString& id) {
    prefs.setHandID(id);
    prefs.setLaser(false);
}
} // namespace HandChoice
