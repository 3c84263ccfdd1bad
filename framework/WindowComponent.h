#pragma once

#include "framework/Severity.h"

#include <cstdint>

namespace tamberlo {

// A component attached to a window controller: it takes part in the window's events, refreshes
// and tear-down. The controller calls TearDown from its TearDown, Reset from Refresh,
// NeedsRefresh after each event while AUTOREFRESH is set, RegisterAlerts from InstallAlerts,
// HandleCurrentEvent from OnEvent, Update from UpdateComponents, and Redisplay from Refresh once
// every component was reset.
class WINDOWCOMPONENT {
public:
    virtual ~WINDOWCOMPONENT() = default;

    virtual void TearDown() = 0;
    virtual void Reset(std::uint8_t force) = 0;
    virtual bool NeedsRefresh() = 0;
    virtual void RegisterAlerts() = 0;
    virtual Severity HandleCurrentEvent() = 0;
    virtual void Update() = 0;
    virtual void Redisplay() = 0;
};

} // namespace tamberlo
