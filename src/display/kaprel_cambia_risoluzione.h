#pragma once

#include "display/display_backend.h"

#include <array>
#include <cstdint>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vorlin {

// The saved properties of the control, by key, as text.
using PropertyBag = std::map<std::string, std::string>;

// Raised when RisoluzioneZ is given a depth that does not fit in 16 bits.
class OverflowError : public std::range_error {
  public:
    OverflowError() : std::range_error("Overflow") {}
};

// One public member of the control and the text that describes it.
struct MemberDescription {
    std::string_view member;
    std::string_view description;
};

// The resolution control: reads the screen mode, switches to a requested one after testing it,
// and puts back the mode found at creation, on request (Reset) or when it is destroyed
// (AutoReset). It knows nothing of the game; the screen is reached through a DisplayBackend,
// which must outlive the control.
class KaprelCambiaRisoluzione {
  public:
    static constexpr int kWidthTwips = 450;
    static constexpr int kHeightTwips = 495;

    // UserControl_Initialize: captures the screen mode in force now as the starting mode.
    explicit KaprelCambiaRisoluzione(DisplayBackend& backend);
    // UserControl_Terminate: with AutoReset on and a mode applied, puts the starting mode back.
    ~KaprelCambiaRisoluzione();
    KaprelCambiaRisoluzione(const KaprelCambiaRisoluzione&) = delete;
    KaprelCambiaRisoluzione& operator=(const KaprelCambiaRisoluzione&) = delete;

    // The public members in their order, each with its description.
    static const std::array<MemberDescription, 9>& memberDescriptions();

    bool AutoReset() const { return autoReset_; }
    void AutoReset(bool ValueReset) { autoReset_ = ValueReset; }

    std::int32_t LeggiRisoluzioneX() const;
    std::int32_t LeggiRisoluzioneY() const;
    std::int32_t LeggiRisoluzioneZ() const;

    std::int32_t RisoluzioneX() const { return risoluzioneX_; }
    void RisoluzioneX(std::int32_t newX);
    std::int32_t RisoluzioneY() const { return risoluzioneY_; }
    void RisoluzioneY(std::int32_t newY);
    std::int32_t RisoluzioneZ() const { return risoluzioneZ_; }
    // Throws OverflowError, leaving the depth unchanged, outside -32768..32767.
    void RisoluzioneZ(std::int32_t newDepth);

    // Tests the target mode and applies it only when the test passes; the depth is part of the
    // request only when CambiaDepth is true. Returns the platform's result code.
    std::int32_t CambiaRisoluzione(bool CambiaDepth);
    // Puts back the starting mode, depth included, if it passes the test. Fails silently.
    void Reset();

    // Loads the saved properties; a missing or unreadable key gives its default.
    void UserControl_ReadProperties(const PropertyBag& PropBag);
    // Saves the properties; a value equal to its default is left out of the bag.
    void UserControl_WriteProperties(PropertyBag& PropBag) const;
    // The keys of the properties set since creation, for the host to know it must save them.
    const std::set<std::string>& changedProperties() const { return changedProperties_; }

    // The host sizes the control; the control keeps its own fixed size.
    void resize(int widthTwips, int heightTwips);
    int width() const { return widthTwips_; }
    int height() const { return heightTwips_; }

  private:
    void UserControl_Resize();
    void UserControl_Terminate();

    DisplayBackend& backend_;
    std::int32_t risoluzioneX_;
    std::int32_t risoluzioneY_;
    std::int16_t risoluzioneZ_;
    bool autoReset_ = true;
    bool RisoluzioneCambiata = false;
    std::int32_t LarghezzaOriginale;
    std::int32_t AltezzaOriginale;
    std::int16_t ProfonditaOriginale;
    std::set<std::string> changedProperties_;
    int widthTwips_ = kWidthTwips;
    int heightTwips_ = kHeightTwips;
};

} // namespace vorlin
