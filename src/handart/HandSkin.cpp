#include "handart/HandSkin.h"

#include <QCoreApplication>
#include <array>

namespace {
using Style = HandSkin::Style;

// Catalogue colours are written on the 0…255 scale; keep them as exact doubles.
constexpr Rgba rgb(int r, int g, int b, double a = 1) {
    return {r / 255.0, g / 255.0, b / 255.0, a};
}

// Display names of the catalogue ids, in catalogue order, for lupdate.
constexpr std::array<const char*, 19> catalogueNames = {
    QT_TRANSLATE_NOOP("HandSkin", "Classic"), QT_TRANSLATE_NOOP("HandSkin", "Warm"),
    QT_TRANSLATE_NOOP("HandSkin", "Cobalt"),  QT_TRANSLATE_NOOP("HandSkin", "Light"),
    QT_TRANSLATE_NOOP("HandSkin", "Tan"),     QT_TRANSLATE_NOOP("HandSkin", "Deep"),
    QT_TRANSLATE_NOOP("HandSkin", "Mint"),    QT_TRANSLATE_NOOP("HandSkin", "Lavender"),
    QT_TRANSLATE_NOOP("HandSkin", "Lemon"),   QT_TRANSLATE_NOOP("HandSkin", "Coral"),
    QT_TRANSLATE_NOOP("HandSkin", "Night"),   QT_TRANSLATE_NOOP("HandSkin", "Gold"),
    QT_TRANSLATE_NOOP("HandSkin", "Chrome"),  QT_TRANSLATE_NOOP("HandSkin", "Candy"),
    QT_TRANSLATE_NOOP("HandSkin", "Ocean"),   QT_TRANSLATE_NOOP("HandSkin", "Neon"),
    QT_TRANSLATE_NOOP("HandSkin", "Pixel"),   QT_TRANSLATE_NOOP("HandSkin", "Ghost"),
    QT_TRANSLATE_NOOP("HandSkin", "Robot"),
};
const char* const customName = QT_TRANSLATE_NOOP("HandSkin", "Your Hand");

HandSkin skin(const char* id, std::vector<Rgba> fill, Rgba outline,
              std::optional<std::vector<Rgba>> cuff, Rgba stick, Style style, bool gloss) {
    return HandSkin{
        QString::fromLatin1(id), std::move(fill), outline, std::move(cuff), stick, style, gloss};
}

std::vector<HandSkin> makeCatalogue() {
    const Rgba wood = HandSkin::wood;
    const Rgba white = rgb(255, 255, 255);
    const auto none = std::nullopt;
    return {
        skin("classic", {white, rgb(237, 237, 240)}, rgb(29, 29, 31),
             std::vector{rgb(244, 244, 246), rgb(218, 218, 223)}, wood, Style::normal, true),
        skin("warm", {rgb(232, 181, 138), rgb(211, 154, 106)}, rgb(90, 54, 34), none, wood,
             Style::normal, true),
        skin("cobalt", {rgb(76, 141, 255), rgb(47, 100, 224)}, rgb(15, 36, 99),
             std::vector{white, rgb(220, 230, 250)}, rgb(242, 242, 236), Style::normal, true),
        skin("light", {rgb(248, 220, 198), rgb(238, 195, 163)}, rgb(107, 67, 48), none, wood,
             Style::normal, true),
        skin("tan", {rgb(207, 149, 99), rgb(181, 122, 73)}, rgb(74, 42, 22), none, wood,
             Style::normal, true),
        skin("deep", {rgb(142, 90, 52), rgb(110, 66, 35)}, rgb(43, 22, 9), none, wood,
             Style::normal, true),
        skin("mint", {rgb(185, 243, 218), rgb(127, 221, 184)}, rgb(30, 91, 69),
             std::vector{white, rgb(226, 246, 238)}, white, Style::normal, true),
        skin("lavender", {rgb(217, 204, 255), rgb(180, 156, 245)}, rgb(60, 42, 120),
             std::vector{white, rgb(237, 231, 255)}, white, Style::normal, true),
        skin("lemon", {rgb(255, 240, 122), rgb(255, 212, 59)}, rgb(107, 78, 0),
             std::vector{white, rgb(255, 246, 204)}, rgb(43, 43, 43), Style::normal, true),
        skin("coral", {rgb(255, 154, 139), rgb(255, 107, 94)}, rgb(110, 30, 22),
             std::vector{white, rgb(255, 227, 222)}, white, Style::normal, true),
        skin("night", {rgb(44, 44, 48), rgb(18, 18, 20)}, rgb(242, 242, 236),
             std::vector{rgb(58, 58, 64), rgb(32, 32, 36)}, rgb(200, 240, 49), Style::normal, true),
        skin("gold", {rgb(255, 241, 168), rgb(242, 193, 78), rgb(184, 134, 11), rgb(247, 215, 116)},
             rgb(92, 65, 0), std::vector{white, rgb(244, 231, 192)}, rgb(59, 42, 5), Style::normal,
             true),
        skin("chrome", {white, rgb(185, 192, 202), rgb(110, 119, 131), rgb(230, 234, 239)},
             rgb(34, 38, 44), std::vector{rgb(138, 146, 156), rgb(79, 86, 96)}, rgb(34, 38, 44),
             Style::normal, true),
        skin("candy", {rgb(255, 143, 216), rgb(255, 184, 107)}, rgb(106, 21, 80),
             std::vector{white, rgb(255, 230, 245)}, white, Style::normal, true),
        skin("ocean", {rgb(127, 243, 255), rgb(43, 179, 232), rgb(22, 99, 199)}, rgb(8, 43, 87),
             std::vector{white, rgb(217, 244, 255)}, white, Style::normal, true),
        skin("neon", {rgb(16, 19, 26, 0.82)}, rgb(61, 245, 255), std::vector{rgb(16, 19, 26, 0.82)},
             rgb(255, 61, 203), Style::neon, false),
        skin("pixel", {rgb(255, 224, 102)}, rgb(27, 27, 27), std::vector{white}, rgb(139, 90, 43),
             Style::pixel, false),
        skin("ghost", {rgb(255, 255, 255, 0.62)}, rgb(255, 255, 255, 0.95), none,
             rgb(255, 255, 255, 0.7), Style::ghost, false),
        skin("robot", {rgb(213, 219, 227), rgb(142, 153, 168)}, rgb(31, 41, 51),
             std::vector{rgb(242, 163, 58), rgb(201, 119, 26)}, rgb(31, 41, 51), Style::robot,
             true),
    };
}
} // namespace

