#include "display/kaprel_cambia_risoluzione.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>

namespace vorlin {

namespace {

constexpr std::string_view kKeyX = "RisoluzioneX";
constexpr std::string_view kKeyY = "RisoluzioneY";
constexpr std::string_view kKeyZ = "RisoluzioneZ";
constexpr std::string_view kKeyAutoReset = "AutoReset";
constexpr std::string_view kTrue = "True";
constexpr std::string_view kFalse = "False";

constexpr std::array<MemberDescription, 9> kMemberDescriptions{{
    {"AutoReset", "Determina se la risoluzione grafica verrà ripristinata allo stato precedente "
                  "quando l'istanza viene rimossa dalla memoria."},
    {"LeggiRisoluzioneX", "Restituisce la larghezza attuale dello schermo."},
    {"LeggiRisoluzioneY", "Restituisce l'altezza attuale dello schermo."},
    {"LeggiRisoluzioneZ", "Restituisce la profondità attuale dello schermo."},
    {"RisoluzioneX", "Restituisce/imposta la larghezza dello schermo utilizzata dal metodo "
                     "CambiaRisoluzione."},
    {"RisoluzioneY", "Restituisce/imposta l'altezza dello schermo utilizzata dal metodo "
                     "CambiaRisoluzione."},
    {"RisoluzioneZ", "Restituisce/imposta la profondità dello schermo utilizzata dal metodo "
                     "CambiaRisoluzione."},
    {"CambiaRisoluzione", "Effettua il cambio di risoluzione. Se il parametro CambiaDepth è True "
                          "viene cambiata anche la profondità."},
    {"Reset", "Annulla le modifiche di risoluzione effettuate e ripristina lo stato precedente."},
}};

bool fitsSixteenBits(std::int64_t value) {
    return value >= std::numeric_limits<std::int16_t>::min() &&
           value <= std::numeric_limits<std::int16_t>::max();
}

// A saved whole number, or nothing when the text is not exactly one that fits the type.
template <typename Whole> std::optional<Whole> parseWhole(const std::string& text) {
    Whole value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc{} || stop != end) return std::nullopt;
    return value;
}

std::optional<bool> parseBoolean(const std::string& text) {
    if (text == kTrue) return true;
    if (text == kFalse) return false;
    return std::nullopt;
}

const std::string* findKey(const PropertyBag& bag, std::string_view key) {
    const auto found = bag.find(std::string(key));
    return found == bag.end() ? nullptr : &found->second;
}

template <typename Whole>
Whole readWhole(const PropertyBag& bag, std::string_view key, Whole defaultValue) {
    const std::string* text = findKey(bag, key);
    if (text == nullptr) return defaultValue;
    return parseWhole<Whole>(*text).value_or(defaultValue);
}

void writeOrOmit(PropertyBag& bag, std::string_view key, const std::string& value,
                 const std::string& defaultValue) {
    if (value == defaultValue) {
        bag.erase(std::string(key));
    } else {
        bag[std::string(key)] = value;
    }
}

std::string booleanText(bool value) {
    return std::string(value ? kTrue : kFalse);
}

} // namespace

KaprelCambiaRisoluzione::KaprelCambiaRisoluzione(DisplayBackend& backend)
    : backend_(backend), risoluzioneX_(LeggiRisoluzioneX()), risoluzioneY_(LeggiRisoluzioneY()),
      // No real screen has a depth beyond 16 bits of range; a backend that answers one gets it
      // clamped rather than an overflow while the window is being built.
      risoluzioneZ_(static_cast<std::int16_t>(
          std::clamp<std::int32_t>(LeggiRisoluzioneZ(), std::numeric_limits<std::int16_t>::min(),
                                   std::numeric_limits<std::int16_t>::max()))),
      LarghezzaOriginale(risoluzioneX_), AltezzaOriginale(risoluzioneY_),
      ProfonditaOriginale(risoluzioneZ_) {}

KaprelCambiaRisoluzione::~KaprelCambiaRisoluzione() {
    UserControl_Terminate();
}

