#include "platform/WindowActivation.h"
#include "platform/headless/HeadlessWindowActivation.h"
#include "platform/x11/X11Connection.h"
#include "platform/x11/X11WindowActivation.h"

std::unique_ptr<WindowActivation> WindowActivation::forThisDesktop() {
    if (xcb_connection_t* connection = X11::qtConnection())
        return std::make_unique<X11WindowActivation>(connection);
    return std::make_unique<HeadlessWindowActivation>();
}