const Rgba HandSkin::wood = rgb(183, 129, 74);

const std::vector<HandSkin>& HandSkin::all() {
    static const std::vector<HandSkin> catalogue = makeCatalogue();
    return catalogue;
}

const HandSkin& HandSkin::classic() {
    return all().front();
}

const HandSkin& HandSkin::custom() {
    static const HandSkin entry = skin("custom", {classic().fill.front()}, classic().outline,
                                       std::nullopt, wood, Style::normal, false);
    return entry;
}

std::optional<HandSkin> HandSkin::find(const QString& id) {
    if (id == custom().id) return custom();
    for (const HandSkin& skin : all())
        if (skin.id == id) return skin;
    return std::nullopt;
}

QString HandSkin::name() const {
    if (id == custom().id) return QCoreApplication::translate("HandSkin", customName);
    const auto& catalogue = all();
    for (size_t i = 0; i < catalogue.size() && i < catalogueNames.size(); ++i)
        if (catalogue[i].id == id)
            return QCoreApplication::translate("HandSkin", catalogueNames[i]);
    return capitalisedWords(id);
}

QString HandSkin::capitalisedWords(const QString& id) {
    QString words = id;
    bool startOfWord = true;
    for (QChar& c : words) {
        c = startOfWord ? c.toUpper() : c.toLower();
        startOfWord = !c.isLetterOrNumber();
    }
    return words;
}