const std::array<MemberDescription, 9>& KaprelCambiaRisoluzione::memberDescriptions() {
    return kMemberDescriptions;
}

std::int32_t KaprelCambiaRisoluzione::LeggiRisoluzioneX() const {
    return backend_.current().width;
}

std::int32_t KaprelCambiaRisoluzione::LeggiRisoluzioneY() const {
    return backend_.current().height;
}

std::int32_t KaprelCambiaRisoluzione::LeggiRisoluzioneZ() const {
    return backend_.current().depth;
}

void KaprelCambiaRisoluzione::RisoluzioneX(std::int32_t newX) {
    risoluzioneX_ = newX;
    changedProperties_.emplace(kKeyX);
}

void KaprelCambiaRisoluzione::RisoluzioneY(std::int32_t newY) {
    risoluzioneY_ = newY;
    changedProperties_.emplace(kKeyY);
}

void KaprelCambiaRisoluzione::RisoluzioneZ(std::int32_t newDepth) {
    if (!fitsSixteenBits(newDepth)) throw OverflowError();
    risoluzioneZ_ = static_cast<std::int16_t>(newDepth);
    changedProperties_.emplace(kKeyZ);
}

std::int32_t KaprelCambiaRisoluzione::CambiaRisoluzione(bool CambiaDepth) {
    // The depth travels with the request either way; the backend uses it only when asked to.
    const DisplayMode target{risoluzioneX_, risoluzioneY_, risoluzioneZ_};
    const int tested = backend_.testMode(target, CambiaDepth);
    if (tested != DISP_CHANGE_SUCCESSFUL) return tested;
    const int applied = backend_.applyMode(target, CambiaDepth);
    // Marked even when applying fails: the screen may be half changed, and the reset at
    // destruction is then the way back.
    RisoluzioneCambiata = true;
    return applied;
}

void KaprelCambiaRisoluzione::Reset() {
    const DisplayMode starting{LarghezzaOriginale, AltezzaOriginale, ProfonditaOriginale};
    constexpr bool withDepth = true;
    if (backend_.testMode(starting, withDepth) == DISP_CHANGE_SUCCESSFUL) {
        backend_.applyMode(starting, withDepth);
    }
}

void KaprelCambiaRisoluzione::UserControl_ReadProperties(const PropertyBag& PropBag) {
    risoluzioneX_ = readWhole<std::int32_t>(PropBag, kKeyX, LarghezzaOriginale);
    risoluzioneY_ = readWhole<std::int32_t>(PropBag, kKeyY, AltezzaOriginale);
    risoluzioneZ_ = readWhole<std::int16_t>(PropBag, kKeyZ, ProfonditaOriginale);
    const std::string* autoResetText = findKey(PropBag, kKeyAutoReset);
    autoReset_ = autoResetText == nullptr ? true : parseBoolean(*autoResetText).value_or(true);
}

void KaprelCambiaRisoluzione::UserControl_WriteProperties(PropertyBag& PropBag) const {
    writeOrOmit(PropBag, kKeyX, std::to_string(risoluzioneX_), std::to_string(LarghezzaOriginale));
    writeOrOmit(PropBag, kKeyY, std::to_string(risoluzioneY_), std::to_string(AltezzaOriginale));
    writeOrOmit(PropBag, kKeyZ, std::to_string(risoluzioneZ_), std::to_string(ProfonditaOriginale));
    writeOrOmit(PropBag, kKeyAutoReset, booleanText(autoReset_), booleanText(true));
}

void KaprelCambiaRisoluzione::resize(int widthTwips, int heightTwips) {
    widthTwips_ = widthTwips;
    heightTwips_ = heightTwips;
    UserControl_Resize();
}

void KaprelCambiaRisoluzione::UserControl_Resize() {
    widthTwips_ = kWidthTwips;
    heightTwips_ = kHeightTwips;
}

void KaprelCambiaRisoluzione::UserControl_Terminate() {
    if (autoReset_ && RisoluzioneCambiata) Reset();
}

} // namespace vorlin
