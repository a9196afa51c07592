#pragma once
class CustomHand;
class QString;
class Prefs;

namespace HandChoice {
// Keeps the chosen hand in step with the custom hand, for as long as both
// live: a successful import makes "custom" the chosen hand, and when the
// custom photo goes away while "custom" is chosen, "classic" takes its place.
// Connect once, before anything else listens to `custom`.
void follow(CustomHand& custom, Prefs& prefs);
// Makes the hand `id` the pointer, as picking it in a hand grid does: the
// laser goes away, so the hand shows.
void choose(Prefs& prefs, const QString& id);
} // namespace HandChoice
