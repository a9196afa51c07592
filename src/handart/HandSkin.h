#pragma once
#include <QColor>
#include <QString>
#include <optional>
#include <vector>

// An sRGB colour with double components, kept exact as the catalogue gives them.
struct Rgba {
    double r = 0, g = 0, b = 0, a = 1;
    QColor toColor() const { return QColor::fromRgbF(float(r), float(g), float(b), float(a)); }
    Rgba withAlpha(double alpha) const { return {r, g, b, alpha}; }
    friend bool operator==(const Rgba&, const Rgba&) = default;
};

// One look of the pointing hand. Identity is `id` alone.
struct HandSkin {
    enum class Style { normal, pixel, neon, ghost, robot };

    QString id;
    std::vector<Rgba> fill; // 1…4 stops
    Rgba outline;
    std::optional<std::vector<Rgba>> cuff; // absent: drawn without a cuff
    Rgba stick;
    Style style = Style::normal;
    bool gloss = false;

    // The display name, translated for the catalogue ids and "custom".
    QString name() const;

    friend bool operator==(const HandSkin& a, const HandSkin& b) { return a.id == b.id; }

    static const Rgba wood;
    static const HandSkin& classic();
    static const HandSkin& custom();
    // The nineteen built-in skins in picker order; never contains `custom`.
    static const std::vector<HandSkin>& all();
    // A catalogue skin or `custom`, by exact id. Whether there is a photo for
    // `custom` is not the skin's business: HandSprites falls back to classic.
    static std::optional<HandSkin> find(const QString& id);
    // Any id as a display name: each word capitalised.
    static QString capitalisedWords(const QString& id);
};
